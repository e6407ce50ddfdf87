// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorvik {

// A window's random generator. Each window owns one; tests inject a deterministic one.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    // Mixes the current clock into the state. Never replaces the state by a function of the
    // clock alone, so several draws in the same instant still differ.
    virtual void reseedFromClock() = 0;
    // A value r with 0 <= r < 1.
    virtual double draw() = 0;
};

// splitmix64 over a 64-bit state, reseeded by mixing in the steady clock.
class ClockSeededRandom final : public RandomSource {
public:
    ClockSeededRandom();
    explicit ClockSeededRandom(std::uint64_t seed)
        : state_(seed)
    {
    }
    void reseedFromClock() override;
    double draw() override;

private:
    std::uint64_t next();
    std::uint64_t state_;
};

// base + floor(r * span) for a fresh draw r, after reseeding from the clock: for a positive
// span it lies in base .. base + span - 1, for a negative span in base + span .. base.
float RandomOffset(RandomSource& random, std::int16_t base, std::int16_t span);

} // namespace zorvik
