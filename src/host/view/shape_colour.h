// SPDX-License-Identifier: MIT
#pragma once

#include <QColor>

class QPalette;

namespace zorvik {

// The contrast between two colours as the web's accessibility guidelines define it, from 1
// (none) to 21 (black on white).
double contrastRatio(const QColor& a, const QColor& b);

// The colour the ball and the platforms are drawn in: black, as the layouts have it, unless
// black would not stand out 3:1 against the window's background (a dark desktop theme); then
// the palette's text colour, or white should that not stand out either.
QColor shapeColour(const QPalette& palette);

} // namespace zorvik
