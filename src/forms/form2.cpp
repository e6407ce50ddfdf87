// SPDX-License-Identifier: MIT
#include "forms/form2.h"

#include "game/collision.h"

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

Control boldLabel(std::string name, float left, float width, std::string caption)
{
    return { ControlKind::Label, std::move(name), -1, left, 6240, width, 255, std::move(caption),
        LabelFont::Bold, true };
}

// Creation order, which is also drawing order.
std::vector<Control> hopperLayout()
{
    return {
        boldLabel("lblHighScore1", 4560, 1095, "High Score:"),
        boldLabel("lblScore1", 240, 615, "Score:"),
        boldLabel("lblHighScore", 5760, 975, "0"),
        boldLabel("lblScore", 960, 975, "0"),
        { ControlKind::Label, "lblStart", -1, 2760, 2760, 2055, 255, "PRESS ENTER TO START",
            LabelFont::WindowDefault, true },
        { ControlKind::Rectangle, "brick", -1, 3360, 6120, 615, 135, {}, {}, true },
        { ControlKind::Oval, "ball", -1, 3360, 3360, 615, 615, {}, {}, true },
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
    brick.Top = RandomOffset(landedTopBase, landedTopSpan);
    brick.Left = RandomOffset(landedLeftBase, landedLeftSpan);
}

} // namespace zorvik
