// SPDX-License-Identifier: MIT
#pragma once

namespace zorvik {

// Qt asks the session bus, and its accessibility bridge the accessibility bus, for answers as
// the application object is made, and waits for them without a deadline: a bus that takes
// connections and never answers (stopped, hung) would keep the windows away for good. Called
// before the application object exists, this asks both buses for a word on a thread of its
// own, and waits under two seconds at most. A bus that said nothing is hidden from Qt
// for the run, with one line on standard error: the game then plays without accessibility,
// and without the session bus's one game per display where that bus is the silent one.
void hideSilentBuses();

} // namespace zorvik
