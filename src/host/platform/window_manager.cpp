// SPDX-License-Identifier: MIT
#include "host/platform/window_manager.h"

#include "host/platform/sway_placement.h"
#include "host/platform/x11_connection.h"

#include <QGuiApplication>
#include <cstdlib>
#include <cstring>
#include <memory>

namespace zorvik {

namespace {

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

using AtomReply = std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)>;

xcb_intern_atom_cookie_t askAtom(xcb_connection_t* connection, const char* name)
{
    return xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name);
}

xcb_atom_t atom(xcb_connection_t* connection, xcb_intern_atom_cookie_t asked)
{
    const AtomReply reply(xcb_intern_atom_reply(connection, asked, nullptr), &std::free);
    return reply ? reply->atom : xcb_atom_t { XCB_ATOM_NONE };
}

Reply property(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t name)
{
    return Reply(
        xcb_get_property_reply(connection,
            xcb_get_property(connection, 0, window, name, XCB_GET_PROPERTY_TYPE_ANY, 0, 256),
            nullptr),
        &std::free);
}

std::string askWindowManagerName(xcb_connection_t* connection)
{
    // Both atoms asked for at once: one wait for the server instead of two.
    const xcb_intern_atom_cookie_t checkAtom = askAtom(connection, "_NET_SUPPORTING_WM_CHECK");
    const xcb_intern_atom_cookie_t nameAtom = askAtom(connection, "_NET_WM_NAME");
    const xcb_atom_t check = atom(connection, checkAtom);
    const xcb_atom_t name = atom(connection, nameAtom);
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Reply wmWindow = property(connection, root, check);
    if (!wmWindow || wmWindow->type != XCB_ATOM_WINDOW
        || xcb_get_property_value_length(wmWindow.get()) < 4)
        return {};
    const xcb_window_t wm
        = *static_cast<const xcb_window_t*>(xcb_get_property_value(wmWindow.get()));
    const Reply wmName = property(connection, wm, name);
    if (!wmName)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(wmName.get())),
        static_cast<std::size_t>(xcb_get_property_value_length(wmName.get())));
}

} // namespace

std::string windowManagerName()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    // Asked once: what it is used for, telling weston's window manager, cannot change while
    // the game runs, since weston's manager runs only on the X server weston starts.
    static const std::string name = askWindowManagerName(connection);
    return name;
}

bool onNativeWayland()
{
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

bool desktopFocusesEveryNewWindow()
{
    // weston's manager hands new dialogs the keyboard too, but leaves a utility window alone:
    // the box stays a window there (see GameOverBox).
    return onNativeWayland() || windowManagerName() == "wlroots wm";
}

bool maximizedWhateverItsSize()
{
    return onNativeWayland() && !SwayPlacement::available();
}

} // namespace zorvik
