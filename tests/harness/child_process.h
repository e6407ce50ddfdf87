// SPDX-License-Identifier: MIT
#pragma once

#include "wait.h"

#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace zorvik::harness {

// How a program is started.
struct Launch {
    std::vector<std::string> args;
    // Changes to our environment: "NAME=value" sets, a bare "NAME" removes.
    std::vector<std::string> environment;
    // The tools are chatty: their output goes to /dev/null unless asked for.
    bool quiet = true;
    int standardInput = -1; // a descriptor to read from instead of ours
    int standardOutput = -1; // a descriptor to write to instead
    std::optional<int> cpu; // the only CPU it may run on
};

// A program the harness started, in a process group of its own that goes with it, and killed
// if the harness dies first: a test that crashes leaves no X server, bus or game behind.
class ChildProcess {
public:
    ChildProcess() = default;
    explicit ChildProcess(const Launch& launch);
    ~ChildProcess() { stop(); }
    ChildProcess(ChildProcess&& other) noexcept;
    ChildProcess& operator=(ChildProcess&& other) noexcept;

    pid_t pid() const { return pid_; }
    bool started() const { return pid_ > 0; }
    // Its exit status once it has exited (-1000 - N: killed by signal N), waiting at most this
    // long; nullopt while it still runs.
    std::optional<int> wait(std::chrono::milliseconds timeout);
    // SIGTERM to its group, SIGKILL after the grace time (at once without one), and SIGKILL to
    // what is left of the group.
    void stop(std::chrono::milliseconds grace = 3s);
    void signal(int number) const;

private:
    pid_t pid_ = -1;
    std::optional<int> status_;
};

// Runs a tool to its end; its exit status (-1 if a signal ended it).
int run(const Launch& launch);
// Runs a tool to its end and returns what it wrote to its standard output.
std::string capture(Launch launch);

// The one line a child writes into the pipe whose write end it was given; closes both ends.
std::string readLine(int fds[2]);

} // namespace zorvik::harness
