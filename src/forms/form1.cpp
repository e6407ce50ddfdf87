// SPDX-License-Identifier: MIT
#include "forms/form1.h"

#include "game/collision.h"
#include "game/translatable.h"

namespace zorvik {

namespace {

constexpr PlayConstants towerConstants {
    .leftSpeed = -55, .rightSpeed = 55, .leapSpeed = -1000, .gravity = 5
};

constexpr float scrollStep = 35;
constexpr std::int16_t recycledTopBase = 0;
constexpr std::int16_t recycledTopSpan = -5250;
constexpr std::int16_t brickLeftBase = 0;
constexpr std::int16_t brickLeftSpan = 5307;

constexpr float ballTop = 5040;
constexpr float ballLeft = 2769;
constexpr float firstBrickTopAtLoad = 7250;
constexpr float firstBrickTopAtReset = 7440;
constexpr float firstBrickLeft = 2653;

struct RowRange {
    std::int16_t base;
    std::int16_t span;
};
// Top ranges of bricks(1) .. bricks(6).
constexpr std::array<RowRange, 6> rowTops { { { 8100, 8125 }, { 6025, 6050 }, { 4025, 4050 },
    { 2025, 2050 }, { 1025, 1050 }, { 100, 125 } } };

WindowFrame towerFrame()
{
    return { "Zorvik!", 1815, 480, 6210, 8220 };
}

constexpr float scoreRowTop = 7920;

Control brick(int index, float left, float top)
{
    return shapeRow(ControlKind::Rectangle, "bricks", index, left, top, 735, 135);
}

// Creation order, which is also drawing order: platforms over labels, the ball on top.
std::vector<Control> towerLayout()
{
    return {
        labelRow("Label1", 3960, scoreRowTop, 1095, TRANSLATABLE("PlayWindow", "High Score:"),
            LabelFont::Bold),
        labelRow("lblHighScore", 5160, scoreRowTop, 975, "0", LabelFont::Bold),
        labelRow("lblScore", 720, scoreRowTop, 975, "0", LabelFont::Bold),
        labelRow("lblScore1", 0, scoreRowTop, 615, TRANSLATABLE("PlayWindow", "Score:"),
            LabelFont::Bold),
        labelRow("lblStart", 1440, 3600, 3135,
            TRANSLATABLE("PlayWindow", "PRESS THE ENTER BUTTON TO START"),
            LabelFont::WindowDefault),
        brick(6, 5520, 360),
        brick(5, 2880, 960),
        brick(4, 4080, 1680),
        brick(3, 840, 1080),
        brick(2, 4440, 3120),
        brick(1, 960, 5040),
        brick(0, 2760, 7440),
        shapeRow(ControlKind::Oval, "ball", -1, 2880, 5160, 615, 615),
    };
}

} // namespace

Form1::Form1(FormHost& host, std::unique_ptr<RandomSource> random)
    : PlayWindow(
        host, std::move(random), towerFrame(), Timer { 10, false }, towerLayout(), towerConstants)
    , bricks { &control("bricks", 0), &control("bricks", 1), &control("bricks", 2),
        &control("bricks", 3), &control("bricks", 4), &control("bricks", 5), &control("bricks", 6) }
{
}

void Form1::Form_Load()
{
    host().openHopper();
    placeBallAndRandomRows(firstBrickTopAtLoad);
}

void Form1::putShapesToResetPlaces()
{
    placeBallAndRandomRows(firstBrickTopAtReset);
}

void Form1::placeBallAndRandomRows(float firstBrickTop)
{
    ball.Top = ballTop;
    ball.Left = ballLeft;
    bricks[0]->Top = firstBrickTop;
    bricks[0]->Left = firstBrickLeft;
    for (int k = 1; k <= bricksUpperBound; ++k) {
        const RowRange& row = rowTops[static_cast<std::size_t>(k - 1)];
        bricks[static_cast<std::size_t>(k)]->Top = RandomOffset(row.base, row.span);
        bricks[static_cast<std::size_t>(k)]->Left = RandomOffset(brickLeftBase, brickLeftSpan);
    }
}

void Form1::runRuleSteps()
{
    UpdateBricks();
    RecycleBricks();
    CheckGameOver();
}

void Form1::UpdateBricks()
{
    const PlayRect ballRect = PlayRect::of(ball);
    const int upperBound = bricksUpperBound;
    for (int i = 0; i <= upperBound; ++i) {
        Control& platform = *bricks[static_cast<std::size_t>(i)];
        platform.Top = platform.Top + scrollStep;
        const Contact contact = collide(ballRect, ball, platform, ySpeed, /*headBumps=*/true);
        if (contact == Contact::Landing)
            cueAtTickEnd(SoundCue::Landing);
        else if (contact == Contact::HeadBump)
            cueAtTickEnd(SoundCue::HeadBump);
    }
}

void Form1::RecycleBricks()
{
    const int upperBound = bricksUpperBound;
    for (int i = 0; i <= upperBound; ++i) {
        Control& platform = *bricks[static_cast<std::size_t>(i)];
        if (platform.Top >= host().clientHeight()) {
            platform.Top = RandomOffset(recycledTopBase, recycledTopSpan);
            platform.Left = RandomOffset(brickLeftBase, brickLeftSpan);
        }
    }
}

} // namespace zorvik
