// SPDX-License-Identifier: MIT
#pragma once

#include "allocation_counter.h"

#include <benchmark/benchmark.h>

namespace zorvik::bench {

// Reports the heap allocations a benchmark's loop made, per iteration; the game's goal is 0.
inline void reportAllocations(benchmark::State& state, const AllocationCount& count)
{
    state.counters["allocs_per_iter"] = benchmark::Counter(
        static_cast<double>(count.sinceStart()), benchmark::Counter::kAvgIterations);
}

} // namespace zorvik::bench
