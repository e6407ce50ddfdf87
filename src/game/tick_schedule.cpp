// SPDX-License-Identifier: MIT
#include "game/tick_schedule.h"

namespace zorvik {

void TickSchedule::start(Time now)
{
    running_ = true;
    next_ = now + period;
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
