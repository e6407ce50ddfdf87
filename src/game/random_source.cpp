// SPDX-License-Identifier: MIT
#include "game/random_source.h"

#include <chrono>
#include <cmath>

namespace zorvik {

namespace {

std::uint64_t clockNow()
{
    return static_cast<std::uint64_t>(std::chrono::steady_clock::now().time_since_epoch().count());
}

} // namespace

ClockSeededRandom::ClockSeededRandom()
    : state_(clockNow() ^ reinterpret_cast<std::uintptr_t>(this))
{
}

std::uint64_t ClockSeededRandom::next()
{
    std::uint64_t z = (state_ += 0x9E3779B97F4A7C15ULL);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
    return z ^ (z >> 31);
}

void ClockSeededRandom::reseedFromClock()
{
    state_ ^= clockNow() * 0xD1B54A32D192ED03ULL;
}

double ClockSeededRandom::draw()
{
    // The top 53 bits give every double in [0, 1) on an even grid.
    return static_cast<double>(next() >> 11) * 0x1.0p-53;
}

float RandomOffset(RandomSource& random, std::int16_t base, std::int16_t span)
{
    random.reseedFromClock();
    double r = random.draw();
    if (!(r >= 0.0 && r < 1.0))
        r = 0.0; // a faulty source must not push a platform out of its range
    return static_cast<float>(base + std::floor(r * span));
}

} // namespace zorvik
