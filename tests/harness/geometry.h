// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

namespace zorvik::harness {

struct Point {
    double x = 0;
    double y = 0;
};

// A box of whole pixels: a window's client area, or what a label or shape covers.
struct Rect {
    int x = 0;
    int y = 0;
    int width = 0;
    int height = 0;

    Point centre() const { return { x + width / 2.0, y + height / 2.0 }; }
    bool contains(Point p) const
    {
        return p.x >= x && p.y >= y && p.x < x + width && p.y < y + height;
    }
    bool inside(const Rect& outer) const
    {
        return x >= outer.x && y >= outer.y && x + width <= outer.x + outer.width
            && y + height <= outer.y + outer.height;
    }
    bool overlaps(const Rect& other) const
    {
        return x < other.x + other.width && other.x < x + width && y < other.y + other.height
            && other.y < y + height;
    }
    // The same box measured from the origin's top-left corner.
    Rect relativeTo(const Rect& origin) const
    {
        return { x - origin.x, y - origin.y, width, height };
    }
    friend bool operator==(const Rect&, const Rect&) = default;
    friend std::ostream& operator<<(std::ostream& out, const Rect& r)
    {
        return out << r.x << "," << r.y << " " << r.width << "x" << r.height;
    }
};

} // namespace zorvik::harness
