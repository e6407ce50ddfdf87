// SPDX-License-Identifier: MIT
#pragma once

#include "x_session.h"

#include <gtest/gtest.h>

namespace zorvik::e2e {

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

// The real game under Xvfb with both windows open and painted.
class GameTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        x.startGame();
        tower = x.waitForWindow("Zorvik!");
        hopper = x.waitForWindow("Zorvik Again!");
    }

    std::vector<unsigned> label(Window window, const LabelBox& box) const
    {
        return x.grab(window, box.x, box.y, box.width, box.height).region(0, 0, box.width, box.height);
    }

    // The prompt's text crosses its middle row many times; a platform passing by only twice.
    bool promptShown(Window window, const LabelBox& box) const
    {
        const Frame frame = x.grab(window);
        return frame.transitions(box.y + box.height / 2, box.x - 40, box.x + box.width + 40) > 20;
    }

    // Waits until the label's pixels differ from before; false if they never do.
    bool waitForChange(Window window, const LabelBox& box, const std::vector<unsigned>& before,
        std::chrono::milliseconds timeout = 2s) const
    {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            if (label(window, box) != before)
                return true;
            sleepFor(2ms);
        }
        return false;
    }

    // Waits until the label shows exactly these pixels.
    bool waitForLabel(Window window, const LabelBox& box, const std::vector<unsigned>& expected) const
    {
        const auto until = std::chrono::steady_clock::now() + 2s;
        while (std::chrono::steady_clock::now() < until) {
            if (label(window, box) == expected)
                return true;
            sleepFor(5ms);
        }
        return false;
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

    Window waitForBox(Window owner, std::chrono::milliseconds timeout = 10s) const
    {
        const auto until = std::chrono::steady_clock::now() + timeout;
        while (std::chrono::steady_clock::now() < until) {
            if (const auto box = x.boxOf(owner))
                return *box;
            sleepFor(10ms);
        }
        throw std::runtime_error("no \"Game Over\" box");
    }

    bool waitForBoxClosed(Window owner) const
    {
        const auto until = std::chrono::steady_clock::now() + 3s;
        while (std::chrono::steady_clock::now() < until) {
            if (!x.boxOf(owner))
                return true;
            sleepFor(10ms);
        }
        return false;
    }

    XSession x;
    Window tower = 0;
    Window hopper = 0;
};

} // namespace zorvik::e2e
