// SPDX-License-Identifier: MIT
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace zorvik {

// Speeds are signed 16-bit. Arithmetic that would leave the range saturates at its end
// instead of stopping the game: a ball that fast simply drops out.
using Speed = std::int16_t;

constexpr Speed saturateSpeed(long long value)
{
    return static_cast<Speed>(std::clamp<long long>(
        value, std::numeric_limits<Speed>::min(), std::numeric_limits<Speed>::max()));
}

constexpr Speed addSpeed(Speed speed, int delta)
{
    return saturateSpeed(static_cast<long long>(speed) + delta);
}

constexpr Speed negateSpeed(Speed speed)
{
    return saturateSpeed(-static_cast<long long>(speed));
}

} // namespace zorvik
