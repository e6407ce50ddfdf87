// SPDX-License-Identifier: MIT
#include "host/display_check.h"

#include <cstdlib>
#include <string_view>
#include <xcb/xcb.h>

namespace zorvik {

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

} // namespace

void preferX11Platform()
{
    if (environment("QT_QPA_PLATFORM").empty())
        setenv("QT_QPA_PLATFORM", "xcb", 1);
}

std::string displayProblem()
{
    const std::string platform = environment("QT_QPA_PLATFORM");
    if (platform.rfind("xcb", 0) != 0)
        return {}; // offscreen, wayland and the rest report for themselves
    const std::string display = environment("DISPLAY");
    if (display.empty())
        return "zorvik: no display: DISPLAY is not set, so there is no X server (or XWayland) to "
               "open the windows on";
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return "zorvik: no display: cannot connect to the X server at DISPLAY=" + display;
    return {};
}

} // namespace zorvik
