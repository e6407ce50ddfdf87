// SPDX-License-Identifier: MIT
#pragma once

#include "geometry.h"

#include <string>
#include <vector>

namespace zorvik::harness {

// A window as sway sees it: what the harness knows of a native Wayland program's windows,
// which no X server holds.
struct SwayView {
    unsigned long id = 0; // sway's container id, which its commands take as con_id
    std::string name;
    Rect client; // on the output, in logical pixels
    bool focused = false;
    std::string appId; // a Wayland window's app id; an X11 window's class
};

// The windows in sway's tree, parsed from what `tree` printed (see swayTreeCommand).
std::vector<SwayView> parseSwayViews(const std::string& printed);
// The command that prints sway's windows for parseSwayViews, one a line.
std::vector<std::string> swayTreeCommand();

} // namespace zorvik::harness
