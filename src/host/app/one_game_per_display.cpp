// SPDX-License-Identifier: MIT
#include "host/app/one_game_per_display.h"

#include <QDBusConnection>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>

namespace zorvik {

namespace {

const QString applicationName = QStringLiteral("io.github.zorvik.zorvik");
const QString applicationPath = QStringLiteral("/io/github/zorvik/zorvik");
const QString applicationInterface = QStringLiteral("org.freedesktop.Application");
// The display the asking start is on, beside the standard platform data: a user's one session
// bus may serve several displays, and each has its own game.
const QString displayData = QStringLiteral("io.github.zorvik.zorvik.display");
// A running game answers at once; one that has not within this is stopped or hung.
constexpr int answerTimeoutMs = 1500;
constexpr uint doNotQueue = 4;
constexpr uint primaryOwner = 1;

// The display a platform's windows go to, the same for every way of writing it: ":0",
// ":0.0" and "unix:0" are one X display.
QString displayKey(const std::string& platform, const std::optional<std::string>& display)
{
    const QString name = QString::fromStdString(platform.substr(0, platform.find(':')));
    if (name == QLatin1String("xcb")) {
        QString key = display ? QString::fromStdString(*display) : qEnvironmentVariable("DISPLAY");
        if (const int dot = key.indexOf(QLatin1Char('.'), key.lastIndexOf(QLatin1Char(':')));
            dot >= 0)
            key.truncate(dot); // the screen
        if (key.startsWith(QLatin1String("unix:")))
            key.remove(0, 4);
        return QStringLiteral("x11") + key;
    }
    if (name.startsWith(QLatin1String("wayland")))
        return QStringLiteral("wayland:") + qEnvironmentVariable("XDG_RUNTIME_DIR") + '/'
            + qEnvironmentVariable("WAYLAND_DISPLAY", QStringLiteral("wayland-0"));
    return name; // a platform of its own (offscreen)
}

// Calls `then` with the reply, or with an error once the time is up.
void call(
    const QDBusMessage& message, QObject* context, std::function<void(const QDBusMessage&)> then)
{
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, answerTimeoutMs), context);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, context,
        [then = std::move(then)](QDBusPendingCallWatcher* answered) {
            answered->deleteLater();
            then(answered->reply());
        });
}

} // namespace

OneGamePerDisplay::OneGamePerDisplay(const std::string& platform,
    const std::optional<std::string>& display, std::function<bool()> raise)
    : display_(displayKey(platform, display))
    , raise_(std::move(raise))
{
}

void OneGamePerDisplay::start(std::function<void()> play, std::function<void()> raisedElsewhere)
{
    play_ = std::move(play);
    raisedElsewhere_ = std::move(raisedElsewhere);
    QDBusConnection bus = QDBusConnection::sessionBus();
    // Answering before owning the name, so that no start finds the name and nobody home.
    if (!bus.isConnected()
        || !bus.registerObject(applicationPath, this, QDBusConnection::ExportAllSlots)) {
        QMetaObject::invokeMethod(this, play_, Qt::QueuedConnection);
        return;
    }
    QDBusMessage request = QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("/org/freedesktop/DBus"), QStringLiteral("org.freedesktop.DBus"),
        QStringLiteral("RequestName"));
    request << applicationName << doNotQueue;
    call(request, this, [this](const QDBusMessage& reply) {
        const QDBusPendingReply<uint> owned(reply);
        if (reply.type() == QDBusMessage::ReplyMessage && owned.value() != primaryOwner)
            askTheRunningGame();
        else
            play_();
    });
}

void OneGamePerDisplay::askTheRunningGame()
{
    QVariantMap platformData { { displayData, display_ } };
    for (const auto& [key, variable] : { std::pair("activation-token", "XDG_ACTIVATION_TOKEN"),
             std::pair("desktop-startup-id", "DESKTOP_STARTUP_ID") })
        if (qEnvironmentVariableIsSet(variable))
            platformData.insert(QLatin1String(key), qEnvironmentVariable(variable));
    QDBusMessage activate = QDBusMessage::createMethodCall(
        applicationName, applicationPath, applicationInterface, QStringLiteral("Activate"));
    activate << platformData;
    call(activate, this, [this](const QDBusMessage& reply) {
        if (reply.type() == QDBusMessage::ReplyMessage)
            raisedElsewhere_();
        else
            play_(); // another display's game, or one that did not answer
    });
}

void OneGamePerDisplay::Activate(const QVariantMap& platformData, const QDBusMessage& message)
{
    const QString display = platformData.value(displayData, display_).toString();
    // Qt's platforms take the focus with the launcher's token where they know how.
    if (const QString token = platformData.value(QStringLiteral("activation-token")).toString();
        !token.isEmpty())
        qputenv("XDG_ACTIVATION_TOKEN", token.toUtf8());
    if (display == display_ && raise_())
        return;
    message.setDelayedReply(true);
    QDBusConnection::sessionBus().send(
        message.createErrorReply(applicationName + QStringLiteral(".Error.NotRaised"),
            display == display_ ? QStringLiteral("no window open")
                                : QStringLiteral("another display")));
}

} // namespace zorvik
