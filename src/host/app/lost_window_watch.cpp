// SPDX-License-Identifier: MIT
#include "host/app/lost_window_watch.h"

#include <QApplication>
#include <QMetaObject>
#include <QWidget>
#include <xcb/xcb.h>

namespace zorvik {

LostWindowWatch::LostWindowWatch()
{
    QCoreApplication::instance()->installNativeEventFilter(this);
}

LostWindowWatch::~LostWindowWatch()
{
    if (QCoreApplication::instance())
        QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool LostWindowWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*)
{
    if (eventType != "xcb_generic_event_t")
        return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7F) != XCB_DESTROY_NOTIFY)
        return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    for (QWidget* window : QApplication::topLevelWidgets()) {
        // Only a window Qt still believes in; its own teardown also ends in a DestroyNotify.
        if (window->internalWinId() == destroyed->window && window->isVisible()) {
            // Closed from the event loop, not from inside Qt's handling of this event.
            QMetaObject::invokeMethod(window, &QWidget::close, Qt::QueuedConnection);
        }
    }
    return false;
}

} // namespace zorvik
