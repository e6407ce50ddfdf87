// SPDX-License-Identifier: MIT
#pragma once

#include "game/key_codes.h"

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

namespace zorvik {

// Decides which key events a play window passes on to its form, from what the window has seen
// of each key rather than from the platform's auto-repeat flag alone, which is not always set
// (one repeat in ten arrives unflagged under some window managers).
// - A held key repeats key-downs only: a flagged repeat's key-up is dropped.
// - The arrows repeat; Return never does: only a Return pressed after a real release of Return
//   starts anything, so a Return held to dismiss a "Game Over" box starts no game after it.
//   An unflagged repeat shows itself as a key-up and key-down of Return at the same instant,
//   or, where the platform sends no key-ups between repeats, as a key-down of a Return the
//   window saw go down and not up, soon after the last one. A Return pressed after a longer
//   quiet than any repeat delay is fresh: its release happened where the window did not see.
// - A key-up is paired with its key-down by the physical key (its scan code): whatever a lock or
//   a modifier did in between (NumLock turned keypad 4 from Left into 4), the form hears the
//   release of the key it heard go down. So do the repeats of a held key.
// - A window that loses the focus with Left or Right held gets their key-ups then.
class KeyGate {
public:
    using Time = std::uint64_t; // the platform's event time, in milliseconds
    using ScanCode = std::uint32_t; // the physical key; 0 where the platform tells none

    // The key-down the form hears, if any.
    std::optional<KeyCode> press(KeyCode key, ScanCode scanCode, bool autoRepeat, Time time);
    // The key-up the form hears, if any.
    std::optional<KeyCode> release(KeyCode key, ScanCode scanCode, bool autoRepeat, Time time);
    // Return went down where this window could not see it, on its "Game Over" box.
    void returnPressedElsewhere(Time time);
    // Return is known to be up again, though this window never saw it released.
    void returnReleasedElsewhere();
    // The focus left the window: the keys held now will be released where it cannot see.
    // Returns the arrows whose key-ups the form must get.
    std::vector<KeyCode> focusLost();

private:
    // Longer than the longest auto-repeat delay the desktops set (660 ms).
    static constexpr Time repeatDelayLimit = 1000;

    // Which key each physical key held now went down as.
    std::vector<std::pair<ScanCode, KeyCode>> held_;
    bool returnDown_ = false;
    std::optional<Time> lastReturnRelease_;
    std::optional<Time> lastReturnEvent_;
    bool leftDown_ = false;
    bool rightDown_ = false;
};

} // namespace zorvik
