// SPDX-License-Identifier: MIT
#include "desktop.h"

#include <sstream>
#include <stdexcept>

namespace zorvik::harness {

namespace {

struct DesktopCommand {
    Desktop desktop;
    const char* name;
    std::vector<std::string> command;
};

const std::vector<DesktopCommand>& desktopCommands()
{
    static const std::vector<DesktopCommand> commands {
        { Desktop::Bare, "bare", {} },
        { Desktop::Openbox, "openbox", { "openbox" } },
        { Desktop::Mutter, "mutter", { "mutter", "--x11", "--replace" } },
        { Desktop::Weston, "weston", {} },
        { Desktop::MutterWayland, "mutter_wayland", {} },
        { Desktop::Kwin, "kwin", { "env", "KWIN_COMPOSE=N", "kwin_x11", "--replace" } },
        { Desktop::Xfwm4, "xfwm4", { "xfwm4", "--compositor=off" } },
        { Desktop::KwinWayland, "kwin_wayland", {} },
        { Desktop::Sway, "sway", {} },
        { Desktop::SwayNative, "sway_native", {} },
        { Desktop::KwinNative, "kwin_native", {} },
    };
    return commands;
}

const DesktopCommand& commandOf(Desktop desktop)
{
    for (const DesktopCommand& command : desktopCommands())
        if (command.desktop == desktop)
            return command;
    throw std::logic_error("unknown desktop");
}

} // namespace

std::string desktopName(Desktop desktop)
{
    return commandOf(desktop).name;
}

std::vector<std::string> windowManagerCommand(Desktop desktop)
{
    std::vector<std::string> command = commandOf(desktop).command;
    if (!command.empty())
        command.insert(command.begin(), { "dbus-run-session", "--" });
    return command;
}

std::vector<Desktop> desktopsNamed(const std::string& list)
{
    std::vector<Desktop> desktops;
    std::stringstream names(list);
    for (std::string name; std::getline(names, name, ',');) {
        bool known = false;
        for (const DesktopCommand& command : desktopCommands())
            if (name == command.name) {
                desktops.push_back(command.desktop);
                known = true;
            }
        if (!known)
            throw std::invalid_argument("no desktop named '" + name + "'");
    }
    return desktops;
}

} // namespace zorvik::harness
