// SPDX-License-Identifier: MIT
#pragma once

#include "game/controls.h"

#include <QColor>
#include <QRectF>
#include <QWidget>
#include <cstddef>
#include <vector>

namespace zorvik {

// The ball and the platforms of a play window: solid rectangles and ovals at fractional pixel
// positions, black or, on a dark palette, in a colour that stands out (see shapeColour). One
// widget over the whole play area draws them all, over the labels (the layouts list their
// labels first), each over the shapes added before it. Moving a shape repaints only where it
// was and where it is now. (A widget for each shape cost a fifth of the game's work while it
// plays: every tick moved eight widgets and painted each with a painter of its own.)
class ShapeLayer final : public QWidget {
    Q_OBJECT
public:
    // A child of the play area; it wants the play area's size, and raising over the labels once
    // they are there.
    explicit ShapeLayer(QWidget& playArea);

    // Adds a shape, drawn over those before it; returns its number.
    std::size_t add(ControlKind kind);
    // Places a shape; returns at once if it has not moved.
    void place(std::size_t shape, const QRectF& pixels);

    std::size_t count() const { return shapes_.size(); }
    ControlKind kind(std::size_t shape) const { return shapes_[shape].kind; }
    QRectF shapeRect(std::size_t shape) const { return shapes_[shape].rect; }
    // The whole pixels the shape is drawn on, in the layer's coordinates; for a shape placed at
    // no number at all, or far beyond any screen, a pixel far out of sight.
    QRect drawnPixels(std::size_t shape) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    struct Shape {
        ControlKind kind;
        QRectF rect;
    };

    std::vector<Shape> shapes_;
    QColor colour_;
};

} // namespace zorvik
