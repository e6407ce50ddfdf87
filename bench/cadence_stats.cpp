// SPDX-License-Identifier: MIT
#include "cadence_stats.h"

#include "game/tick_schedule.h"

#include <algorithm>
#include <cmath>

namespace zorvik::bench {

namespace {

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// The nearest-rank percentile of sorted values: the smallest value that at least the given
// share of all values do not exceed.
double percentile(const std::vector<double>& sorted, double share)
{
    const auto rank
        = static_cast<std::size_t>(std::ceil(share * static_cast<double>(sorted.size())));
    return sorted[std::clamp<std::size_t>(rank, 1, sorted.size()) - 1];
}

} // namespace

CadenceStats cadenceOf(Clock::time_point start, const std::vector<Clock::time_point>& tickTimes,
    std::chrono::nanoseconds period)
{
    CadenceStats stats;
    stats.ticks = tickTimes.size();
    if (tickTimes.size() < 2)
        return stats;
    std::vector<double> gaps;
    gaps.reserve(tickTimes.size() - 1);
    for (std::size_t i = 1; i < tickTimes.size(); ++i)
        gaps.push_back(milliseconds(tickTimes[i] - tickTimes[i - 1]));
    std::sort(gaps.begin(), gaps.end());
    stats.ticksPerSecond = static_cast<double>(gaps.size())
        / std::chrono::duration<double>(tickTimes.back() - tickTimes.front()).count();
    stats.medianGapMs = percentile(gaps, 0.5);
    stats.p99GapMs = percentile(gaps, 0.99);
    stats.largestGapMs = gaps.back();
    const auto due = start
        + std::chrono::duration_cast<Clock::duration>(
            period * static_cast<long long>(tickTimes.size()));
    stats.driftMs = milliseconds(tickTimes.back() - due);
    return stats;
}

} // namespace zorvik::bench
