// SPDX-License-Identifier: MIT
#include "host/view/screen_fit.h"

#include <algorithm>

namespace zorvik {

QRect fitInside(const QRect& window, const QRect& available)
{
    if (available.isEmpty())
        return window;
    const auto fit = [](int place, int size, int areaStart, int areaSize) {
        return std::max(areaStart, std::min(place, areaStart + areaSize - size));
    };
    return { QPoint(fit(window.x(), window.width(), available.x(), available.width()),
                 fit(window.y(), window.height(), available.y(), available.height())),
        window.size() };
}

} // namespace zorvik
