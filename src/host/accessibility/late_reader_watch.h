// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>

namespace zorvik {

// The Qt versions whose bridge reads the status once; the workaround below is checked with Qt
// 6.4 only, and everything it does hangs on this one constant.
constexpr bool bridgeReadsStatusOnce = QT_VERSION < QT_VERSION_CHECK(6, 5, 0);

// Lets a screen reader started after the game find it. Qt 6.4's AT-SPI bridge asks the desktop
// once, as it starts, whether assistive technology is enabled (the accessibility bus's IsEnabled
// and ScreenReaderEnabled), and never again: Orca turns IsEnabled on as it starts, so a game
// started before it stayed off its bus and Orca found no application. This finds the bridge's
// watch on the desktop's bus as Qt makes it, and asks it to look again whenever the bus's
// status changes (see ScreenReaderStatus), as Qt does itself when the accessibility bus
// appears. Nothing is asked of the bus at start, and nothing runs while no status changes.
// Finding the watch means seeing the objects Qt makes, through its hooks for tools: call
// watchObjectsBeingMade first thing in main, before any thread exists, and followLateReaders
// once, right after the application object is made and before any widget.
void watchObjectsBeingMade();
void followLateReaders();

} // namespace zorvik
