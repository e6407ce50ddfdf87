// SPDX-License-Identifier: MIT
// The pieces a tick is made of: the contact test, the random platform places and the score
// captions.

#include "game/collision.h"
#include "game/random_source.h"
#include "game/score_text.h"
#include "play_benchmarks.h"

#include <array>
#include <string>

namespace zorvik::bench {

namespace {

Control shape(ControlKind kind, float left, float top, float width, float height)
{
    return { kind, {}, -1, left, top, width, height, {}, {}, true };
}

// A tower platform and a ball placed for each kind of contact, the argument's index.
struct ContactCase {
    const char* name;
    float ballLeft;
    float ballTop;
};
constexpr std::array<ContactCase, 4> contactCases { {
    { "none", 100, 100 },
    { "landing", 2800, 7000 },
    { "head_bump", 2800, 7500 },
    { "side", 3400, 7200 },
} };

void BM_Collide(benchmark::State& state)
{
    const ContactCase& contact = contactCases.at(static_cast<std::size_t>(state.range(0)));
    state.SetLabel(contact.name);
    const Control platform = shape(ControlKind::Rectangle, 2760, 7440, 735, 135);
    const Control ball = shape(ControlKind::Oval, contact.ballLeft, contact.ballTop, 615, 615);
    const AllocationCount allocations;
    for (auto _ : state) {
        Speed ySpeed = 100;
        benchmark::DoNotOptimize(ball);
        const Contact result = collide(PlayRect::of(ball), ball, platform, ySpeed, true);
        benchmark::DoNotOptimize(result);
        benchmark::DoNotOptimize(ySpeed);
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_Collide)->DenseRange(0, static_cast<int>(contactCases.size()) - 1);

void BM_RandomOffset(benchmark::State& state)
{
    ClockSeededRandom random;
    const AllocationCount allocations;
    for (auto _ : state)
        benchmark::DoNotOptimize(RandomOffset(random, 0, 5307));
    reportAllocations(state, allocations);
}
BENCHMARK(BM_RandomOffset);

// Scores of 1, 4 and 9 digits: a new game, a long one, and far more than anyone plays.
void BM_ReadScoreText(benchmark::State& state)
{
    const std::string caption = std::to_string(state.range(0));
    const AllocationCount allocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(caption.data());
        benchmark::DoNotOptimize(readScoreText(caption));
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_ReadScoreText)->Arg(7)->Arg(1234)->Arg(123456789);

void BM_WriteScoreText(benchmark::State& state)
{
    const auto score = static_cast<double>(state.range(0));
    const AllocationCount allocations;
    for (auto _ : state) {
        benchmark::DoNotOptimize(score);
        benchmark::DoNotOptimize(writeScoreText(score));
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_WriteScoreText)->Arg(7)->Arg(1234)->Arg(123456789);

// What a tick does to the score caption: read it, add one, write it back into the same string.
void BM_CountScore(benchmark::State& state)
{
    std::string caption = std::to_string(state.range(0));
    const AllocationCount allocations;
    for (auto _ : state) {
        caption = writeScoreText(readScoreText(caption) + 1);
        benchmark::DoNotOptimize(caption.data());
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_CountScore)->Arg(0)->Arg(123456789);

} // namespace

} // namespace zorvik::bench
