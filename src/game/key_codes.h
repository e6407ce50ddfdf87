// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorvik {

// Virtual key codes the play windows react to; every other key passes its own code and
// changes nothing.
using KeyCode = std::uint16_t;

namespace keys {
inline constexpr KeyCode Return = 13;
inline constexpr KeyCode Left = 37;
inline constexpr KeyCode Up = 38;
inline constexpr KeyCode Right = 39;
inline constexpr KeyCode Down = 40;
} // namespace keys

} // namespace zorvik
