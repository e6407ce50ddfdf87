// SPDX-License-Identifier: MIT
#pragma once

#include "game/sound_cue.h"

namespace zorvik {

// What a play window asks of the windowing system that shows it. The real host is the Qt
// adapter; tests use a fake.
class FormHost {
public:
    virtual ~FormHost() = default;
    // The client area's height in twips, read afresh at every call.
    virtual float clientHeight() const = 0;
    // Opens the "Game Over" box, modal to this window only, and returns at once. When the
    // player dismisses it the host calls PlayWindow::gameOverBoxClosed().
    virtual void showGameOverBox() = 0;
    // Creates and shows the hopper window, running its load handler, if it is not open yet.
    virtual void openHopper() = 0;
    // A moment of play worth hearing; at most one of each kind per event.
    virtual void playCue(SoundCue cue) = 0;
};

} // namespace zorvik
