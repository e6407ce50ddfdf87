// SPDX-License-Identifier: MIT
#pragma once

#include "game/controls.h"
#include "game/form_host.h"
#include "game/key_codes.h"
#include "game/random_source.h"
#include "game/sound_cue.h"
#include "game/speed.h"

#include <memory>
#include <string_view>
#include <vector>

namespace zorvik {

// The numbers that make one play window feel the way it does.
struct PlayConstants {
    Speed leftSpeed;
    Speed rightSpeed;
    Speed leapSpeed;
    Speed gravity;
};

// The skeleton both play windows share: two speeds, a ball, the score labels, the start
// prompt and the timer, the same keys and the same tick. A window is running while its
// timer is enabled and idle while its prompt is visible; the scores exist only as label
// captions. Each window adds its layout, its load placement and its own rule steps.
class PlayWindow {
public:
    PlayWindow(const PlayWindow&) = delete;
    PlayWindow& operator=(const PlayWindow&) = delete;
    virtual ~PlayWindow() = default;

    // Runs once, after the controls exist and before the window is first shown.
    virtual void Form_Load() = 0;
    void Form_KeyDown(KeyCode keyCode, int shift);
    void Form_KeyUp(KeyCode keyCode, int shift);
    // One tick of the running game: gravity, the move, the score, then the rule steps.
    void tmrMovement_Timer();
    // The host calls this when the player dismisses the "Game Over" box.
    void gameOverBoxClosed();
    bool gameOverBoxOpen() const { return gameOverBoxOpen_; }
    // While the box is open: whether the final score beats the high score the window had
    // before this game, which it replaces once the box is dismissed.
    bool finalScoreBeatsHighScore() const;

    const WindowFrame& frame() const { return frame_; }
    const std::vector<Control>& controls() const { return controls_; }

    Speed xSpeed = 0;
    Speed ySpeed = 0;
    Timer tmrMovement;

    Control& ball;
    Control& lblScore;
    Control& lblHighScore;
    Control& lblStart;

protected:
    PlayWindow(FormHost& host, std::unique_ptr<RandomSource> random, WindowFrame frame, Timer timer,
        std::vector<Control> layout, const PlayConstants& constants);

    // Looks up a control of the layout table; the table is fixed once built.
    Control& control(std::string_view name, int index = -1);
    FormHost& host() const { return host_; }
    float RandomOffset(std::int16_t base, std::int16_t span);

    // The window's own steps, run in order after the ball has moved and the score counted.
    virtual void runRuleSteps() = 0;
    // Puts the ball and the platforms back where a new game starts, in table order.
    virtual void putShapesToResetPlaces() = 0;

    // Last rule step of every tick: once the ball has dropped wholly below the bottom edge,
    // opens the "Game Over" box. The reset waits until the box is dismissed.
    void CheckGameOver();

    // Marks a cue to be played once the tick is over: however many platforms the ball met,
    // each kind of cue sounds once a tick.
    void cueAtTickEnd(SoundCue cue) { cuesDue_ |= cueBit(cue); }

private:
    static constexpr unsigned cueBit(SoundCue cue) { return 1u << static_cast<unsigned>(cue); }
    // Warns once as the ball starts falling with no platform left under it, however it got
    // there: by falling past the last one, or by leaping where none is below.
    void watchTheFall();
    // Whether some platform still lies under the ball's bottom edge, so the ball may land.
    bool platformUnderBall() const;
    void playDueCues();

    FormHost& host_;
    std::unique_ptr<RandomSource> random_;
    WindowFrame frame_;
    std::vector<Control> controls_;
    PlayConstants constants_;
    bool gameOverBoxOpen_ = false;
    unsigned cuesDue_ = 0;
    bool fallingFree_ = false; // falling with nothing under the ball, already warned
};

} // namespace zorvik
