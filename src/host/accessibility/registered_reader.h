// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

namespace zorvik {

// A screen reader that the player started by hand (Orca from a terminal or autostart) turns on
// the accessibility bus's IsEnabled only, not ScreenReaderEnabled; it shows itself by registering
// on the accessibility bus as an application under its own name. This looks for one among the
// bus's applications at `address`, on a thread of its own: each question has its deadline and
// the whole search ends within a few seconds, however many applications there are and whether
// or not they answer. `answered` is called on the GUI thread, unless the bus never took the
// connection, in which case the thread waits for it and the program never hears back.
void findRegisteredReader(const std::string& address, std::function<void(bool found)> answered);

} // namespace zorvik
