// SPDX-License-Identifier: MIT
#pragma once

#include "geometry.h"

#include <optional>
#include <string>
#include <vector>

namespace zorvik::harness {

// What a screen reader finds in the game: its windows (the two play windows, and a "Game
// Over" alert while one is open), their labels and their shapes. Boxes are on the desktop,
// in the game's own pixels (before Qt's scale).
struct AccessibleLabel {
    std::string name; // what the label is ("Score"), or its text
    std::string text;
    Rect box;
    std::optional<Rect> textBox; // from its first to its last character, where read
};

struct AccessibleShape {
    std::string name; // "Ball" or "Platform"
    Rect box; // the pixels it covers
};

struct AccessibleWindow {
    std::string role, name, description;
    Rect box;
    std::vector<AccessibleLabel> labels;
    // In the window's table order: the tower's bricks(6) .. bricks(0), the hopper's brick, and
    // the ball last.
    std::vector<AccessibleShape> shapes;

    // The text of the label with this name; empty where there is none.
    std::string text(const std::string& label) const
    {
        for (const AccessibleLabel& found : labels)
            if (found.name == label)
                return found.text;
        return {};
    }
    // The start prompt shows while it is the window's description.
    bool promptShown() const { return !description.empty(); }
    // Where the ball is, from the window's top left corner; nullopt where it was not read.
    std::optional<Rect> ball() const
    {
        for (const AccessibleShape& shape : shapes)
            if (shape.name == "Ball")
                return shape.box.relativeTo(box);
        return std::nullopt;
    }
    // Where the platforms are, from the window's top left corner, in table order.
    std::vector<Rect> platforms() const
    {
        std::vector<Rect> found;
        for (const AccessibleShape& shape : shapes)
            if (shape.name == "Platform")
                found.push_back(shape.box.relativeTo(box));
        return found;
    }
};

struct GameTree {
    std::vector<AccessibleWindow> windows;

    const AccessibleWindow* window(const std::string& name) const
    {
        for (const AccessibleWindow& found : windows)
            if (found.name == name)
                return &found;
        return nullptr;
    }
};

} // namespace zorvik::harness
