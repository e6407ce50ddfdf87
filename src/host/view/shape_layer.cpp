// SPDX-License-Identifier: MIT
#include "host/view/shape_layer.h"

#include "host/view/shape_colour.h"

#include <QEvent>
#include <QPaintEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zorvik {

namespace {

// Widget coordinates are whole pixels and limited in range; a shape flown far away is simply
// out of sight.
constexpr double farAway = 1e6;
// Room around a shape for its antialiased edges.
constexpr int margin = 1;

bool drawable(const QRectF& shape)
{
    return std::isfinite(shape.left()) && std::isfinite(shape.top()) && std::isfinite(shape.right())
        && std::isfinite(shape.bottom());
}

// The pixels the shape touches, widened by `widen` on every side.
QRect coveringPixels(const QRectF& shape, int widen)
{
    if (!drawable(shape))
        return { static_cast<int>(farAway), static_cast<int>(farAway), 1, 1 };
    const double left = std::clamp(std::floor(shape.left()) - widen, -farAway, farAway);
    const double top = std::clamp(std::floor(shape.top()) - widen, -farAway, farAway);
    const double right = std::clamp(std::ceil(shape.right()) + widen, -farAway, farAway);
    const double bottom = std::clamp(std::ceil(shape.bottom()) + widen, -farAway, farAway);
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
        QPoint(static_cast<int>(right) - 1, static_cast<int>(bottom) - 1));
}

} // namespace

ShapeLayer::ShapeLayer(QWidget& playArea)
    : QWidget(&playArea)
    , colour_(shapeColour(palette()))
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

std::size_t ShapeLayer::add(ControlKind kind)
{
    shapes_.push_back({ kind, {} });
    return shapes_.size() - 1;
}

void ShapeLayer::place(std::size_t shape, const QRectF& pixels)
{
    QRectF& rect = shapes_[shape].rect;
    if (pixels == rect)
        return;
    const QRect was = coveringPixels(rect, margin);
    rect = pixels;
    const QRect is = coveringPixels(rect, margin);
    update(was);
    if (is != was)
        update(is);
}

QRect ShapeLayer::drawnPixels(std::size_t shape) const
{
    return coveringPixels(shapes_[shape].rect, 0);
}

void ShapeLayer::paintEvent(QPaintEvent* event)
{
    // A label repainted under the layer brings it here too, most often with no shape in sight.
    const auto inRegion = [&](const Shape& shape) {
        return drawable(shape.rect)
            && event->region().intersects(coveringPixels(shape.rect, margin));
    };
    if (std::none_of(shapes_.begin(), shapes_.end(), inRegion))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    for (const Shape& shape : shapes_) {
        if (!inRegion(shape))
            continue;
        if (shape.kind == ControlKind::Oval)
            painter.drawEllipse(shape.rect);
        else
            painter.drawRect(shape.rect);
    }
}

void ShapeLayer::changeEvent(QEvent* event)
{
    // The desktop switched between a light and a dark theme.
    if (event->type() == QEvent::PaletteChange) {
        colour_ = shapeColour(palette());
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace zorvik
