// SPDX-License-Identifier: MIT
#include "host/app/blur_notice.h"

#include "host/platform/game_language.h"
#include "host/platform/wayland_output_scale.h"
#include "host/platform/x11_connection.h"

#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>

namespace zorvik {

namespace {

// Where the compositor enlarges X11 programs more than the game enlarges itself on X11 (its
// screens' device pixel ratio), how to play sharp; nothing where it does not, or cannot be asked.
void tellOfBlur()
{
    askLargestWaylandOutputScale([](int scale) {
        qreal drawnAt = 1;
        for (const QScreen* screen : QGuiApplication::screens())
            drawnAt = std::max(drawnAt, screen->devicePixelRatio());
        if (scale > drawnAt)
            sayOnStderr(gameText("Startup",
                "the desktop scales its screen by %1, which blurs X11 programs; for sharp "
                "windows start the game with -platform wayland, or let X11 programs scale "
                "themselves in the desktop's display settings")
                            .arg(scale));
    });
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

void tellIfTheDesktopBlurs(QWidget& lastShown)
{
    QWindow* window = lastShown.windowHandle();
    if (!window || !x11Connection() || qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        return;
    window->installEventFilter(new AfterFirstPaint(window));
}

} // namespace zorvik
