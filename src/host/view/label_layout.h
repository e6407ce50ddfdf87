// SPDX-License-Identifier: MIT
#pragma once

#include <QRect>
#include <QSize>
#include <vector>

namespace zorvik {

// A label as the layout places it and the room its text needs in the desktop's font.
struct LabelFit {
    QRect layoutBox;
    QSize textSize;
};

// Where the labels go so that none cuts its text: a label whose text is too wide or tall for
// its layout box grows about its centre, but never past the client area's edges (a label at
// an edge grows inwards), and a grown label pushes a neighbour on its row aside, keeping the
// layout's gap between them, rather than covering it. Overlaps remain only where the row is
// too narrow for all its texts.
std::vector<QRect> fitLabels(const std::vector<LabelFit>& labels, QSize client);

} // namespace zorvik
