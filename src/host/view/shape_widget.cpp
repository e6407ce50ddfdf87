// SPDX-License-Identifier: MIT
#include "host/view/shape_widget.h"

#include "host/accessibility/accessible_widgets.h"
#include "host/view/shape_colour.h"

#include <QEvent>
#include <QPainter>
#include <algorithm>
#include <cmath>

namespace zorvik {

namespace {

// Widget geometry is whole pixels and limited in range; a ball flown far away simply
// parks its widget just outside the window.
constexpr double farAway = 1e6;
// Room around the shape for its antialiased edges.
constexpr int margin = 1;

QRect coveringPixels(const QRectF& shape)
{
    // A place that is no number at all cannot be drawn anywhere: out of sight.
    if (!std::isfinite(shape.left()) || !std::isfinite(shape.top()) || !std::isfinite(shape.right())
        || !std::isfinite(shape.bottom()))
        return { static_cast<int>(farAway), static_cast<int>(farAway), 1, 1 };
    const double left = std::clamp(std::floor(shape.left()) - margin, -farAway, farAway);
    const double top = std::clamp(std::floor(shape.top()) - margin, -farAway, farAway);
    const double right = std::clamp(std::ceil(shape.right()) + margin, -farAway, farAway);
    const double bottom = std::clamp(std::ceil(shape.bottom()) + margin, -farAway, farAway);
    return QRect(QPoint(static_cast<int>(left), static_cast<int>(top)),
        QPoint(static_cast<int>(right) - 1, static_cast<int>(bottom) - 1));
}

} // namespace

ShapeWidget::ShapeWidget(ControlKind kind, QWidget* parent)
    : QWidget(parent)
    , kind_(kind)
    , colour_(shapeColour(palette()))
{
    describeShape(*this, kind == ControlKind::Oval);
    setContentsMargins(margin, margin, margin, margin);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
}

void ShapeWidget::place(const QRectF& pixels)
{
    if (pixels == shape_ && isVisible())
        return;
    const bool sameCover = coveringPixels(pixels) == geometry();
    shape_ = pixels;
    if (sameCover)
        update();
    else
        setGeometry(coveringPixels(pixels));
}

void ShapeWidget::paintEvent(QPaintEvent*)
{
    if (!std::isfinite(shape_.left()) || !std::isfinite(shape_.top()))
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour_);
    const QRectF local = shape_.translated(-QPointF(pos()));
    if (kind_ == ControlKind::Oval)
        painter.drawEllipse(local);
    else
        painter.drawRect(local);
}

void ShapeWidget::changeEvent(QEvent* event)
{
    // The desktop switched between a light and a dark theme.
    if (event->type() == QEvent::PaletteChange) {
        colour_ = shapeColour(palette());
        update();
    }
    QWidget::changeEvent(event);
}

} // namespace zorvik
