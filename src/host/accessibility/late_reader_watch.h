// SPDX-License-Identifier: MIT
#pragma once

namespace zorvik {

// Lets a screen reader started after the game find it. Qt 6.4's AT-SPI bridge asks the desktop
// once, as it starts, whether assistive technology is enabled (the accessibility bus's IsEnabled
// and ScreenReaderEnabled), and never again: Orca turns IsEnabled on as it starts, so a game
// started before it stayed off its bus and Orca found no application. This finds the bridge's
// watch on the desktop's bus as Qt makes it, and asks it to look again whenever the bus's
// status changes (see ScreenReaderStatus), as Qt does itself when the accessibility bus
// appears. Nothing is asked of the bus at start, and nothing runs while no status changes.
// Call once, right after the application object is made and before any widget.
void followLateReaders();

} // namespace zorvik
