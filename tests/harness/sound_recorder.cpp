// SPDX-License-Identifier: MIT
#include "sound_recorder.h"

#include "session.h"

#include <algorithm>
#include <cmath>
#include <fcntl.h>
#include <stdexcept>
#include <unistd.h>

namespace zorvik::harness {

SoundRecorder::SoundRecorder(const Session& session)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    Launch parec;
    parec.args
        = { "parec", "--raw", "--format=s16le", "--rate=" + std::to_string(rate), "--channels=2",
              "--latency-msec=2", std::string("--device=") + Session::soundSink + ".monitor" };
    parec.environment = session.environment();
    parec.standardOutput = fds[1];
    recorder_ = ChildProcess(parec);
    close(fds[1]);
    reading_ = std::thread([this, from = fds[0]] { record(from); });
}

bool SoundRecorder::waitUntilHearing(std::chrono::milliseconds timeout) const
{
    return waitUntil(
        [&] {
            const std::lock_guard lock(mutex_);
            return !samples_.empty();
        },
        timeout, 10ms);
}

SoundRecorder::~SoundRecorder()
{
    recorder_.stop(0ms); // its end of the pipe closes, which ends the reading
    reading_.join();
}

void SoundRecorder::record(int from)
{
    std::vector<std::int16_t> buffer(2 * 256);
    std::size_t pending = 0; // bytes of a sample split between reads
    for (;;) {
        const ssize_t got = read(from, reinterpret_cast<char*>(buffer.data()) + pending,
            buffer.size() * sizeof(std::int16_t) - pending);
        if (got <= 0)
            break;
        const auto now = Clock::now();
        const std::size_t bytes = pending + static_cast<std::size_t>(got);
        const std::size_t whole = bytes / (2 * sizeof(std::int16_t)) * 2;
        {
            const std::lock_guard lock(mutex_);
            samples_.insert(
                samples_.end(), buffer.begin(), buffer.begin() + static_cast<long>(whole));
            arrivals_.emplace_back(samples_.size() / 2, now);
        }
        pending = bytes - whole * sizeof(std::int16_t);
        std::copy_n(reinterpret_cast<char*>(buffer.data()) + whole * sizeof(std::int16_t), pending,
            reinterpret_cast<char*>(buffer.data()));
    }
    close(from);
}

SoundRecorder::Clock::time_point SoundRecorder::heardAt(std::size_t frame) const
{
    const std::lock_guard lock(mutex_);
    const auto arrival = std::lower_bound(arrivals_.begin(), arrivals_.end(), frame + 1,
        [](const auto& a, std::size_t f) { return a.first < f; });
    if (arrival == arrivals_.end())
        return Clock::time_point::max();
    // Frames of one read arrived together; the earlier ones were played that much earlier.
    const auto framesBefore = static_cast<long>(arrival->first - frame - 1);
    return arrival->second - std::chrono::microseconds(framesBefore * 1000000L / rate);
}

SoundRecorder::Heard SoundRecorder::since(Clock::time_point from) const
{
    const std::lock_guard lock(mutex_);
    const auto arrival = std::find_if(
        arrivals_.begin(), arrivals_.end(), [&](const auto& a) { return a.second >= from; });
    // The read that arrived first after `from` may hold frames played before it: taken whole.
    Heard heard;
    heard.firstFrame = arrival == arrivals_.begin() ? 0
        : arrival == arrivals_.end()                ? samples_.size() / 2
                                                    : std::prev(arrival)->first;
    heard.samples.assign(
        samples_.begin() + static_cast<long>(2 * heard.firstFrame), samples_.end());
    return heard;
}

SoundRecorder::Heard SoundRecorder::latest(std::size_t frames) const
{
    const std::lock_guard lock(mutex_);
    Heard heard;
    heard.firstFrame = samples_.size() / 2 - std::min(frames, samples_.size() / 2);
    heard.samples.assign(
        samples_.begin() + static_cast<long>(2 * heard.firstFrame), samples_.end());
    return heard;
}

double level(const SoundRecorder::Heard& heard, int channel)
{
    double sum = 0;
    for (std::size_t i = static_cast<std::size_t>(channel); i < heard.samples.size(); i += 2)
        sum += std::pow(heard.samples[i] / 32768.0, 2);
    return heard.frames() ? std::sqrt(sum / static_cast<double>(heard.frames())) : 0;
}

} // namespace zorvik::harness
