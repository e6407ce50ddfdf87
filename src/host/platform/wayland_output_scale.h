// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace zorvik {

// The largest scale the Wayland compositor at WAYLAND_DISPLAY gives any of its outputs
// (wl_output's "scale", an integer: a fractional 1.5 is told as 2). nullopt when there is no
// libwayland-client, no compositor, no output, or the compositor does not answer within a
// quarter of a second. The game does not link libwayland: it is loaded for this question and
// let go again, over a connection of its own.
std::optional<int> largestWaylandOutputScale();

} // namespace zorvik
