// SPDX-License-Identifier: MIT
#include "host/view/shape_colour.h"

#include <QPalette>
#include <algorithm>
#include <array>

namespace zorvik {

namespace {

// Graphics that carry meaning need this much contrast against what is around them.
constexpr double legibleContrast = 3.0;

// x^(1/5) for x in (0, 1], by Newton's method: usable while compiling.
constexpr double fifthRoot(double x)
{
    double root = 1;
    for (int step = 0; step < 64; ++step)
        root -= (root * root * root * root * root - x) / (5 * root * root * root * root);
    return root;
}

// An 8-bit sRGB channel as linear light. Worked out while compiling: a run-time pow would
// bring a part of the maths library into memory for a handful of colours.
constexpr std::array<double, 256> linearChannels = [] {
    std::array<double, 256> table {};
    for (int level = 0; level < 256; ++level) {
        const double channel = level / 255.0;
        const double base = (channel + 0.055) / 1.055; // to the power 2.4 = 2 + 2/5
        table[level] = channel <= 0.04045 ? channel / 12.92 : base * base * fifthRoot(base * base);
    }
    return table;
}();

double relativeLuminance(const QColor& colour)
{
    const QColor rgb = colour.toRgb();
    return 0.2126 * linearChannels[rgb.red()] + 0.7152 * linearChannels[rgb.green()]
        + 0.0722 * linearChannels[rgb.blue()];
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
