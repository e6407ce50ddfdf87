// SPDX-License-Identifier: MIT
#include "sound/synthesizer.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorvik {

namespace {

constexpr float rate = Synthesizer::sampleRate;
constexpr float ballLoudness = 0.12f;
constexpr float platformLoudness = 0.16f;
constexpr float pulsesPerSecond = 3.0f;
// Steady voices fade in and out over 10 ms; pan and pitch follow within about 5 ms.
constexpr float fadeStep = 1.0f / (0.010f * rate);
float glideRate(int frames)
{
    return 1.0f - std::exp(-static_cast<float>(frames) / (0.005f * rate));
}
constexpr float attackSeconds = 0.003f;
constexpr double turn = 4294967296.0; // a whole turn of a phase
constexpr std::uint32_t quarterTurn = 1u << 30;

// What each cue sounds like: a short note, or notes, sweeping from one pitch to another.
// Pitches relative to the ball's take its height along; fixed ones are recognised anywhere.
struct CueShape {
    float startPitch; // Hz, or times the ball's pitch
    float endPitch;
    bool relativeToBall;
    float seconds;
    float loudness;
    int notes; // the sweep steps from note to note rather than gliding
};
constexpr std::array<CueShape, soundCueCount> cueShapes { {
    { 2.0f, 2.0f, true, 0.09f, 0.35f, 1 }, // Landing: a plucked note an octave above the ball
    { 180.0f, 90.0f, false, 0.08f, 0.45f, 1 }, // HeadBump: a low thud, dropping
    { 1.0f, 2.0f, true, 0.10f, 0.22f, 1 }, // Leap: a quick rise from the ball's pitch
    { 880.0f, 587.0f, false, 0.22f, 0.30f, 2 }, // LastChance: two falling beeps
} };

// The part of each note that sounds; the rest is the gap before the next.
constexpr float noteSounding = 0.8f;

float envelope(float t, float length)
{
    if (t >= length)
        return 0;
    const float attack = std::min(t / attackSeconds, 1.0f);
    const float left = 1.0f - t / length;
    return attack * left * left;
}

std::uint32_t phaseStep(float pitch)
{
    return static_cast<std::uint32_t>(static_cast<double>(pitch) / rate * turn);
}

// How loud a cue is at a moment: each note has its own attack and decay.
float cueLoudness(const CueShape& shape, float t)
{
    if (t >= shape.seconds)
        return 0;
    const float noteLength = shape.seconds / static_cast<float>(shape.notes);
    const int note = std::min(static_cast<int>(t / noteLength), shape.notes - 1);
    const float length = shape.notes > 1 ? noteLength * noteSounding : noteLength;
    return shape.loudness * envelope(t - static_cast<float>(note) * noteLength, length);
}

// Its pitch then: a glide from its first pitch to its last, or steps from note to note.
float cuePitch(const CueShape& shape, float t, float ballPitch)
{
    const float scale = shape.relativeToBall ? ballPitch : 1.0f;
    const float noteLength = shape.seconds / static_cast<float>(shape.notes);
    const int note = std::min(static_cast<int>(t / noteLength), shape.notes - 1);
    const float along = shape.notes > 1
        ? static_cast<float>(note) / static_cast<float>(shape.notes - 1)
        : std::min(t / shape.seconds, 1.0f);
    return scale * (shape.startPitch + (shape.endPitch - shape.startPitch) * along);
}

std::int16_t sample(float x)
{
    const float scaled = std::clamp(x, -1.0f, 1.0f) * 32767.0f;
    return static_cast<std::int16_t>(scaled + (scaled < 0 ? -0.5f : 0.5f)); // half away from 0
}

} // namespace

float ballPitch(float height)
{
    return 220.0f * std::exp2(2.0f * std::clamp(height, 0.0f, 1.0f));
}

StereoGain panGain(float pan)
{
    const float angle = std::clamp(pan, 0.0f, 1.0f) * std::numbers::pi_v<float> / 2;
    return { std::cos(angle), std::sin(angle) };
}

