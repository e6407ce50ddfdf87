// SPDX-License-Identifier: MIT
#pragma once

#include "game/controls.h"

#include <QColor>
#include <QWidget>

namespace zorvik {

// A solid rectangle or oval at a fractional pixel position, black or, on a dark palette, in a
// colour that stands out (see shapeColour). The widget covers the shape's pixels plus an
// antialiasing margin, so moving it repaints only where the shape was and where it is now.
class ShapeWidget final : public QWidget {
public:
    ShapeWidget(ControlKind kind, QWidget* parent);
    // Places the shape; returns at once if it has not moved.
    void place(const QRectF& pixels);
    QRectF shapeRect() const { return shape_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    ControlKind kind_;
    QRectF shape_;
    QColor colour_;
};

} // namespace zorvik
