// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorvik::harness {

// Where the game runs: a bare X server, a window manager on it, or XWayland under a Wayland
// compositor (weston, mutter as GNOME's Wayland session runs it, or kwin as Plasma's does).
// Each starts on an X server of its own.
enum class Desktop { Bare, Openbox, Mutter, Weston, MutterWayland, Kwin, Xfwm4, KwinWayland };

std::string desktopName(Desktop desktop);
// How GoogleTest names a desktop in its output.
inline void PrintTo(Desktop desktop, std::ostream* out)
{
    *out << desktopName(desktop);
}
// The desktops named in a comma-separated list ("bare,openbox,mutter,weston").
std::vector<Desktop> desktopsNamed(const std::string& list);
// The command that starts the desktop's window manager on an X server, under its own D-Bus
// session; empty for a bare server and for the Wayland compositors, which the session starts
// its own way.
std::vector<std::string> windowManagerCommand(Desktop desktop);
// A Wayland compositor nested in the X server as a window of its own: the player's keys and
// clicks reach the game through the compositor's seat, and the game runs on its XWayland.
inline bool nestedCompositor(Desktop desktop)
{
    return desktop == Desktop::Weston || desktop == Desktop::MutterWayland
        || desktop == Desktop::KwinWayland;
}

} // namespace zorvik::harness
