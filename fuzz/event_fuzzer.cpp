// SPDX-License-Identifier: MIT
// libFuzzer entry: any input is a script of player events for both windows (see
// tests/support/event_script.h); a broken rule aborts, which libFuzzer reports as a crash.

#include "support/event_script.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string problem = zorvik::testing::playScript({ data, size });
    if (!problem.empty()) {
        std::fprintf(stderr, "zorvik: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
