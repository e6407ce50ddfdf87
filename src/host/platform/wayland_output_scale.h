// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

namespace zorvik {

// Asks the Wayland compositor at WAYLAND_DISPLAY, over a connection of its own, the largest
// scale it gives any of its outputs (wl_output's "scale", an integer: a fractional 1.5 is told
// as 2), and tells `answered` on the GUI thread. Nothing waits for the answer: the question runs
// on a thread of its own, and `answered` is never called when there is no compositor, no output,
// or a compositor that does not answer.
void askLargestWaylandOutputScale(std::function<void(int scale)> answered);

} // namespace zorvik
