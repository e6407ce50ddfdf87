// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>

namespace zorvik {

// The window moved, never resized, as little as it takes to lie inside the screen's available
// area. A window larger than the area keeps its top-left corner on screen, where its title bar
// and its first rows are.
QRect fitInside(const QRect& window, const QRect& available);

} // namespace zorvik
