// SPDX-License-Identifier: MIT
#pragma once

#include <string>

namespace zorvik {

// The name the running X11 window manager gives itself (_NET_WM_NAME of the window that
// _NET_SUPPORTING_WM_CHECK names: "Openbox", "Mutter (Muffin)", "KWin", "Weston WM", ...);
// empty where there is none, or no X11. Asked of the X server the first time only.
std::string windowManagerName();

// Whether the game runs as a Wayland program (-platform wayland) rather than on X11 or
// XWayland.
bool onNativeWayland();

// Whether the desktop gives every new window the keyboard, whatever the window asks: native
// Wayland compositors, and sway's window manager for X11 programs ("wlroots wm"). A box of
// the game's own there is shown inside its window rather than as a window of its own.
bool desktopFocusesEveryNewWindow();

// Whether the desktop may maximize a window of a fixed size, and hold it to that: native
// Wayland compositors but sway, which floats such windows instead.
bool maximizedWhateverItsSize();

} // namespace zorvik
