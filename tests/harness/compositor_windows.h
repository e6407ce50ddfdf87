// SPDX-License-Identifier: MIT
#pragma once

#include "frame.h"
#include "geometry.h"

#include <string>
#include <vector>

namespace zorvik::harness {

// A window as the Wayland compositor sees it: what the harness knows of a native Wayland
// program's windows, which no X server holds. Read from sway's tree, or from a script kwin
// runs; both print one window a line, fields apart by tabs.
struct CompositorWindow {
    std::string id; // sway's container id (its con_id), or kwin's internal id
    std::string name;
    Rect client; // on the output, in logical pixels
    bool focused = false;
    std::string appId; // a Wayland window's app id
};

// The windows in lines printed by swayTreeCommand or kwinWindowsScript, after `prefix`.
std::vector<CompositorWindow> parseCompositorWindows(
    const std::string& printed, const std::string& prefix = {});
// The rows about `near` (where the compositor says a window is, as wide) in a picture of the
// output that are mostly as its middle row, of the play area's background: the client area.
Rect clientAreaIn(const Frame& output, const Rect& near);
// The command that prints sway's windows, one a line.
std::vector<std::string> swayTreeCommand();
// In a kwin script, the list of kwin's windows: kwin 5 calls them clients, kwin 6 windows.
inline constexpr const char* kwinWindowList
    = "(workspace.windowList ? workspace.windowList() : workspace.clientList())";
// A script for kwin that prints its windows, each line after `prefix`, and `prefix` "end" last.
std::string kwinWindowsScript(const std::string& prefix);

} // namespace zorvik::harness
