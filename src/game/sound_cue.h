// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorvik {

// The moments of play a player who cannot see the window must hear: only the rules know when
// they happen. What each sounds like is the host's business.
enum class SoundCue : std::uint8_t {
    Landing, // the ball landed on a platform
    HeadBump, // the ball hit a platform from below and was knocked back down
    Leap, // the player leapt
    LastChance, // the ball is falling with no platform left under it: leap now or lose it
};

inline constexpr int soundCueCount = 4;

} // namespace zorvik
