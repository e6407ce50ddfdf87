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
const float glideRate = 1.0f - std::exp(-1.0f / (0.005f * rate));
constexpr float attackSeconds = 0.003f;

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

double advance(double phase, float pitch)
{
    phase += pitch / rate;
    return phase - std::floor(phase);
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

float Synthesizer::sine(double phase) const
{
    const double at = phase * sineSize;
    const auto index = static_cast<std::size_t>(at) % sineSize;
    const float part = static_cast<float>(at - std::floor(at));
    return sineTable_[index] + (sineTable_[index + 1] - sineTable_[index]) * part;
}

StereoGain Synthesizer::pan(float where) const
{
    // panGain's quarter circle, from the table: this runs for every voice of every frame.
    const double angle = std::clamp(where, 0.0f, 1.0f) / 4.0;
    return { sine(angle + 0.25), sine(angle) };
}

float Synthesizer::wave(Timbre timbre, double phase) const
{
    if (timbre == Timbre::Round)
        return sine(phase);
    const auto harmonic = [&](int n) { return sine(phase * n - std::floor(phase * n)) / n; };
    return 0.85f * (harmonic(1) + harmonic(3) + harmonic(5));
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
        placed ? from.ballPitch.value : ballPitch(from.target.ballHeight), 0 };
}

void Synthesizer::renderWindow(WindowVoice& voice, Timbre timbre, float& left, float& right)
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
    voice.ballGain = std::clamp(voice.ballGain + (ballOn ? fadeStep : -fadeStep), 0.0f, 1.0f);
    voice.platformGain
        = std::clamp(voice.platformGain + (platformOn ? fadeStep : -fadeStep), 0.0f, 1.0f);
    voice.ballPan.follow(target.ballPan, glideRate);
    voice.ballPitch.follow(voice.targetPitch, glideRate);
    voice.platformPan.follow(target.platformPan, glideRate);

    voice.ballPhase = advance(voice.ballPhase, voice.ballPitch.value);
    const float ball = wave(timbre, voice.ballPhase) * ballLoudness * voice.ballGain;
    const StereoGain ballSide = pan(voice.ballPan.value);
    left += ball * ballSide.left;
    right += ball * ballSide.right;

    if (voice.platformGain > 0) {
        voice.platformPhase = advance(voice.platformPhase, platformPitch);
        voice.pulsePhase = advance(voice.pulsePhase, pulsesPerSecond);
        const float pulse = 0.35f + 0.65f * (0.5f - 0.5f * sine(voice.pulsePhase + 0.25));
        const float hum = sine(voice.platformPhase) * platformLoudness * pulse * voice.platformGain;
        const StereoGain humSide = pan(voice.platformPan.value);
        left += hum * humSide.left;
        right += hum * humSide.right;
    }
}

void Synthesizer::renderCue(CueVoice& voice, float& left, float& right)
{
    const CueShape& shape = cueShapes[static_cast<std::size_t>(voice.cue)];
    const float t = static_cast<float>(voice.frame++) / rate;
    if (t >= shape.seconds) {
        voice.active = false;
        return;
    }
    const float scale = shape.relativeToBall ? voice.ballPitch : 1.0f;
    const float noteLength = shape.seconds / static_cast<float>(shape.notes);
    const int note = std::min(static_cast<int>(t / noteLength), shape.notes - 1);
    const float inNote = t - static_cast<float>(note) * noteLength;
    float along = t / shape.seconds; // a glide
    if (shape.notes > 1)
        along = static_cast<float>(note) / static_cast<float>(shape.notes - 1); // steps
    const float pitch = scale * (shape.startPitch + (shape.endPitch - shape.startPitch) * along);
    voice.phase = advance(voice.phase, pitch);
    const float length = shape.notes > 1 ? noteLength * noteSounding : noteLength;
    const float sound = wave(voice.timbre, voice.phase) * shape.loudness * envelope(inNote, length);
    const StereoGain side = pan(voice.pan);
    left += sound * side.left;
    right += sound * side.right;
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
    for (std::size_t i = 0; i + 1 < interleaved.size(); i += 2) {
        float left = 0;
        float right = 0;
        for (std::size_t w = 0; w < windows_.size(); ++w)
            renderWindow(windows_[w], static_cast<Timbre>(w), left, right);
        for (CueVoice& voice : cues_)
            if (voice.active)
                renderCue(voice, left, right);
        const auto sample = [](float x) {
            return static_cast<std::int16_t>(std::lround(std::clamp(x, -1.0f, 1.0f) * 32767.0f));
        };
        interleaved[i] = sample(left);
        interleaved[i + 1] = sample(right);
        audible = audible || left != 0 || right != 0;
    }
    for (const WindowVoice& voice : windows_)
        audible = audible || voice.target.playing || voice.ballGain > 0 || voice.platformGain > 0;
    for (const CueVoice& voice : cues_)
        audible = audible || voice.active;
    return audible;
}

} // namespace zorvik
