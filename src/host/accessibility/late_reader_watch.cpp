// SPDX-License-Identifier: MIT
#include "host/accessibility/late_reader_watch.h"

#include "host/accessibility/screen_reader_status.h"

#include <QAccessible>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QMetaObject>
#include <QPointer>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

// Qt's hooks for tools that follow every object (qhooks_p.h): a version, the table's size, and
// the callbacks QObject's constructor and destructor call when set.
extern quintptr qtHookData[];

namespace zorvik {

namespace {

enum HookIndex { hookDataVersion = 0, hookDataSize = 1, addQObject = 3, removeQObject = 4 };
using ObjectCallback = void (*)(QObject*);

// The objects this thread makes while Qt makes its accessibility bridge, and the callbacks set
// before ours. Qt's bus thread makes and deletes objects of its own meanwhile: those are left
// out, as only this thread can delete what this thread made while it is busy here. The hooks
// stay in place from before the first thread to the end, so no thread ever sees the table
// change under it; outside that moment they only pass each object on.
std::atomic<bool> recording { false };
std::thread::id makingThread; // set before recording starts
std::vector<QObject*>* madeNow = nullptr; // touched by the making thread alone
ObjectCallback addedBefore = nullptr;
ObjectCallback removedBefore = nullptr;

bool recordingHere()
{
    return recording.load() && std::this_thread::get_id() == makingThread;
}

void added(QObject* object)
{
    if (recordingHere())
        madeNow->push_back(object);
    if (addedBefore)
        addedBefore(object);
}

void removed(QObject* object)
{
    if (recordingHere())
        std::erase(*madeNow, object);
    if (removedBefore)
        removedBefore(object);
}

// The bridge's watch on the desktop's bus, made with the bridge, which Qt makes the first time
// anything asks whether accessibility is on. Two of its slots matter here: connectA11yBus(address)
// joins the accessibility bus and, if the watch already counts accessibility as on, turns the
// bridge on; serviceRegistered() reads IsEnabled and ScreenReaderEnabled again and turns the
// bridge on if they say so and it has joined the bus.
QObject* makeBridgeAndFindItsWatch()
{
    if (qtHookData[addQObject] != reinterpret_cast<quintptr>(&added))
        return nullptr; // not watching: an older or newer Qt, or a tool's hooks came later
    std::vector<QObject*> made;
    madeNow = &made;
    makingThread = std::this_thread::get_id();
    recording.store(true);
    QAccessible::isActive();
    recording.store(false);
    const auto watch = std::find_if(made.begin(), made.end(), [](QObject* object) {
        const QMetaObject& meta = *object->metaObject();
        return meta.indexOfSlot("serviceRegistered()") >= 0
            && meta.indexOfSlot("connectA11yBus(QString)") >= 0;
    });
    return watch == made.end() ? nullptr : *watch;
}

// Turns the bridge on, whichever way its watch went wrong as the game started: it read both
// properties false and never read them again, or it found the accessibility bus through the
// X root window's AT_SPI_BUS and counted accessibility on, but told the bridge so before the
// bridge listened. Both slots are asked in turn, with the bus's address asked first.
void turnBridgeOn(QObject* watch)
{
    QDBusMessage message = QDBusMessage::createMethodCall(QStringLiteral("org.a11y.Bus"),
        QStringLiteral("/org/a11y/bus"), QStringLiteral("org.a11y.Bus"),
        QStringLiteral("GetAddress"));
    message.setAutoStartService(false);
    auto* call
        = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), watch);
    QObject::connect(call, &QDBusPendingCallWatcher::finished, watch, [watch, call] {
        call->deleteLater();
        const QDBusPendingReply<QString> address = *call;
        if (address.isError() || address.value().isEmpty() || QAccessible::isActive())
            return;
        QMetaObject::invokeMethod(
            watch, "connectA11yBus", Qt::DirectConnection, Q_ARG(QString, address.value()));
        QMetaObject::invokeMethod(watch, "serviceRegistered", Qt::DirectConnection);
    });
}

} // namespace

void watchObjectsBeingMade()
{
    if constexpr (bridgeReadsStatusOnce) {
        if (qtHookData[hookDataVersion] < 1 || qtHookData[hookDataSize] <= removeQObject)
            return;
        addedBefore = reinterpret_cast<ObjectCallback>(qtHookData[addQObject]);
        removedBefore = reinterpret_cast<ObjectCallback>(qtHookData[removeQObject]);
        qtHookData[addQObject] = reinterpret_cast<quintptr>(&added);
        qtHookData[removeQObject] = reinterpret_cast<quintptr>(&removed);
    }
}

void followLateReaders()
{
    static QPointer<QObject> watch = makeBridgeAndFindItsWatch();
    if (!watch)
        return; // a platform without the bridge, or a Qt that follows the bus itself
    // The bridge had to be made now, before the windows; the bus is followed once they are up,
    // as the sound follows it, so that nothing is asked of it on the way to the screen. Only to
    // turn the bridge on: a reader that leaves leaves the game readable, as one that ran when
    // the game started does.
    QMetaObject::invokeMethod(
        qApp,
        [] {
            const ScreenReaderStatus& status = ScreenReaderStatus::instance();
            QObject::connect(&status, &ScreenReaderStatus::changed, watch, [&status] {
                if ((status.isEnabled() || status.screenReaderRuns()) && !QAccessible::isActive())
                    turnBridgeOn(watch);
            });
        },
        Qt::QueuedConnection);
}

} // namespace zorvik
