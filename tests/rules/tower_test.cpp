// SPDX-License-Identifier: MIT
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::Tower;

constexpr float H = 8220;

void tick(Form1& form, int count = 1)
{
    for (int i = 0; i < count; ++i)
        form.tmrMovement_Timer();
}

// Keep every platform out of the ball's way so a test sees the ball alone.
void parkPlatforms(Form1& form)
{
    for (Control* brick : form.bricks) {
        brick->Top = -20000;
        brick->Left = 0;
    }
}

// The layout table: every control, in creation order, with its place and text.
TEST(TowerLayout, MatchesTheTable)
{
    Tower t;
    const auto& c = t.form.controls();
    ASSERT_EQ(c.size(), 13u);
    EXPECT_EQ(t.form.frame().caption, "Zorvik!");
    EXPECT_EQ(t.form.frame().clientWidth, 6210);
    EXPECT_EQ(t.form.frame().clientHeight, 8220);
    EXPECT_EQ(t.form.frame().clientLeft, 1815);
    EXPECT_EQ(t.form.frame().clientTop, 480);
    EXPECT_EQ(t.form.tmrMovement.Interval, 10);
    EXPECT_FALSE(t.form.tmrMovement.Enabled);
    const char* names[] = { "Label1", "lblHighScore", "lblScore", "lblScore1", "lblStart", "bricks",
        "bricks", "bricks", "bricks", "bricks", "bricks", "bricks", "ball" };
    const int indexes[] = { -1, -1, -1, -1, -1, 6, 5, 4, 3, 2, 1, 0, -1 };
    for (std::size_t i = 0; i < c.size(); ++i) {
        EXPECT_EQ(c[i].name, names[i]);
        EXPECT_EQ(c[i].index, indexes[i]);
    }
    EXPECT_EQ(c[0].Caption, "High Score:");
    EXPECT_EQ(c[4].Caption, "PRESS THE ENTER BUTTON TO START");
    EXPECT_EQ(c[4].font, LabelFont::WindowDefault);
    EXPECT_EQ(c[3].font, LabelFont::Bold);
    EXPECT_EQ(c[3].Left, 0);
    EXPECT_EQ(c[3].Width, 615);
    EXPECT_EQ(c[5].Left, 5520);
    EXPECT_EQ(c[5].Top, 360);
    EXPECT_EQ(c[12].kind, ControlKind::Oval);
    EXPECT_EQ(c[12].Width, 615);
    EXPECT_EQ(t.form.bricks[3]->Left, 840);
}

// Load opens the hopper first, then places the ball, bricks(0) and the six random rows.
TEST(TowerLoad, OpensHopperThenDealsRowsTopBeforeLeft)
{
    Tower low({ 0.0 });
    low.form.Form_Load();
    EXPECT_EQ(low.host.hopperOpens, 1);
    ASSERT_TRUE(low.host.hopper);
    EXPECT_EQ(low.host.hopper->ball.Top, 3360);
    EXPECT_EQ(low.form.ball.Top, 5040);
    EXPECT_EQ(low.form.ball.Left, 2769);
    EXPECT_EQ(low.form.bricks[0]->Top, 7250);
    EXPECT_EQ(low.form.bricks[0]->Left, 2653);
    const float bases[] = { 8100, 6025, 4025, 2025, 1025, 100 };
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(low.form.bricks[k]->Top, bases[k - 1]);
        EXPECT_EQ(low.form.bricks[k]->Left, 0);
    }
    EXPECT_EQ(low.random->reseeds, 12);

    // Draws alternate Top, Left: a Top draw of 0 and a Left draw near 1 tell the order.
    Tower order({ 0.0, 0.9999, 0.0, 0.9999, 0.0, 0.9999, 0.0, 0.9999, 0.0, 0.9999, 0.0, 0.9999 });
    order.form.Form_Load();
    for (int k = 1; k <= 6; ++k) {
        EXPECT_EQ(order.form.bricks[k]->Top, bases[k - 1]);
        EXPECT_EQ(order.form.bricks[k]->Left, 5306);
    }
    EXPECT_TRUE(order.form.lblStart.Visible);
    EXPECT_EQ(order.form.lblScore.Caption, "0");
    EXPECT_EQ(order.form.lblHighScore.Caption, "0");
}

