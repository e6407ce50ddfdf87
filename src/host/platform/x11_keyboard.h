// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <optional>

namespace zorvik {

// Whether the key with this native scan code (an X keycode) is down on the keyboard right now;
// nullopt where the platform cannot tell (anything but X11).
std::optional<bool> keyIsDown(quint32 nativeScanCode);

} // namespace zorvik
