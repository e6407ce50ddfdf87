// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zorvik::bench {

// Heap allocations made by this program so far. Linking allocation_counter.cpp replaces the
// global operator new, so every allocation through new, std::string or std::vector counts.
std::uint64_t allocationsSoFar();

// Counts the allocations made from its construction on.
class AllocationCount {
public:
    AllocationCount()
        : start_(allocationsSoFar())
    {
    }
    std::uint64_t sinceStart() const { return allocationsSoFar() - start_; }

private:
    std::uint64_t start_;
};

} // namespace zorvik::bench
