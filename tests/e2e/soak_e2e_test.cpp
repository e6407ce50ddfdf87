// SPDX-License-Identifier: MIT
// The real game under storms of keys into both windows for minutes on end: it never crashes
// or hangs, its memory stays put, and closing the windows, at any moment, ends it with 0.
#include "process_stats.h"
#include "session.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>
#include <vector>

namespace zorvik::e2e {
namespace {

using namespace harness;

// ZORVIK_E2E_SOAK_SECONDS overrides the length the build chose (shorter when sanitized).
std::chrono::seconds soakLength()
{
    const char* seconds = std::getenv("ZORVIK_E2E_SOAK_SECONDS");
    return std::chrono::seconds(seconds ? std::atoi(seconds) : ZORVIK_E2E_SOAK_SECONDS);
}

// A player at both windows with no patience: bursts of keys, the game's own and others,
// arrows held long enough to repeat, and every "Game Over" box dismissed as it comes (the
// box takes the focus when it opens, so most go with the next Return, Space or Escape of
// the burst itself).
class KeyStorm {
public:
    KeyStorm(Session& x, unsigned seed)
        : x_(x)
        , random_(seed)
    {
    }

    // Sends one burst into the window; false if the game has gone or a box never closed.
    bool burst(Window window)
    {
        if (!dismissBoxOf(window))
            return false;
        // Up rarely: a ball kept leaping never ends its game.
        static constexpr std::array<const char*, 16> keys { "Return", "Return", "Return", "Left",
            "Left", "Right", "Right", "Up", "Down", "space", "Escape", "KP_Enter", "a", "Tab",
            "shift+Left", "ctrl+Right" };
        std::vector<std::string> command { "xdotool", "key", "--delay", "4" };
        for (int i = 4 + pick(16); i > 0; --i)
            command.push_back(keys[pick(keys.size())]);
        if (pick(3) == 0) { // an arrow held long enough to repeat, or not quite
            const std::string arrow = pick(2) ? "Left" : "Right";
            command.insert(command.end(),
                { "keydown", arrow, "sleep", pick(2) ? "0.8" : "0.2", "keyup", arrow });
        }
        try {
            x_.focus(window);
        } catch (const std::runtime_error&) {
            // A box that opened just now took the focus; it is dismissed next time round.
            return dismissBoxOf(window);
        }
        x_.runTool(command);
        return !exitStatus();
    }

    // Dismisses the window's box if one is open; false if it never closes. A second try
    // answers a box whose window the storm's last keys were still reaching as it opened.
    bool dismissBoxOf(Window window)
    {
        for (int attempt = 0; attempt < 2; ++attempt) {
            const auto box = x_.boxOf(window);
            if (!box)
                return true;
            try {
                x_.key(*box, pick(2) ? "Return" : "Escape");
            } catch (const std::runtime_error&) {
                continue;
            }
            if (waitUntil([&] { return !x_.boxOf(window); }, 5s)) {
                ++boxesDismissed_;
                return true;
            }
        }
        return false;
    }

    // The game's exit status once it has exited, waiting at most this long.
    std::optional<int> exitStatus(std::chrono::milliseconds wait = 1ms)
    {
        if (!exited_)
            exited_ = x_.waitForExit(wait);
        return exited_;
    }

    // Plays the window's game out with no keys and dismisses its box: proof that it still
    // ticks and ends games. The storm's leaps can send the ball far above the window, and a
    // ball falling that fast can bounce off a platform's underside and go up again, so a game
    // may take minutes to end: the wait goes on while the score still counts. False if the
    // score stands still for two seconds with no box, or no box comes within three minutes.
    bool playOut(Window window, const std::string& name)
    {
        // A game the storm started may end between the look for its box and the Return,
        // which then answers the box instead: Return again until the prompt has gone.
        const bool started = waitUntil(
            [&] {
                if (!dismissBoxOf(window))
                    return false;
                x_.key(window, "Return");
                return waitUntil([&] { return !promptShown(name); }, 1s, 20ms);
            },
            10s, 0ms);
        if (!started)
            return false;
        const auto start = std::chrono::steady_clock::now();
        auto lastChange = start;
        std::string last = x_.reader().text(name, "Score");
        while (!x_.boxOf(window)) {
            const auto now = std::chrono::steady_clock::now();
            if (now > start + 3min || now > lastChange + 2s || exitStatus())
                return false;
            sleepFor(100ms);
            std::string score = x_.reader().text(name, "Score");
            if (score != last)
                lastChange = now;
            last = std::move(score);
        }
        ++gamesPlayedOut_;
        return dismissBoxOf(window);
    }

    bool promptShown(const std::string& name) const
    {
        return x_.reader().window(name).value_or(AccessibleWindow {}).promptShown();
    }

