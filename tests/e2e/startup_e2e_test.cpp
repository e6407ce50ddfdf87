// SPDX-License-Identifier: MIT
#include "game_test.h"

#include <array>
#include <cstdio>

namespace zorvik::e2e {
namespace {

// Where a desktop puts a client area asked for at (x, y): where asked, but for its own rules.
Rect placeUnder(Desktop desktop, Rect asked)
{
    switch (desktop) {
    case Desktop::Mutter: // a 37-px title bar stays on screen
    case Desktop::MutterWayland:
    case Desktop::Kwin:
    case Desktop::KwinWayland:
        asked.y = std::max(asked.y, 37);
        return asked;
    case Desktop::Weston: // XWayland windows land off by weston's frame
        asked.x += 6;
        asked.y += 27;
        return asked;
    case Desktop::SwayNative: // a Wayland window never learns of the frame sway puts where asked
        asked.x += 2;
        asked.y += 25;
        return asked;
    default:
        return asked;
    }
}

// Both windows open at their fixed places, the hopper first, with the game's icon at small
// and large sizes, showing their prompts, zero scores, and the ball and platforms at their
// load places.
TEST_P(DesktopTest, StartupShowsBothWindowsAtTheirPlaces)
{
    const auto expectAt = [&](Window window, Rect asked) {
        const Rect place = placeUnder(x.desktop(), asked);
        // weston's shell puts a new XWayland window where it likes for a frame or so before
        // the window's own place reaches it.
        Rect got;
        waitUntil([&] { return (got = x.clientRect(window)) == place; }, 1s);
        EXPECT_EQ(got.x, place.x);
        EXPECT_EQ(got.y, place.y);
        EXPECT_EQ(got.width, place.width);
        EXPECT_EQ(got.height, place.height);
    };
    expectAt(tower, { 121, 32, 414, 548 });
    expectAt(hopper, { 626, 59, 477, 439 });

    EXPECT_EQ(started.shown.order, (std::vector<std::string> { "Zorvik Again!", "Zorvik!" }))
        << "the hopper is shown before the tower";

    for (const Window window : { tower, hopper }) {
        // A Wayland window has no icon of its own: the desktop finds it by the app id.
        const std::vector<int> icons
            = nativeWayland(x.desktop()) ? std::vector { 16, 48 } : x.iconSizes(window);
        EXPECT_TRUE(std::count(icons.begin(), icons.end(), 16)) << "no 16-px icon";
        EXPECT_TRUE(std::count(icons.begin(), icons.end(), 48)) << "no 48-px icon";
        EXPECT_EQ(x.windowClass(window), "io.github.zorvik.zorvik")
            << "the desktop entry's StartupWMClass names no window";
    }

    const AccessibleWindow towerRead = read(tower), hopperRead = read(hopper);
    for (const AccessibleWindow* window : { &towerRead, &hopperRead }) {
        SCOPED_TRACE(window->name);
        EXPECT_TRUE(window->promptShown());
        EXPECT_EQ(window->text("Score"), "0");
        EXPECT_EQ(window->text("High Score"), "0");
    }
    EXPECT_TRUE(ballAt(towerRead.ball(), towerBallHome));
    ASSERT_EQ(towerRead.platforms().size(), 7u);
    EXPECT_TRUE(towerRead.platforms().back().contains({ 201, 487 })) << "bricks(0) under the ball";
    EXPECT_TRUE(ballAt(hopperRead.ball(), hopperBallHome));
    ASSERT_EQ(hopperRead.platforms().size(), 1u);
    EXPECT_TRUE(hopperRead.platforms().front().contains({ 236, 412 }))
        << "the brick at its load place";
}

// Without any display the program says so in one line and exits with status 1.
TEST(NoDisplay, SaysSoAndExitsOne)
{
    for (const char* display : { "", ":97" }) {
        const std::string command = "env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY='"
            + std::string(display) + "' '" + gameBinary() + "' 2>&1; echo \"status=$?\"";
        FILE* pipe = popen(command.c_str(), "r");
        ASSERT_NE(pipe, nullptr);
        std::string output;
        std::array<char, 512> buffer {};
        while (fgets(buffer.data(), buffer.size(), pipe))
            output += buffer.data();
        pclose(pipe);
        EXPECT_NE(output.find("status=1\n"), std::string::npos) << output;
        EXPECT_NE(output.find("no display"), std::string::npos) << output;
        EXPECT_EQ(std::count(output.begin(), output.end(), '\n'), 2) << output;
    }
}

// sway's output scale: 1, which XWayland's windows match, and 2, which they do not.
class ScaledSway : public ::testing::TestWithParam<int> { };
INSTANTIATE_TEST_SUITE_P(
    Desktops, ScaledSway, ::testing::Values(1, 2), [](const ::testing::TestParamInfo<int>& info) {
        return "sway_at_scale_" + std::to_string(info.param);
    });

// Where the desktop enlarges XWayland's windows, blurred, the game says once, after its windows
// are up, how to play sharp; where it does not, nothing.
TEST_P(ScaledSway, SaysOnceWhenTheDesktopBlursTheGame)
{
    const std::vector<Desktop> desktops = desktopsUnderTest();
    if (std::find(desktops.begin(), desktops.end(), Desktop::Sway) == desktops.end())
        GTEST_SKIP() << "sway is not among the desktops under test";
    SessionOptions options;
    options.desktop = Desktop::Sway;
    options.outputScale = GetParam();
    Session x(options);
    const std::string advice = "zorvik: the desktop scales its screen by 2, which blurs X11 "
                               "programs; for sharp windows start the game with -platform "
                               "wayland, or let X11 programs scale themselves in the desktop's "
                               "display settings\n";
    // Until the windows are up and the line is there, or for some seconds where it never comes.
    const std::string said = x.captureTool({ "sh", "-c",
        "err=$(mktemp); '" + gameBinary()
            + "' 2>$err >/dev/null & "
              "timeout 20 xdotool search --sync --onlyvisible --name '^Zorvik!$' >/dev/null; "
              "for i in $(seq 30); do grep -q 'zorvik: the desktop' $err && break; sleep 0.1; "
              "done; "
              "kill $!; wait; cat $err; rm $err" });
    const auto times = [&said](const std::string& line) {
        std::size_t count = 0;
        for (auto at = said.find(line); at != std::string::npos; at = said.find(line, at + 1))
            ++count;
        return count;
    };
    EXPECT_EQ(times(advice), GetParam() == 2 ? 1u : 0u) << said;
    EXPECT_EQ(times("zorvik:"), times(advice)) << said;
}

} // namespace
} // namespace zorvik::e2e
