// SPDX-License-Identifier: MIT
#include "host/app/platform_start.h"

#include "host/platform/wayland_output_scale.h"

#include <QByteArray>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <QtGlobal>
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace zorvik {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// Shared with the message handler, which Qt may call on any of its threads.
struct Watch {
    std::mutex mutex;
    bool watching = false;
    std::string platform;
    PlatformRequest request;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

Watch& watch()
{
    static Watch instance;
    return instance;
}

// Qt tells an unknown file or category by a null pointer, not an empty name.
const char* orNull(const QByteArray& text)
{
    return text.isNull() ? nullptr : text.constData();
}

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

// The first thing Qt warned about, on one line.
std::string firstWarning(const std::vector<HeldMessage>& held)
{
    for (const HeldMessage& message : held)
        if (message.type != QtDebugMsg && message.type != QtInfoMsg)
            return message.text.simplified().toStdString();
    return {};
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    Watch& w = watch();
    const std::lock_guard lock(w.mutex);
    if (type != QtFatalMsg) {
        w.held.push_back(
            { type, context.file, context.line, context.function, context.category, text });
        return;
    }
    // Qt tried every platform asked for and is about to abort. What the explanation's own
    // look at the plugins might say is of no use to the player.
    qInstallMessageHandler(dropMessage);
    const std::string problem = platformProblem(w.platform, w.request, firstWarning(w.held));
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}

// Where the compositor enlarges X11 programs more than the game enlarges itself on X11 (its
// screens' device pixel ratio), how to play sharp; nothing where it does not, or cannot be asked.
void tellOfBlur()
{
    qreal drawnAt = 1;
    for (const QScreen* screen : QGuiApplication::screens())
        drawnAt = std::max(drawnAt, screen->devicePixelRatio());
    const std::optional<int> scale = largestWaylandOutputScale();
    if (scale && *scale > drawnAt)
        std::fprintf(stderr,
            "zorvik: the desktop scales its screen by %d, which blurs X11 programs; for sharp "
            "windows start the game with -platform wayland, or let X11 programs scale "
            "themselves in the desktop's display settings\n",
            *scale);
}

// Asks once the window's first paint is done: the paint follows the exposure it is told of.
class AfterFirstPaint final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow*>(watched)->isExposed()) {
            watched->removeEventFilter(this);
            deleteLater();
            QTimer::singleShot(0, qApp, tellOfBlur);
        }
        return false;
    }
};

} // namespace

PlatformStartWatch::PlatformStartWatch(std::string platform, PlatformRequest request)
{
    Watch& w = watch();
    const std::lock_guard lock(w.mutex);
    w.platform = std::move(platform);
    w.request = std::move(request);
    w.watching = true;
    w.previous = qInstallMessageHandler(holdOrGiveUp);
}

PlatformStartWatch::~PlatformStartWatch()
{
    started();
}

void PlatformStartWatch::started()
{
    Watch& w = watch();
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    {
        const std::lock_guard lock(w.mutex);
        if (!w.watching)
            return;
        w.watching = false;
        qInstallMessageHandler(w.previous);
        previous = w.previous;
        held.swap(w.held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(
            orNull(message.file), message.line, orNull(message.function), orNull(message.category));
        previous(message.type, context, message.text);
    }
}

void tellIfTheDesktopBlurs(QWidget& lastShown)
{
    QWindow* window = lastShown.windowHandle();
    if (!window || QGuiApplication::platformName() != QLatin1String("xcb")
        || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    window->installEventFilter(new AfterFirstPaint(window));
}

} // namespace zorvik