// Arrows set the sideways speed, releasing either stops it, Up leaps, Return starts.
TEST(TowerKeys, SetSpeedsAndStart)
{
    Tower t;
    t.form.Form_Load();
    t.form.Form_KeyDown(keys::Left, 0);
    EXPECT_EQ(t.form.xSpeed, -55);
    t.form.Form_KeyDown(keys::Right, 0);
    EXPECT_EQ(t.form.xSpeed, 55);
    t.form.Form_KeyUp(keys::Left, 0); // releasing the other arrow still stops it
    EXPECT_EQ(t.form.xSpeed, 0);
    t.form.Form_KeyDown(keys::Right, 0);
    t.form.Form_KeyDown(keys::Right, 0); // auto-repeat applies the same again
    EXPECT_EQ(t.form.xSpeed, 55);
    for (int key = 0; key <= 0xFFFF; ++key) {
        if (key == keys::Return || key == keys::Left || key == keys::Up || key == keys::Right)
            continue;
        t.form.Form_KeyDown(static_cast<KeyCode>(key), 7);
        if (key != keys::Left && key != keys::Right)
            t.form.Form_KeyUp(static_cast<KeyCode>(key), 7);
    }
    EXPECT_EQ(t.form.xSpeed, 55);
    EXPECT_EQ(t.form.ySpeed, 0);
    EXPECT_FALSE(t.form.tmrMovement.Enabled);
    EXPECT_TRUE(t.form.lblStart.Visible);
    t.form.Form_KeyDown(keys::Up, 0);
    EXPECT_EQ(t.form.ySpeed, -1000);
    t.form.Form_KeyDown(keys::Return, 0);
    EXPECT_TRUE(t.form.tmrMovement.Enabled);
    EXPECT_FALSE(t.form.lblStart.Visible);
}

// The first tick: gravity, then the move, then the score.
TEST(TowerTick, FirstTickMovesBallAndCountsOne)
{
    Tower t;
    t.form.Form_Load();
    t.form.Form_KeyDown(keys::Return, 0);
    tick(t.form);
    EXPECT_EQ(t.form.ySpeed, 5);
    EXPECT_EQ(t.form.ball.Top, 5045);
    EXPECT_EQ(t.form.ball.Left, 2769);
    EXPECT_EQ(t.form.lblScore.Caption, "1");

    Tower leap;
    leap.form.Form_Load();
    leap.form.Form_KeyDown(keys::Up, 0);
    leap.form.Form_KeyDown(keys::Right, 0);
    leap.form.Form_KeyDown(keys::Return, 0);
    tick(leap.form);
    EXPECT_EQ(leap.form.ball.Top, 5040 - 995);
    EXPECT_EQ(leap.form.ball.Left, 2769 + 55);
    // Enter while running changes nothing but re-hides the prompt.
    leap.form.lblStart.Visible = true;
    leap.form.Form_KeyDown(keys::Return, 0);
    EXPECT_FALSE(leap.form.lblStart.Visible);
    EXPECT_EQ(leap.form.lblScore.Caption, "1");
}

// No tick reaches an idle window.
TEST(TowerTick, IdleWindowIgnoresTicks)
{
    Tower t;
    t.form.Form_Load();
    tick(t.form, 3);
    EXPECT_EQ(t.form.ball.Top, 5040);
    EXPECT_EQ(t.form.lblScore.Caption, "0");
}

