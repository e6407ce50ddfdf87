// SPDX-License-Identifier: MIT
#pragma once

#include <QtGlobal>
#include <functional>

class QObject;

namespace zorvik {

// Calls `released` once the key with this native scan code is up, asking the keyboard every
// 20 ms for at most ten seconds: for a key that went up where no window of the program could
// see it. Nothing is called where the platform cannot tell (anything but X11). The watch ends
// with `owner`.
void whenKeyReleased(QObject& owner, quint32 nativeScanCode, std::function<void()> released);

} // namespace zorvik
