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

// The platform the program will start on, or the reason none can.
struct PlatformChoice {
    std::string platform; // as QT_QPA_PLATFORM takes it, with its arguments ("name:args")
    std::string problem; // one line for standard error naming what was tried; empty when fine
};

// Qt's X11 platform is the default, unless the user chose one, so the windows can sit at their
// fixed places also on a Wayland desktop (through XWayland). Of a list of platforms
// ("wayland;xcb") the first that can start is taken. A platform can start when its plugin is
// installed and, for X11 and Wayland, its display server answers. Checked before Qt starts,
// which would abort with pages of diagnostics.
PlatformChoice choosePlatform(const PlatformRequest& request);

} // namespace zorvik
