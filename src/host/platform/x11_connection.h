// SPDX-License-Identifier: MIT
#pragma once

#include <QGuiApplication>
#include <xcb/xcb.h>

namespace zorvik {

// The running application's own X connection; null without one. The offscreen platform
// answers as X11 too, but has no connection.
inline xcb_connection_t* x11Connection()
{
    const auto* x11
        = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

} // namespace zorvik
