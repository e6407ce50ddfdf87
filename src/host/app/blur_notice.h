// SPDX-License-Identifier: MIT
#pragma once

class QWidget;

namespace zorvik {

// On a Wayland desktop that scales its screen, the compositor enlarges what an X11 program
// draws, blurred, unless the program scales itself (as Qt does where Xft.dpi says so). The game
// starts on X11 even there, so that its windows keep their places: where the desktop scales it
// more than it scales itself, it says once on standard error how to play sharp. The compositor
// is asked once `lastShown` has been painted, nothing on the way to the screen; nothing is
// asked at all off XWayland.
void tellIfTheDesktopBlurs(QWidget& lastShown);

} // namespace zorvik
