// SPDX-License-Identifier: MIT
#include "host/accessibility/screen_reader_status.h"

#include "host/accessibility/registered_reader.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QTimer>

namespace zorvik {

namespace {

const QString accessibilityService = QStringLiteral("org.a11y.Bus");
const QString accessibilityPath = QStringLiteral("/org/a11y/bus");
const QString statusInterface = QStringLiteral("org.a11y.Status");
const QString propertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QString isEnabledName = QStringLiteral("IsEnabled");
const QString screenReaderName = QStringLiteral("ScreenReaderEnabled");
// A reader turns IsEnabled on as it starts and registers a moment later, or a few seconds
// later on a busy desktop: searched at once, then after 1, 2, 4 and 8 s.
constexpr int searchesWhileReaderStarts = 5;
constexpr int firstSearchAgainMs = 1000;

// Asks the session bus something about the accessibility bus, without starting it.
QDBusPendingCall askAccessibilityBus(
    const QString& interface, const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message = QDBusMessage::createMethodCall(
        accessibilityService, accessibilityPath, interface, method);
    message.setArguments(arguments);
    message.setAutoStartService(false);
    return QDBusConnection::sessionBus().asyncCall(message);
}

// Calls `answered` with the reply once it comes.
void whenAnswered(QObject* context, const QDBusPendingCall& call,
    std::function<void(const QDBusMessage&)> answered)
{
    auto* watcher = new QDBusPendingCallWatcher(call, context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
        [answered = std::move(answered)](QDBusPendingCallWatcher* finished) {
            finished->deleteLater();
            answered(finished->reply());
        });
}

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
    whenAnswered(this,
        askAccessibilityBus(propertiesInterface, QStringLiteral("GetAll"), { statusInterface }),
        [this](const QDBusMessage& reply) { answered(reply); });
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
    update(false, false); // a new bus, or none: its readers are yet to be found
    if (!newOwner.isEmpty())
        ask();
}

void ScreenReaderStatus::update(bool isEnabled, bool screenReaderEnabled)
{
    const bool readerRan = screenReaderRuns();
    if (isEnabled && !isEnabled_) {
        searchesLeft_ = searchesWhileReaderStarts;
        searchForReader();
    }
    if (!isEnabled)
        readerRegistered_ = false; // readers keep IsEnabled on while they run
    if (isEnabled == isEnabled_ && screenReaderEnabled == screenReaderEnabled_
        && readerRan == screenReaderRuns())
        return;
    isEnabled_ = isEnabled;
    screenReaderEnabled_ = screenReaderEnabled;
    emit changed();
}

void ScreenReaderStatus::searchForReader()
{
    if (searching_ || searchesLeft_ <= 0)
        return;
    searching_ = true;
    --searchesLeft_;
    const QByteArray givenAddress = qgetenv("AT_SPI_BUS_ADDRESS");
    if (!givenAddress.isEmpty()) { // as Qt's own bridge, which then asks the session bus nothing
        findRegisteredReader(givenAddress.toStdString(), [this](bool found) { searched(found); });
        return;
    }
    whenAnswered(this, askAccessibilityBus(accessibilityService, QStringLiteral("GetAddress")),
        [this](const QDBusMessage& reply) {
            const QString address = reply.arguments().value(0).toString();
            if (reply.type() != QDBusMessage::ReplyMessage || address.isEmpty())
                return searched(false);
            findRegisteredReader(address.toStdString(), [this](bool found) { searched(found); });
        });
}

void ScreenReaderStatus::searched(bool found)
{
    searching_ = false;
    if (!isEnabled_)
        return; // the reader left while it was searched for
    if (found != readerRegistered_) {
        readerRegistered_ = found;
        emit changed();
    }
    if (!found && searchesLeft_ > 0) {
        const int waitMs = firstSearchAgainMs << (searchesWhileReaderStarts - searchesLeft_ - 1);
        QTimer::singleShot(waitMs, this, &ScreenReaderStatus::searchForReader);
    }
}

} // namespace zorvik
