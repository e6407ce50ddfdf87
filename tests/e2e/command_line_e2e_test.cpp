// SPDX-License-Identifier: MIT
// The command line as a user types it, with and without a display: what the program prints,
// where, and the status it exits with.
#include "session.h"

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zorvik::e2e {
namespace {

using namespace harness;

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// An X server that takes connections and never answers them, on a free display number.
class SilentDisplay {
public:
    SilentDisplay()
    {
        for (int number = 600; number < 700 && display_.empty(); ++number) {
            fd_ = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
            sockaddr_un address {};
            address.sun_family = AF_UNIX;
            // The abstract name, which X clients on Linux try first; it leaves no file behind.
            const std::string name = "/tmp/.X11-unix/X" + std::to_string(number);
            std::memcpy(address.sun_path + 1, name.data(), name.size());
            const auto length
                = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + name.size());
            if (bind(fd_, reinterpret_cast<const sockaddr*>(&address), length) == 0
                && listen(fd_, 4) == 0)
                display_ = ":" + std::to_string(number);
            else
                close(fd_);
        }
    }
    ~SilentDisplay()
    {
        if (!display_.empty())
            close(fd_);
    }
    SilentDisplay(const SilentDisplay&) = delete;
    SilentDisplay& operator=(const SilentDisplay&) = delete;
    const std::string& display() const { return display_; }

private:
    int fd_ = -1;
    std::string display_;
};

// Runs the game through the shell with no display in its environment but `environment`
// (assignments for env(1)). A run that does not end by itself gets SIGTERM after a few seconds,
// on which the game ends with 0.
Outcome runGame(const std::string& environment, const std::string& arguments, bool runsOn)
{
    char errPath[] = "/tmp/zorvik-command-line-XXXXXX";
    const int errFile = mkstemp(errPath);
    close(errFile);
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
        + environment + (runsOn ? " timeout --preserve-status 5 '" : " '") + gameBinary() + "' "
        + arguments + " 2>" + errPath;
    Outcome outcome;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return outcome;
    std::array<char, 512> buffer {};
    while (fgets(buffer.data(), buffer.size(), pipe))
        outcome.out += buffer.data();
    const int status = pclose(pipe);
    outcome.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::stringstream err;
    err << std::ifstream(errPath).rdbuf();
    outcome.err = err.str();
    unlink(errPath);
    return outcome;
}

// Every way of starting the program, also without any display: help and version print on
// standard output and exit 0; a wrong argument is one line with a hint and status 2; Qt's
// -platform and -display options choose where the windows go, and a platform that cannot
// start is one line naming it and status 1, never an abort. SIGTERM ends it with 0 also while
// it still waits for its display.
TEST(CommandLine, EachWayOfStartingEndsAsItShould)
{
    Session x; // a display for the rows that name one
    const SilentDisplay silent;
    ASSERT_FALSE(silent.display().empty());
    struct Row {
        std::string environment;
        std::string arguments;
        int status;
        std::string printed; // expected in stdout when the status is 0, else in the one stderr line
        bool runsOn = false; // until SIGTERM
        std::string said = {}; // said once on stderr by a program that runs on
    };
    const Row rows[] = {
        { "", "--help", 0, "Left, Right" },
        { "", "--help", 0, "--no-sound" },
        { "", "--sound --no-sound", 2, "contradict" },
        { "", "--speed 24", 2, "from 25 to 100, not '24'" },
        { "", "--speed 50x", 2, "not '50x'. Try" },
        { "", "-h", 0, "QT_QPA_PLATFORM" },
        { "", "--version", 0, "zorvik 1.0" },
        { "", "-v", 0, "zorvik 1.0" },
        { "", "--frobnicate", 2, "--help' for more information" },
        { "", "foo.txt", 2, "'foo.txt'" },
        { "", "-platform", 2, "-platform" },
        { "", "-platform xbc", 1, "'xbc'" },
        { "QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR=/nonexistent", "", 1, "'wayland'" },
        { "", "-display :97", 1, "DISPLAY=:97" },
        { "", "-platform offscreen", 0, "", true },
        { "", "-platform=offscreen", 0, "", true },
        { "", "-display " + x.display(), 0, "", true },
        { "", "-display " + silent.display(), 0, "", true },
        { "PULSE_SERVER=unix:/nonexistent", "--sound -platform offscreen", 0, "", true,
            "zorvik: no sound: " },
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.environment + " zorvik " + row.arguments);
        const Outcome outcome = runGame(row.environment, row.arguments, row.runsOn);
        EXPECT_EQ(outcome.status, row.status) << outcome.err;
        if (row.status == 0) {
            EXPECT_NE(outcome.out.find(row.printed), std::string::npos) << outcome.out;
            if (!row.said.empty()) {
                const auto at = outcome.err.find(row.said);
                EXPECT_NE(at, std::string::npos) << outcome.err;
                EXPECT_EQ(outcome.err.find("zorvik:", at + 1), std::string::npos) << outcome.err;
            }
            continue;
        }
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(row.printed), std::string::npos) << outcome.err;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
}

} // namespace
} // namespace zorvik::e2e
