// SPDX-License-Identifier: MIT
#include "host/app/game_icon_drawing.h"

#include <QPainter>
#include <QPainterPath>
#include <cmath>

namespace zorvik {

namespace {

const QColor tile(0xee, 0xf2, 0xf6);
const QColor edge(0xb8, 0xc2, 0xcc);
const QColor ink(Qt::black);

// The large drawing, on a 128-unit square: the tile, the ball and two platforms offset like the
// tower's. The same numbers are in the scalable icon.
void drawLarge(QPainter& painter, int size)
{
    painter.scale(size / 128.0, size / 128.0);
    painter.setPen(QPen(edge, 3));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(6, 6, 116, 116), 22, 22);
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QPointF(46, 45), 17, 17);
    painter.drawRect(QRectF(22, 70, 50, 11));
    painter.drawRect(QRectF(60, 95, 46, 11));
}

// The small drawing, on a 16-unit square with every edge rounded to a whole pixel: the ball
// and two short, thick platforms, offset so that the ball never reads as a head on a body.
void drawSmall(QPainter& painter, int size)
{
    const double unit = size / 16.0;
    const auto px = [unit](double units) { return std::round(units * unit); };
    painter.setPen(QPen(edge, 1));
    painter.setBrush(tile);
    painter.drawRoundedRect(QRectF(0.5, 0.5, size - 1, size - 1), px(3), px(3));
    painter.setPen(Qt::NoPen);
    painter.setBrush(ink);
    painter.drawEllipse(QRectF(px(3), px(2), px(6), px(6)));
    painter.drawRect(QRectF(px(2), px(9), px(8), px(2)));
    painter.drawRect(QRectF(px(8), px(12), px(6), px(2)));
}

} // namespace

QImage drawGameIcon(int size)
{
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    if (size <= 24)
        drawSmall(painter, size);
    else
        drawLarge(painter, size);
    return image;
}

} // namespace zorvik
