// SPDX-License-Identifier: MIT
#include "game/tick_schedule.h"

namespace zorvik {

void TickSchedule::start(Time now)
{
    running_ = true;
    // The next point of one 64-a-second grid of the steady clock, the same for every window:
    // windows playing at once then tick at the same moments, and one wake-up serves them all.
    next_ = (now / period + 1) * period;
}

bool TickSchedule::tickDue(Time now)
{
    if (!running_ || now < next_)
        return false;
    const auto missed = (now - next_) / period;
    next_ += (missed + 1) * period;
    return true;
}

} // namespace zorvik
