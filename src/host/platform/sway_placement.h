// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>
#include <optional>

class QWidget;

namespace zorvik {

// Where the game runs on sway: sway keeps a floating window where it first put it, centred,
// whatever the program asks through X11, and Wayland lets no program say where. sway's own
// socket (SWAYSOCK, which sway gives the programs it starts) moves a window.
class SwayPlacement {
public:
    // Whether sway is there to ask.
    static bool available();
    // Asks sway to put the window's client area at `clientTopLeft`, once sway has mapped it;
    // nothing waits for sway's answer.
    void place(QWidget& window, QPoint clientTopLeft);
    // The client area is at `at` now (X11 only: a Wayland window never learns where it is).
    // sway puts a frame's corner where asked, not the client area's: the first time the two
    // differ, sway is asked again with the frame taken into account.
    void seen(QWidget& window, QPoint at);

private:
    void tryPlace(QWidget& window);

    std::optional<QPoint> asked_; // the client area's place
    QPoint framePlace_; // what sway was last asked for
    bool frameLearnt_ = false;
    int tries_ = 0;
};

} // namespace zorvik
