// SPDX-License-Identifier: MIT
#include "host/platform/window_manager.h"

#include "host/platform/x11_connection.h"

#include <cstdlib>
#include <cstring>
#include <memory>

namespace zorvik {

namespace {

using Reply = std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)>;

xcb_atom_t atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(connection,
            xcb_intern_atom(connection, 0, static_cast<uint16_t>(std::strlen(name)), name),
            nullptr),
        &std::free);
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

} // namespace

std::string windowManagerName()
{
    xcb_connection_t* connection = x11Connection();
    if (!connection)
        return {};
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const Reply check = property(connection, root, atom(connection, "_NET_SUPPORTING_WM_CHECK"));
    if (!check || check->type != XCB_ATOM_WINDOW || xcb_get_property_value_length(check.get()) < 4)
        return {};
    const xcb_window_t wm = *static_cast<const xcb_window_t*>(xcb_get_property_value(check.get()));
    const Reply name = property(connection, wm, atom(connection, "_NET_WM_NAME"));
    if (!name)
        return {};
    return std::string(static_cast<const char*>(xcb_get_property_value(name.get())),
        static_cast<std::size_t>(xcb_get_property_value_length(name.get())));
}

} // namespace zorvik
