// SPDX-License-Identifier: MIT
// Numbers driven to their ends: the game goes on, stays correct and never leaves defined
// behaviour. Every event goes through a WindowWatch, so each test also holds all the rules
// it checks after every event.
#include "game/collision.h"
#include "game/score_text.h"
#include "support/fake_host.h"
#include "support/invariants.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>

namespace zorvik {
namespace {

using testing::Hopper;
using testing::Tower;
using testing::WindowWatch;

constexpr float towerHeight = 8220;
constexpr float hopperHeight = 6585;
constexpr Speed fastest = std::numeric_limits<Speed>::max();
constexpr Speed fastestUp = std::numeric_limits<Speed>::min();

// Ticks until the window's box opens or the limit passes; the ticks it took.
int tickUntilGameOver(WindowWatch& watch, int limit)
{
    int ticks = 0;
    while (!watch.form().gameOverBoxOpen() && ticks < limit && watch.ok()) {
        watch.tick();
        ++ticks;
    }
    return ticks;
}

void parkPlatforms(Form1& tower)
{
    for (Control* brick : tower.bricks)
        brick->Top = -20000;
}

// Gravity on the fastest fall stays at the 16-bit end instead of wrapping to a rise; a ball
// that fast drops out at once.
TEST(ExtremeSpeed, GravityOnTheFastestFallStaysAtTheEnd)
{
    Tower t;
    t.form.Form_Load();
    Hopper h;
    h.form.Form_Load();
    WindowWatch tower(t.form, towerHeight);
    WindowWatch hopper(h.form, hopperHeight);
    for (WindowWatch* watch : { &tower, &hopper }) {
        const float top = watch->form().ball.Top;
        watch->keyDown(keys::Return);
        watch->setSpeeds(0, fastest);
        watch->tick();
        EXPECT_EQ(watch->form().ySpeed, fastest);
        EXPECT_EQ(watch->form().ball.Top, top + fastest);
        EXPECT_TRUE(watch->form().gameOverBoxOpen());
        watch->dismissBox();
        EXPECT_TRUE(watch->ok()) << watch->problem();
    }
}

// Negating -32768 saturates: a head bump at the fastest rise sends the ball down at 32767.
// Through a tick gravity comes first, so a tower ball rising at -32768 bumps at -32763.
TEST(ExtremeSpeed, HeadBumpOnTheFastestRiseSaturates)
{
    const Control platform { ControlKind::Rectangle, "bricks", 3, 1000, 2000, 735, 135, {}, {},
        true };
    // Ten twips into the platform's bottom edge, well inside it sideways.
    const Control ball { ControlKind::Oval, "ball", -1, 1060, 2125, 615, 615, {}, {}, true };
    Speed ySpeed = fastestUp;
    EXPECT_EQ(collide(PlayRect::of(ball), ball, platform, ySpeed, true), Contact::HeadBump);
    EXPECT_EQ(ySpeed, fastest);

    Tower t;
    t.form.Form_Load();
    WindowWatch watch(t.form, towerHeight);
    watch.keyDown(keys::Return);
    parkPlatforms(t.form);
    Control& brick = *t.form.bricks[3];
    const float rise = -(fastestUp + 5);
    watch.place(brick, 1000, 2000 - 35); // it scrolls 35 down before the test
    watch.place(t.form.ball, 1060, 2125 + rise);
    watch.setSpeeds(0, fastestUp);
    watch.tick();
    EXPECT_EQ(t.form.ySpeed, 32763);
    EXPECT_EQ(t.form.ball.Top, 2125);
    EXPECT_TRUE(watch.ok()) << watch.problem();
}

// A ball flown a billion twips (and past the 32-bit range) off to a side and above the top
// keeps the game going: its rectangle saturates, nothing collides, and it falls back and
// ends the game the usual way. Far enough that float steps are 64 and 256 twips.
TEST(FarOffBall, ComesBackAndEndsTheGameNormally)
{
    const std::pair<float, float> places[]
        = { { 1e9f, -1e9f }, { -1e9f, -1e9f }, { 3e9f, -3e9f }, { -3e9f, -3e9f } };
    for (const auto& [left, top] : places) {
        SCOPED_TRACE(::testing::PrintToString(left) + ", " + ::testing::PrintToString(top));
        Tower t;
        t.form.Form_Load();
        WindowWatch watch(t.form, towerHeight);
        watch.keyDown(keys::Return);
        watch.place(t.form.ball, left, top);
        watch.tick();
        const PlayRect far = PlayRect::of(t.form.ball);
        if (std::abs(left) > 2.2e9f) {
            EXPECT_EQ(far.left,
                left > 0 ? std::numeric_limits<std::int32_t>::max()
                         : std::numeric_limits<std::int32_t>::min());
            EXPECT_EQ(far.top, std::numeric_limits<std::int32_t>::min());
        }
        const int ticks = tickUntilGameOver(watch, 200'000);
        EXPECT_TRUE(t.form.gameOverBoxOpen()) << "still falling after " << ticks << " ticks";
        EXPECT_EQ(t.form.ySpeed, fastest) << "it came back at the 16-bit end";
        watch.dismissBox();
        EXPECT_EQ(t.form.ball.Left, 2769);
        EXPECT_EQ(t.form.lblHighScore.Caption, std::to_string(ticks + 1));
        ASSERT_TRUE(watch.ok()) << watch.problem();
    }
}

// The hopper never bumps heads: a ball shot up at the 16-bit end flies about a hundred
// million twips, comes down through its platform too fast to land, and ends the game.
TEST(FarOffBall, HopperBallShotUpAtTheEndFallsBackOut)
{
    Hopper h;
    h.form.Form_Load();
    WindowWatch watch(h.form, hopperHeight);
    watch.keyDown(keys::Return);
    watch.setSpeeds(0, fastestUp);
    const int ticks = tickUntilGameOver(watch, 100'000);
    EXPECT_TRUE(h.form.gameOverBoxOpen());
    EXPECT_GT(ticks, 2 * 6500) << "up and down again at 5 twips a tick per tick";
    watch.dismissBox();
    EXPECT_TRUE(watch.ok()) << watch.problem();
}

// Scores past a million keep counting one a tick in plain digits, and the best of them
// becomes the high score.
TEST(LongGame, ScoreCountsPastAMillion)
{
    Hopper h;
    h.form.Form_Load();
    WindowWatch watch(h.form, hopperHeight);
    watch.keyDown(keys::Return);
    watch.setScore(999999);
    watch.tick();
    EXPECT_EQ(h.form.lblScore.Caption, "1000000");
    watch.setScore(4294967295.0); // past 32 bits
    watch.tick();
    EXPECT_EQ(h.form.lblScore.Caption, "4294967296");
    watch.setSpeeds(0, fastest);
    tickUntilGameOver(watch, 10);
    watch.dismissBox();
    EXPECT_EQ(h.form.lblHighScore.Caption, "4294967297");
    EXPECT_EQ(h.form.lblScore.Caption, "0");
    EXPECT_TRUE(watch.ok()) << watch.problem();
}

// A real game of a million ticks, with keys only: steer the ball off the tower's left edge,
// clear of every platform, and leap whenever it sinks past the middle.
TEST(LongGame, AMillionTicksOfPlayWithKeysOnly)
{
    Tower t;
    t.form.Form_Load();
    WindowWatch watch(t.form, towerHeight);
    watch.keyDown(keys::Return);
    watch.keyDown(keys::Left);
    for (int tick = 0; tick < 1'000'000 && watch.ok(); ++tick) {
        if (t.form.ball.Top > 4000 && t.form.ySpeed > 0)
            watch.keyDown(keys::Up);
        watch.tick();
        if (t.form.ball.Left < -2000 && t.form.xSpeed != 0)
            watch.keyUp(keys::Left);
    }
    ASSERT_TRUE(watch.ok()) << watch.problem();
    EXPECT_FALSE(t.form.gameOverBoxOpen());
    EXPECT_EQ(t.form.lblScore.Caption, "1000000");
    tickUntilGameOver(watch, 1000);
    watch.dismissBox();
    EXPECT_GT(readScoreText(t.form.lblHighScore.Caption), 1'000'000);
    EXPECT_TRUE(watch.ok()) << watch.problem();
}

} // namespace
} // namespace zorvik
