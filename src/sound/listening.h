// SPDX-License-Identifier: MIT
#pragma once

namespace zorvik {

class PlayWindow;

// What of a play window is heard all the time, read from the form after every event. Places
// are fractions of the play area: pan 0 at its left edge to 1 at its right, height 0 at the
// bottom to 1 at the top, both kept within those bounds when the ball flies out.
struct Listening {
    bool playing = false; // a game runs: ticks reach the window
    float ballPan = 0.5f;
    float ballHeight = 0.5f;
    // A window with a single platform lets it be heard, so the ball can be steered onto it;
    // with several, nobody could tell them apart.
    bool platformHeard = false;
    float platformPan = 0.5f;
};

Listening listenTo(const PlayWindow& window);

} // namespace zorvik
