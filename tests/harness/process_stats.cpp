// SPDX-License-Identifier: MIT
#include "process_stats.h"

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zorvik::harness {

namespace {

// A "Name:   123 kB" line of /proc/PID/status.
std::optional<long> statusKb(pid_t pid, const std::string& name)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind(name + ":", 0) != 0)
            continue;
        std::istringstream fields(line.substr(name.size() + 1));
        long kb = 0;
        if (fields >> kb)
            return kb;
    }
    return std::nullopt;
}

} // namespace

std::optional<long> residentKb(pid_t pid)
{
    return statusKb(pid, "VmRSS");
}

std::optional<long> peakResidentKb(pid_t pid)
{
    return statusKb(pid, "VmHWM");
}

std::chrono::nanoseconds cpuTime(pid_t pid)
{
    // schedstat's first field is the time on a CPU, in nanoseconds; a thread that ends
    // between the listing and the read counts no more.
    long long total = 0;
    std::error_code ignored;
    for (const auto& task :
        std::filesystem::directory_iterator("/proc/" + std::to_string(pid) + "/task", ignored)) {
        long long ns = 0;
        if (std::ifstream(task.path() / "schedstat") >> ns)
            total += ns;
    }
    return std::chrono::nanoseconds(total);
}

} // namespace zorvik::harness
