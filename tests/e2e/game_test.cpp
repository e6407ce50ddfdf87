// SPDX-License-Identifier: MIT
#include "game_test.h"

#include <cmath>
#include <cstdlib>

namespace zorvik::e2e {

namespace {

SessionOptions readUnder(Desktop desktop)
{
    SessionOptions options;
    options.desktop = desktop;
    options.accessibility = Accessibility::Read;
    return options;
}

} // namespace

std::vector<Desktop> desktopsUnderTest()
{
    const char* chosen = std::getenv("ZORVIK_E2E_DESKTOPS");
    return desktopsNamed(chosen && *chosen ? chosen : ZORVIK_E2E_DEFAULT_DESKTOPS);
}

::testing::AssertionResult ballAt(const std::optional<Rect>& ball, Point centre)
{
    if (!ball)
        return ::testing::AssertionFailure() << "no ball read";
    const Point at = ball->centre();
    if (std::abs(at.x - centre.x) > 1 || std::abs(at.y - centre.y) > 1)
        return ::testing::AssertionFailure() << "ball at (" << at.x << ", " << at.y << "), not ("
                                             << centre.x << ", " << centre.y << ")";
    return ::testing::AssertionSuccess();
}

GameTest::GameTest(Desktop desktop)
    : x(readUnder(desktop))
{
}

void GameTest::SetUp()
{
    started = x.startGame();
    tower = x.waitForWindow("Zorvik!");
    hopper = x.waitForWindow("Zorvik Again!");
}

std::string GameTest::nameOf(Window window) const
{
    return window == tower ? "Zorvik!" : "Zorvik Again!";
}

AccessibleWindow GameTest::read(Window window) const
{
    return x.reader().window(nameOf(window)).value_or(AccessibleWindow {});
}

std::string GameTest::score(Window window) const
{
    return x.reader().text(nameOf(window), "Score");
}

bool GameTest::waitForScoreChange(
    Window window, const std::string& before, std::chrono::milliseconds timeout) const
{
    return waitUntil(
        [&] {
            const std::string now = score(window);
            return !now.empty() && now != before;
        },
        timeout, 2ms);
}

int GameTest::countScoreChanges(Window window, std::chrono::milliseconds duration) const
{
    int changes = 0;
    std::string last = score(window);
    const auto until = std::chrono::steady_clock::now() + duration;
    while (std::chrono::steady_clock::now() < until) {
        std::string now = score(window);
        if (!now.empty() && now != last) {
            ++changes;
            last = std::move(now);
        }
        sleepFor(1ms);
    }
    return changes;
}

std::vector<double> GameTest::ballPath(Window window, std::chrono::milliseconds duration) const
{
    std::vector<double> path;
    // Two reads at least: reading a native Wayland window's box through the tree is slow.
    const auto until = std::chrono::steady_clock::now() + duration;
    const auto latest = until + 2s;
    const auto reading = [&] {
        const auto now = std::chrono::steady_clock::now();
        return (now < until || (path.size() < 2 && now < latest)) && !x.boxOf(window);
    };
    while (reading())
        if (const auto shapes = x.reader().shapes(nameOf(window)); shapes && shapes->ball())
            path.push_back(shapes->ball()->centre().x);
    return path;
}

Window GameTest::waitForBox(Window owner, std::chrono::milliseconds timeout) const
{
    std::optional<Window> box;
    if (!waitUntil([&] { return (box = x.boxOf(owner)).has_value(); }, timeout))
        throw std::runtime_error("no \"Game Over\" box");
    return *box;
}

bool GameTest::waitForBoxClosed(Window owner) const
{
    if (!waitUntil([&] { return !x.boxOf(owner); }, 3s))
        return false;
    // The window's reset follows the box's going; the prompt shows once it is done.
    waitUntil([&] { return promptShown(owner); }, 1s, 20ms);
    return true;
}

bool GameTest::keysReach(Window owner) const
{
    const Window focused = x.focused();
    const auto box = x.boxOf(owner);
    return focused == owner || (box && focused == *box);
}

void GameTest::answerBox(Window owner, const std::vector<std::string>& keys) const
{
    const bool reached = waitUntil(
        [&] {
            if (keysReach(owner))
                return true;
            x.click(owner);
            return waitUntil([&] { return keysReach(owner); }, 500ms);
        },
        6s, 0ms);
    if (!reached)
        throw std::runtime_error("the window never got the keyboard back");
    x.type(keys);
}

} // namespace zorvik::e2e
