// SPDX-License-Identifier: MIT
#pragma once

#include "game/random_source.h"

#include <cstdint>

namespace zorvik::testing {

// The game's own generator with the clock taken out, so a seed replays the same platforms
// every time: long runs and fuzzer findings stay reproducible.
class SeededRandom final : public RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed)
        : generator_(seed)
    {
    }
    void reseedFromClock() override { }
    double draw() override { return generator_.draw(); }

private:
    ClockSeededRandom generator_;
};

} // namespace zorvik::testing
