// SPDX-License-Identifier: MIT
#pragma once

#include "game/play_window.h"

#include <array>

namespace zorvik {

// The tower: the start-up window, where seven platforms scroll down forever and come back
// above the top when they leave the bottom.
class Form1 final : public PlayWindow {
public:
    explicit Form1(FormHost& host,
        std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>());

    // Opens the hopper, then places the ball and deals out the platforms.
    void Form_Load() override;

    static constexpr int bricksUpperBound = 6;
    const std::array<Control*, bricksUpperBound + 1> bricks;

private:
    void runRuleSteps() override;
    void putShapesToResetPlaces() override;

    // Each tick, after the ball has moved: scrolls every platform down one step and tests it
    // against the ball, in index order.
    void UpdateBricks();
    // Each tick, after UpdateBricks: deals every platform that has passed the bottom edge out
    // again at a random place above the top.
    void RecycleBricks();
    // The ball's place and the six random rows; bricks(0) is the caller's, it differs
    // between load and reset.
    void placeBallAndRandomRows(float firstBrickTop);
};

} // namespace zorvik
