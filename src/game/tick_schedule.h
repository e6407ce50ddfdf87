// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace zorvik {

// Deadlines of a window's tick on a steady clock: 64 a second, on a grid of the clock shared
// by every window, so they never drift. A wake-up that comes late runs one tick and skips
// the deadlines it missed, so a stall is never followed by a burst of catch-up ticks.
class TickSchedule {
public:
    using Time = std::chrono::nanoseconds; // since the steady clock's epoch
    static constexpr Time period { 15'625'000 };

    void start(Time now);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    Time nextDeadline() const { return next_; }
    // True when a tick is due at now; then moves the next deadline past now.
    bool tickDue(Time now);

private:
    bool running_ = false;
    Time next_ {};
};

} // namespace zorvik