// Every platform scrolls 35 a tick; recycling starts at exactly the client height.
TEST(TowerScroll, RecyclesAtClientHeightAfterScroll)
{
    Tower t({ 0.0 });
    t.form.Form_Load();
    parkPlatforms(t.form);
    t.form.bricks[2]->Top = H - 35; // reaches H this tick: recycled
    t.form.bricks[3]->Top = H - 36; // stays one more tick
    t.form.bricks[4]->Top = 100;
    t.form.Form_KeyDown(keys::Up, 0);
    t.form.Form_KeyDown(keys::Return, 0);
    tick(t.form);
    EXPECT_EQ(t.form.bricks[2]->Top, 0); // RandomOffset(0, -5250) with r = 0
    EXPECT_EQ(t.form.bricks[3]->Top, H - 1);
    EXPECT_EQ(t.form.bricks[4]->Top, 135);
    EXPECT_EQ(t.form.bricks[0]->Top, -20000 + 35);
    tick(t.form);
    EXPECT_EQ(t.form.bricks[2]->Top, 35); // a recycled platform scrolls from the next tick
    EXPECT_EQ(t.form.bricks[3]->Top, 0);
}

// The client height is read afresh for every platform.
TEST(TowerScroll, ReadsClientHeightPerPlatform)
{
    Tower t;
    t.form.Form_Load();
    parkPlatforms(t.form);
    t.form.Form_KeyDown(keys::Up, 0);
    t.form.Form_KeyDown(keys::Return, 0);
    t.host.heightReads = 0;
    tick(t.form);
    EXPECT_EQ(t.host.heightReads, 7 + 1); // seven platforms, then the game-over check
}

// Right after load, rows placed at H - 35 or lower go on the first tick.
TEST(TowerScroll, FirstTickRecyclesRowsBelowTheBottom)
{
    Tower t({ 0.999 });
    t.form.Form_Load();
    EXPECT_GT(t.form.bricks[1]->Top, H); // 8100 + 8116
    t.form.Form_KeyDown(keys::Return, 0);
    tick(t.form);
    EXPECT_LE(t.form.bricks[1]->Top, 0);
    EXPECT_GE(t.form.bricks[1]->Top, -5250);
}

// Landing springs the ball up; a head bump on a later platform flips it again.
TEST(TowerCollision, LandingThenHeadBumpInIndexOrder)
{
    Tower t;
    t.form.Form_Load();
    parkPlatforms(t.form);
    t.form.Form_KeyDown(keys::Return, 0);
    // After the tick the ball is at Top 5045 (bottom 5660).
    t.form.bricks[0]->Left = 2700;
    t.form.bricks[0]->Top = 5600 - 35; // a = 60: landing
    t.form.bricks[1]->Left = 2700;
    t.form.bricks[1]->Top = 4950 - 35; // b = 40: head bump
    tick(t.form);
    EXPECT_EQ(t.form.ySpeed, 200);
    // The speed moves the ball only from the next tick on.
    EXPECT_EQ(t.form.ball.Top, 5045);
}

// The ball is out once its top reaches the client height; one twip less is not out.
TEST(TowerGameOver, EndsWhenTopReachesClientHeight)
{
    Tower t;
    t.form.Form_Load();
    parkPlatforms(t.form);
    t.form.Form_KeyDown(keys::Return, 0);
    t.form.ySpeed = -5;
    t.form.ball.Top = H - 1;
    tick(t.form);
    EXPECT_EQ(t.host.boxesShown, 0);
    t.form.ySpeed = -4;
    tick(t.form);
    EXPECT_EQ(t.form.ball.Top, H);
    EXPECT_EQ(t.host.boxesShown, 1);
}

// A game steered right whose ball is about to drop out.
void startFallingOut(Tower& t)
{
    t.form.Form_Load();
    parkPlatforms(t.form);
    t.form.Form_KeyDown(keys::Right, 0);
    t.form.Form_KeyDown(keys::Return, 0);
    t.form.ball.Top = H + 100;
}

