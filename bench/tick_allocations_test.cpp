// SPDX-License-Identifier: MIT
// The game's ticks stay off the heap: 64 ticks a second in each window should never wait on
// the allocator. The counting allocator of the benchmarks checks it.

#include "allocation_counter.h"
#include "ball_in_play.h"
#include "support/fake_host.h"

#include <gtest/gtest.h>
#include <string>

namespace zorvik::bench {
namespace {

// Without this a broken counter would pass every test below.
TEST(AllocationCounter, CountsEveryHeapAllocation)
{
    const AllocationCount count;
    auto number = std::make_unique<int>(7);
    const std::string longText(100, 'x');
    EXPECT_EQ(count.sinceStart(), 2u);
}

// A minute of ticks, the score growing to four digits and the window's real clock-seeded
// random source dealing the platforms out again.
template <typename Form> std::uint64_t allocationsInAMinuteOfTicks(float clientHeight)
{
    testing::FakeHost host(clientHeight);
    Form form(host);
    form.Form_Load();
    form.Form_KeyDown(keys::Return, 0);
    const AllocationCount count;
    for (int tick = 0; tick < 64 * 60; ++tick) {
        form.tmrMovement_Timer();
        keepBallInPlay(form, clientHeight);
    }
    EXPECT_FALSE(form.gameOverBoxOpen()) << "the game ended, so not every tick was measured";
    EXPECT_EQ(form.lblScore.Caption, "3840");
    return count.sinceStart();
}

TEST(TickAllocations, TowerTickAllocatesNothing)
{
    EXPECT_EQ(allocationsInAMinuteOfTicks<Form1>(8220), 0u);
}

TEST(TickAllocations, HopperTickAllocatesNothing)
{
    EXPECT_EQ(allocationsInAMinuteOfTicks<Form2>(6585), 0u);
}

// Longer scores than anyone reaches still fit the caption's own storage.
TEST(TickAllocations, NineDigitScoreAllocatesNothing)
{
    testing::FakeHost host(8220);
    Form1 tower(host);
    tower.Form_Load();
    tower.Form_KeyDown(keys::Return, 0);
    tower.lblScore.Caption = "123456789";
    const AllocationCount count;
    tower.tmrMovement_Timer();
    EXPECT_EQ(tower.lblScore.Caption, "123456790");
    EXPECT_EQ(count.sinceStart(), 0u);
}

} // namespace
} // namespace zorvik::bench
