// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <array>

namespace zorvik {

// The sizes the desktop's icon themes look for, in pixels.
inline constexpr std::array iconSizes { 16, 22, 24, 32, 48, 64, 128, 256 };

// The sizes the windows carry, in pixels: what title bars, panels and window switchers draw at
// scales 1 and 2. The larger theme sizes serve launchers and software centres, which take the
// theme's icon through the desktop entry; on the windows they would be nine tenths of the
// icon's pixels, copied several times over for each window as it is created.
inline constexpr std::array windowIconSizes { 16, 22, 24, 32, 48, 64 };

// The game's icon at one size: a black ball over platforms on a light tile, as in the tower.
// Up to 24 px it is drawn simpler, one ball over one platform on whole pixels, so that it still
// reads as the game. The scalable icon in packaging/ shows the same drawing as the large sizes.
QImage drawGameIcon(int size);

} // namespace zorvik
