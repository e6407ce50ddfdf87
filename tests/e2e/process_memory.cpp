// SPDX-License-Identifier: MIT
#include "process_memory.h"

#include <fstream>
#include <sstream>
#include <string>

namespace zorvik::e2e {

std::optional<long> residentKb(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) != 0)
            continue;
        std::istringstream fields(line.substr(6));
        long kb = 0;
        if (fields >> kb)
            return kb;
    }
    return std::nullopt;
}

} // namespace zorvik::e2e
