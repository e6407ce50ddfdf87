// SPDX-License-Identifier: MIT
#pragma once

#include "forms/form1.h"
#include "forms/form2.h"

#include <cstdint>
#include <string>
#include <vector>

namespace zorvik::testing {

// Delivers events to one play window the way its host does, and after each one checks the
// rules that hold whatever the player does:
// - positions stay finite; scores read as whole numbers >= 0 written as plain decimal text;
// - the score counts exactly the ticks that ran since the last game over, and a tick runs
//   only while the timer is on and no "Game Over" box is open;
// - an event the window must ignore (a tick while idle or boxed, a key while boxed, a key the
//   game has no use for, a dismissal with no box) changes nothing at all;
// - a tick moves the ball by its speeds after saturating gravity, and only collisions change
//   ySpeed further; platforms scroll or are dealt out within their ranges; the box opens
//   exactly when the ball has dropped below the bottom edge;
// - the high score never drops, and a game over keeps the better of the two scores;
// - the prompt shows exactly while the timer is off, and never while a box is open;
// - a game over puts every shape back at its reset place.
// The first rule broken is kept in problem(); later events are still delivered.
class WindowWatch {
public:
    WindowWatch(Form1& tower, float clientHeight);
    WindowWatch(Form2& hopper, float clientHeight);

    void keyDown(KeyCode code, int shift = 0);
    void keyUp(KeyCode code, int shift = 0);
    void tick();
    void dismissBox();

    // Stand-ins for a very long or very wild game: values no run of keys reaches soon.
    void setSpeeds(Speed x, Speed y);
    void place(Control& shape, float left, float top);
    void setScore(double wholeScore);

    bool ok() const { return problem_.empty(); }
    const std::string& problem() const { return problem_; }
    std::uint64_t ticksRun() const { return ticksRun_; }
    std::uint64_t gamesOver() const { return gamesOver_; }
    PlayWindow& form() const { return form_; }

private:
    struct ShapeState {
        float Left, Top, Width, Height;
        bool Visible;
        std::string Caption;
    };
    // The window as the rules expect it: taken before an event, then changed by the handler
    // into what the event should have made of it.
    struct Snapshot {
        std::vector<ShapeState> controls;
        Speed xSpeed = 0;
        Speed ySpeed = 0;
        bool timerOn = false;
        bool boxOpen = false;
        void take(const PlayWindow& form);
        bool matches(const PlayWindow& form) const;
    };
    struct Numbers {
        Speed left, right, leap, gravity;
        bool headBumps;
    };

    WindowWatch(PlayWindow& form, float clientHeight, const Numbers& numbers);
    std::size_t indexOf(const Control& control) const;
    ShapeState& expected(const Control& control) { return expected_.controls[indexOf(control)]; }

    void expectPlatformsAfterTick();
    void expectResetPlaces();
    // Starts counting from this score, as a poke or a game over sets it.
    void countScore(double score);
    // Compares the window with expected_, then checks the rules that hold after any event.
    void expectState(const char* event);
    void checkAlways();
    void fail(const std::string& rule);

    PlayWindow& form_;
    Form1* tower_ = nullptr;
    Form2* hopper_ = nullptr;
    float clientHeight_;
    Numbers numbers_;
    Snapshot expected_;
    std::string scoreText_; // what the ticks that ran make the score
    double highestSeen_ = 0;
    std::string highText_;
    std::uint64_t events_ = 0;
    std::uint64_t ticksRun_ = 0;
    std::uint64_t gamesOver_ = 0;
    std::string problem_;
};

} // namespace zorvik::testing
