// SPDX-License-Identifier: MIT
#pragma once

#include <string>

class QWindow;

namespace zorvik {

// The name the running X11 window manager gives itself (_NET_WM_NAME of the window that
// _NET_SUPPORTING_WM_CHECK names: "Openbox", "Mutter (Muffin)", "KWin", "Weston WM", ...);
// empty where there is none, or no X11. Asked of the X server the first time only.
std::string windowManagerName();

// Whether the desktop gives every new window the keyboard, whatever the window asks: native
// Wayland compositors, and sway's window manager for X11 programs ("wlroots wm"). A box of
// the game's own there is shown inside its window rather than as a window of its own.
bool desktopFocusesEveryNewWindow();

// Whether Qt draws the window's title bar itself: on a Wayland compositor that leaves the
// decorations to the program (weston, mutter).
bool drawsItsOwnTitleBar(const QWindow& window);

} // namespace zorvik
