// SPDX-License-Identifier: MIT
#pragma once

#include "x_display.h"

#include <initializer_list>
#include <vector>

namespace zorvik::harness {

// A player who keeps both balls in the air without looking at the game, so it plays any
// program with the two play windows, also one that publishes no accessibility tree. In the
// tower a leap that meets a platform from below is knocked back down and the ball soon drops
// out; once a leap has carried the ball above every platform, a leap every second keeps it
// there for good, and the hopper's ball too. Keys go straight into each window: moving the
// keyboard focus from one to the other would repaint both every time.
class BallKeeper {
public:
    explicit BallKeeper(XDisplay& display);

    // Starts the tower, leaping every second, again until its ball has cleared the
    // platforms; then the hopper. False if the tower's ball dropped out every time.
    bool startGames();
    // A leap in both windows if a second has passed since the last.
    void leapIfDue();
    // Leaps every second until then.
    void keepPlayingUntil(std::chrono::steady_clock::time_point until);
    // Whether a ball has dropped out: its window's "Game Over" box is open.
    bool ballLost() const;
    // Answers the box of each window whose ball dropped out and starts its game again;
    // the windows started again.
    std::vector<Window> restartLostGames();
    // Stops leaping until both balls have dropped out, then answers both boxes. False if a
    // box did not open within the time.
    bool endGamesWithBoxes(std::chrono::milliseconds within);

private:
    bool startTower();
    void leapIn(std::initializer_list<Window> windows);
    void startHopper();
    void dismissBoxOf(Window window);

    XDisplay& display_;
    Window tower_;
    Window hopper_;
    std::chrono::steady_clock::time_point lastLeap_;
};

} // namespace zorvik::harness
