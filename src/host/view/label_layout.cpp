// SPDX-License-Identifier: MIT
#include "host/view/label_layout.h"

#include <algorithm>
#include <numeric>

namespace zorvik {

namespace {

QRect grownAboutCentre(const LabelFit& label)
{
    QRect box = label.layoutBox;
    const int extraWidth = label.textSize.width() - box.width();
    if (extraWidth > 0)
        box.adjust(-(extraWidth + 1) / 2, 0, extraWidth / 2, 0);
    const int extraHeight = label.textSize.height() - box.height();
    if (extraHeight > 0)
        box.adjust(0, -(extraHeight + 1) / 2, 0, extraHeight / 2);
    return box;
}

// Slides the box into the client area, or shrinks it to the area if it is larger.
QRect inside(QRect box, QSize client)
{
    box.setWidth(std::min(box.width(), client.width()));
    box.setHeight(std::min(box.height(), client.height()));
    box.moveLeft(std::clamp(box.left(), 0, client.width() - box.width()));
    box.moveTop(std::clamp(box.top(), 0, client.height() - box.height()));
    return box;
}

bool sameRow(const QRect& a, const QRect& b)
{
    return a.top() <= b.bottom() && b.top() <= a.bottom();
}

// The room to keep between two labels of a row, the left one first: the layout's, as between
// a caption and its value, but no more than a few pixels for labels far apart.
int spacing(const LabelFit& left, const LabelFit& right)
{
    constexpr int keptGap = 8;
    return std::clamp(right.layoutBox.left() - left.layoutBox.right() - 1, 0, keptGap);
}

} // namespace

std::vector<QRect> fitLabels(const std::vector<LabelFit>& labels, QSize client)
{
    std::vector<QRect> boxes;
    for (const LabelFit& label : labels)
        boxes.push_back(inside(grownAboutCentre(label), client));

    // Left to right by the layout's places: a label covering another pushes it right...
    std::vector<std::size_t> order(labels.size());
    std::iota(order.begin(), order.end(), 0);
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return labels[a].layoutBox.center().x() < labels[b].layoutBox.center().x();
    });
    for (std::size_t i = 0; i < order.size(); ++i)
        for (std::size_t j = 0; j < i; ++j) {
            const std::size_t left = order[j], right = order[i];
            const int start = boxes[left].right() + 1 + spacing(labels[left], labels[right]);
            if (sameRow(boxes[left], boxes[right]) && boxes[right].left() < start
                && boxes[right].right() >= boxes[left].left())
                boxes[right].moveLeft(std::min(start, client.width() - boxes[right].width()));
        }
    // ...and where the client's right edge stops that one, the one covering it moves left.
    for (std::size_t i = order.size(); i-- > 0;)
        for (std::size_t j = i + 1; j < order.size(); ++j) {
            const std::size_t left = order[i], right = order[j];
            const int end = boxes[right].left() - 1 - spacing(labels[left], labels[right]);
            if (sameRow(boxes[left], boxes[right]) && boxes[left].right() > end
                && boxes[left].left() <= boxes[right].right())
                boxes[left].moveRight(std::max(end, boxes[left].width() - 1));
        }
    return boxes;
}

} // namespace zorvik
