// SPDX-License-Identifier: MIT
#include "host/platform/window_class.h"

#include "host/platform/x11_connection.h"

#include <QGuiApplication>
#include <QWidget>

namespace zorvik {

void nameWindowClass(QWidget& window)
{
    xcb_connection_t* connection = x11Connection();
    const QString appId = QGuiApplication::desktopFileName();
    if (!connection || appId.isEmpty())
        return;
    // Instance and class, each ending in a null byte.
    const QByteArray wmClass
        = QGuiApplication::applicationName().toUtf8() + '\0' + appId.toUtf8() + '\0';
    xcb_change_property(connection, XCB_PROP_MODE_REPLACE,
        static_cast<xcb_window_t>(window.winId()), XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
        static_cast<uint32_t>(wmClass.size()), wmClass.constData());
}

} // namespace zorvik
