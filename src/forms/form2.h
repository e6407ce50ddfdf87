// SPDX-License-Identifier: MIT
#pragma once

#include "game/play_window.h"

namespace zorvik {

// The hopper: one platform that stays put until the ball lands on it, then jumps to a new
// random place.
class Form2 final : public PlayWindow {
public:
    explicit Form2(FormHost& host,
        std::unique_ptr<RandomSource> random = std::make_unique<ClockSeededRandom>());

    void Form_Load() override;

    Control& brick;

private:
    void runRuleSteps() override;
    void putShapesToResetPlaces() override;

    // Each tick, after the ball has moved: a landing springs the ball up and moves the
    // brick; a hit from below or the side changes nothing.
    void CheckLanding();
};

} // namespace zorvik
