// SPDX-License-Identifier: MIT
#include "game_view.h"

#include <csignal>

namespace zorvik::e2e {
namespace {

// Return starts the tower's tick; a ball left alone falls out, "Game Over" holds the final
// state until dismissed, and then the tower is back at its reset layout with a high score.
TEST_P(DesktopTest, TowerGameEndsAndResetsAfterTheBox)
{
    const auto zero = label(tower, towerScore);
    const auto zeroHigh = label(tower, towerHighScore);
    x.key(tower, "Return");
    ASSERT_TRUE(waitForChange(tower, towerScore, zero)) << "the score counts";
    EXPECT_FALSE(promptShown(tower, towerPrompt));

    waitForBox(tower);
    sleepFor(100ms); // the box can map before the last tick's repaint reaches the screen
    // While the box is open the tower does not tick and nothing is reset yet.
    const auto finalScore = label(tower, towerScore);
    // A platform dealt over a label hides its digits: such a picture cannot tell one number
    // from another.
    const auto readable
        = [](const LabelImage& a, const LabelImage& b) { return !a.covered() && !b.covered(); };
    if (readable(finalScore, zero)) {
        EXPECT_NE(finalScore, zero);
    }
    EXPECT_EQ(countChanges(tower, towerScore, 300ms), 0);
    EXPECT_EQ(countFrameChanges(tower, towerTopRows, 200ms), 0) << "the platforms stand still";
    EXPECT_EQ(label(tower, towerHighScore), zeroHigh);

    answerBox(tower, { "key", "Return" });
    ASSERT_TRUE(waitForBoxClosed(tower));
    EXPECT_TRUE(waitForLabel(tower, towerScore, zero));
    EXPECT_TRUE(promptShown(tower, towerPrompt));
    if (const auto high = label(tower, towerHighScore); readable(high, zeroHigh)) {
        EXPECT_NE(high, zeroHigh) << "the high score took the final score";
    }
    const Frame reset = x.grab(tower);
    EXPECT_TRUE(ballAt(reset, towerBallHome));
    EXPECT_TRUE(reset.dark(201, 500)) << "bricks(0) at its reset place";
    // The Return that dismissed the box did not start a new game.
    EXPECT_EQ(countChanges(tower, towerScore, 300ms), 0);

    x.key(tower, "Return");
    EXPECT_TRUE(waitForChange(tower, towerScore, zero));
}

// Right held keeps the ball moving right; released (before the game ends: a window with its
// box open takes no keys), the next game falls straight down.
TEST_F(GameTest, HeldRightSteersAndReleaseStops)
{
    x.keyDown(tower, "Right");
    x.key(tower, "Return");
    const auto held = ballPath(tower, 150ms);
    x.keyUp(tower, "Right");
    ASSERT_GE(held.size(), 3u);
    for (std::size_t i = 1; i < held.size(); ++i)
        EXPECT_GE(held[i], held[i - 1] - 2) << "the held key never sends the ball back";
    EXPECT_GT(held.back(), held.front() + 15) << "about 3.7 px a tick to the right";
    x.key(waitForBox(tower), "space");
    ASSERT_TRUE(waitForBoxClosed(tower));

    x.key(tower, "Return");
    const auto released = ballPath(tower, 10s);
    ASSERT_GE(released.size(), 2u);
    // A platform touching the ball can shift the measured centre by a pixel or two; a
    // leftover sideways speed would move it 3.7 px a tick.
    EXPECT_NEAR(released.front(), released.back(), 3) << "no sideways speed after the release";
}

// The hopper plays while the tower's box is open, and the tower plays while the hopper's is.
TEST_P(DesktopTest, EachWindowPlaysWhileTheOthersBoxIsOpen)
{
    x.key(hopper, "Return");
    // The ball falls onto the brick, which then jumps away from its load place.
    EXPECT_TRUE(waitUntil(
        [&] {
            return !x.grab(hopper, { 236, 412, 1, 1 }).dark(0, 0);
        },
        3s, 2ms))
        << "the brick moved after the landing";
    waitForBox(hopper);
    // The tower starts, ticks and ends its own game with the hopper's box open.
    const auto towerZero = label(tower, towerScore);
    x.key(tower, "Return");
    EXPECT_TRUE(waitForChange(tower, towerScore, towerZero));
    EXPECT_GT(countChanges(tower, towerScore, 200ms), 3);
    waitForBox(tower);
    EXPECT_TRUE(x.boxOf(hopper)) << "two boxes at once";

    // Dismissed in the other order than they came.
    answerBox(tower, { "key", "Escape" });
    ASSERT_TRUE(waitForBoxClosed(tower));
    EXPECT_TRUE(x.boxOf(hopper));
    answerBox(hopper, { "key", "Return" });
    ASSERT_TRUE(waitForBoxClosed(hopper));
    sleepFor(100ms);
    EXPECT_TRUE(promptShown(hopper, hopperPrompt));
    EXPECT_TRUE(promptShown(tower, towerPrompt));
    const Frame reset = x.grab(hopper);
    EXPECT_TRUE(reset.dark(236, 412)) << "the brick back at its load place";
    EXPECT_TRUE(ballAt(reset, hopperBallHome));
}

// Closing one window leaves the other playing; closing both ends the program with 0.
TEST_P(DesktopTest, ClosingOneWindowLeavesTheOtherPlaying)
{
    x.requestClose(tower);
    ASSERT_TRUE(x.waitForNoWindow("Zorvik!"));
    const auto zero = label(hopper, hopperScore);
    x.key(hopper, "Return");
    EXPECT_TRUE(waitForChange(hopper, hopperScore, zero));
    EXPECT_FALSE(x.waitForExit(200ms));
    x.requestClose(hopper);
    EXPECT_EQ(x.waitForExit(5s), 0);
}

// SIGTERM and SIGINT end the program with status 0, also with a box open.
TEST_F(GameTest, SignalsEndTheProgramCleanly)
{
    x.key(tower, "Return");
    waitForBox(tower);
    kill(x.gamePid(), SIGTERM);
    EXPECT_EQ(x.waitForExit(5s), 0);

    Session again;
    again.startGame();
    kill(again.gamePid(), SIGINT);
    EXPECT_EQ(again.waitForExit(5s), 0);
}

} // namespace
} // namespace zorvik::e2e
