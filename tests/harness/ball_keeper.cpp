// SPDX-License-Identifier: MIT
#include "ball_keeper.h"

#include <algorithm>
#include <thread>

namespace zorvik::harness {

namespace {

constexpr auto leapEvery = 1s;
// A tower ball that leaps every second from the start and has not dropped out after this long
// is above every platform in all but about one game in a thousand, by the rules played out; a
// single leap, looked at after 1.5 s, left one ball in twelve still among them.
constexpr auto clearOfPlatforms = 3s;
constexpr int towerAttempts = 10;

} // namespace

BallKeeper::BallKeeper(XDisplay& display)
    : display_(display)
    , tower_(display.waitForWindow("Zorvik!"))
    , hopper_(display.waitForWindow("Zorvik Again!"))
{
}

bool BallKeeper::startGames()
{
    if (!startTower())
        return false;
    startHopper();
    return true;
}

bool BallKeeper::startTower()
{
    using Clock = std::chrono::steady_clock;
    for (int attempt = 0; attempt < towerAttempts; ++attempt) {
        display_.sendKey(tower_, "Return");
        const auto start = Clock::now();
        lastLeap_ = start - leapEvery;
        while (Clock::now() < start + clearOfPlatforms && !display_.boxOf(tower_)) {
            leapIn({ tower_ });
            sleepFor(50ms);
        }
        if (!display_.boxOf(tower_))
            return true;
        dismissBoxOf(tower_);
    }
    return false;
}

void BallKeeper::startHopper()
{
    display_.sendKey(hopper_, "Return");
    display_.sendKey(hopper_, "Up");
}

void BallKeeper::dismissBoxOf(Window window)
{
    if (const auto box = display_.boxOf(window)) {
        display_.sendKey(*box, "Return");
        waitUntil([&] { return !display_.boxOf(window); }, 2s);
    }
}

void BallKeeper::leapIfDue()
{
    leapIn({ tower_, hopper_ });
}

void BallKeeper::leapIn(std::initializer_list<Window> windows)
{
    const auto now = std::chrono::steady_clock::now();
    if (now < lastLeap_ + leapEvery)
        return;
    for (const Window window : windows)
        display_.sendKey(window, "Up");
    lastLeap_ = now;
}

void BallKeeper::keepPlayingUntil(std::chrono::steady_clock::time_point until)
{
    while (std::chrono::steady_clock::now() < until) {
        std::this_thread::sleep_until(std::min(until, lastLeap_ + leapEvery));
        leapIfDue();
    }
}

bool BallKeeper::ballLost() const
{
    return display_.boxOf(tower_) || display_.boxOf(hopper_);
}

std::vector<Window> BallKeeper::restartLostGames()
{
    std::vector<Window> restarted;
    if (display_.boxOf(hopper_)) {
        dismissBoxOf(hopper_);
        startHopper();
        restarted.push_back(hopper_);
    }
    if (display_.boxOf(tower_)) {
        dismissBoxOf(tower_);
        startTower();
        restarted.push_back(tower_);
    }
    return restarted;
}

bool BallKeeper::endGamesWithBoxes(std::chrono::milliseconds within)
{
    const bool bothOpen
        = waitUntil([&] { return display_.boxOf(tower_) && display_.boxOf(hopper_); }, within);
    dismissBoxOf(hopper_);
    dismissBoxOf(tower_);
    return bothOpen;
}

} // namespace zorvik::harness
