// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <string>

namespace zorvik {

// Where the windows are to appear: the Qt platform asked for, or none, and the X display.
struct PlatformRequest {
    std::optional<std::string> platform; // -platform; else QT_QPA_PLATFORM; else xcb
    std::optional<std::string> display; // -display; else DISPLAY
    std::optional<std::string> pluginPath; // -platformpluginpath
};

// The platform Qt is to start, or the reason none can.
struct PlatformChoice {
    std::string platform; // as QT_QPA_PLATFORM takes it, with its arguments ("name:args")
    std::string problem; // one line for standard error naming what was tried; empty when fine
};

// Qt's X11 platform is the default, unless the user chose one, so the windows can sit at their
// fixed places also on a Wayland desktop (through XWayland). A single platform is left to Qt to
// start (see PlatformStartWatch): checking it here first would cost every start a connection
// to the display of its own. Of a list ("wayland;xcb") the first that can start is taken,
// checked here, since Qt would try them in turn too but complain about each one that fails. A
// platform can start when its plugin is installed and, for X11 and Wayland, its display server
// answers.
PlatformChoice choosePlatform(const PlatformRequest& request);

// Why `platform` did not start, in one line for standard error that names it: its plugin is
// not installed, or its display server does not answer; else what Qt said, `qtSaid`. For
// after Qt has failed to start it.
std::string platformProblem(
    const std::string& platform, const PlatformRequest& request, const std::string& qtSaid);

} // namespace zorvik
