// SPDX-License-Identifier: MIT
#pragma once

#include "session.h"

#include <gtest/gtest.h>

namespace zorvik::e2e {

using namespace harness;

// A game left alone ends by itself, but the tower's ball bounces from platform to platform
// while they happen to catch it: of 200,000 games played out by the rules with no keys, the
// longest ran 1,691 ticks, 26 s at 64 ticks a second. Waits for a game's end allow more than
// twice that, for a loaded machine's late ticks.
inline constexpr std::chrono::seconds longestGame { 60 };

// Where the balls start and restart, in client pixels: their centres.
inline constexpr Point towerBallHome { 205.1, 356.5 };
inline constexpr Point hopperBallHome { 244.5, 244.5 };

// The ball (as read from the tree, in client pixels) is where it should be: what it covers is
// whole pixels, which puts its centre within half a pixel of the true one.
::testing::AssertionResult ballAt(const std::optional<Rect>& ball, Point centre);

// The real game under Xvfb with both windows open and painted, read as a screen reader reads
// it.
class GameTest : public ::testing::Test {
protected:
    explicit GameTest(Desktop desktop = Desktop::Bare);
    void SetUp() override;

    std::string nameOf(Window window) const;
    // The window as a screen reader finds it now; empty if it could not be read.
    AccessibleWindow read(Window window) const;
    std::string score(Window window) const;
    bool promptShown(Window window) const { return read(window).promptShown(); }
    // Waits until the score reads other than `before`; false if it never does.
    bool waitForScoreChange(
        Window window, const std::string& before, std::chrono::milliseconds timeout = 2s) const;
    // How many times the score changes while we watch it.
    int countScoreChanges(Window window, std::chrono::milliseconds duration) const;
    // The ball's x in every read while the game runs, until its box opens.
    std::vector<double> ballPath(Window window, std::chrono::milliseconds duration) const;
    Window waitForBox(Window owner, std::chrono::milliseconds timeout = longestGame) const;
    // Waits for the box to go and its window to be ready for the next game.
    bool waitForBoxClosed(Window owner) const;
    // Whether the keys typed now reach the window or its open box.
    bool keysReach(Window owner) const;
    // Answers the window's "Game Over" box as a player does: brings the window back if the
    // keyboard is elsewhere, then types the keys (xdotool key syntax) into it.
    void answerBox(Window owner, const std::vector<std::string>& keys) const;

    Session x;
    Session::Started started;
    Window tower = 0;
    Window hopper = 0;
};

// The desktops the scenarios run under: ZORVIK_E2E_DESKTOPS when it is set, else the build's.
std::vector<Desktop> desktopsUnderTest();

// The same, under each desktop the players use: a bare X server, window managers, XWayland.
class DesktopTest : public GameTest, public ::testing::WithParamInterface<Desktop> {
protected:
    DesktopTest()
        : GameTest(GetParam())
    {
    }
};

} // namespace zorvik::e2e
