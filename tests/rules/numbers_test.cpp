// SPDX-License-Identifier: MIT
#include "game/play_rect.h"
#include "game/random_source.h"
#include "game/rounding.h"
#include "game/score_text.h"
#include "game/speed.h"
#include "game/tick_schedule.h"
#include "support/fake_host.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zorvik {
namespace {

using testing::ScriptedRandom;

// Speeds saturate at the 16-bit ends instead of wrapping or stopping the game.
TEST(Speed, SaturatesAtSixteenBitEnds)
{
    EXPECT_EQ(addSpeed(32762, 5), 32767);
    EXPECT_EQ(addSpeed(32763, 5), 32767);
    EXPECT_EQ(addSpeed(32767, 5), 32767);
    EXPECT_EQ(addSpeed(-32768, -5), -32768);
    EXPECT_EQ(addSpeed(-200, 5), -195);
    EXPECT_EQ(negateSpeed(-32768), 32767);
    EXPECT_EQ(negateSpeed(-300), 300);
    EXPECT_EQ(negateSpeed(32767), -32767);
}

// Conversions to whole twips round halves to even and saturate; NaN reads 0.
TEST(Rounding, HalvesToEvenAndSaturates)
{
    EXPECT_EQ(roundToInt32(2.5), 2);
    EXPECT_EQ(roundToInt32(3.5), 4);
    EXPECT_EQ(roundToInt32(-2.5), -2);
    EXPECT_EQ(roundToInt32(2.4999), 2);
    EXPECT_EQ(roundToInt32(1e12), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(roundToInt32(-1e12), std::numeric_limits<std::int32_t>::min());
    EXPECT_EQ(roundToInt32(std::numeric_limits<double>::infinity()),
        std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(roundToInt32(std::nan("")), 0);
    EXPECT_EQ(roundToInt16(32767.4), 32767);
    EXPECT_EQ(roundToInt16(32767.5), 32767);
    EXPECT_EQ(roundToInt16(-40000), -32768);
    EXPECT_EQ(roundToInt16(0.5), 0);
    EXPECT_EQ(roundToInt16(1.5), 2);
}

// Reading takes the leading number; writing gives plain decimal text.
TEST(ScoreText, ReadsLeadingNumberAndWritesPlainDecimal)
{
    EXPECT_EQ(readScoreText("0"), 0);
    EXPECT_EQ(readScoreText("57"), 57);
    EXPECT_EQ(readScoreText("57 points"), 57);
    EXPECT_EQ(readScoreText("  12"), 12);
    EXPECT_EQ(readScoreText("abc"), 0);
    EXPECT_EQ(readScoreText(""), 0);
    EXPECT_EQ(readScoreText("-"), 0);
    EXPECT_EQ(readScoreText("1.5e"), 1.5);
    EXPECT_EQ(readScoreText("2e3x"), 2000);
    EXPECT_EQ(readScoreText("1e999"), 0); // no infinite score
    EXPECT_EQ(writeScoreText(0), "0");
    EXPECT_EQ(writeScoreText(-0.0), "0");
    EXPECT_EQ(writeScoreText(1), "1");
    EXPECT_EQ(writeScoreText(57), "57");
    EXPECT_EQ(writeScoreText(1000001), "1000001");
    EXPECT_EQ(writeScoreText(2.5), "2.5");
    EXPECT_EQ(readScoreText(writeScoreText(123456789012.0)), 123456789012.0);
    // Whole scores stay whole numbers as far as a double counts them exactly.
    EXPECT_EQ(writeScoreText(1e15), "1000000000000000");
    EXPECT_EQ(readScoreText(writeScoreText(0x1p53 - 1)) + 1, 0x1p53);
}

Control shape(float left, float top, float width, float height)
{
    return { ControlKind::Rectangle, "s", -1, left, top, width, height, {}, {}, true };
}

// Rectangles are whole twips; edges that only touch do not intersect.
TEST(PlayRect, BuildsRoundedEdgesAndIgnoresTouchingEdges)
{
    EXPECT_EQ(PlayRect::of(shape(2.5f, 3.5f, 10, 10)), (PlayRect { 2, 4, 12, 14 }));
    const PlayRect a { 0, 0, 100, 100 };
    EXPECT_FALSE(IntersectRect(a, { 100, 0, 200, 100 }));
    EXPECT_FALSE(IntersectRect(a, { 0, 100, 100, 200 }));
    EXPECT_TRUE(IntersectRect(a, { 99, 99, 200, 200 }));
    EXPECT_FALSE(IntersectRect(a, { 50, 50, 50, 80 })); // empty
    const PlayRect far = PlayRect::of(shape(3e9f, -3e9f, 615, 615));
    EXPECT_EQ(far.left, std::numeric_limits<std::int32_t>::max());
    EXPECT_FALSE(IntersectRect(a, far));
    EXPECT_TRUE(IntersectRect({ std::numeric_limits<std::int32_t>::min(), 0,
                                  std::numeric_limits<std::int32_t>::max(), 10 },
        a));
}

// RandomOffset reseeds every time and keeps to base .. base + span - 1 (or base + span .. base).
TEST(RandomOffset, StaysInsideItsRange)
{
    ScriptedRandom low({ 0.0 });
    EXPECT_EQ(RandomOffset(low, 8100, 8125), 8100);
    EXPECT_EQ(RandomOffset(low, 0, -5250), 0);
    EXPECT_EQ(low.reseeds, 2);
    ScriptedRandom high({ std::nextafter(1.0, 0.0) });
    EXPECT_EQ(RandomOffset(high, 8100, 8125), 8100 + 8125 - 1);
    EXPECT_EQ(RandomOffset(high, 0, -5250), -5250);
    EXPECT_EQ(RandomOffset(high, 0, 5307), 5306);
    ScriptedRandom broken({ 1.0, -0.5, std::nan("") });
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(RandomOffset(broken, 500, 5000), 500);
}

// Draws made in the same instant differ, and all lie in [0, 1).
TEST(RandomOffset, ClockSeededDrawsDifferAndStayBelowOne)
{
    ClockSeededRandom random(42);
    double previous = -1;
    for (int i = 0; i < 10000; ++i) {
        random.reseedFromClock();
        const double r = random.draw();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ASSERT_NE(r, previous);
        previous = r;
    }
}

// Deadlines keep to one grid: no drift, and a stall skips ticks instead of bursting.
TEST(TickSchedule, KeepsPhaseAndNeverBursts)
{
    using std::chrono::milliseconds;
    using std::chrono::nanoseconds;
    TickSchedule schedule;
    EXPECT_FALSE(schedule.tickDue(nanoseconds(0)));
    schedule.start(nanoseconds(1'000'000'000));
    EXPECT_EQ(schedule.nextDeadline(), nanoseconds(1'015'625'000));
    EXPECT_FALSE(schedule.tickDue(nanoseconds(1'015'624'999)));
    // 640 wake-ups, each a little late: still exactly 640 ticks and the phase held.
    int ticks = 0;
    for (int k = 1; k <= 640; ++k)
        ticks += schedule.tickDue(
            nanoseconds(1'000'000'000) + k * TickSchedule::period + milliseconds(3));
    EXPECT_EQ(ticks, 640);
    EXPECT_EQ(schedule.nextDeadline(), nanoseconds(1'000'000'000) + 641 * TickSchedule::period);
    // A 100 ms stall gives one tick, then the next deadline on the original grid.
    const auto stalledUntil = schedule.nextDeadline() + milliseconds(100);
    EXPECT_TRUE(schedule.tickDue(stalledUntil));
    EXPECT_FALSE(schedule.tickDue(stalledUntil));
    EXPECT_EQ((schedule.nextDeadline() - nanoseconds(1'000'000'000)) % TickSchedule::period,
        nanoseconds(0));
    EXPECT_GT(schedule.nextDeadline(), stalledUntil);
    schedule.stop();
    EXPECT_FALSE(schedule.tickDue(schedule.nextDeadline()));

    // A window started a moment later ticks with the first, on the next point of its grid.
    TickSchedule other;
    other.start(nanoseconds(1'000'000'000) + milliseconds(7));
    EXPECT_EQ(other.nextDeadline(), nanoseconds(1'015'625'000));
}

// A slower game ticks exactly 64 x percent / 100 times a second, also where its period is no
// whole number of nanoseconds (33 %: 21.12 a second), after ten years of uptime.
TEST(TickSchedule, SlowerSpeedKeepsItsExactRate)
{
    TickSchedule schedule(33);
    const std::chrono::nanoseconds from = std::chrono::hours(24 * 3653);
    int ticks = 0;
    for (schedule.start(from);
         ticks <= 528 && schedule.nextDeadline() <= from + std::chrono::seconds(25);)
        ticks += schedule.tickDue(schedule.nextDeadline());
    EXPECT_EQ(ticks, 528);
}

} // namespace
} // namespace zorvik
