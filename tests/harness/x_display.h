// SPDX-License-Identifier: MIT
#pragma once

#include "frame.h"
#include "geometry.h"
#include "wait.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

struct _XDisplay;

namespace zorvik::harness {

// An X window id; Xlib itself stays out of the tests, its macros clash with GoogleTest.
using Window = unsigned long;

// Gives the keyboard to the one top-level window shown on that X server, once there is one.
// False if none appeared in time.
bool focusOnlyWindow(const std::string& display, std::chrono::milliseconds timeout);

// The harness's own connection to an X display: the windows on it as a window manager sees
// them, their pixels, and the requests another X client can make of them. A session whose
// game is no X11 program finds its windows its own way (Session).
class XDisplay {
public:
    XDisplay() = default;
    explicit XDisplay(const std::string& name) { connect(name); }
    virtual ~XDisplay() { disconnect(); }
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // Mapped top-level windows with their names, bottom to top: the program's own window
    // inside a window manager's frame.
    virtual std::vector<std::pair<Window, std::string>> mappedWindows() const;
    std::vector<Window> windowsNamed(const std::string& name) const;
    std::vector<std::string> stackingOrder() const;
    Window waitForWindow(const std::string& name, std::chrono::milliseconds timeout = 5s) const;
    bool waitForNoWindow(const std::string& name, std::chrono::milliseconds timeout = 5s) const;
    // The "Game Over" box that belongs to this play window, if one is open.
    std::optional<Window> boxOf(Window owner) const;
    // The window's client area on the screen.
    virtual Rect clientRect(Window window) const;
    // What of the window is on the screen; a window taller than the screen is cut at its edge.
    Frame grab(Window window) const;
    Frame grab(Window window, const Rect& part) const;
    // The window that has the keyboard focus now (0 if none).
    virtual Window focused() const;
    // Whether a window manager has announced itself on the root window.
    bool windowManagerRunning() const;

    struct Shown {
        std::chrono::steady_clock::time_point mapped;
        std::chrono::steady_clock::time_point painted;
        std::vector<std::string> order; // the names in the order their windows were mapped
    };
    // Waits until a window with each name is mapped and painted: a pixel near its bottom
    // right corner is no longer black, as a window nobody has drawn yet is (a dark theme's
    // background is not pure black). When the last was mapped and the last painted, as seen
    // from here, and in what order they were mapped; nullopt on time-out.
    std::optional<Shown> waitUntilShown(
        const std::vector<std::string>& names, std::chrono::milliseconds timeout);

    // A key pressed and released straight into the window (XSendEvent), as
    // `xdotool key --window` does: the keyboard focus stays where it is. An X keysym name.
    // Pressed only, or released only, for a key held down between the two.
    enum class KeyStroke { PressAndRelease, Press, Release };
    void sendKey(
        Window window, const std::string& key, KeyStroke stroke = KeyStroke::PressAndRelease) const;
    // What the window's close button does: a WM_DELETE_WINDOW message.
    virtual void requestClose(Window window) const;
    // Another X client destroys the window behind the game's back (`xdotool windowclose`).
    void destroy(Window window) const;
    // What a maximize button asks of the desktop: _NET_WM_STATE maximized both ways.
    virtual void requestMaximize(Window window) const;
    // Widths of the icons the window offers the desktop (_NET_WM_ICON), in pixels.
    std::vector<int> iconSizes(Window window) const;
    // The class half of the window's WM_CLASS, by which a desktop finds its desktop entry.
    virtual std::string windowClass(Window window) const;

protected:
    void connect(const std::string& name);
    void disconnect();

private:
    // The part of the window on the screen, from its top left corner.
    Rect onScreen(Window window) const;
    // The server's clock, for events the program takes as a player's.
    unsigned long serverTime() const;
    _XDisplay* connection_ = nullptr;
    Window clock_ = 0; // a window of ours whose property changes tell the server's time
};

} // namespace zorvik::harness
