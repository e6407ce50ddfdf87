// SPDX-License-Identifier: MIT
#include "sound/listening.h"

#include "game/play_window.h"

#include <algorithm>

namespace zorvik {

namespace {

float fraction(float at, float whole)
{
    return whole > 0 ? std::clamp(at / whole, 0.0f, 1.0f) : 0.5f;
}

float panOf(const Control& control, const WindowFrame& frame)
{
    return fraction(control.Left + control.Width / 2, frame.clientWidth);
}

} // namespace

Listening listenTo(const PlayWindow& window)
{
    const WindowFrame& frame = window.frame();
    Listening heard;
    heard.playing = window.tmrMovement.Enabled && !window.gameOverBoxOpen();
    heard.ballPan = panOf(window.ball, frame);
    heard.ballHeight
        = 1.0f - fraction(window.ball.Top + window.ball.Height / 2, frame.clientHeight);
    const Control* platform = nullptr;
    int platforms = 0;
    for (const Control& control : window.controls())
        if (control.kind == ControlKind::Rectangle) {
            platform = &control;
            ++platforms;
        }
    if (platforms == 1) {
        heard.platformHeard = true;
        heard.platformPan = panOf(*platform, frame);
    }
    return heard;
}

} // namespace zorvik
