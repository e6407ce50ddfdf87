// SPDX-License-Identifier: MIT
#include "game_view.h"

#include <array>
#include <cstdio>

namespace zorvik::e2e {
namespace {

// Both windows open at their fixed places, the hopper first, with the game's icon at small
// and large sizes, showing their prompts, zero scores, and the ball and platforms at their
// load places.
TEST_F(GameTest, StartupShowsBothWindowsAtTheirPlaces)
{
    const ScreenRect t = x.clientRect(tower);
    EXPECT_EQ(t.x, 121);
    EXPECT_EQ(t.y, 32);
    EXPECT_EQ(t.width, 414);
    EXPECT_EQ(t.height, 548);
    const ScreenRect h = x.clientRect(hopper);
    EXPECT_EQ(h.x, 626);
    EXPECT_EQ(h.y, 59);
    EXPECT_EQ(h.width, 477);
    EXPECT_EQ(h.height, 439);

    const auto order = x.stackingOrder();
    const auto at = [&](const char* name) {
        return std::find(order.begin(), order.end(), name) - order.begin();
    };
    EXPECT_LT(at("Zorvik Again!"), at("Zorvik!")) << "the hopper is shown before the tower";

    for (const Window window : { tower, hopper }) {
        const std::vector<int> icons = x.iconSizes(window);
        EXPECT_TRUE(std::count(icons.begin(), icons.end(), 16)) << "no 16-px icon";
        EXPECT_TRUE(std::count(icons.begin(), icons.end(), 48)) << "no 48-px icon";
    }

    EXPECT_TRUE(promptShown(tower, towerPrompt));
    EXPECT_TRUE(promptShown(hopper, hopperPrompt));
    EXPECT_EQ(label(tower, towerScore), label(tower, towerHighScore)) << "both read 0";
    EXPECT_EQ(label(hopper, hopperScore), label(hopper, hopperHighScore));

    const Frame towerFrame = x.grab(tower);
    EXPECT_TRUE(ballAt(towerFrame, towerBallHome));
    EXPECT_TRUE(towerFrame.dark(201, 487)) << "bricks(0) under the ball";

    const Frame hopperFrame = x.grab(hopper);
    EXPECT_TRUE(ballAt(hopperFrame, hopperBallHome));
    EXPECT_TRUE(hopperFrame.dark(236, 412)) << "the brick at its load place";
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

} // namespace
} // namespace zorvik::e2e
