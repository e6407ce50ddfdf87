// SPDX-License-Identifier: MIT
// Other programs on the same machine, another user's among them, as the game's neighbours: one
// holding the name an older game listened on, one flooding it, one stopping the running game.
// None may crash the game, keep it from starting, hold its tick or raise its windows.
#include "ball_keeper.h"
#include "game_test.h"

#include <cmath>
#include <csignal>
#include <functional>
#include <unistd.h>

namespace zorvik::e2e {
namespace {

// Another user of the machine (testing-notes: uid 1000 exists everywhere the tests run).
const std::vector<std::string> otherUser { "setpriv", "--reuid=1000", "--regid=1000",
    "--clear-groups" };

// The abstract socket name a game of this user on this display used to hold: anyone may bind
// or connect to such a name, whoever's it looks.
std::string oldGameName(const Session& x)
{
    return "io.github.zorvik.zorvik/" + std::to_string(getuid()) + "/x11" + x.display();
}

// A neighbour on that name (neighbour.py's modes), started and ready.
ChildProcess neighbour(const Session& x, const std::string& mode, bool asOtherUser = true)
{
    Launch launch;
    launch.args = asOtherUser ? otherUser : std::vector<std::string> {};
    launch.args.insert(
        launch.args.end(), { "/usr/bin/python3", ZORVIK_NEIGHBOUR, mode, oldGameName(x) });
    launch.environment = x.environment();
    int fds[2];
    if (pipe(fds) != 0)
        throw std::runtime_error("pipe failed");
    launch.standardOutput = fds[1];
    ChildProcess process(launch);
    if (readLine(fds) != "ready")
        throw std::runtime_error("the neighbour did not start: " + mode);
    return process;
}

// The tower's ticks a second, counted by its score while the keeper keeps its ball up.
double ticksPerSecond(Session& x, BallKeeper& keeper, std::chrono::milliseconds during)
{
    const auto score = [&] { // none where the game did not answer the reader
        const GameTree tree = x.reader().tree();
        const AccessibleWindow* tower = tree.window("Zorvik!");
        const std::string text = tower ? tower->text("Score") : "";
        return text.empty() ? std::nan("") : std::stod(text);
    };
    const double before = score();
    const auto from = std::chrono::steady_clock::now();
    keeper.keepPlayingUntil(from + during);
    const std::chrono::duration<double> took = std::chrono::steady_clock::now() - from;
    return (score() - before) / took.count();
}

struct NeighbourCase {
    const char* name;
    Accessibility accessibility;
    std::function<void(Session&)> run;
};

class Neighbours : public ::testing::TestWithParam<NeighbourCase> { };

TEST_P(Neighbours, NeverCrashLockOutHoldOrSteerTheGame)
{
    SessionOptions options;
    options.desktop = Desktop::Openbox;
    options.accessibility = GetParam().accessibility;
    Session x(options);
    GetParam().run(x);
}

// Lines a second start printed, and its exit status, as "status=N" last.
std::string secondStart(const Session& x)
{
    return x.captureTool({ "sh", "-c", "'" + gameBinary() + "' 2>&1; echo status=$?" });
}

INSTANTIATE_TEST_SUITE_P(OneGamePerDisplay, Neighbours,
    ::testing::Values(
        // A second start raises the running game, the tower focused, and ends with 0 and one
        // line.
        NeighbourCase { "SecondStart", Accessibility::Activatable,
            [](Session& x) {
                x.startGame();
                const Window tower = x.waitForWindow("Zorvik!");
                x.focus(x.waitForWindow("Zorvik Again!"));
                const std::string second = secondStart(x);
                EXPECT_NE(second.find("already runs"), std::string::npos) << second;
                EXPECT_NE(second.find("status=0"), std::string::npos) << second;
                EXPECT_EQ(std::count(second.begin(), second.end(), '\n'), 2) << second;
                EXPECT_EQ(x.windowsNamed("Zorvik!").size(), 1u);
                EXPECT_TRUE(waitUntil([&] { return x.focused() == tower; }, 2s));
            } },
        // Another user answers on the old name as a running game would: the player's game
        // starts all the same.
        NeighbourCase { "SquatterAnswering", Accessibility::Activatable,
            [](Session& x) {
                const ChildProcess squatter = neighbour(x, "answer");
                x.startGame();
            } },
        // Another user's socket of that name takes no more connections: no start waits on it.
        NeighbourCase { "SquatterWithAFullQueue", Accessibility::Activatable,
            [](Session& x) {
                const ChildProcess squatter = neighbour(x, "full");
                x.startGame();
            } },
        // Askers that hang up at once, another user's among them: the game neither dies nor
        // lets them take the keyboard from the window being played.
        NeighbourCase { "AskerGoneMidAnswer", Accessibility::Activatable,
            [](Session& x) {
                x.startGame();
                const Window hopper = x.waitForWindow("Zorvik Again!");
                x.focus(hopper);
                neighbour(x, "hit", false).wait(5s);
                neighbour(x, "hit").wait(5s);
                EXPECT_FALSE(x.waitForExit(500ms)) << "the game died";
                EXPECT_EQ(x.focused(), hopper) << "a neighbour raised the tower";
            } },
        // A stopped game (Ctrl+Z) keeps no start waiting, however many come; continued, it
        // plays on.
        NeighbourCase { "StoppedFirstGame", Accessibility::Activatable,
            [](Session& x) {
                if (ZORVIK_GAME_SANITIZED)
                    GTEST_SKIP() << "seven sanitized games at once take longer than a start may";
                x.startGame();
                kill(x.gamePid(), SIGSTOP);
                const std::string towers = x.captureTool({ "sh", "-c",
                    "for i in 1 2 3 4 5 6 7; do '" + gameBinary()
                        + "' >/dev/null 2>&1 & started=\"$started $!\"; done; sleep 6; "
                          "xdotool search --onlyvisible --name '^Zorvik!$' | wc -l; "
                          "kill $started" });
                kill(x.gamePid(), SIGCONT);
                EXPECT_EQ(towers, "8\n") << "starts waited on the stopped game";
                EXPECT_FALSE(x.waitForExit(1s)) << "the continued game died";
            } },
        // Another user's flood of silent connections does not slow the tick.
        NeighbourCase { "Flood", Accessibility::Read,
            [](Session& x) {
                x.startGame();
                BallKeeper keeper(x);
                ASSERT_TRUE(keeper.startGames());
                const double quiet = ticksPerSecond(x, keeper, 3s);
                const ChildProcess flood = neighbour(x, "flood");
                const double flooded = ticksPerSecond(x, keeper, 3s);
                if (ZORVIK_GAME_SANITIZED)
                    GTEST_SKIP() << "a sanitized game's tick says nothing of the real one's";
                // Against the same game unflooded: the machine's load is what it is.
                EXPECT_GT(flooded, 0.9 * quiet)
                    << flooded << " ticks a second, " << quiet << " without the flood";
            } },
        // A raise brings back whichever play window is open, minimized or not, and says so
        // only then.
        NeighbourCase { "RaiseWithTheTowerClosed", Accessibility::Activatable,
            [](Session& x) {
                x.startGame();
                const Window hopper = x.waitForWindow("Zorvik Again!");
                x.requestClose(x.waitForWindow("Zorvik!"));
                ASSERT_TRUE(x.waitForNoWindow("Zorvik!"));
                x.runTool({ "xdotool", "windowminimize", "--sync", std::to_string(hopper) });
                const std::string second = secondStart(x);
                EXPECT_NE(second.find("raised"), std::string::npos) << second;
                EXPECT_NE(second.find("status=0"), std::string::npos) << second;
                EXPECT_TRUE(waitUntil([&] { return x.focused() == hopper; }, 2s))
                    << "the hopper stayed minimized";
            } }),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace zorvik::e2e