Synthesizer::Synthesizer()
{
    for (std::size_t i = 0; i <= sineSize; ++i)
        sineTable_[i] = static_cast<float>(
            std::sin(2 * std::numbers::pi * static_cast<double>(i) / sineSize));
}

void Synthesizer::listen(Timbre window, const Listening& listening)
{
    const std::lock_guard lock(mutex_);
    toldListening_[static_cast<std::size_t>(window)] = listening;
}

void Synthesizer::cue(Timbre window, SoundCue cue)
{
    const std::lock_guard lock(mutex_);
    toldCues_[static_cast<std::size_t>(window)] |= 1u << static_cast<unsigned>(cue);
}

float Synthesizer::sine(Phase phase) const
{
    static_assert(sineSize == 1u << 11);
    constexpr int fractionBits = 32 - 11;
    const Phase index = phase >> fractionBits;
    const float part = static_cast<float>(phase & ((1u << fractionBits) - 1))
        * (1.0f / static_cast<float>(1u << fractionBits));
    return sineTable_[index] + (sineTable_[index + 1] - sineTable_[index]) * part;
}

StereoGain Synthesizer::pan(float where, float gain) const
{
    // panGain's quarter circle, from the table.
    const auto angle = static_cast<Phase>(std::clamp(where, 0.0f, 1.0f) * quarterTurn);
    return { sine(angle + quarterTurn) * gain, sine(angle) * gain };
}

float Synthesizer::wave(Timbre timbre, Phase phase) const
{
    if (timbre == Timbre::Round)
        return sine(phase);
    // Each harmonic's phase wraps round with the multiplication.
    return 0.85f * (sine(phase) + sine(3 * phase) / 3 + sine(5 * phase) / 5);
}

void Synthesizer::mix(Block& block, int frames, StereoGain& from, StereoGain to, Phase& phase,
    float pitch, Timbre timbre) const
{
    const Phase step = phaseStep(pitch);
    const float leftStep = (to.left - from.left) / static_cast<float>(frames);
    const float rightStep = (to.right - from.right) / static_cast<float>(frames);
    float left = from.left, right = from.right;
    const auto add = [&](const auto& waveAt) {
        for (int f = 0; f < frames; ++f) {
            phase += step;
            left += leftStep;
            right += rightStep;
            const float sound = waveAt(phase);
            block[2 * f] += sound * left;
            block[2 * f + 1] += sound * right;
        }
    };
    // The timbre chosen once for the block, not for every frame.
    if (timbre == Timbre::Round)
        add([this](Phase p) { return wave(Timbre::Round, p); });
    else
        add([this](Phase p) { return wave(Timbre::Reedy, p); });
    from = to;
}

void Synthesizer::startCue(Timbre window, SoundCue cue)
{
    // A free voice, else the one furthest on: a new cue matters more than an old tail.
    CueVoice* voice = &cues_[0];
    for (CueVoice& candidate : cues_) {
        if (!candidate.active) {
            voice = &candidate;
            break;
        }
        if (candidate.frame > voice->frame)
            voice = &candidate;
    }
    const WindowVoice& from = windows_[static_cast<std::size_t>(window)];
    const bool placed = from.ballGain > 0;
    *voice = { true, window, cue, 0, placed ? from.ballPan.value : from.target.ballPan,
        placed ? from.ballPitch.value : ballPitch(from.target.ballHeight), 0, { 0, 0 } };
}

