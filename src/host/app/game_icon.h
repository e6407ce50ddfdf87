// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace zorvik {

// The windows' icon: the game's drawing at every size of windowIconSizes, drawn when the game
// was built. (Once the game is installed, the icon theme holds the same drawing; looking it up
// would read the theme's whole index, many times the work of the rest of the start-up.)
QIcon gameIcon();

} // namespace zorvik
