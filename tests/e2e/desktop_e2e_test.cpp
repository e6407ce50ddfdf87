// SPDX-License-Identifier: MIT
// Two windows played at once on real desktops: the "Game Over" box of one never takes the
// keyboard from the other, a held Return starts nothing, and a stretched window keeps its
// play area.
#include "game_test.h"

#include <array>

namespace zorvik::e2e {
namespace {

INSTANTIATE_TEST_SUITE_P(Desktops, DesktopTest, ::testing::ValuesIn(desktopsUnderTest()),
    [](const ::testing::TestParamInfo<Desktop>& info) { return desktopName(info.param); });

// The box opens over its own window, above it, where the desktop lets a program say where.
void expectOverItsWindow(const Session& x, Window owner, Window box)
{
    const Rect window = x.clientRect(owner);
    const Rect boxRect = box == owner ? x.boxInside(owner).value_or(Rect {}) : x.clientRect(box);
    if (x.desktop() == Desktop::Weston) {
        // weston shows an X11 dialog where weston chooses, whatever the program asks; all it
        // promises is a box on its screen.
        EXPECT_GE(boxRect.x, 0);
        EXPECT_GE(boxRect.y, 0);
        return;
    }
    const int centreX = boxRect.x + boxRect.width / 2, centreY = boxRect.y + boxRect.height / 2;
    EXPECT_TRUE(centreX > window.x && centreX < window.x + window.width && centreY > window.y
        && centreY < window.y + window.height)
        << "box centre (" << centreX << ", " << centreY << ") outside its window at (" << window.x
        << ", " << window.y << ")";
    if (box == owner) // drawn inside its window
        return;
    const auto order = x.stackingOrder();
    const auto at = [&](const std::string& name) {
        return std::find(order.rbegin(), order.rend(), name) - order.rbegin();
    };
    EXPECT_LT(at("Zorvik"), at(owner == x.waitForWindow("Zorvik!") ? "Zorvik!" : "Zorvik Again!"))
        << "the box is above its window";
}

// The tower's game runs out while the player plays the hopper with Right held: the box waits
// over the tower, and the hopper keeps the keyboard, its key-up and the next Return. Then the
// other way round: the hopper's game runs out while the player is at the tower.
TEST_P(DesktopTest, BoxNeverTakesTheKeyboardFromTheWindowBeingPlayed)
{
    x.key(tower, "Return");
    x.focus(hopper);
    x.type({ "keydown", "Right" });
    const Window towerBox = waitForBox(tower);
    sleepFor(300ms);
    EXPECT_EQ(x.focused(), hopper) << "the tower's box took the keyboard";
    expectOverItsWindow(x, tower, towerBox);
    x.type({ "keyup", "Right" });
    const std::string before = score(hopper);
    x.type({ "key", "Return" });
    EXPECT_TRUE(waitForScoreChange(hopper, before)) << "Return went to the hopper";
    const auto path = ballPath(hopper, 300ms);
    ASSERT_GE(path.size(), 2u);
    EXPECT_NEAR(path.front(), path.back(), 1) << "the hopper missed the release of Right";
    EXPECT_TRUE(x.boxOf(tower)) << "the tower's box waits";
    answerBox(tower, { "key", "Return" });
    EXPECT_TRUE(waitForBoxClosed(tower)) << "the player came back to the tower";

    if (!promptShown(hopper)) { // the hopper's game from above runs out first
        waitForBox(hopper);
        answerBox(hopper, { "key", "Escape" });
        ASSERT_TRUE(waitForBoxClosed(hopper));
    }
    x.key(hopper, "Return"); // left alone, its ball soon misses the jumping brick
    x.focus(tower);
    const Window hopperBox = waitForBox(hopper);
    sleepFor(300ms);
    EXPECT_EQ(x.focused(), tower) << "the hopper's box took the keyboard";
    expectOverItsWindow(x, hopper, hopperBox);
    x.type({ "key", "Escape" });
    sleepFor(300ms);
    EXPECT_TRUE(x.boxOf(hopper)) << "Escape meant for the tower closed the hopper's box";
    const std::string towerBefore = score(tower);
    x.type({ "key", "Return" });
    EXPECT_TRUE(waitForScoreChange(tower, towerBefore))
        << "Return went to the tower, whose game "
        << (promptShown(tower) ? "never started" : "stands still") << "; the keyboard is on window "
        << x.focused() << ", the tower is " << tower;
    answerBox(hopper, { "key", "Return" });
    EXPECT_TRUE(waitForBoxClosed(hopper));
}

// With both boxes open, each one dismissed gives the keyboard back to its own window, in
// either order, never to the other window's box.
TEST_P(DesktopTest, EachBoxGivesTheKeyboardBackToItsOwnWindow)
{
    for (const bool towerFirst : { true, false }) {
        SCOPED_TRACE(towerFirst ? "the tower's box first" : "the hopper's box first");
        x.key(hopper, "Return");
        x.key(tower, "Return");
        waitForBox(tower);
        waitForBox(hopper);
        for (const Window owner :
            towerFirst ? std::array { tower, hopper } : std::array { hopper, tower }) {
            answerBox(owner, { "key", "Return" });
            ASSERT_TRUE(waitForBoxClosed(owner));
            EXPECT_TRUE(waitUntil([&] { return x.focused() == owner; }, 2s))
                << nameOf(owner) << ": the keyboard went to window " << x.focused();
        }
    }
}

// Return held on the box for 1.5 s closes it, and its repeats start no game.
TEST_P(DesktopTest, HeldReturnOnTheBoxStartsNoGame)
{
    x.key(tower, "Return");
    waitForBox(tower);
    answerBox(tower, { "keydown", "Return", "sleep", "1.5", "keyup", "Return" });
    ASSERT_TRUE(waitForBoxClosed(tower));
    sleepFor(100ms);
    EXPECT_TRUE(promptShown(tower)) << "a game started";
    EXPECT_EQ(countScoreChanges(tower, 300ms), 0);
    // A fresh Return still starts one.
    x.key(tower, "Return");
    EXPECT_TRUE(waitUntil([&] { return !promptShown(tower); }, 2s));
}

// Squeezed, the tower takes its size back; asked to maximize, it keeps its play area: the
// ball falls out at the layout's bottom edge, not at a stretched window's.
TEST_P(DesktopTest, ResizeKeepsThePlayArea)
{
    x.requestSize(tower, 700, 300);
    EXPECT_TRUE(waitUntil(
        [&] {
            const Rect client = x.clientRect(tower);
            return client.width >= 414 && client.height >= 548;
        },
        2s))
        << "squeezed to " << x.clientRect(tower).width << " x " << x.clientRect(tower).height;
    x.requestMaximize(tower);
    sleepFor(500ms);
    const Rect client = x.clientRect(tower);
    EXPECT_GE(client.width, 414);
    EXPECT_GE(client.height, 548);
    x.key(tower, "Return");
    int lowest = 0;
    waitUntil(
        [&] {
            if (const auto shapes = x.reader().shapes(nameOf(tower)); shapes && shapes->ball())
                lowest = std::max(lowest, shapes->ball()->y);
            return x.boxOf(tower).has_value();
        },
        longestGame, 1ms);
    ASSERT_TRUE(x.boxOf(tower));
    // The game ends on the tick the ball's top passes the bottom edge, which leaves it less
    // than a tick's fall, and so less than its own height, below the edge.
    EXPECT_LT(lowest, 548 + 41) << "the game ended below the play area's bottom edge";
}

} // namespace
} // namespace zorvik::e2e
