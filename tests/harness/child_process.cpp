// SPDX-License-Identifier: MIT
#include "child_process.h"

#include <algorithm>
#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sched.h>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

extern char** environ;

namespace zorvik::harness {

namespace {

std::string nameOf(const std::string& entry)
{
    return entry.substr(0, entry.find('='));
}

// Ours with the launch's changes applied in order, a later change of a name winning.
std::vector<std::string> environmentFor(const Launch& launch)
{
    std::vector<std::string> result;
    for (char** entry = environ; *entry; ++entry)
        result.emplace_back(*entry);
    for (const std::string& change : launch.environment) {
        std::erase_if(
            result, [&](const std::string& entry) { return nameOf(entry) == nameOf(change); });
        if (change.find('=') != std::string::npos)
            result.push_back(change);
    }
    return result;
}

std::vector<char*> pointersTo(std::vector<std::string>& strings)
{
    std::vector<char*> pointers;
    for (std::string& s : strings)
        pointers.push_back(s.data());
    pointers.push_back(nullptr);
    return pointers;
}

} // namespace

ChildProcess::ChildProcess(const Launch& launch)
{
    // Everything the child needs is built before fork: a test program has threads, and only
    // async-signal-safe calls are sound between fork and exec.
    std::vector<std::string> args = launch.args, environment = environmentFor(launch);
    const std::vector<char*> argv = pointersTo(args), envp = pointersTo(environment);
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    if (launch.cpu)
        CPU_SET(*launch.cpu, &cpus);
    const pid_t parent = getpid();
    // fork and exec rather than posix_spawn, to tie the child's life to ours.
    pid_ = fork();
    if (pid_ == 0) {
        prctl(PR_SET_PDEATHSIG, SIGKILL);
        if (getppid() != parent)
            _exit(127);
        if (launch.quiet) {
            const int devNull = open("/dev/null", O_WRONLY);
            dup2(devNull, 1);
            dup2(devNull, 2);
        }
        if (launch.standardInput >= 0)
            dup2(launch.standardInput, 0);
        if (launch.standardOutput >= 0)
            dup2(launch.standardOutput, 1);
        if (launch.cpu)
            sched_setaffinity(0, sizeof cpus, &cpus);
        setpgid(0, 0);
        execvpe(argv[0], argv.data(), envp.data());
        _exit(127);
    }
    if (pid_ < 0)
        throw std::runtime_error("cannot start " + launch.args.at(0));
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : pid_(std::exchange(other.pid_, -1))
    , status_(other.status_)
{
}

ChildProcess& ChildProcess::operator=(ChildProcess&& other) noexcept
{
    if (this != &other) {
        stop();
        pid_ = std::exchange(other.pid_, -1);
        status_ = other.status_;
    }
    return *this;
}

std::optional<int> ChildProcess::wait(std::chrono::milliseconds timeout)
{
    if (pid_ <= 0 || status_)
        return status_;
    waitUntil(
        [&] {
            int status = 0;
            if (waitpid(pid_, &status, WNOHANG) == pid_)
                status_ = WIFEXITED(status) ? WEXITSTATUS(status) : -1000 - WTERMSIG(status);
            return status_.has_value();
        },
        timeout, 5ms);
    return status_;
}

void ChildProcess::signal(int number) const
{
    if (pid_ > 0 && !status_)
        kill(pid_, number);
}

void ChildProcess::stop(std::chrono::milliseconds grace)
{
    if (pid_ <= 0)
        return;
    if (!status_) {
        if (grace > 0ms) {
            kill(-pid_, SIGTERM);
            kill(-pid_, SIGCONT); // a stopped process dies of it only once continued
        }
        if (!wait(grace)) {
            kill(-pid_, SIGKILL);
            wait(24h);
        }
    }
    kill(-pid_, SIGKILL); // what is left of its group
    pid_ = -1;
}

int run(const Launch& launch)
{
    ChildProcess tool(launch);
    const int status = *tool.wait(24h);
    return status < 0 ? -1 : status;
}

std::string capture(Launch launch)
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    launch.standardOutput = fds[1];
    ChildProcess tool(launch);
    close(fds[1]);
    std::string output;
    char buffer[4096];
    for (ssize_t got = 0; (got = read(fds[0], buffer, sizeof buffer)) > 0;)
        output.append(buffer, static_cast<std::size_t>(got));
    close(fds[0]);
    tool.wait(24h);
    return output;
}

// Reads the one line a child writes into the pipe (a display number, a bus address,
// "ready"), waiting 10 s at most.
std::string readLine(int fds[2])
{
    close(fds[1]);
    std::string line;
    pollfd waitFor { fds[0], POLLIN, 0 };
    char c = 0;
    while (poll(&waitFor, 1, 10000) > 0 && read(fds[0], &c, 1) == 1 && c != '\n')
        line += c;
    close(fds[0]);
    return line;
}

} // namespace zorvik::harness
