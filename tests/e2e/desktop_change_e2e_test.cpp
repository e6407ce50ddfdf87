// SPDX-License-Identifier: MIT
// The desktop changing under the game: a screen that shrinks and grows again while it plays, and
// a second start on the same display.
#include "game_test.h"

#include <csignal>

namespace zorvik::e2e {
namespace {

// Whether the window, framed as the desktop frames it, lies wholly on a screen of this size.
bool onScreen(const Session& x, Window window, int width, int height)
{
    const Rect client = x.clientRect(window);
    const Margins frame = x.frameExtents(window);
    return client.x - frame.left >= 0 && client.y - frame.top >= 0
        && client.x + client.width + frame.right <= width
        && client.y + client.height + frame.bottom <= height;
}

class ScreenChangeTest : public ::testing::TestWithParam<Desktop> { };

INSTANTIATE_TEST_SUITE_P(Desktops, ScreenChangeTest,
    ::testing::Values(Desktop::Openbox, Desktop::Mutter),
    [](const ::testing::TestParamInfo<Desktop>& info) { return desktopName(info.param); });

// 1280 x 1024 -> 800 x 600 -> 1280 x 1024 while the tower plays: the windows, and the box that
// opens meanwhile, move onto the smaller screen with their title bars on it, and back to their
// places when it grows again.
TEST_P(ScreenChangeTest, WindowsAndBoxFollowTheScreenDuringPlay)
{
    SessionOptions options;
    options.desktop = GetParam();
    options.screenCanChange = true;
    Session x(options);
    x.startGame();
    const Window tower = x.waitForWindow("Zorvik!");
    const Window hopper = x.waitForWindow("Zorvik Again!");
    const Rect towerHome = x.clientRect(tower), hopperHome = x.clientRect(hopper);
    x.key(tower, "Return");

    x.resizeScreen(800, 600);
    EXPECT_TRUE(waitUntil(
        [&] { return onScreen(x, tower, 800, 600) && onScreen(x, hopper, 800, 600); }, 5s))
        << "tower at " << x.clientRect(tower) << ", hopper at " << x.clientRect(hopper);
    std::optional<Window> box;
    ASSERT_TRUE(waitUntil([&] { return (box = x.boxOf(tower)).has_value(); }, longestGame));
    EXPECT_TRUE(waitUntil([&] { return onScreen(x, *box, 800, 600); }, 2s))
        << "box at " << x.clientRect(*box);

    x.resizeScreen(1280, 1024);
    EXPECT_TRUE(waitUntil(
        [&] { return x.clientRect(tower) == towerHome && x.clientRect(hopper) == hopperHome; }, 5s))
        << "tower at " << x.clientRect(tower) << ", hopper at " << x.clientRect(hopper);
    EXPECT_TRUE(waitUntil([&] { return onScreen(x, *box, 1280, 1024); }, 2s));
}

// A second start on the display raises the running game, the tower focused, and ends with 0 and
// one line; a game that does not answer (stopped) does not keep a new one from starting.
TEST(OneGamePerDisplay, ASecondStartRaisesTheRunningGame)
{
    SessionOptions options;
    options.desktop = Desktop::Openbox;
    Session x(options);
    x.startGame();
    const Window tower = x.waitForWindow("Zorvik!");
    x.focus(x.waitForWindow("Zorvik Again!"));
    const std::string second
        = x.captureTool({ "sh", "-c", "'" + gameBinary() + "' 2>&1; echo status=$?" });
    EXPECT_NE(second.find("already runs"), std::string::npos) << second;
    EXPECT_NE(second.find("status=0"), std::string::npos) << second;
    EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 2) << second;
    EXPECT_EQ(x.windowsNamed("Zorvik!").size(), 1u);
    EXPECT_TRUE(waitUntil([&] { return x.focused() == tower; }, 2s)) << "the tower is focused";

    kill(x.gamePid(), SIGSTOP);
    const std::string started = x.captureTool({ "sh", "-c",
        "'" + gameBinary()
            + "' 2>/dev/null & sleep 4; xdotool search --onlyvisible --name '^Zorvik!$' | wc -l; "
              "kill $!" });
    kill(x.gamePid(), SIGCONT);
    EXPECT_EQ(started, "2\n") << "a stopped game kept a new one from starting";
}

} // namespace
} // namespace zorvik::e2e
