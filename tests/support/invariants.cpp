// SPDX-License-Identifier: MIT
#include "support/invariants.h"

#include "game/collision.h"
#include "game/score_text.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <sstream>

namespace zorvik::testing {

namespace {

// A whole number of twips in first .. last: where RandomOffset deals a platform.
bool dealtWithin(float value, float first, float last)
{
    return value == std::floor(value) && value >= first && value <= last;
}

// Digits only, and no leading zero but in "0" itself: how a whole score >= 0 is written.
bool isPlainWholeNumber(const std::string& caption)
{
    return !caption.empty()
        && std::all_of(caption.begin(), caption.end(), [](char c) { return c >= '0' && c <= '9'; })
        && (caption[0] != '0' || caption.size() == 1);
}

// Adds one to a plain decimal number in place: the score a tick should leave, worked out
// apart from the game's own arithmetic.
void addOne(std::string& digits)
{
    for (auto digit = digits.rbegin(); digit != digits.rend(); ++digit) {
        if (*digit != '9') {
            ++*digit;
            return;
        }
        *digit = '0';
    }
    digits.insert(digits.begin(), '1');
}

// Speed arithmetic worked out here, apart from the game's own: 16 bits, saturating.
Speed saturated(long value)
{
    return static_cast<Speed>(std::clamp<long>(value, -32768, 32767));
}

bool finite(const Control& c)
{
    return std::isfinite(c.Left) && std::isfinite(c.Top) && std::isfinite(c.Width)
        && std::isfinite(c.Height);
}

// Where the tower deals bricks(1) .. bricks(6) at load and reset: first and last Top.
constexpr std::array<std::pair<float, float>, 6> towerRows { { { 8100, 8100 + 8125 - 1 },
    { 6025, 6025 + 6050 - 1 }, { 4025, 4025 + 4050 - 1 }, { 2025, 2025 + 2050 - 1 },
    { 1025, 1025 + 1050 - 1 }, { 100, 100 + 125 - 1 } } };
constexpr float towerLastLeft = 5306;
constexpr float towerScroll = 35;
constexpr float towerRecycledTop = -5250;

} // namespace

void WindowWatch::Snapshot::take(const PlayWindow& form)
{
    const auto& source = form.controls();
    controls.resize(source.size());
    for (std::size_t i = 0; i < source.size(); ++i) {
        const Control& c = source[i];
        controls[i].Left = c.Left;
        controls[i].Top = c.Top;
        controls[i].Width = c.Width;
        controls[i].Height = c.Height;
        controls[i].Visible = c.Visible;
        controls[i].Caption = c.Caption; // reuses the buffer: no allocation once warmed up
    }
    xSpeed = form.xSpeed;
    ySpeed = form.ySpeed;
    timerOn = form.tmrMovement.Enabled;
    boxOpen = form.gameOverBoxOpen();
}

bool WindowWatch::Snapshot::matches(const PlayWindow& form) const
{
    if (form.xSpeed != xSpeed || form.ySpeed != ySpeed || form.tmrMovement.Enabled != timerOn
        || form.gameOverBoxOpen() != boxOpen)
        return false;
    const auto& actual = form.controls();
    for (std::size_t i = 0; i < actual.size(); ++i) {
        const Control& a = actual[i];
        const ShapeState& e = controls[i];
        if (a.Left != e.Left || a.Top != e.Top || a.Width != e.Width || a.Height != e.Height
            || a.Visible != e.Visible || a.Caption != e.Caption)
            return false;
    }
    return true;
}

WindowWatch::WindowWatch(PlayWindow& form, float clientHeight, const Numbers& numbers)
    : form_(form)
    , clientHeight_(clientHeight)
    , numbers_(numbers)
    , highestSeen_(readScoreText(form.lblHighScore.Caption))
    , highText_(form.lblHighScore.Caption)
{
    countScore(readScoreText(form.lblScore.Caption));
    if (!isPlainWholeNumber(highText_))
        fail("the high score is not a plain whole number >= 0: \"" + highText_ + "\"");
}

WindowWatch::WindowWatch(Form1& tower, float clientHeight)
    : WindowWatch(tower, clientHeight, { -55, 55, -1000, 5, true })
{
    tower_ = &tower;
    checkAlways();
}

WindowWatch::WindowWatch(Form2& hopper, float clientHeight)
    : WindowWatch(hopper, clientHeight, { -65, 65, -400, 5, false })
{
    hopper_ = &hopper;
    checkAlways();
}

std::size_t WindowWatch::indexOf(const Control& control) const
{
    return static_cast<std::size_t>(&control - form_.controls().data());
}

void WindowWatch::countScore(double score)
{
    scoreText_ = writeScoreText(score);
    if (!isPlainWholeNumber(scoreText_))
        fail("the score is not a plain whole number >= 0: \"" + scoreText_ + "\"");
}

void WindowWatch::keyDown(KeyCode code, int shift)
{
    expected_.take(form_);
    form_.Form_KeyDown(code, shift);
    if (!expected_.boxOpen) {
        if (code == keys::Left)
            expected_.xSpeed = numbers_.left;
        else if (code == keys::Right)
            expected_.xSpeed = numbers_.right;
        else if (code == keys::Up)
            expected_.ySpeed = numbers_.leap;
        else if (code == keys::Return) {
            expected_.timerOn = true;
            expected(form_.lblStart).Visible = false;
        }
    }
    expectState("key-down");
}

void WindowWatch::keyUp(KeyCode code, int shift)
{
    expected_.take(form_);
    form_.Form_KeyUp(code, shift);
    if (code == keys::Left || code == keys::Right) // let go of, whatever is open
        expected_.xSpeed = 0;
    expectState("key-up");
}

void WindowWatch::tick()
{
    expected_.take(form_);
    form_.tmrMovement_Timer();
    const bool runs = expected_.timerOn && !expected_.boxOpen;
    if (runs) {
        ++ticksRun_;
        addOne(scoreText_);
        expected(form_.lblScore).Caption = scoreText_;
        ShapeState& ball = expected(form_.ball);
        const Speed fallen = saturated(long { expected_.ySpeed } + numbers_.gravity);
        ball.Left = ball.Left + expected_.xSpeed;
        ball.Top = ball.Top + fallen;
        // Collisions run after the move: a landing sets landingSpeed and, in the tower, a
        // head bump negates; several platforms in one tick can combine the two.
        const Speed y = form_.ySpeed;
        if (y == fallen || y == landingSpeed
            || (numbers_.headBumps && (y == saturated(-long { fallen }) || y == -landingSpeed)))
            expected_.ySpeed = y;
        else
            expected_.ySpeed = fallen;
        expected_.boxOpen = ball.Top >= clientHeight_;
        expectPlatformsAfterTick();
    }
    expectState(runs ? "tick" : "ignored tick");
}

void WindowWatch::dismissBox()
{
    expected_.take(form_);
    form_.gameOverBoxClosed();
    const bool wasOpen = expected_.boxOpen;
    if (wasOpen) {
        ++gamesOver_;
        const double finalScore = readScoreText(expected(form_.lblScore).Caption);
        const double high = readScoreText(expected(form_.lblHighScore).Caption);
        expected_.boxOpen = false;
        expected_.timerOn = false;
        expected(form_.lblStart).Visible = true;
        expected(form_.lblHighScore).Caption = writeScoreText(std::max(high, finalScore));
        countScore(0);
        expected(form_.lblScore).Caption = scoreText_;
        expectResetPlaces();
    }
    expectState(wasOpen ? "game over" : "dismissal with no box");
}

void WindowWatch::setSpeeds(Speed x, Speed y)
{
    form_.xSpeed = x;
    form_.ySpeed = y;
    ++events_;
    checkAlways();
}

void WindowWatch::place(Control& shape, float left, float top)
{
    shape.Left = left;
    shape.Top = top;
    ++events_;
    checkAlways();
}

void WindowWatch::setScore(double wholeScore)
{
    countScore(wholeScore);
    form_.lblScore.Caption = scoreText_;
    ++events_;
    checkAlways();
}

void WindowWatch::expectPlatformsAfterTick()
{
    if (tower_) {
        for (const Control* brick : tower_->bricks) {
            ShapeState& place = expected(*brick);
            const float scrolled = place.Top + towerScroll;
            if (scrolled < clientHeight_) {
                place.Top = scrolled;
            } else if (dealtWithin(brick->Top, towerRecycledTop, 0)
                && dealtWithin(brick->Left, 0, towerLastLeft)) {
                place.Top = brick->Top;
                place.Left = brick->Left;
            }
        }
    } else {
        // The brick jumps only when the ball lands on it, to a new place in its ranges.
        const Control& brick = hopper_->brick;
        if (form_.ySpeed == landingSpeed && dealtWithin(brick.Top, 1250, 4749)
            && dealtWithin(brick.Left, 500, 5499)) {
            expected(brick).Top = brick.Top;
            expected(brick).Left = brick.Left;
        }
    }
}

void WindowWatch::expectResetPlaces()
{
    const auto put = [&](const Control& shape, float left, float top) {
        expected(shape).Left = left;
        expected(shape).Top = top;
    };
    if (tower_) {
        put(tower_->ball, 2769, 5040);
        put(*tower_->bricks[0], 2653, 7440);
        for (std::size_t k = 1; k < tower_->bricks.size(); ++k) {
            const Control& brick = *tower_->bricks[k];
            const auto [first, last] = towerRows[k - 1];
            if (dealtWithin(brick.Top, first, last) && dealtWithin(brick.Left, 0, towerLastLeft))
                put(brick, brick.Left, brick.Top);
        }
    } else {
        put(hopper_->ball, 3360, 3360);
        put(hopper_->brick, 3240, 6120);
    }
}

void WindowWatch::expectState(const char* event)
{
    ++events_;
    if (!expected_.matches(form_)) {
        Snapshot actual;
        actual.take(form_);
        std::ostringstream what;
        what << "the " << event << " left the window in a state its rules do not allow:";
        if (actual.xSpeed != expected_.xSpeed || actual.ySpeed != expected_.ySpeed)
            what << " speeds (" << actual.xSpeed << ", " << actual.ySpeed << "), expected ("
                 << expected_.xSpeed << ", " << expected_.ySpeed << ");";
        if (actual.timerOn != expected_.timerOn || actual.boxOpen != expected_.boxOpen)
            what << " timer " << actual.timerOn << " box " << actual.boxOpen << ", expected "
                 << expected_.timerOn << " and " << expected_.boxOpen << ";";
        for (std::size_t i = 0; i < actual.controls.size(); ++i) {
            const ShapeState& a = actual.controls[i];
            const ShapeState& e = expected_.controls[i];
            if (a.Left != e.Left || a.Top != e.Top || a.Width != e.Width || a.Height != e.Height
                || a.Visible != e.Visible || a.Caption != e.Caption)
                what << ' ' << form_.controls()[i].name << '(' << form_.controls()[i].index
                     << ") at " << a.Left << ',' << a.Top << " \"" << a.Caption << "\" visible "
                     << a.Visible << ", expected " << e.Left << ',' << e.Top << " \"" << e.Caption
                     << "\" visible " << e.Visible << ';';
        }
        fail(what.str());
    }
    checkAlways();
}

void WindowWatch::checkAlways()
{
    for (const Control& c : form_.controls())
        if (!finite(c))
            fail(c.name + " has a position that is not a finite number");
    if (form_.lblScore.Caption != scoreText_)
        fail("the score reads \"" + form_.lblScore.Caption + "\" where the ticks that ran make it "
            + scoreText_);
    if (form_.lblHighScore.Caption != highText_) {
        highText_ = form_.lblHighScore.Caption;
        const double high = readScoreText(highText_);
        if (!isPlainWholeNumber(highText_))
            fail("the high score is not a plain whole number >= 0: \"" + highText_ + "\"");
        if (high < highestSeen_)
            fail(
                "the high score dropped from " + writeScoreText(highestSeen_) + " to " + highText_);
        highestSeen_ = std::max(highestSeen_, high);
    }
    const bool timerOn = form_.tmrMovement.Enabled;
    const bool shown = form_.lblStart.Visible;
    if (form_.gameOverBoxOpen() ? (shown || !timerOn) : shown == timerOn)
        fail(std::string("the prompt is ") + (shown ? "shown" : "hidden") + " with the timer "
            + (timerOn ? "on" : "off") + (form_.gameOverBoxOpen() ? " and the box open" : ""));
}

void WindowWatch::fail(const std::string& rule)
{
    if (problem_.empty())
        problem_ = form_.frame().caption + ", event " + std::to_string(events_) + ": " + rule;
}

} // namespace zorvik::testing
