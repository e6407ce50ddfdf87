// SPDX-License-Identifier: MIT
// The command line as a user types it, with and without a display: what the program prints,
// where, and the status it exits with.
#include "x_session.h"

#include <array>
#include <cstdio>
#include <fstream>
#include <gtest/gtest.h>
#include <sstream>
#include <unistd.h>

namespace zorvik::e2e {
namespace {

struct Outcome {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs the game through the shell with no display in its environment but `environment`
// (assignments for env(1)). A run that would open windows gets SIGTERM after a few seconds,
// on which the game ends with 0.
Outcome runGame(const std::string& environment, const std::string& arguments, bool opensWindows)
{
    char errPath[] = "/tmp/zorvik-command-line-XXXXXX";
    const int errFile = mkstemp(errPath);
    close(errFile);
    const std::string command = "env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "
        + environment + (opensWindows ? " timeout --preserve-status 5 '" : " '") + gameBinary()
        + "' " + arguments + " 2>" + errPath;
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
// start is one line naming it and status 1, never an abort.
TEST(CommandLine, EachWayOfStartingEndsAsItShould)
{
    XSession x; // a display for the rows that name one
    struct Row {
        std::string environment;
        std::string arguments;
        int status;
        std::string printed; // expected in stdout when the status is 0, else in the one stderr line
        bool opensWindows = false;
    };
    const Row rows[] = {
        { "", "--help", 0, "Left, Right" },
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
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.environment + " zorvik " + row.arguments);
        const Outcome outcome = runGame(row.environment, row.arguments, row.opensWindows);
        EXPECT_EQ(outcome.status, row.status) << outcome.err;
        if (row.status == 0) {
            EXPECT_NE(outcome.out.find(row.printed), std::string::npos) << outcome.out;
            continue;
        }
        EXPECT_EQ(outcome.out, "");
        EXPECT_NE(outcome.err.find(row.printed), std::string::npos) << outcome.err;
        EXPECT_EQ(std::count(outcome.err.begin(), outcome.err.end(), '\n'), 1) << outcome.err;
    }
}

} // namespace
} // namespace zorvik::e2e
