// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <utility>
#include <vector>

namespace zorvik::harness {

// Pixels read from a window, 0xRRGGBB each; for what only pixels can show: colours, crisp
// edges, whether anything is painted at all.
class Frame {
public:
    Frame() = default;
    Frame(int width, int height, std::vector<unsigned> pixels)
        : width_(width)
        , height_(height)
        , pixels_(std::move(pixels))
    {
    }
    int width() const { return width_; }
    int height() const { return height_; }
    // White outside the frame.
    unsigned at(int x, int y) const
    {
        if (x < 0 || y < 0 || x >= width_ || y >= height_)
            return 0xFFFFFF;
        return pixels_[static_cast<std::size_t>(y) * static_cast<std::size_t>(width_)
            + static_cast<std::size_t>(x)];
    }
    friend bool operator==(const Frame&, const Frame&) = default;

private:
    int width_ = 0;
    int height_ = 0;
    std::vector<unsigned> pixels_;
};

} // namespace zorvik::harness
