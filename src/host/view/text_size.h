// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QSize>
#include <QString>

namespace zorvik {

// The whole pixels `text` covers in `font`, fractions of a pixel rounded up: its advance as
// drawn, and the font's line height.
//
// A score changes 64 times a second in each window, and shaping every one of its captions only
// to learn its width was a fifteenth of the game's work per tick. Where a font sets every pair
// of digits exactly as wide as the two digits' own advances (no kerning between digits, as with
// the tabular figures of nearly every font), a string of digits is as wide as the sum of its
// digits: those come from a table made once per font. Any other text, or a font that kerns
// digits, is shaped as before.
QSize textSize(const QFont& font, const QString& text);

} // namespace zorvik
