// SPDX-License-Identifier: MIT
#pragma once

#include <optional>
#include <sys/types.h>

namespace zorvik::e2e {

// Resident memory of a running process in kB (VmRSS in /proc/PID/status); nullopt once it has
// exited, when the kernel no longer reports any.
std::optional<long> residentKb(pid_t pid);

} // namespace zorvik::e2e
