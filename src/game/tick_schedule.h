// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>

namespace zorvik {

// Deadlines of a window's tick on a steady clock: 64 a second at full speed, fewer in a game
// slowed for a player who needs time, on a grid of the clock shared by every window, so they
// never drift. A wake-up that comes late runs one tick and skips the deadlines it missed, so a
// stall is never followed by a burst of catch-up ticks.
class TickSchedule {
public:
    using Time = std::chrono::nanoseconds; // since the steady clock's epoch
    // The tick at full speed, the one the game is balanced for.
    static constexpr Time period { 15'625'000 };
    // The game's speed in percent of full speed: the rules, the score and the sounds go by
    // the tick, so a slower tick slows all of them alike.
    static constexpr int slowestPercent = 25;
    static constexpr int fullPercent = 100;

    // percent from slowestPercent to fullPercent.
    explicit TickSchedule(int percent = fullPercent)
        : percent_(percent)
    {
    }

    void start(Time now);
    void stop() { running_ = false; }
    bool running() const { return running_; }
    Time nextDeadline() const { return next_; }
    // True when a tick is due at now; then moves the next deadline past now.
    bool tickDue(Time now);

private:
    // The first point of the grid after now.
    Time gridPointAfter(Time now) const;

    int percent_;
    bool running_ = false;
    Time next_ {};
};

} // namespace zorvik
