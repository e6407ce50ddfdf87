// SPDX-License-Identifier: MIT
#pragma once

#include "game/tick_schedule.h"

#include <chrono>
#include <vector>

namespace zorvik::bench {

using Clock = std::chrono::steady_clock;

// How steadily a window ticked: its rate, the gaps between ticks and how far the last tick is
// from where a perfect timer of the period started at the same moment would have put it.
struct CadenceStats {
    std::size_t ticks = 0;
    double ticksPerSecond = 0;
    double medianGapMs = 0;
    double p99GapMs = 0;
    double largestGapMs = 0;
    // Positive when the last tick came later than start + ticks * period.
    double driftMs = 0;
};

// start is when the game was started; tickTimes are the moments of its ticks, in order.
// Needs at least two ticks for the rate and the gaps.
CadenceStats cadenceOf(Clock::time_point start, const std::vector<Clock::time_point>& tickTimes,
    std::chrono::nanoseconds period = TickSchedule::period);

} // namespace zorvik::bench
