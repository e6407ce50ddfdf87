// SPDX-License-Identifier: MIT
#pragma once

#include "game/collision.h"
#include "game/play_window.h"

namespace zorvik::bench {

// Called after each tick: a falling ball that reaches the lower part of the window springs up
// as if it had landed, so a long run of ticks never ends the game and the ball keeps crossing
// the platforms.
inline void keepBallInPlay(PlayWindow& window, float clientHeight)
{
    if (window.ySpeed > 0 && window.ball.Top > clientHeight - 2 * window.ball.Height)
        window.ySpeed = landingSpeed;
}

} // namespace zorvik::bench
