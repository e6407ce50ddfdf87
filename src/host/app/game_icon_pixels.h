// SPDX-License-Identifier: MIT
#pragma once

#include "host/app/game_icon_drawing.h"

#include <array>
#include <cstdint>

namespace zorvik {

// The game's icon at one size, as drawGameIcon() draws it: size x size pixels, row by row,
// each 0xAARRGGBB with straight (not premultiplied) alpha, as the X window's icon wants them.
struct IconPixels {
    int size;
    const std::uint32_t* argb;
};

// Every size of windowIconSizes, smallest first; drawn when the game is built
// (write_icon_pixels).
extern const std::array<IconPixels, windowIconSizes.size()> gameIconPixels;

} // namespace zorvik
