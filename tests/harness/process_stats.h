// SPDX-License-Identifier: MIT
#pragma once

#include <chrono>
#include <optional>
#include <sys/types.h>

namespace zorvik::harness {

// Resident memory of a running process in kB (VmRSS); nullopt once it has exited.
std::optional<long> residentKb(pid_t pid);
// The most resident memory the process has had so far, in kB (VmHWM).
std::optional<long> peakResidentKb(pid_t pid);
// The CPU time all the process's threads have used so far.
std::chrono::nanoseconds cpuTime(pid_t pid);

} // namespace zorvik::harness
