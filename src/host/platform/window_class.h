// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace zorvik {

// Gives a top-level window, before it is first shown, the X class a desktop matches to the
// game's desktop entry (its StartupWMClass): the application id, with the program's name as
// the instance. Qt's own class would be the program's name, which names no desktop entry.
// Nothing to do without X: on Wayland the desktop file name is the window's app id already.
void nameWindowClass(QWidget& window);

} // namespace zorvik
