// SPDX-License-Identifier: MIT
#include "frame.h"

namespace zorvik::harness {

namespace {

bool isDarkPixel(unsigned rgb)
{
    const unsigned r = (rgb >> 16) & 0xFF, g = (rgb >> 8) & 0xFF, b = rgb & 0xFF;
    return r + g + b < 3 * 110;
}

} // namespace

bool Frame::dark(int x, int y) const
{
    return isDarkPixel(at(x, y));
}

int Frame::transitions(int y, int x0, int x1) const
{
    int count = 0;
    for (int x = x0 + 1; x < x1; ++x)
        count += dark(x, y) != dark(x - 1, y);
    return count;
}

std::optional<std::pair<double, double>> Frame::ballCentre(double scale) const
{
    const double tall = 30 * scale;
    double sumX = 0, sumY = 0;
    int columns = 0;
    for (int x = 0; x < width_; ++x) {
        int run = 0;
        for (int y = 0; y <= height_; ++y) {
            if (y < height_ && dark(x, y)) {
                ++run;
                continue;
            }
            if (run >= tall) { // the middle of a column's run is the ball's centre row
                sumX += x;
                sumY += y - 1 - (run - 1) / 2.0;
                ++columns;
            }
            run = 0;
        }
    }
    if (columns == 0)
        return std::nullopt;
    const double roughX = sumX / columns, centreY = sumY / columns;

    // A platform joined to the ball lengthens the columns on its side only, which pulls the
    // column centre sideways. Across the ball's middle rows, a row whose dark run through the
    // centre is no wider than the ball is the ball's alone, and its middle is the centre.
    const double wide = 42 * scale, reach = 14 * scale;
    double sumRowX = 0;
    int rows = 0;
    for (int y = static_cast<int>(centreY - reach); y <= static_cast<int>(centreY + reach); ++y) {
        int left = static_cast<int>(roughX), right = left;
        if (!dark(left, y))
            continue;
        while (dark(left - 1, y) && left > 0)
            --left;
        while (dark(right + 1, y) && right < width_ - 1)
            ++right;
        const int run = right - left + 1;
        if (run >= tall && run <= wide) {
            sumRowX += (left + right) / 2.0;
            ++rows;
        }
    }
    return std::make_pair(rows ? sumRowX / rows : roughX, centreY);
}

} // namespace zorvik::harness
