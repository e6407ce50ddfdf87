// SPDX-License-Identifier: MIT
#include "game/collision.h"

#include <gtest/gtest.h>

namespace zorvik {
namespace {

Control ballAt(float left, float top)
{
    return { ControlKind::Oval, "ball", -1, left, top, 615, 615, {}, {}, true };
}
Control platformAt(float left, float top)
{
    return { ControlKind::Rectangle, "bricks", 0, left, top, 735, 135, {}, {}, true };
}

Speed respond(const Control& ball, const Control& platform, Speed ySpeed, bool headBumps = true)
{
    collide(PlayRect::of(ball), ball, platform, ySpeed, headBumps);
    return ySpeed;
}

// The smallest overlap depth says where the ball came from.
TEST(Collision, LandsHeadBumpsOrSlidesBySmallestDepth)
{
    const Control platform = platformAt(1000, 5000);
    // Bottom edge exactly on the top edge: touching is no hit.
    EXPECT_EQ(classifyContact(PlayRect::of(ballAt(1060, 4385)), ballAt(1060, 4385), platform),
        Contact::None);
    // 50 twips into the centre: landing.
    EXPECT_EQ(respond(ballAt(1060, 4435), platform, 300), landingSpeed);
    // Up into the underside with b smallest: head bump negates, in the tower only.
    EXPECT_EQ(respond(ballAt(1060, 5100), platform, -300), 300);
    EXPECT_EQ(respond(ballAt(1060, 5100), platform, -300, false), -300);
    // 10 twips in from the left side, deeper vertically: nothing.
    EXPECT_EQ(respond(ballAt(1000 - 605, 4500), platform, 77), 77);
    // 10 twips in from the right side.
    EXPECT_EQ(respond(ballAt(1000 + 735 - 10, 4500), platform, 77), 77);
}

// A tie between the top and bottom depths is a landing.
TEST(Collision, TieGoesToLanding)
{
    // Platform 135 high inside a ball 615 high: a == b when centred vertically.
    const Control platform = platformAt(1000, 5000);
    const Control ball = ballAt(1060, 5000 + 67.5f - 307.5f);
    EXPECT_EQ(classifyContact(PlayRect::of(ball), ball, platform), Contact::Landing);
}

// a and b are rounded to whole twips with halves to even; c and d are compared unrounded.
TEST(Collision, DepthsRoundHalvesToEvenButSidesStayFractional)
{
    const Control platform = platformAt(1000, 5000);
    // a = 615 + top - 5000 = 10.5 -> 10; c = 735 + 1000 - left; left chosen so c = 10.25.
    const Control ball = ballAt(1724.75f, 4395.5f);
    // a rounded (10) is below c (10.25): landing. Rounding 10.5 up to 11 would make it a side hit.
    EXPECT_EQ(classifyContact(PlayRect::of(ball), ball, platform), Contact::Landing);
    // a = 11.5 rounds to 12, above c = 11.75: a side hit. Truncating would make it a landing.
    const Control ball2 = ballAt(1723.25f, 4396.5f);
    EXPECT_EQ(classifyContact(PlayRect::of(ball2), ball2, platform), Contact::Side);
}

// A ball flown far away never overflows the depth arithmetic.
TEST(Collision, FarAwayBallIsHarmless)
{
    const Control platform = platformAt(1000, 5000);
    EXPECT_EQ(respond(ballAt(1e9f, -1e9f), platform, 123), 123);
    // A platform two billion twips wide still tells a landing.
    Control wide = { ControlKind::Rectangle, "wide", -1, -1e9f, 4000, 2e9f, 2e9f, {}, {}, true };
    EXPECT_NE(classifyContact(PlayRect::of(ballAt(0, 4300)), ballAt(0, 4300), wide), Contact::None);
}

} // namespace
} // namespace zorvik
