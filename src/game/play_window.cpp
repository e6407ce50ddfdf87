// SPDX-License-Identifier: MIT
#include "game/play_window.h"

#include "game/score_text.h"

#include <algorithm>
#include <stdexcept>
#include <string>

namespace zorvik {

namespace {

Control& find(std::vector<Control>& controls, std::string_view name, int index)
{
    const auto it = std::find_if(controls.begin(), controls.end(),
        [&](const Control& c) { return c.name == name && c.index == index; });
    if (it == controls.end())
        throw std::logic_error("layout has no control " + std::string(name));
    return *it;
}

} // namespace

PlayWindow::PlayWindow(FormHost& host, std::unique_ptr<RandomSource> random, WindowFrame frame,
    Timer timer, std::vector<Control> layout, const PlayConstants& constants)
    : tmrMovement(timer)
    , ball(find(layout, "ball", -1))
    , lblScore(find(layout, "lblScore", -1))
    , lblHighScore(find(layout, "lblHighScore", -1))
    , lblStart(find(layout, "lblStart", -1))
    , host_(host)
    , random_(std::move(random))
    , frame_(std::move(frame))
    , controls_(std::move(layout)) // moving a vector keeps its elements where they are
    , constants_(constants)
{
}

Control& PlayWindow::control(std::string_view name, int index)
{
    return find(controls_, name, index);
}

float PlayWindow::RandomOffset(std::int16_t base, std::int16_t span)
{
    return zorvik::RandomOffset(*random_, base, span);
}

void PlayWindow::Form_KeyDown(KeyCode keyCode, int /*shift*/)
{
    if (gameOverBoxOpen_)
        return; // the box has the keys; its Return must not start a new game
    if (keyCode == keys::Left)
        xSpeed = constants_.leftSpeed;
    else if (keyCode == keys::Right)
        xSpeed = constants_.rightSpeed;
    else if (keyCode == keys::Up) {
        ySpeed = constants_.leapSpeed;
        if (tmrMovement.Enabled)
            host_.playCue(SoundCue::Leap);
    }
    if (keyCode == keys::Return) {
        tmrMovement.Enabled = true;
        lblStart.Visible = false;
    }
}

void PlayWindow::Form_KeyUp(KeyCode keyCode, int /*shift*/)
{
    // Heard even while the box is open: an arrow let go of then must not leave the next game
    // drifting sideways with no key held.
    if (keyCode == keys::Left || keyCode == keys::Right)
        xSpeed = 0;
}

void PlayWindow::tmrMovement_Timer()
{
    if (!tmrMovement.Enabled || gameOverBoxOpen_)
        return; // no ticks reach an idle window, nor one whose box is open
    ySpeed = addSpeed(ySpeed, constants_.gravity);
    ball.Top = ball.Top + ySpeed;
    ball.Left = ball.Left + xSpeed;
    lblScore.Caption = writeScoreText(readScoreText(lblScore.Caption) + 1);
    runRuleSteps();
    watchTheFall();
    playDueCues();
}

void PlayWindow::watchTheFall()
{
    const bool fallingFree = ySpeed > 0 && !platformUnderBall();
    if (fallingFree && !fallingFree_)
        cueAtTickEnd(SoundCue::LastChance);
    fallingFree_ = fallingFree;
}

bool PlayWindow::platformUnderBall() const
{
    // A ball whose bottom has passed a platform's bottom edge can only meet it from below.
    const float ballBottom = ball.Top + ball.Height;
    return std::any_of(controls_.begin(), controls_.end(), [&](const Control& c) {
        return c.kind == ControlKind::Rectangle && ballBottom <= c.Top + c.Height;
    });
}

void PlayWindow::playDueCues()
{
    for (const SoundCue cue : { SoundCue::Landing, SoundCue::HeadBump, SoundCue::LastChance })
        if (cuesDue_ & cueBit(cue))
            host_.playCue(cue);
    cuesDue_ = 0;
}

void PlayWindow::CheckGameOver()
{
    if (ball.Top < host_.clientHeight())
        return;
    // Nothing is reset yet: the fallen ball and the final score stay on show under the box.
    gameOverBoxOpen_ = true;
    host_.showGameOverBox();
}

bool PlayWindow::finalScoreBeatsHighScore() const
{
    return readScoreText(lblScore.Caption) > readScoreText(lblHighScore.Caption);
}

void PlayWindow::gameOverBoxClosed()
{
    if (!gameOverBoxOpen_)
        return;
    gameOverBoxOpen_ = false;
    fallingFree_ = false;
    tmrMovement.Enabled = false;
    lblStart.Visible = true;
    putShapesToResetPlaces();
    const double high = readScoreText(lblHighScore.Caption);
    const double score = readScoreText(lblScore.Caption);
    if (!(high > score))
        lblHighScore.Caption = writeScoreText(score);
    lblScore.Caption = "0";
}

} // namespace zorvik
