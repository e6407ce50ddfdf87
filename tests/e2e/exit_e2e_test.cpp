// SPDX-License-Identifier: MIT
// The ways the game ends with "Game Over" boxes on screen: the close button and signals.
#include "game_test.h"

#include <csignal>

namespace zorvik::e2e {
namespace {

// Plays a game to its end in the window and waits for its box.
bool playToGameOver(Session& x, Window window)
{
    x.key(window, "Return");
    const auto until = std::chrono::steady_clock::now() + longestGame;
    while (!x.boxOf(window) && std::chrono::steady_clock::now() < until)
        sleepFor(20ms);
    return x.boxOf(window).has_value();
}

// The close button works on a window whose "Game Over" box is open: the window goes with its
// box, the other plays on, and closing that one too ends the game with 0.
TEST_P(DesktopTest, AWindowClosesWithItsBoxOpen)
{
    ASSERT_TRUE(playToGameOver(x, tower));
    x.requestClose(tower);
    EXPECT_TRUE(x.waitForNoWindow("Zorvik!")) << "the tower ignores its close button";
    EXPECT_TRUE(x.waitForNoWindow("Zorvik")) << "its box outlives it";
    EXPECT_FALSE(x.waitForExit(200ms)) << "the hopper is still open";
    x.requestClose(hopper);
    EXPECT_EQ(x.waitForExit(10s), 0);
}

// SIGTERM and SIGINT end the game with 0 while both windows have their "Game Over" box
// open: no box or window left behind stops the exit, and in the sanitized build nothing
// leaks on the way out.
TEST(Signals, EndTheGameCleanlyWithBothBoxesOpen)
{
    for (const int signal : { SIGTERM, SIGINT }) {
        SCOPED_TRACE(signal == SIGTERM ? "SIGTERM" : "SIGINT");
        Session x;
        x.startGame();
        const Window tower = x.waitForWindow("Zorvik!");
        const Window hopper = x.waitForWindow("Zorvik Again!");
        // Steered sideways, the hopper's ball soon misses its platform.
        x.keyDown(hopper, "Left");
        ASSERT_TRUE(playToGameOver(x, hopper));
        x.keyUp(hopper, "Left");
        ASSERT_TRUE(playToGameOver(x, tower));
        ASSERT_TRUE(x.boxOf(hopper));
        kill(x.gamePid(), signal);
        EXPECT_EQ(x.waitForExit(10s), 0);
    }
}

// A window destroyed by another X client goes as if closed; with both gone, the game ends
// with 0 rather than run on with no window.
TEST_P(DesktopTest, WindowsDestroyedByAnotherClientEndTheGame)
{
    if (nativeWayland(x.desktop()))
        GTEST_SKIP() << "no other Wayland client can destroy the game's windows";
    x.destroy(tower);
    EXPECT_FALSE(x.waitForExit(500ms)) << "the hopper is still open";
    x.destroy(hopper);
    EXPECT_EQ(x.waitForExit(5s), 0);
}

} // namespace
} // namespace zorvik::e2e
