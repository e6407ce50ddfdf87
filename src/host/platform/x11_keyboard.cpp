// SPDX-License-Identifier: MIT
#include "host/platform/x11_keyboard.h"

#include "host/platform/x11_connection.h"

#include <cstdlib>
#include <memory>

namespace zorvik {

std::optional<bool> keyIsDown(quint32 nativeScanCode)
{
    xcb_connection_t* connection = x11Connection();
    if (!connection || nativeScanCode == 0 || nativeScanCode > 255)
        return std::nullopt;
    const std::unique_ptr<xcb_query_keymap_reply_t, decltype(&std::free)> keymap(
        xcb_query_keymap_reply(connection, xcb_query_keymap(connection), nullptr), &std::free);
    if (!keymap)
        return std::nullopt;
    return (keymap->keys[nativeScanCode / 8] >> (nativeScanCode % 8) & 1) != 0;
}

} // namespace zorvik
