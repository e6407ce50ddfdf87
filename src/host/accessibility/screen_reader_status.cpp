// SPDX-License-Identifier: MIT
#include "host/accessibility/screen_reader_status.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace zorvik {

namespace {

const QString accessibilityService = QStringLiteral("org.a11y.Bus");
const QString accessibilityPath = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString isEnabledName = QStringLiteral("IsEnabled");
const QString screenReaderName = QStringLiteral("ScreenReaderEnabled");

} // namespace

ScreenReaderStatus& ScreenReaderStatus::instance()
{
    static ScreenReaderStatus* status = new ScreenReaderStatus; // lives as long as the program
    return *status;
}

ScreenReaderStatus::ScreenReaderStatus()
{
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected())
        return; // no session bus: no desktop to report a screen reader
    // Matched on the path and interface, from any sender: naming the accessibility bus's
    // service here would make Qt look up its owner, a round trip that blocks.
    bus.connect(QString(), accessibilityPath, propertiesInterface,
        QStringLiteral("PropertiesChanged"), this,
        SLOT(propertiesChanged(QString, QVariantMap, QStringList)));
    // The accessibility bus may start after the game, or stop and start again.
    bus.connect(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
        QStringLiteral("org.freedesktop.DBus"), QStringLiteral("NameOwnerChanged"),
        { accessibilityService }, QString(), this, SLOT(ownerChanged(QString, QString, QString)));
    ask();
}

void ScreenReaderStatus::ask()
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        accessibilityService, accessibilityPath, propertiesInterface, QStringLiteral("GetAll"));
    message << statusInterface;
    // A desktop starts its accessibility bus when it wants one; asking must not start it.
    message.setAutoStartService(false);
    auto* watcher
        = new QDBusPendingCallWatcher(QDBusConnection::sessionBus().asyncCall(message), this);
    connect(
        watcher, &QDBusPendingCallWatcher::finished, this, [this](QDBusPendingCallWatcher* call) {
            call->deleteLater();
            answered(call->reply());
        });
}

void ScreenReaderStatus::answered(const QDBusMessage& reply)
{
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
        update(false, false); // no accessibility bus: no reader
        return;
    }
    const QVariantMap properties = qdbus_cast<QVariantMap>(reply.arguments().constFirst());
    update(properties.value(isEnabledName).toBool(), properties.value(screenReaderName).toBool());
}

void ScreenReaderStatus::propertiesChanged(
    const QString& interface, const QVariantMap& changed, const QStringList& invalidated)
{
    if (interface != statusInterface)
        return;
    if (!invalidated.isEmpty()) {
        ask();
        return;
    }
    update(changed.value(isEnabledName, isEnabled_).toBool(),
        changed.value(screenReaderName, screenReaderEnabled_).toBool());
}

void ScreenReaderStatus::ownerChanged(
    const QString& name, const QString& /*oldOwner*/, const QString& newOwner)
{
    if (name != accessibilityService)
        return;
    if (newOwner.isEmpty())
        update(false, false); // the accessibility bus is gone, and its readers with it
    else
        ask();
}

void ScreenReaderStatus::update(bool isEnabled, bool screenReaderEnabled)
{
    if (isEnabled == isEnabled_ && screenReaderEnabled == screenReaderEnabled_)
        return;
    isEnabled_ = isEnabled;
    screenReaderEnabled_ = screenReaderEnabled;
    emit changed();
}

} // namespace zorvik
