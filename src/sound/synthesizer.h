// SPDX-License-Identifier: MIT
#pragma once

#include "game/sound_cue.h"
#include "sound/listening.h"

#include <array>
#include <cstdint>
#include <mutex>
#include <span>

namespace zorvik {

// The two windows tell the same things in different timbres, so a player hears which window
// a sound comes from: the tower's voices are round (pure tones), the hopper's reedy (a soft
// square, odd harmonics).
enum class Timbre : std::uint8_t { Round, Reedy };
inline constexpr int timbreCount = 2;

// The ball's pitch at a height: two octaves, from 220 Hz at the bottom to 880 Hz at the top.
float ballPitch(float height);
// The hopper's platform hums below every pitch the ball takes, pulsing three times a second.
inline constexpr float platformPitch = 165.0f;

// Constant-power panning: full left at 0, full right at 1, equal power at 0.5.
struct StereoGain {
    float left;
    float right;
};
StereoGain panGain(float pan);

// Makes the game's sound, 48000 stereo frames a second: each window's ball as a steady tone
// placed by its pan and pitched by its height, the hopper's platform as a pulsing hum placed
// by its pan, and short cues at the ball's place. The game's thread tells it what to play; the
// audio thread renders, holding the lock only to take the news. Rendering never allocates.
// Loudness, place and pitch move in steps of a third of a millisecond, ramped in between; only
// the waves themselves are worked out frame by frame.
class Synthesizer {
public:
    static constexpr int sampleRate = 48000;

    Synthesizer();

    // From the game's thread, after every event.
    void listen(Timbre window, const Listening& listening);
    void cue(Timbre window, SoundCue cue);

    // From the audio thread: the next frames, interleaved left and right. False when they are
    // silent and stay so until something new is told.
    bool render(std::span<std::int16_t> interleaved);
    // From the audio thread, once render has said silent: whether what was told since sounds.
    bool hasSomethingToPlay();

private:
    // A value that follows its target smoothly, so that pan and pitch never click.
    struct Glide {
        float value = 0;
        void follow(float target, float rate) { value += (target - value) * rate; }
    };
    // A phase as a fraction of a turn, in 32 bits: it wraps round by itself.
    using Phase = std::uint32_t;
    static constexpr int blockFrames = 16;
    // A block's frames, interleaved left and right, as they are mixed.
    using Block = std::array<float, 2 * blockFrames>;
    struct WindowVoice {
        Listening target;
        float targetPitch = 0;
        float ballGain = 0;
        float platformGain = 0;
        Glide ballPan, ballPitch, platformPan;
        Phase ballPhase = 0, platformPhase = 0, pulsePhase = 0;
        // Where the last block left each voice's gain on either side.
        StereoGain ballOut { 0, 0 }, platformOut { 0, 0 };
    };
    struct CueVoice {
        bool active = false;
        Timbre timbre = Timbre::Round;
        SoundCue cue = SoundCue::Landing;
        int frame = 0;
        float pan = 0.5f;
        float ballPitch = 440;
        Phase phase = 0;
        StereoGain out { 0, 0 };
    };

    void startCue(Timbre window, SoundCue cue);
    float wave(Timbre timbre, Phase phase) const;
    float sine(Phase phase) const;
    StereoGain pan(float where, float gain) const;
    // Adds a voice's next frames into the block, its gain moving from `from` to `to`.
    void mix(Block& block, int frames, StereoGain& from, StereoGain to, Phase& phase, float pitch,
        Timbre timbre) const;
    // A block of a window's steady voices.
    void renderWindow(WindowVoice& voice, Timbre timbre, Block& block, int frames);
    // A block of a cue; ends it when it is over.
    void renderCue(CueVoice& voice, Block& block, int frames);

    static constexpr std::size_t sineSize = 2048;
    std::array<float, sineSize + 1> sineTable_ {};

    std::mutex mutex_;
    std::array<Listening, timbreCount> toldListening_ {}; // guarded by mutex_
    std::array<unsigned, timbreCount> toldCues_ {}; // guarded by mutex_: a bit per cue

    std::array<WindowVoice, timbreCount> windows_ {};
    std::array<CueVoice, 8> cues_ {};
};

} // namespace zorvik
