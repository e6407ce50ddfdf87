// SPDX-License-Identifier: MIT
#include "game_test.h"

#include <csignal>

namespace zorvik::e2e {
namespace {

// Where the platforms stand at load and after a game, in client pixels: inside the tower's
// bricks(0), under the ball at load and lower after a reset, and inside the hopper's brick.
constexpr Point towerFirstBrickAfterReset { 201, 500 };
constexpr Point hopperBrickHome { 236, 412 };

// Return starts the tower's tick; a ball left alone falls out, "Game Over" holds the final
// state until dismissed, and then the tower is back at its reset layout with a high score.
TEST_P(DesktopTest, TowerGameEndsAndResetsAfterTheBox)
{
    ASSERT_EQ(score(tower), "0");
    x.key(tower, "Return");
    ASSERT_TRUE(waitForScoreChange(tower, "0")) << "the score counts";
    EXPECT_FALSE(promptShown(tower));

    waitForBox(tower);
    // While the box is open the tower does not tick and nothing is reset yet.
    const AccessibleWindow over = read(tower);
    const std::string finalScore = over.text("Score");
    EXPECT_NE(finalScore, "0");
    EXPECT_EQ(countScoreChanges(tower, 300ms), 0);
    sleepFor(200ms);
    EXPECT_EQ(read(tower).platforms(), over.platforms()) << "the platforms stand still";
    EXPECT_EQ(over.text("High Score"), "0");

    answerBox(tower, { "key", "Return" });
    ASSERT_TRUE(waitForBoxClosed(tower));
    const AccessibleWindow reset = read(tower);
    EXPECT_EQ(reset.text("Score"), "0");
    EXPECT_TRUE(reset.promptShown());
    EXPECT_EQ(reset.text("High Score"), finalScore) << "the high score took the final score";
    EXPECT_TRUE(ballAt(reset.ball(), towerBallHome));
    ASSERT_EQ(reset.platforms().size(), 7u);
    EXPECT_TRUE(reset.platforms().back().contains(towerFirstBrickAfterReset))
        << "bricks(0) at its reset place, not " << reset.platforms().back();
    // The Return that dismissed the box did not start a new game.
    EXPECT_EQ(countScoreChanges(tower, 300ms), 0);

    x.key(tower, "Return");
    EXPECT_TRUE(waitForScoreChange(tower, "0"));
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
        EXPECT_GE(held[i], held[i - 1]) << "the held key never sends the ball back";
    EXPECT_GT(held.back(), held.front() + 15) << "about 3.7 px a tick to the right";
    x.key(waitForBox(tower), "space");
    ASSERT_TRUE(waitForBoxClosed(tower));

    x.key(tower, "Return");
    const auto released = ballPath(tower, 10s);
    ASSERT_GE(released.size(), 2u);
    EXPECT_NEAR(released.front(), released.back(), 1) << "no sideways speed after the release";
}

// The hopper plays while the tower's box is open, and the tower plays while the hopper's is.
TEST_P(DesktopTest, EachWindowPlaysWhileTheOthersBoxIsOpen)
{
    x.key(hopper, "Return");
    // The ball falls onto the brick, which then jumps away from its load place.
    EXPECT_TRUE(waitUntil(
        [&] {
            const auto shapes = x.reader().shapes(nameOf(hopper));
            return shapes && !shapes->platforms().empty()
                && !shapes->platforms().front().contains(hopperBrickHome);
        },
        3s, 2ms))
        << "the brick moved after the landing";
    waitForBox(hopper);
    // The tower starts, ticks and ends its own game with the hopper's box open.
    x.key(tower, "Return");
    EXPECT_TRUE(waitForScoreChange(tower, "0"));
    EXPECT_GT(countScoreChanges(tower, 200ms), 3);
    waitForBox(tower);
    EXPECT_TRUE(x.boxOf(hopper)) << "two boxes at once";

    // Dismissed in the other order than they came.
    answerBox(tower, { "key", "Escape" });
    ASSERT_TRUE(waitForBoxClosed(tower));
    EXPECT_TRUE(x.boxOf(hopper));
    answerBox(hopper, { "key", "Return" });
    ASSERT_TRUE(waitForBoxClosed(hopper));
    EXPECT_TRUE(promptShown(tower));
    const AccessibleWindow reset = read(hopper);
    EXPECT_TRUE(reset.promptShown());
    ASSERT_EQ(reset.platforms().size(), 1u);
    EXPECT_TRUE(reset.platforms().front().contains(hopperBrickHome))
        << "the brick back at its load place";
    EXPECT_TRUE(ballAt(reset.ball(), hopperBallHome));
}

// Closing one window leaves the other playing; closing both ends the program with 0.
TEST_P(DesktopTest, ClosingOneWindowLeavesTheOtherPlaying)
{
    x.requestClose(tower);
    ASSERT_TRUE(x.waitForNoWindow("Zorvik!"));
    x.key(hopper, "Return");
    EXPECT_TRUE(waitForScoreChange(hopper, "0"));
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
