// SPDX-License-Identifier: MIT
#include "game/play_rect.h"

#include "game/rounding.h"

#include <algorithm>

namespace zorvik {

PlayRect PlayRect::of(const Control& shape)
{
    // The far edges are summed in single precision, as the positions are stored.
    const float right = shape.Left + shape.Width;
    const float bottom = shape.Top + shape.Height;
    return { roundToInt32(shape.Left), roundToInt32(shape.Top), roundToInt32(right),
        roundToInt32(bottom) };
}

bool IntersectRect(const PlayRect& first, const PlayRect& second)
{
    // Widen to 64 bits: saturated edges must not overflow the subtraction.
    const std::int64_t left = std::max(first.left, second.left);
    const std::int64_t right = std::min(first.right, second.right);
    const std::int64_t top = std::max(first.top, second.top);
    const std::int64_t bottom = std::min(first.bottom, second.bottom);
    return right - left > 0 && bottom - top > 0;
}

} // namespace zorvik
