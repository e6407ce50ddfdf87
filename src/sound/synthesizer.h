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

private:
    // A value that follows its target smoothly, so that pan and pitch never click.
    struct Glide {
        float value = 0;
        void follow(float target, float rate) { value += (target - value) * rate; }
    };
    struct WindowVoice {
        Listening target;
        float targetPitch = 0;
        float ballGain = 0;
        float platformGain = 0;
        Glide ballPan, ballPitch, platformPan;
        double ballPhase = 0, platformPhase = 0, pulsePhase = 0;
    };
    struct CueVoice {
        bool active = false;
        Timbre timbre = Timbre::Round;
        SoundCue cue = SoundCue::Landing;
        int frame = 0;
        float pan = 0.5f;
        float ballPitch = 440;
        double phase = 0;
    };

    void startCue(Timbre window, SoundCue cue);
    float wave(Timbre timbre, double phase) const;
    float sine(double phase) const;
    StereoGain pan(float where) const;
    // One frame of a window's steady voices, added into left and right.
    void renderWindow(WindowVoice& voice, Timbre timbre, float& left, float& right);
    // One frame of a cue; ends it when it is over.
    void renderCue(CueVoice& voice, float& left, float& right);

    static constexpr std::size_t sineSize = 2048;
    std::array<float, sineSize + 1> sineTable_ {};

    std::mutex mutex_;
    std::array<Listening, timbreCount> toldListening_ {}; // guarded by mutex_
    std::array<unsigned, timbreCount> toldCues_ {}; // guarded by mutex_: a bit per cue

    std::array<WindowVoice, timbreCount> windows_ {};
    std::array<CueVoice, 8> cues_ {};
};

} // namespace zorvik
