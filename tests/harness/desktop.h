// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace zorvik::harness {

// Where the game runs: a bare X server, a window manager on it, or XWayland under a Wayland
// compositor (weston, mutter as GNOME's Wayland session runs it, kwin as Plasma's does, or
// sway, which tiles); or sway and kwin with the game as a native Wayland program. Each starts
// on an X server of its own.
enum class Desktop {
    Bare,
    Openbox,
    Mutter,
    Weston,
    MutterWayland,
    Kwin,
    Xfwm4,
    KwinWayland,
    Sway,
    SwayNative,
    KwinNative,
};

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
// The game runs as a Wayland program, not on XWayland: no X server holds its windows.
inline bool nativeWayland(Desktop desktop)
{
    return desktop == Desktop::SwayNative || desktop == Desktop::KwinNative;
}
// A Wayland compositor nested in the X server as a window of its own: the player's keys and
// clicks reach the game through the compositor's seat, and the game runs on its XWayland.
inline bool nestedCompositor(Desktop desktop)
{
    return desktop == Desktop::Weston || desktop == Desktop::MutterWayland
        || desktop == Desktop::KwinWayland || desktop == Desktop::Sway || nativeWayland(desktop);
}
// Where every new window takes the keyboard, the game draws its box inside its window.
inline bool boxesInsideWindows(Desktop desktop)
{
    return desktop == Desktop::Sway || nativeWayland(desktop);
}

} // namespace zorvik::harness
