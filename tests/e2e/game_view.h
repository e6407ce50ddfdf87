// SPDX-License-Identifier: MIT
#pragma once

#include "session.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <ostream>
#include <utility>

namespace zorvik::e2e {

using namespace harness;

// A game left alone ends by itself, but the tower's ball bounces from platform to platform
// while they happen to catch it: of 200,000 games played out by the rules with no keys, the
// longest ran 1,691 ticks, 26 s at 64 ticks a second. Waits for a game's end allow more than
// twice that, for a loaded machine's late ticks.
inline constexpr std::chrono::seconds longestGame { 60 };

// Where the balls start and restart, in client pixels: their centres.
inline constexpr std::pair<double, double> towerBallHome { 205.1, 356.5 };
inline constexpr std::pair<double, double> hopperBallHome { 244.5, 244.5 };

// The ball is drawn within a pixel and a half of where it should be. A platform dealt
// against the ball at load joins its dark columns, which moves the measured centre up or down
// by as much as half a platform's height (4.5 px).
inline ::testing::AssertionResult ballAt(const Frame& frame, std::pair<double, double> centre)
{
    const auto ball = frame.ballCentre();
    if (!ball)
        return ::testing::AssertionFailure() << "no ball on screen";
    if (std::abs(ball->first - centre.first) > 1.5 || std::abs(ball->second - centre.second) > 5)
        return ::testing::AssertionFailure()
            << "ball at (" << ball->first << ", " << ball->second << "), not (" << centre.first
            << ", " << centre.second << ")";
    return ::testing::AssertionSuccess();
}

// Where the game's labels sit on screen, in client pixels (15 twips each).
struct LabelBox {
    int x, y, width, height;
};

inline constexpr LabelBox towerPrompt { 96, 240, 209, 17 };
inline constexpr LabelBox towerScore { 48, 528, 65, 12 };
inline constexpr LabelBox towerHighScore { 344, 528, 65, 12 };
inline constexpr LabelBox towerTopRows { 0, 0, 414, 150 }; // clear of the "Game Over" box
inline constexpr LabelBox hopperPrompt { 184, 184, 137, 17 };
inline constexpr LabelBox hopperScore { 64, 416, 65, 12 };
inline constexpr LabelBox hopperHighScore { 384, 416, 65, 12 };

// A label's pixels with the platforms and the ball that pass over it masked out: those are
// the only shapes with long horizontal runs, which text never has.
class LabelImage {
public:
    LabelImage(const Frame& wide, int x, int y, int width, int height)
        : width_(width)
    {
        if (wide.width() < x + width || wide.height() < y + height)
            return; // the window is gone: an empty image, equal to no other
        const unsigned background = mostCommon(wide);
        std::vector<bool> shape(static_cast<std::size_t>(wide.width() * wide.height()), false);
        const auto mark = [&](int col, int row) {
            if (col >= 0 && row >= 0 && col < wide.width() && row < wide.height())
                shape[static_cast<std::size_t>(row * wide.width() + col)] = true;
        };
        for (int row = 0; row < wide.height(); ++row) {
            int run = 0;
            for (int col = 0; col <= wide.width(); ++col) {
                if (col < wide.width() && wide.at(col, row) != background) {
                    ++run;
                    continue;
                }
                if (run >= 12) // antialiased edges are one pixel around the run
                    for (int c = col - run - 1; c <= col; ++c)
                        for (int r = row - 1; r <= row + 1; ++r)
                            mark(c, r);
                run = 0;
            }
        }
        for (int row = y; row < y + height; ++row)
            for (int col = x; col < x + width; ++col)
                pixels_.push_back(shape[static_cast<std::size_t>(row * wide.width() + col)]
                        ? masked
                        : wide.at(col, row));
    }

    // Equal where neither image is masked.
    friend bool operator==(const LabelImage& a, const LabelImage& b)
    {
        if (a.pixels_.size() != b.pixels_.size() || a.pixels_.empty())
            return false;
        for (std::size_t i = 0; i < a.pixels_.size(); ++i)
            if (a.pixels_[i] != masked && b.pixels_[i] != masked && a.pixels_[i] != b.pixels_[i])
                return false;
        return true;
    }
    // Whether a platform or the ball covers part of the label, hiding its text there.
    bool covered() const { return std::count(pixels_.begin(), pixels_.end(), masked) > 0; }
    friend void PrintTo(const LabelImage& image, std::ostream* out)
    {
        *out << "label image " << image.width_ << " wide";
    }

private:
    static constexpr unsigned masked = 0xFF000000;
    static unsigned mostCommon(const Frame& frame)
    {
        std::map<unsigned, int> counts;
        for (int row = 0; row < frame.height(); ++row)
            for (int col = 0; col < frame.width(); ++col)
                ++counts[frame.at(col, row)];
        return std::max_element(counts.begin(), counts.end(), [](auto& a, auto& b) {
            return a.second < b.second;
        })->first;
    }
    int width_;
    std::vector<unsigned> pixels_;
};

// The real game under Xvfb with both windows open and painted.
class GameTest : public ::testing::Test {
protected:
    explicit GameTest(Desktop desktop = Desktop::Bare)
        : x(sessionUnder(desktop))
    {
    }

    static SessionOptions sessionUnder(Desktop desktop)
    {
        SessionOptions options;
        options.desktop = desktop;
        return options;
    }

