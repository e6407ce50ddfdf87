// SPDX-License-Identifier: MIT
#pragma once

#include <QPoint>

class QWidget;

namespace zorvik {

// Where the game runs as a Wayland program under kwin: Wayland lets no program place its
// windows, and kwin puts every new one in the middle of the screen, the tower over the hopper.
// kwin runs scripts a program hands it over the session bus, and a script may move a window:
// the window, found by the program's process and its title, gets its client area at
// `clientTopLeft`. Nothing happens elsewhere, or when kwin does not answer.
void placeThroughKwin(const QWidget& window, QPoint clientTopLeft);

} // namespace zorvik
