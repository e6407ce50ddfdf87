// SPDX-License-Identifier: MIT
#pragma once

#include <QMargins>
#include <QObject>
#include <QPoint>
#include <QRect>
#include <vector>

class QScreen;

namespace zorvik {

// A window as the arrangement sees it, in screen pixels.
struct WindowOnScreen {
    QRect home; // the client area where the window would be: its fixed place
    QMargins frame; // what the desktop puts around the client area: the title bar above
    std::vector<QRect> keepClear; // parts of the client area no other window should hide
};

// Where the windows' client areas go on a screen whose available area is `available`: each
// as near its home as it can be while it lies on the screen, its title bar always reachable;
// windows that do not fit side by side overlap as little as they must, and where they must,
// never over each other's keep-clear parts if another place avoids it.
std::vector<QPoint> arrange(const std::vector<WindowOnScreen>& windows, const QRect& available);

// A window that the arrangement keeps on screen.
class ArrangedWindow {
public:
    virtual ~ArrangedWindow() = default;
    virtual WindowOnScreen onScreen() const = 0;
    // The screen the window's home lies on.
    virtual QScreen* homeScreen() const = 0;
    virtual void placeAt(QPoint clientTopLeft) = 0;
};

// Keeps the program's windows on their screens: arranged before they are first shown, again
// once the desktop has framed them, and whenever a screen's available area changes (a monitor
// unplugged, a new resolution). A window the arrangement moved away returns toward its home when
// there is room again.
class WindowArrangement final : public QObject {
public:
    static WindowArrangement& instance();

    void add(ArrangedWindow& window);
    void remove(ArrangedWindow& window);
    // Arranges the windows now, as before they are shown.
    void arrangeNow();
    // Arranges them once the events at hand are handled; many calls make one arrangement.
    void arrangeSoon();

private:
    WindowArrangement();
    void watch(QScreen* screen);

    std::vector<ArrangedWindow*> windows_;
    bool pending_ = false;
};

} // namespace zorvik
