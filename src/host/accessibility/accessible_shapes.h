// SPDX-License-Identifier: MIT
#pragma once

class QAccessibleInterface;
class QWidget;

namespace zorvik {

// A play area as a reader finds it: its labels, then the shapes its layer (a ShapeLayer child)
// draws, each a graphic named "Ball" or "Platform" whose extents are the pixels the shape is
// drawn on. The layer itself, one widget under all the shapes, is nothing a reader needs to
// know about. The layer may come after the play area's first reading.
QAccessibleInterface* playAreaInterface(QWidget& playArea);

} // namespace zorvik
