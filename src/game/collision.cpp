// SPDX-License-Identifier: MIT
#include "game/collision.h"

#include "game/rounding.h"

namespace zorvik {

Contact classifyContact(const PlayRect& ballRect, const Control& ball, const Control& platform)
{
    if (!IntersectRect(ballRect, PlayRect::of(platform)))
        return Contact::None;
    // a and b are whole twips (16-bit, halves to even); c and d stay fractional.
    const std::int16_t a = roundToInt16(ball.Height + ball.Top - platform.Top);
    const std::int16_t b = roundToInt16(platform.Height + platform.Top - ball.Top);
    const float c = platform.Width + platform.Left - ball.Left;
    const float d = ball.Width + ball.Left - platform.Left;
    if (a <= b && a <= c && a <= d)
        return Contact::Landing;
    if (b <= a && b <= c && b <= d)
        return Contact::HeadBump;
    return Contact::Side;
}

Contact collide(const PlayRect& ballRect, const Control& ball, const Control& platform,
    Speed& ySpeed, bool headBumps)
{
    const Contact contact = classifyContact(ballRect, ball, platform);
    if (contact == Contact::Landing)
        ySpeed = landingSpeed;
    else if (contact == Contact::HeadBump && headBumps)
        ySpeed = negateSpeed(ySpeed);
    return contact;
}

} // namespace zorvik