    void SetUp() override
    {
        x.startGame();
        tower = x.waitForWindow("Zorvik!");
        hopper = x.waitForWindow("Zorvik Again!");
    }

    LabelImage label(Window window, const LabelBox& box) const
    {
        // A margin around the label, inside the window, to see whole shapes passing over it.
        const Rect client = x.clientRect(window);
        const int left = std::max(0, box.x - 16), top = std::max(0, box.y - 2);
        const int right = std::min(client.width, box.x + box.width + 16);
        const int bottom = std::min(client.height, box.y + box.height + 2);
        const Frame wide = x.grab(window, { left, top, right - left, bottom - top });
        return LabelImage(wide, box.x - left, box.y - top, box.width, box.height);
    }

    // Whether any pixel of the region changes while we watch it.
    int countFrameChanges(
        Window window, const LabelBox& box, std::chrono::milliseconds duration) const
    {
        int changes = 0;
        Frame last = x.grab(window, { box.x, box.y, box.width, box.height });
        const auto until = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < until) {
            Frame now = x.grab(window, { box.x, box.y, box.width, box.height });
            if (now != last) {
                ++changes;
                last = std::move(now);
            }
            sleepFor(1ms);
        }
        return changes;
    }

    // The prompt's text crosses its middle row many times; a platform passing by only twice.
    bool promptShown(Window window, const LabelBox& box) const
    {
        const Frame frame = x.grab(window);
        return frame.transitions(box.y + box.height / 2, box.x - 40, box.x + box.width + 40) > 20;
    }

    // Waits until the label's pixels differ from before, or from one read to the next; false
    // if they never do. A platform dealt over the label hides its text in `before`, and a
    // score that counts on is then seen from read to read.
    bool waitForChange(Window window, const LabelBox& box, const LabelImage& before,
        std::chrono::milliseconds timeout = 2s) const
    {
        std::optional<LabelImage> last;
        return waitUntil(
            [&] {
                LabelImage now = label(window, box);
                const bool changed = now != before || (last && now != *last);
                last = std::move(now);
                return changed;
            },
            timeout, 2ms);
    }

    // Waits until the label shows exactly these pixels.
    bool waitForLabel(Window window, const LabelBox& box, const LabelImage& expected) const
    {
        return waitUntil([&] { return label(window, box) == expected; }, 2s, 5ms);
    }

    // How many times the label changes while we watch it.
    int countChanges(Window window, const LabelBox& box, std::chrono::milliseconds duration) const
    {
        int changes = 0;
        auto last = label(window, box);
        const auto until = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < until) {
            auto now = label(window, box);
            if (now != last) {
                ++changes;
                last = std::move(now);
            }
            sleepFor(1ms);
        }
        return changes;
    }

    // The ball's x in every frame we catch while the game runs, until its box opens.
    std::vector<double> ballPath(Window window, std::chrono::milliseconds duration) const
    {
        std::vector<double> path;
        const auto until = std::chrono::steady_clock::now() + duration;
        while (std::chrono::steady_clock::now() < until) {
            const Frame frame = x.grab(window);
            if (x.boxOf(window))
                break;
            if (const auto ball = frame.ballCentre())
                path.push_back(ball->first);
        }
        return path;
    }

    Window waitForBox(Window owner, std::chrono::milliseconds timeout = longestGame) const
    {
        std::optional<Window> box;
        if (!waitUntil([&] { return (box = x.boxOf(owner)).has_value(); }, timeout))
            throw std::runtime_error("no \"Game Over\" box");
        return *box;
    }

    // The box goes before its window's reset reaches the screen, and the reset may arrive in
    // more than one update; a window at rest shows the same picture twice running.
    bool waitForBoxClosed(Window owner) const
    {
        if (!waitUntil([&] { return !x.boxOf(owner); }, 3s))
            return false;
        Frame last = x.grab(owner);
        waitUntil(
            [&] {
                Frame now = x.grab(owner);
                const bool still = now == last;
                last = std::move(now);
                return still;
            },
            1s, 20ms);
        return true;
    }

    // Whether the keys typed now reach the window or its open box.
    bool keysReach(Window owner) const
    {
        const Window focused = x.focused();
        const auto box = x.boxOf(owner);
        return focused == owner || (box && focused == *box);
    }

    // Answers the window's "Game Over" box as a player does: brings the window back if the
    // keyboard is elsewhere, then types the keys (xdotool key syntax) into it.
    void answerBox(Window owner, const std::vector<std::string>& keys) const
    {
        const bool reached = waitUntil(
            [&] {
                if (keysReach(owner))
                    return true;
                x.click(owner);
                return waitUntil([&] { return keysReach(owner); }, 500ms);
            },
            6s, 0ms);
        if (!reached)
            throw std::runtime_error("the window never got the keyboard back");
        x.type(keys);
    }

    Session x;
    Window tower = 0;
    Window hopper = 0;
};

// The same, under each desktop the players use: a bare X server, window managers, XWayland.
// The desktops come from ZORVIK_E2E_DESKTOPS when it is set.
class DesktopTest : public GameTest, public ::testing::WithParamInterface<Desktop> {
protected:
    DesktopTest()
        : GameTest(GetParam())
    {
    }
};

} // namespace zorvik::e2e
