// SPDX-License-Identifier: MIT
// Measures the tower's tick rate on the real program: starts a game under Xvfb, keeps the ball
// up with a leap every two seconds, and timestamps every change of the score label for ten
// seconds. Each tick rewrites the score, so each change is one tick.

#include "game_test.h"

#include <algorithm>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <spawn.h>

extern char** environ;

namespace zorvik::e2e {
namespace {

// Where the tower's score is drawn, in client pixels.
constexpr Rect towerScore { 48, 528, 65, 12 };

int probe()
{
    Session x;
    x.startGame();
    const Window tower = x.waitForWindow("Zorvik!");
    x.key(tower, "Up");
    x.key(tower, "Return");
    using Clock = std::chrono::steady_clock;
    std::vector<Clock::time_point> changes;
    Frame last = x.grab(tower, towerScore);
    const auto start = Clock::now();
    auto nextLeap = start + 2s;
    while (Clock::now() - start < 11s) {
        Frame now = x.grab(tower, towerScore);
        if (now != last) {
            changes.push_back(Clock::now());
            last = std::move(now);
        }
        if (Clock::now() > nextLeap) {
            x.runTool({ "xdotool", "key", "Up" }); // the tower keeps the focus
            nextLeap += 2s;
        }
    }
    if (changes.size() < 2)
        return std::puts("no ticks seen"), 1;
    const auto first = changes.front();
    const auto inTenSeconds
        = std::count_if(changes.begin(), changes.end(), [&](auto t) { return t - first < 10s; });
    std::vector<double> gaps;
    for (std::size_t i = 1; i < changes.size(); ++i)
        gaps.push_back(
            std::chrono::duration<double, std::milli>(changes[i] - changes[i - 1]).count());
    std::sort(gaps.begin(), gaps.end());
    const double span = std::chrono::duration<double>(changes.back() - first).count();
    const double drift = std::chrono::duration<double, std::milli>(changes.back() - first).count()
        - static_cast<double>(changes.size() - 1) * 15.625;
    std::printf("ticks in the first 10 s: %ld (64 per second gives 640)\n",
        static_cast<long>(inTenSeconds));
    std::printf(
        "rate over %.2f s: %.3f ticks/s\n", span, static_cast<double>(changes.size() - 1) / span);
    std::printf("gap median %.2f ms, p99 %.2f ms, max %.2f ms; drift %.2f ms\n",
        gaps[gaps.size() / 2], gaps[gaps.size() * 99 / 100], gaps.back(), drift);
    return 0;
}

} // namespace
} // namespace zorvik::e2e

int main()
{
    return zorvik::e2e::probe();
}
