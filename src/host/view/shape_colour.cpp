// SPDX-License-Identifier: MIT
#include "host/view/shape_colour.h"

#include <QPalette>
#include <algorithm>
#include <cmath>

namespace zorvik {

namespace {

// Graphics that carry meaning need this much contrast against what is around them.
constexpr double legibleContrast = 3.0;

double linear(double channel)
{
    return channel <= 0.04045 ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
}

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linear(rgb.redF()) + 0.7152 * linear(rgb.greenF())
        + 0.0722 * linear(rgb.blueF());
}

} // namespace

double contrastRatio(const QColor& a, const QColor& b)
{
    const double la = relativeLuminance(a), lb = relativeLuminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

QColor shapeColour(const QPalette& palette)
{
    const QColor background = palette.color(QPalette::Window);
    for (const QColor& candidate : { QColor(Qt::black), palette.color(QPalette::WindowText) })
        if (contrastRatio(candidate, background) >= legibleContrast)
            return candidate;
    return contrastRatio(Qt::white, background) > contrastRatio(Qt::black, background)
        ? QColor(Qt::white)
        : QColor(Qt::black);
}

} // namespace zorvik
