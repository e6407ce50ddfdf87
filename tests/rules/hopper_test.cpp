// SPDX-License-Identifier: MIT
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::Hopper;

// The layout table: every control in creation order with its place and text.
TEST(HopperLayout, MatchesTheTable)
{
    Hopper h;
    const auto& c = h.form.controls();
    ASSERT_EQ(c.size(), 7u);
    EXPECT_EQ(h.form.frame().caption, "Zorvik Again!");
    EXPECT_EQ(h.form.frame().clientWidth, 7155);
    EXPECT_EQ(h.form.frame().clientHeight, 6585);
    EXPECT_EQ(h.form.frame().clientLeft, 9390);
    EXPECT_EQ(h.form.frame().clientTop, 885);
    EXPECT_EQ(h.form.tmrMovement.Interval, 1);
    const char* names[]
        = { "lblHighScore1", "lblScore1", "lblHighScore", "lblScore", "lblStart", "brick", "ball" };
    for (std::size_t i = 0; i < c.size(); ++i)
        EXPECT_EQ(c[i].name, names[i]);
    EXPECT_EQ(c[4].Caption, "PRESS ENTER TO START");
    EXPECT_EQ(c[4].Left, 2760);
    EXPECT_EQ(c[4].Width, 2055);
    EXPECT_EQ(c[5].Width, 615);
    EXPECT_EQ(c[5].Height, 135);
}

// Falling straight down from load, the ball lands on the 29th tick, 30 twips into the brick.
TEST(HopperLanding, StraightFallLandsOnTick29AndMovesBrick)
{
    Hopper h({ 0.0, 0.9999 });
    h.form.Form_Load();
    EXPECT_EQ(h.form.brick.Top, 6120);
    EXPECT_EQ(h.form.brick.Left, 3240);
    h.form.Form_KeyDown(keys::Return, 0);
    for (int i = 0; i < 28; ++i)
        h.form.tmrMovement_Timer();
    EXPECT_EQ(h.form.brick.Top, 6120);
    EXPECT_EQ(h.form.ySpeed, 140);
    h.form.tmrMovement_Timer();
    EXPECT_EQ(h.form.ball.Top + h.form.ball.Height - 6120, 30);
    EXPECT_EQ(h.form.ySpeed, -200);
    EXPECT_EQ(h.form.brick.Top, 1250); // Top drawn first
    EXPECT_EQ(h.form.brick.Left, 500 + 4999);
    h.form.tmrMovement_Timer();
    EXPECT_EQ(h.form.ball.Top, 3360 + 2175 - 195);
}

// Hits from below or the side change nothing, and the brick stays put.
TEST(HopperLanding, NoHeadBumpAndBrickStaysPut)
{
    Hopper h;
    h.form.Form_Load();
    h.form.Form_KeyDown(keys::Return, 0);
    h.form.ball.Top = 6120 + 135 - 40 - 5 + 300; // rising into the underside, b = 40
    h.form.ySpeed = -305;
    h.form.tmrMovement_Timer();
    EXPECT_EQ(h.form.ySpeed, -300);
    EXPECT_EQ(h.form.brick.Top, 6120);
    EXPECT_EQ(h.form.brick.Left, 3240);
}

// Game over puts the brick back at its load place even after it moved.
TEST(HopperGameOver, ResetsBrickAndKeepsHighScore)
{
    Hopper h({ 0.0 }); // after the landing the brick jumps to (500, 1250), away from the ball
    h.form.Form_Load();
    h.form.Form_KeyDown(keys::Return, 0);
    int ticks = 0;
    while (!h.form.gameOverBoxOpen() && ticks < 10000) {
        h.form.tmrMovement_Timer();
        ++ticks;
    }
    ASSERT_TRUE(h.form.gameOverBoxOpen());
    EXPECT_EQ(h.host.boxesShown, 1);
    EXPECT_NE(h.form.brick.Top, 6120); // it landed once and moved
    h.form.gameOverBoxClosed();
    EXPECT_EQ(h.form.brick.Top, 6120);
    EXPECT_EQ(h.form.brick.Left, 3240);
    EXPECT_EQ(h.form.ball.Top, 3360);
    EXPECT_EQ(h.form.ball.Left, 3360);
    EXPECT_EQ(h.form.lblHighScore.Caption, std::to_string(ticks));
    EXPECT_EQ(h.form.lblScore.Caption, "0");
    EXPECT_TRUE(h.form.lblStart.Visible);
    EXPECT_FALSE(h.form.tmrMovement.Enabled);
}

// Hopper keys use its own numbers.
TEST(HopperKeys, UseHopperConstants)
{
    Hopper h;
    h.form.Form_KeyDown(keys::Left, 0);
    EXPECT_EQ(h.form.xSpeed, -65);
    h.form.Form_KeyDown(keys::Right, 0);
    EXPECT_EQ(h.form.xSpeed, 65);
    h.form.Form_KeyDown(keys::Up, 0);
    EXPECT_EQ(h.form.ySpeed, -400);
    h.form.Form_Load();
    h.form.Form_KeyDown(keys::Return, 0);
    h.form.tmrMovement_Timer();
    EXPECT_EQ(h.form.ball.Top, 3360 - 395);
}

} // namespace
} // namespace zorvik
