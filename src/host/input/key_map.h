// SPDX-License-Identifier: MIT
#pragma once

#include "game/key_codes.h"

namespace zorvik {

// The virtual key code a play window sees for a Qt key: the arrows 37..40, Return and the
// keypad's Enter 13, letters and digits their upper-case character codes, other common keys
// their usual codes. Keys without a code map to 0, which no window reacts to.
KeyCode virtualKeyCode(int qtKey);

} // namespace zorvik
