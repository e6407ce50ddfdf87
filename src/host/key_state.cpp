// SPDX-License-Identifier: MIT
#include "host/key_state.h"

#include <QGuiApplication>
#include <cstdlib>
#include <memory>
#include <xcb/xcb.h>

namespace zorvik {

std::optional<bool> keyIsDown(quint32 nativeScanCode)
{
    const auto* x11
        = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    // The offscreen platform answers as X11 too, with no connection.
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || nativeScanCode == 0 || nativeScanCode > 255)
        return std::nullopt;
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (!keymap)
        return std::nullopt;
    return (keymap->keys[nativeScanCode / 8] >> (nativeScanCode % 8) & 1) != 0;
}

} // namespace zorvik
