// SPDX-License-Identifier: MIT
// The desktop changing under the game: a screen that shrinks and grows again while it plays, and
// a second start on the same display.
#include "game_test.h"

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

} // namespace
} // namespace zorvik::e2e
