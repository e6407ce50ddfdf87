// SPDX-License-Identifier: MIT
#pragma once

#include <string>
#include <utility>

namespace zorvik {

enum class ControlKind { Label, Rectangle, Oval };

enum class LabelFont {
    WindowDefault, // the desktop's sans-serif at 8.25 pt
    Bold, // the same, bold
};

// One entry of a window's layout table. Positions and sizes are in twips
// (15 twips to a device-independent pixel). The host draws controls in table order,
// later over earlier, and redraws whatever the rules changed after each event.
struct Control {
    ControlKind kind = ControlKind::Label;
    std::string name;
    int index = -1; // position in a control array, -1 for a single control
    float Left = 0;
    float Top = 0;
    float Width = 0;
    float Height = 0;
    std::string Caption; // labels only
    LabelFont font = LabelFont::WindowDefault;
    bool Visible = true;
};

// A label row of a layout table; every label of the game is 255 twips high.
inline Control labelRow(
    std::string name, float left, float top, float width, std::string caption, LabelFont font)
{
    return { ControlKind::Label, std::move(name), -1, left, top, width, 255, std::move(caption),
        font, true };
}

// A shape row of a layout table; index -1 for a shape outside a control array.
inline Control shapeRow(
    ControlKind kind, std::string name, int index, float left, float top, float width, float height)
{
    return { kind, std::move(name), index, left, top, width, height, {}, {}, true };
}

struct Timer {
    int Interval = 0; // milliseconds as requested; the host ticks at most 64 times a second
    bool Enabled = false;
};

// Where and how large a window is, in twips.
struct WindowFrame {
    std::string caption;
    float clientLeft = 0;
    float clientTop = 0;
    float clientWidth = 0;
    float clientHeight = 0;
};

} // namespace zorvik
