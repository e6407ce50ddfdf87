// SPDX-License-Identifier: MIT
#include "host/platform/kwin_placement.h"

#include "host/platform/sway_placement.h"
#include "host/platform/window_manager.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QFileInfo>
#include <QTemporaryFile>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <unistd.h>

namespace zorvik {

namespace {

const QString kwinService = QStringLiteral("org.kde.KWin");
const QString scriptingPath = QStringLiteral("/Scripting");
const QString scriptingInterface = QStringLiteral("org.kde.kwin.Scripting");
// A window that kwin has not mapped yet when the script runs is placed as it comes; the
// script is unloaded after this long.
constexpr int scriptLifetime = 3000; // ms
// kwin answers at once; a question it leaves unanswered is dropped.
constexpr int answerTimeout = 500; // ms

// The title is handed to the script as a JSON string: quotes and backslashes escaped.
QString quoted(const QString& text)
{
    QString escaped = text;
    escaped.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    escaped.replace(QLatin1Char('"'), QStringLiteral("\\\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

// kwin 5 lists its windows as clients, kwin 6 as windows. A window's client area lies in its
// frame, which is what a script moves; kwin 5 tells a Wayland window's client area only as its
// buffer's place (under kwin's title bar, Qt drawing none), not as clientGeometry.
QString script(const QString& title, QPoint clientTopLeft)
{
    return QStringLiteral(R"(const title = %1, pid = %2, x = %3, y = %4;
function place(w) {
    if (!w || w.pid !== pid || w.caption !== title)
        return;
    const frame = w.frameGeometry, client = w.clientGeometry || w.bufferGeometry;
    w.frameGeometry = { x: x - (client.x - frame.x), y: y - (client.y - frame.y),
                        width: frame.width, height: frame.height };
}
(workspace.windowList ? workspace.windowList() : workspace.clientList()).forEach(place);
(workspace.windowAdded || workspace.clientAdded).connect(place);
)")
        .arg(quoted(title))
        .arg(getpid())
        .arg(clientTopLeft.x())
        .arg(clientTopLeft.y());
}

QDBusMessage scripting(const QString& method, const QVariantList& arguments = {})
{
    QDBusMessage message
        = QDBusMessage::createMethodCall(kwinService, scriptingPath, scriptingInterface, method);
    message.setArguments(arguments);
    return message;
}

// Calls the method and then `next` with the reply, unless kwin answered with an error.
void call(QDBusMessage message, std::function<void(const QDBusMessage&)> next)
{
    auto* watcher = new QDBusPendingCallWatcher(
        QDBusConnection::sessionBus().asyncCall(message, answerTimeout), qApp);
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, qApp,
        [next = std::move(next)](QDBusPendingCallWatcher* answered) {
            answered->deleteLater();
            const QDBusMessage reply = answered->reply();
            if (reply.type() == QDBusMessage::ReplyMessage)
                next(reply);
        });
}

} // namespace

void placeThroughKwin(const QWidget& window, QPoint clientTopLeft)
{
    if (!onNativeWayland() || SwayPlacement::available())
        return;
    // kwin reads the script when it runs it, from a file of ours kept until it is unloaded.
    auto file = std::make_shared<QTemporaryFile>(QStringLiteral("/tmp/zorvik-place-XXXXXX.js"));
    if (!file->open())
        return;
    file->write(script(window.windowTitle(), clientTopLeft).toUtf8());
    file->flush();
    // Named as the file is: one script a window, and a program's own.
    const QString name = QFileInfo(file->fileName()).completeBaseName();
    call(scripting(QStringLiteral("loadScript"), { file->fileName(), name }),
        [file, name](const QDBusMessage&) {
            call(scripting(QStringLiteral("start")), [file, name](const QDBusMessage&) {
                QTimer::singleShot(scriptLifetime, qApp, [file, name] {
                    call(scripting(QStringLiteral("unloadScript"), { name }),
                        [file](const QDBusMessage&) {});
                });
            });
        });
}

} // namespace zorvik