    int pick(std::size_t count) { return static_cast<int>(random_() % count); }
    int gamesPlayedOut() const { return gamesPlayedOut_; }
    int boxesDismissed() const { return boxesDismissed_; }

private:
    Session& x_;
    std::mt19937 random_;
    std::optional<int> exited_;
    int boxesDismissed_ = 0;
    int gamesPlayedOut_ = 0;
};

// Minutes of storms into both windows; resident memory after them is within 2 MB of what
// it was after the first ten seconds, and closing both windows ends the game with 0.
TEST(SoakE2E, KeyStormsIntoBothWindowsForMinutes)
{
    SessionOptions read;
    read.accessibility = Accessibility::Read;
    Session x(read);
    x.startGame();
    const char* names[] = { "Zorvik!", "Zorvik Again!" };
    const Window windows[] = { x.waitForWindow(names[0]), x.waitForWindow(names[1]) };
    KeyStorm storm(x, 20240611);
    const auto start = std::chrono::steady_clock::now();
    const auto end = start + soakLength();
    std::optional<long> settledKb;
    int bursts = 0;
    while (std::chrono::steady_clock::now() < end) {
        ASSERT_TRUE(storm.burst(windows[storm.pick(2)]))
            << "the game stopped answering after " << bursts << " bursts; exit status "
            << storm.exitStatus().value_or(-1);
        if (++bursts % 25 == 0) {
            ASSERT_TRUE(storm.playOut(windows[bursts / 25 % 2], names[bursts / 25 % 2]))
                << "a game played out with no keys stopped or never ended after " << bursts
                << " bursts";
        }
        if (!settledKb && std::chrono::steady_clock::now() > start + 10s)
            settledKb = residentKb(x.gamePid());
    }
    for (const Window window : windows)
        ASSERT_TRUE(storm.dismissBoxOf(window));
    const std::optional<long> finalKb = residentKb(x.gamePid());
    ASSERT_TRUE(settledKb && finalKb) << "the game has gone";
    std::printf("%d bursts, %d games played out, %d boxes dismissed between bursts; resident "
                "memory %ld kB after 10 s, %ld kB after %lld s\n",
        bursts, storm.gamesPlayedOut(), storm.boxesDismissed(), *settledKb, *finalKb,
        static_cast<long long>(soakLength().count()));
    // Under AddressSanitizer freed memory waits in quarantine, so only the plain build's
    // figure means anything.
    if (!ZORVIK_GAME_SANITIZED) {
        EXPECT_LE(*finalKb - *settledKb, 2048) << "resident memory grew during the soak";
    }
    x.requestClose(windows[0]);
    ASSERT_TRUE(x.waitForNoWindow("Zorvik!"));
    x.requestClose(windows[1]);
    EXPECT_EQ(storm.exitStatus(10s), 0);
}

// Storms with the windows closed at random moments, in either order, boxes open or not,
// keys held or not: the other window plays on, and the last close ends the game with 0.
class SoakWithCloses : public ::testing::TestWithParam<unsigned> { };

TEST_P(SoakWithCloses, WindowsCloseAtRandomMoments)
{
    Session x;
    x.startGame();
    std::vector<std::pair<std::string, Window>> open { { "Zorvik!", x.waitForWindow("Zorvik!") },
        { "Zorvik Again!", x.waitForWindow("Zorvik Again!") } };
    KeyStorm storm(x, GetParam());
    const auto stormFor = [&](std::chrono::milliseconds length) {
        const auto until = std::chrono::steady_clock::now() + length;
        while (std::chrono::steady_clock::now() < until)
            if (!storm.burst(open[storm.pick(open.size())].second))
                return false;
        return true;
    };
    while (!open.empty()) {
        ASSERT_TRUE(stormFor(std::chrono::milliseconds(500 + storm.pick(6000))))
            << "the game stopped answering; exit status " << storm.exitStatus().value_or(-1);
        const auto closing = open.begin() + storm.pick(open.size());
        const bool holdingAKey = storm.pick(2) == 0;
        if (holdingAKey)
            x.runTool({ "xdotool", "keydown", "Right" });
        x.requestClose(closing->second);
        ASSERT_TRUE(x.waitForNoWindow(closing->first, 10s)) << closing->first << " stays open";
        if (holdingAKey)
            x.runTool({ "xdotool", "keyup", "Right" });
        open.erase(closing);
        if (!open.empty()) {
            ASSERT_FALSE(storm.exitStatus()) << "the other window is still open";
        }
    }
    EXPECT_EQ(storm.exitStatus(10s), 0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SoakWithCloses, ::testing::Values(1u, 2u, 3u));

} // namespace
} // namespace zorvik::e2e