// The box comes first; the reset waits for its dismissal, and nothing ticks meanwhile.
TEST(TowerGameOver, ResetsOnlyAfterBoxIsDismissed)
{
    Tower t({ 0.0 });
    startFallingOut(t);
    t.form.ySpeed = 395;
    tick(t.form);
    ASSERT_EQ(t.host.boxesShown, 1);
    EXPECT_TRUE(t.form.gameOverBoxOpen());
    EXPECT_EQ(t.form.lblScore.Caption, "1");
    const float fallenTop = t.form.ball.Top;
    // While the box is open: no ticks, no keys, no second box.
    tick(t.form, 5);
    t.form.Form_KeyDown(keys::Return, 0);
    t.form.Form_KeyDown(keys::Left, 0);
    EXPECT_EQ(t.form.ball.Top, fallenTop);
    EXPECT_EQ(t.form.lblScore.Caption, "1");
    EXPECT_EQ(t.host.boxesShown, 1);
    EXPECT_TRUE(t.form.tmrMovement.Enabled);
    EXPECT_FALSE(t.form.lblStart.Visible);

    t.form.gameOverBoxClosed();
    EXPECT_FALSE(t.form.gameOverBoxOpen());
    EXPECT_FALSE(t.form.tmrMovement.Enabled);
    EXPECT_TRUE(t.form.lblStart.Visible);
    EXPECT_EQ(t.form.ball.Top, 5040);
    EXPECT_EQ(t.form.ball.Left, 2769);
    EXPECT_EQ(t.form.bricks[0]->Top, 7440); // reset, not the load place 7250
    EXPECT_EQ(t.form.bricks[0]->Left, 2653);
    EXPECT_EQ(t.form.bricks[6]->Top, 100);
    EXPECT_EQ(t.form.lblHighScore.Caption, "1");
    EXPECT_EQ(t.form.lblScore.Caption, "0");
    EXPECT_EQ(t.form.xSpeed, 55); // speeds are kept
    EXPECT_EQ(t.form.ySpeed, 400);
    t.form.gameOverBoxClosed(); // a stray second dismissal changes nothing
    EXPECT_EQ(t.form.lblHighScore.Caption, "1");

    // The next game starts from the reset place at the kept speed.
    t.form.Form_KeyDown(keys::Return, 0);
    tick(t.form);
    EXPECT_EQ(t.form.ball.Top, 5040 + 405);
}

// An arrow let go of while the box is open counts as released: the next game does not drift
// sideways with no key held. The vertical speed carried over stays.
TEST(TowerGameOver, ArrowReleasedUnderTheBoxLeavesNoDrift)
{
    Tower t({ 0.0 });
    startFallingOut(t);
    tick(t.form);
    ASSERT_TRUE(t.form.gameOverBoxOpen());
    const float ySpeed = t.form.ySpeed;
    t.form.Form_KeyUp(keys::Right, 0);
    t.form.gameOverBoxClosed();
    EXPECT_EQ(t.form.xSpeed, 0);
    EXPECT_EQ(t.form.ySpeed, ySpeed);
}

// The high score keeps the better score; an equal one is rewritten as the same number.
TEST(TowerGameOver, HighScoreNeverDrops)
{
    Tower t;
    t.form.Form_Load();
    auto endWithScore = [&](const char* score) {
        t.form.Form_KeyDown(keys::Return, 0);
        t.form.lblScore.Caption = score;
        t.form.ball.Top = H + 1000;
        t.form.ySpeed = 0;
        parkPlatforms(t.form);
        tick(t.form);
        t.form.gameOverBoxClosed();
    };
    endWithScore("56");
    EXPECT_EQ(t.form.lblHighScore.Caption, "57");
    endWithScore("29");
    EXPECT_EQ(t.form.lblHighScore.Caption, "57");
    t.form.lblHighScore.Caption = "57 ";
    endWithScore("56");
    EXPECT_EQ(t.form.lblHighScore.Caption, "57");
    EXPECT_EQ(t.form.lblScore.Caption, "0");
}

} // namespace
} // namespace zorvik
