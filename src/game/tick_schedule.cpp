// SPDX-License-Identifier: MIT
#include "game/tick_schedule.h"

namespace zorvik {

namespace {

// percent ticks of a game at percent speed take as long as 100 at full speed.
constexpr long long span = TickSchedule::period.count() * TickSchedule::fullPercent;

} // namespace

void TickSchedule::start(Time now)
{
    running_ = true;
    // The grid is the same for every window: windows playing at once then tick at the same
    // moments, and one wake-up serves them all.
    next_ = gridPointAfter(now);
}

bool TickSchedule::tickDue(Time now)
{
    if (!running_ || now < next_)
        return false;
    next_ = gridPointAfter(now);
    return true;
}

TickSchedule::Time TickSchedule::gridPointAfter(Time now) const
{
    // Point n of the grid is n * span / percent, rounded up to the nanosecond: exact at every
    // speed, also where a period is no whole number of nanoseconds (21.12 ticks a second at
    // 33 %), so the rate never drifts. Split at whole spans, no product nears the 64-bit
    // limit however long the machine has been up.
    const long long t = now.count();
    const long long n = t / span * percent_ + t % span * percent_ / span + 1;
    return Time { n / percent_ * span + (n % percent_ * span + percent_ - 1) / percent_ };
}

} // namespace zorvik
