// SPDX-License-Identifier: MIT
#pragma once

#include "game/controls.h"

#include <cstdint>

namespace zorvik {

// A shape's rectangle in whole twips, for the overlap test.
struct PlayRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    static PlayRect of(const Control& shape);
    friend bool operator==(const PlayRect&, const PlayRect&) = default;
};

// True only when the overlap has positive width and height: rectangles that merely
// touch along an edge do not intersect.
bool IntersectRect(const PlayRect& first, const PlayRect& second);

} // namespace zorvik
