// SPDX-License-Identifier: MIT
// Which moments of play are heard: each scenario plays a window through the fake host and
// counts the cues it was told.
#include "support/fake_host.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

using testing::FakeHost;
using testing::Hopper;
using testing::Tower;

using Counts = std::array<int, soundCueCount>; // Landing, HeadBump, Leap, LastChance

Counts counted(const FakeHost& host)
{
    return host.cuesPlayed;
}

template <typename Window> void tickUntilOverOr(Window& w, int limit)
{
    for (int i = 0; i < limit && !w.form.gameOverBoxOpen(); ++i)
        w.form.tmrMovement_Timer();
}

template <typename Window> void startGame(Window& w)
{
    w.form.Form_Load();
    w.form.Form_KeyDown(keys::Return, 0);
}

struct CueCase {
    const char* name;
    Counts (*play)();
    Counts expected;
};

const CueCase cueCases[] = {
    { "HopperFallsOntoTheBrickOnTick29",
        [] {
            Hopper h;
            startGame(h);
            for (int i = 0; i < 28; ++i)
                h.form.tmrMovement_Timer();
            EXPECT_EQ(counted(h.host), (Counts {})) << "nothing before the landing";
            h.form.tmrMovement_Timer();
            return counted(h.host);
        },
        { 1, 0, 0, 0 } },
    { "LeapWhilePlayingOnly",
        [] {
            Hopper h;
            h.form.Form_Load();
            h.form.Form_KeyDown(keys::Up, 0); // idle: no game to leap in
            h.form.Form_KeyDown(keys::Return, 0);
            h.form.Form_KeyDown(keys::Up, 0);
            return counted(h.host);
        },
        { 0, 0, 1, 0 } },
    { "TowerLandingAndHeadBumpInOneTick",
        [] {
            Tower t;
            startGame(t);
            for (Control* brick : t.form.bricks)
                brick->Top = -20000;
            t.form.bricks[0]->Left = t.form.bricks[1]->Left = t.form.bricks[2]->Left = 2700;
            t.form.bricks[0]->Top = 5600 - 35; // landing
            t.form.bricks[2]->Top = 5600 - 35; // a second landing in the same tick
            t.form.bricks[1]->Top = 4950 - 35; // head bump
            t.form.tmrMovement_Timer();
            return counted(t.host);
        },
        { 1, 1, 0, 0 } },
    { "HopperBallBesideTheBrickWarnsOnceAsItFallsPast",
        [] {
            Hopper h;
            startGame(h);
            h.form.ball.Left = 0; // clear of the brick at 3240
            tickUntilOverOr(h, 1000);
            EXPECT_TRUE(h.form.gameOverBoxOpen());
            return counted(h.host);
        },
        { 0, 0, 0, 1 } },
    { "ALeapRearmsTheWarning",
        [] {
            Hopper h;
            startGame(h);
            h.form.ball.Left = 0;
            while (h.host.played(SoundCue::LastChance) == 0)
                h.form.tmrMovement_Timer();
            h.form.Form_KeyDown(keys::Up, 0);
            tickUntilOverOr(h, 1000);
            return counted(h.host);
        },
        { 0, 0, 1, 2 } },
};

void PrintTo(const CueCase& c, std::ostream* out)
{
    *out << c.name;
}

class Cues : public ::testing::TestWithParam<CueCase> { };

TEST_P(Cues, AreToldOnceEach)
{
    EXPECT_EQ(GetParam().play(), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(Scenarios, Cues, ::testing::ValuesIn(cueCases),
    [](const ::testing::TestParamInfo<CueCase>& info) { return info.param.name; });

} // namespace
} // namespace zorvik
