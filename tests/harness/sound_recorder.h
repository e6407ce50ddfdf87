// SPDX-License-Identifier: MIT
#pragma once

#include "child_process.h"

#include <chrono>
#include <cstdint>
#include <mutex>
#include <thread>
#include <vector>

namespace zorvik::harness {

class Session;

// What the game plays, as a pair of ears on the session's sound server hear it: the null
// sink's monitor, recorded from the moment this exists, 48000 stereo frames a second. Each
// frame is stamped with when it was heard here, later than when it was played by at most the
// recording's own few milliseconds, so delays measured against it err on the long side.
class SoundRecorder {
public:
    static constexpr int rate = 48000;
    using Clock = std::chrono::steady_clock;

    explicit SoundRecorder(const Session& session);
    ~SoundRecorder();
    SoundRecorder(const SoundRecorder&) = delete;
    SoundRecorder& operator=(const SoundRecorder&) = delete;

    // Waits for the first frames. A null sink that has just started sleeps in blocks of up to
    // two seconds before it takes the recording's short ones, so the first frames may be that
    // late; from then on they come every few milliseconds.
    bool waitUntilHearing(std::chrono::milliseconds timeout = 5s) const;

    // Interleaved left and right samples, from a frame on.
    struct Heard {
        std::vector<std::int16_t> samples;
        std::size_t firstFrame = 0;
        std::size_t frames() const { return samples.size() / 2; }
    };
    // Every frame heard since that moment.
    Heard since(Clock::time_point from) const;
    // The last `frames` frames heard (fewer if fewer were).
    Heard latest(std::size_t frames) const;
    // When a frame was heard.
    Clock::time_point heardAt(std::size_t frame) const;

private:
    void record(int from);

    ChildProcess recorder_;
    std::thread reading_;
    mutable std::mutex mutex_;
    std::vector<std::int16_t> samples_; // guarded by mutex_
    // The frame count after each read and when it arrived.
    std::vector<std::pair<std::size_t, Clock::time_point>> arrivals_; // guarded by mutex_
};

// Root mean square of one channel (0 left, 1 right) as a fraction of full scale.
double level(const SoundRecorder::Heard& heard, int channel);

} // namespace zorvik::harness
