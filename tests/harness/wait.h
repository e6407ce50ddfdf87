// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <thread>

namespace zorvik::harness {

using namespace std::chrono_literals;

inline void sleepFor(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

// Polls the condition every `every` until it holds (true) or the time runs out (false).
template <typename Condition>
bool waitUntil(Condition condition, std::chrono::milliseconds timeout,
    std::chrono::milliseconds every = std::chrono::milliseconds(10))
{
    const auto until = std::chrono::steady_clock::now() + timeout;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= until)
            return false;
        sleepFor(every);
    }
    return true;
}

} // namespace zorvik::harness
