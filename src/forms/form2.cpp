// SPDX-License-Identifier: MIT
#include "forms/form2.h"

#include "game/collision.h"
#include "game/translatable.h"

namespace zorvik {

namespace {

constexpr PlayConstants hopperConstants {
    .leftSpeed = -65, .rightSpeed = 65, .leapSpeed = -400, .gravity = 5
};

constexpr float ballTop = 3360;
constexpr float ballLeft = 3360;
constexpr float brickTop = 6120;
constexpr float brickLeft = 3240;
constexpr std::int16_t landedTopBase = 1250;
constexpr std::int16_t landedTopSpan = 3500;
constexpr std::int16_t landedLeftBase = 500;
constexpr std::int16_t landedLeftSpan = 5000;

WindowFrame hopperFrame()
{
    return { "Zorvik Again!", 9390, 885, 7155, 6585 };
}

constexpr float scoreRowTop = 6240;

// Creation order, which is also drawing order.
std::vector<Control> hopperLayout()
{
    return {
        labelRow("lblHighScore1", 4560, scoreRowTop, 1095,
            TRANSLATABLE("PlayWindow", "High Score:"), LabelFont::Bold),
        labelRow("lblScore1", 240, scoreRowTop, 615, TRANSLATABLE("PlayWindow", "Score:"),
            LabelFont::Bold),
        labelRow("lblHighScore", 5760, scoreRowTop, 975, "0", LabelFont::Bold),
        labelRow("lblScore", 960, scoreRowTop, 975, "0", LabelFont::Bold),
        labelRow("lblStart", 2760, 2760, 2055, TRANSLATABLE("PlayWindow", "PRESS ENTER TO START"),
            LabelFont::WindowDefault),
        shapeRow(ControlKind::Rectangle, "brick", -1, 3360, 6120, 615, 135),
        shapeRow(ControlKind::Oval, "ball", -1, 3360, 3360, 615, 615),
    };
}

} // namespace

Form2::Form2(FormHost& host, std::unique_ptr<RandomSource> random)
    : PlayWindow(
        host, std::move(random), hopperFrame(), Timer { 1, false }, hopperLayout(), hopperConstants)
    , brick(control("brick"))
{
}

void Form2::Form_Load()
{
    putShapesToResetPlaces();
}

void Form2::putShapesToResetPlaces()
{
    ball.Top = ballTop;
    ball.Left = ballLeft;
    brick.Top = brickTop;
    brick.Left = brickLeft;
}

void Form2::runRuleSteps()
{
    CheckLanding();
    CheckGameOver();
}

void Form2::CheckLanding()
{
    if (collide(PlayRect::of(ball), ball, brick, ySpeed, /*headBumps=*/false) != Contact::Landing)
        return;
    cueAtTickEnd(SoundCue::Landing);
    brick.Top = RandomOffset(landedTopBase, landedTopSpan);
    brick.Left = RandomOffset(landedLeftBase, landedLeftSpan);
}

} // namespace zorvik
