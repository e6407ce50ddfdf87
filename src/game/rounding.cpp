// SPDX-License-Identifier: MIT
#include "game/rounding.h"

#include <cmath>
#include <limits>

namespace zorvik {

namespace {

template <typename Int> Int roundSaturating(double value)
{
    if (std::isnan(value))
        return 0;
    // std::nearbyint rounds in the current mode, which the game never changes from
    // round-to-nearest-even.
    const double rounded = std::nearbyint(value);
    if (rounded <= static_cast<double>(std::numeric_limits<Int>::min()))
        return std::numeric_limits<Int>::min();
    if (rounded >= static_cast<double>(std::numeric_limits<Int>::max()))
        return std::numeric_limits<Int>::max();
    return static_cast<Int>(rounded);
}

} // namespace

std::int32_t roundToInt32(double value)
{
    return roundSaturating<std::int32_t>(value);
}

std::int16_t roundToInt16(double value)
{
    return roundSaturating<std::int16_t>(value);
}

} // namespace zorvik
