// SPDX-License-Identifier: MIT
// Ten million ticks a window of seeded random play, every rule checked after every event.
// ZORVIK_SOAK_TICKS sets another length (the sanitizer build runs a shorter soak).
#include "support/fake_host.h"
#include "support/invariants.h"
#include "support/seeded_random.h"

#include <array>
#include <cstdlib>
#include <gtest/gtest.h>
#include <random>
#include <string>

namespace zorvik {
namespace {

using testing::FakeHost;
using testing::SeededRandom;
using testing::WindowWatch;

std::uint64_t soakTicks()
{
    const char* ticks = std::getenv("ZORVIK_SOAK_TICKS");
    return ticks ? std::stoull(ticks) : 10'000'000;
}

// A player who hammers the keyboard: now and then a key goes down or comes up, mostly the
// game's own keys but any code at all as well; a "Game Over" box stays open a random while
// before it is dismissed, and the next game starts when Return happens to come. The pace
// changes every so often: a fast one keeps leaping the ball ever higher, a slow one lets it
// fall back and the game end.
class KeyboardMasher {
public:
    explicit KeyboardMasher(std::uint64_t seed)
        : random_(seed)
    {
    }

    void play(WindowWatch& watch, std::uint64_t ticks)
    {
        std::uint64_t ticksPerKey = 32;
        for (std::uint64_t calls = 0; watch.ticksRun() < ticks && watch.ok(); ++calls) {
            if (calls % 20'000 == 0)
                ticksPerKey = std::uint64_t { 16 } << random_() % 4;
            const auto roll = random_() % (ticksPerKey * 8);
            if (roll < 5)
                watch.keyDown(key(), static_cast<int>(random_() % 8));
            else if (roll < 8)
                watch.keyUp(key(), static_cast<int>(random_() % 8));
            else if (roll < 24 && watch.form().gameOverBoxOpen())
                watch.dismissBox();
            watch.tick();
        }
    }

private:
    KeyCode key()
    {
        static constexpr std::array<KeyCode, 5> gameKeys { keys::Return, keys::Left, keys::Up,
            keys::Right, keys::Down };
        const auto roll = random_();
        if (roll % 10 == 0)
            return static_cast<KeyCode>(roll >> 16);
        return gameKeys[(roll >> 8) % gameKeys.size()];
    }

    std::mt19937_64 random_;
};

void expectSoakKeptEveryRule(const WindowWatch& watch, std::uint64_t ticks)
{
    EXPECT_TRUE(watch.ok()) << watch.problem();
    EXPECT_EQ(watch.ticksRun(), ticks);
    EXPECT_GT(watch.gamesOver(), ticks / 10'000) << "games start, end and reset all the while";
    ::testing::Test::RecordProperty("ticks", std::to_string(watch.ticksRun()));
    ::testing::Test::RecordProperty("games", std::to_string(watch.gamesOver()));
    std::printf("%llu ticks, %llu games over\n", static_cast<unsigned long long>(watch.ticksRun()),
        static_cast<unsigned long long>(watch.gamesOver()));
}

TEST(Soak, TowerKeepsEveryRuleThroughRandomPlay)
{
    FakeHost host(8220);
    Form1 tower(host, std::make_unique<SeededRandom>(1));
    tower.Form_Load();
    WindowWatch watch(tower, 8220);
    KeyboardMasher(11).play(watch, soakTicks());
    expectSoakKeptEveryRule(watch, soakTicks());
}

TEST(Soak, HopperKeepsEveryRuleThroughRandomPlay)
{
    FakeHost host(6585);
    Form2 hopper(host, std::make_unique<SeededRandom>(2));
    hopper.Form_Load();
    WindowWatch watch(hopper, 6585);
    KeyboardMasher(22).play(watch, soakTicks());
    expectSoakKeptEveryRule(watch, soakTicks());
}

} // namespace
} // namespace zorvik
