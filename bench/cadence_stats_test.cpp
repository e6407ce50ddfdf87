// SPDX-License-Identifier: MIT
#include "cadence_stats.h"

#include <gtest/gtest.h>

namespace zorvik::bench {
namespace {

constexpr Clock::duration period = std::chrono::nanoseconds(15'625'000);
const Clock::time_point start = Clock::time_point {} + std::chrono::seconds(100);

// Tick k (counting from 1) at start + k periods, as a perfect 64-a-second timer ticks.
std::vector<Clock::time_point> perfectTicks(int count)
{
    std::vector<Clock::time_point> ticks;
    for (int k = 1; k <= count; ++k)
        ticks.push_back(start + k * period);
    return ticks;
}

// A perfect timer reads as 64 a second, every gap one period and no drift.
TEST(CadenceStats, PerfectTimerReadsAsExactly64PerSecond)
{
    const CadenceStats s = cadenceOf(start, perfectTicks(640));
    EXPECT_EQ(s.ticks, 640u);
    EXPECT_NEAR(s.ticksPerSecond, 64.0, 1e-9);
    EXPECT_NEAR(s.medianGapMs, 15.625, 1e-9);
    EXPECT_NEAR(s.p99GapMs, 15.625, 1e-9);
    EXPECT_NEAR(s.largestGapMs, 15.625, 1e-9);
    EXPECT_NEAR(s.driftMs, 0.0, 1e-9);
}

// One late tick makes one long gap and one short one; the timer is back on time after it.
// A rare late tick shows in the largest gap but not in the 99th percentile.
TEST(CadenceStats, RareLateTickShowsInLargestGapOnly)
{
    auto ticks = perfectTicks(640);
    ticks[300] += std::chrono::milliseconds(3);
    const CadenceStats s = cadenceOf(start, ticks);
    EXPECT_NEAR(s.largestGapMs, 18.625, 1e-9);
    EXPECT_NEAR(s.p99GapMs, 15.625, 1e-9);
    EXPECT_NEAR(s.medianGapMs, 15.625, 1e-9);
    EXPECT_NEAR(s.driftMs, 0.0, 1e-9);
}

// When more than one gap in a hundred is long, the 99th percentile is a long one.
TEST(CadenceStats, FrequentLateTicksRaiseTheP99)
{
    auto ticks = perfectTicks(101); // 100 gaps
    ticks[10] += std::chrono::milliseconds(4);
    ticks[50] += std::chrono::milliseconds(4);
    EXPECT_NEAR(cadenceOf(start, ticks).p99GapMs, 19.625, 1e-9);
}

// A deadline missed altogether is a tick lost for good: the last tick is a period behind.
TEST(CadenceStats, SkippedTickIsDriftOfOnePeriod)
{
    auto ticks = perfectTicks(641);
    ticks.erase(ticks.begin() + 200);
    const CadenceStats s = cadenceOf(start, ticks);
    EXPECT_NEAR(s.driftMs, 15.625, 1e-9);
    EXPECT_NEAR(s.largestGapMs, 31.25, 1e-9);
    EXPECT_LT(s.ticksPerSecond, 64.0);
}

// A timer running 1% slow drifts by 1% of the run, and its rate shows it.
TEST(CadenceStats, SlowTimerDriftsAndReadsBelow64)
{
    std::vector<Clock::time_point> ticks;
    for (int k = 1; k <= 640; ++k)
        ticks.push_back(start + k * period * 101 / 100);
    const CadenceStats s = cadenceOf(start, ticks);
    EXPECT_NEAR(s.driftMs, 100.0, 1e-6);
    EXPECT_NEAR(s.ticksPerSecond, 64.0 / 1.01, 1e-6);
}

TEST(CadenceStats, FewerThanTwoTicksGiveNoRate)
{
    EXPECT_EQ(cadenceOf(start, {}).ticksPerSecond, 0.0);
    const CadenceStats one = cadenceOf(start, perfectTicks(1));
    EXPECT_EQ(one.ticks, 1u);
    EXPECT_EQ(one.ticksPerSecond, 0.0);
}

} // namespace
} // namespace zorvik::bench