void Synthesizer::renderWindow(WindowVoice& voice, Timbre timbre, Block& block, int frames)
{
    const Listening& target = voice.target;
    const bool ballOn = target.playing;
    const bool platformOn = target.playing && target.platformHeard;
    if (voice.ballGain == 0 && !ballOn && voice.platformGain == 0 && !platformOn)
        return;
    // A voice coming in starts where it belongs rather than gliding there from elsewhere.
    if (voice.ballGain == 0) {
        voice.ballPan.value = target.ballPan;
        voice.ballPitch.value = voice.targetPitch;
    }
    if (voice.platformGain == 0)
        voice.platformPan.value = target.platformPan;
    const float fade = fadeStep * static_cast<float>(frames);
    voice.ballGain = std::clamp(voice.ballGain + (ballOn ? fade : -fade), 0.0f, 1.0f);
    voice.platformGain = std::clamp(voice.platformGain + (platformOn ? fade : -fade), 0.0f, 1.0f);
    const float glide = glideRate(frames);
    voice.ballPan.follow(target.ballPan, glide);
    voice.ballPitch.follow(voice.targetPitch, glide);
    voice.platformPan.follow(target.platformPan, glide);

    mix(block, frames, voice.ballOut, pan(voice.ballPan.value, ballLoudness * voice.ballGain),
        voice.ballPhase, voice.ballPitch.value, timbre);
    if (voice.platformGain > 0 || voice.platformOut.left != 0 || voice.platformOut.right != 0) {
        voice.pulsePhase += phaseStep(pulsesPerSecond) * static_cast<Phase>(frames);
        const float pulse = 0.35f + 0.65f * (0.5f - 0.5f * sine(voice.pulsePhase + quarterTurn));
        mix(block, frames, voice.platformOut,
            pan(voice.platformPan.value, platformLoudness * pulse * voice.platformGain),
            voice.platformPhase, platformPitch, Timbre::Round);
    }
}

void Synthesizer::renderCue(CueVoice& voice, Block& block, int frames)
{
    const CueShape& shape = cueShapes[static_cast<std::size_t>(voice.cue)];
    const float t = static_cast<float>(voice.frame) / rate;
    if (t >= shape.seconds) {
        voice.active = false;
        return;
    }
    voice.frame += frames;
    const float end = static_cast<float>(voice.frame) / rate;
    mix(block, frames, voice.out, pan(voice.pan, cueLoudness(shape, end)), voice.phase,
        cuePitch(shape, t, voice.ballPitch), voice.timbre);
}

bool Synthesizer::hasSomethingToPlay()
{
    const std::lock_guard lock(mutex_);
    return std::ranges::any_of(toldListening_, &Listening::playing)
        || std::ranges::any_of(toldCues_, [](unsigned cues) { return cues != 0; });
}

bool Synthesizer::render(std::span<std::int16_t> interleaved)
{
    std::array<unsigned, timbreCount> cues {};
    {
        const std::lock_guard lock(mutex_);
        for (std::size_t w = 0; w < windows_.size(); ++w)
            windows_[w].target = toldListening_[w];
        std::swap(cues, toldCues_);
    }
    for (WindowVoice& voice : windows_)
        voice.targetPitch = ballPitch(voice.target.ballHeight);
    for (std::size_t w = 0; w < windows_.size(); ++w)
        for (int c = 0; c < soundCueCount; ++c)
            if (cues[w] & (1u << c))
                startCue(static_cast<Timbre>(w), static_cast<SoundCue>(c));

    bool audible = false;
    for (std::size_t first = 0; first + 1 < interleaved.size(); first += 2 * blockFrames) {
        const int frames = static_cast<int>(
            std::min<std::size_t>(blockFrames, (interleaved.size() - first) / 2));
        Block block {};
        for (std::size_t w = 0; w < windows_.size(); ++w)
            renderWindow(windows_[w], static_cast<Timbre>(w), block, frames);
        for (CueVoice& voice : cues_)
            if (voice.active)
                renderCue(voice, block, frames);
        for (std::size_t i = 0; i < 2 * static_cast<std::size_t>(frames); ++i) {
            interleaved[first + i] = sample(block[i]);
            audible = audible || block[i] != 0;
        }
    }
    for (const WindowVoice& voice : windows_)
        audible = audible || voice.target.playing || voice.ballGain > 0 || voice.platformGain > 0;
    for (const CueVoice& voice : cues_)
        audible = audible || voice.active;
    return audible;
}

} // namespace zorvik
