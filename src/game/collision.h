// SPDX-License-Identifier: MIT
#pragma once

#include "game/controls.h"
#include "game/play_rect.h"
#include "game/speed.h"

namespace zorvik {

enum class Contact { None, Landing, HeadBump, Side };

// Speed the ball takes when it lands on top of a platform.
inline constexpr Speed landingSpeed = -200;

// Classifies the contact of the ball with one platform by the smallest overlap depth: the
// top edge (landing, which also wins ties), the bottom edge (head bump), or a side.
// ballRect is the ball's rectangle, built by the caller; ball and platform give the
// positions the depths are measured from.
Contact classifyContact(const PlayRect& ballRect, const Control& ball, const Control& platform);

// Applies the response to ySpeed: a landing sets it to landingSpeed; a head bump negates
// it when the window bumps heads at all; a side contact changes nothing.
Contact collide(const PlayRect& ballRect, const Control& ball, const Control& platform,
    Speed& ySpeed, bool headBumps);

} // namespace zorvik
