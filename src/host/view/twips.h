// SPDX-License-Identifier: MIT
#pragma once

#include <QRectF>

namespace zorvik {

// One device-independent pixel is 15 twips on every screen; Qt's high-DPI scaling takes care
// of dense displays.
inline constexpr double twipsPerPixel = 15.0;

inline constexpr double toPixels(double twips)
{
    return twips / twipsPerPixel;
}

inline QRectF toPixels(double left, double top, double width, double height)
{
    return { toPixels(left), toPixels(top), toPixels(width), toPixels(height) };
}

} // namespace zorvik
