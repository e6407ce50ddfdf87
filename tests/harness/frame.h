// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <optional>
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
    bool dark(int x, int y) const;
    // Dark/light changes along one row between x0 and x1: text has many, a bar two.
    int transitions(int y, int x0, int x1) const;
    // The ball's centre: the only shape with dark runs at least 30 pixels tall at the given
    // drawing scale (two platforms stacked are 18 pixels at most, times the scale). A platform
    // joined to it moves the centre found up or down by half a platform's height at most.
    std::optional<std::pair<double, double>> ballCentre(double scale = 1) const;
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
