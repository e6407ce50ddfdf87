// SPDX-License-Identifier: MIT
// One tick of each play window, as the host runs it 64 times a second.

#include "ball_in_play.h"
#include "forms/form1.h"
#include "forms/form2.h"
#include "play_benchmarks.h"
#include "support/fake_host.h"

namespace zorvik::bench {

namespace {

// Runs ticks of a started game with the window's real random source, which reseeds from the
// clock whenever a platform is dealt out again.
template <typename Form> void runTicks(benchmark::State& state, float clientHeight)
{
    testing::FakeHost host(clientHeight);
    Form form(host);
    form.Form_Load();
    form.Form_KeyDown(keys::Return, 0);

    const AllocationCount allocations;
    for (auto _ : state) {
        form.tmrMovement_Timer();
        keepBallInPlay(form, clientHeight);
        benchmark::DoNotOptimize(form.ball.Top);
    }
    reportAllocations(state, allocations);
    if (form.gameOverBoxOpen() || !form.tmrMovement.Enabled)
        state.SkipWithError("the game ended inside the loop");
}

void BM_TowerTick(benchmark::State& state)
{
    runTicks<Form1>(state, 8220);
}
BENCHMARK(BM_TowerTick);

void BM_HopperTick(benchmark::State& state)
{
    runTicks<Form2>(state, 6585);
}
BENCHMARK(BM_HopperTick);

// Ending a game and starting the next: the box is dismissed (high score, reset, seven platforms
// dealt) and Return pressed. Not part of any tick, measured to show it is cheap too.
void BM_TowerGameOverAndRestart(benchmark::State& state)
{
    testing::FakeHost host(8220);
    Form1 tower(host);
    tower.Form_Load();
    const AllocationCount allocations;
    for (auto _ : state) {
        tower.Form_KeyDown(keys::Return, 0);
        while (!tower.gameOverBoxOpen())
            tower.tmrMovement_Timer();
        tower.gameOverBoxClosed();
    }
    reportAllocations(state, allocations);
}
BENCHMARK(BM_TowerGameOverAndRestart);

} // namespace

} // namespace zorvik::bench
