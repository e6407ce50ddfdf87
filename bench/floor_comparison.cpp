// SPDX-License-Identifier: MIT
// Runs the game and the floor program in turns in one session and compares them: start-up
// until both windows are mapped and painted (as the harness's own X connection sees them),
// peak resident memory, CPU while idle and while both games run, and the X server's CPU.
// By default the session is a desktop's: a session bus that starts the accessibility bus when
// a program asks for it, and no screen reader. With `--against no-sound` the game with
// `--sound` is compared the same way with itself with `--no-sound`, on a sound server of the
// session's own: what playing the sound costs.
//
//   floor_comparison --game PATH [--floor PATH] [--against floor|no-sound]
//       [--startup-rounds N] [--rounds N] [--settle-seconds S] [--idle-seconds S]
//       [--run-seconds S] [--accessibility none|activatable|screen-reader]

#include "ball_keeper.h"
#include "process_stats.h"
#include "session.h"

#include <algorithm>
#include <cstdio>
#include <limits>
#include <map>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace zorvik::bench {

namespace {

using namespace harness;
using Clock = std::chrono::steady_clock;

struct Options {
    std::string game, floor;
    bool againstSilence = false; // the game with sound against itself without
    int startupRounds = 10;
    int rounds = 3;
    double settleSeconds = 1, idleSeconds = 5, runSeconds = 10;
    Accessibility accessibility = Accessibility::Activatable;
    std::string accessibilityName = "activatable";
};

Options parse(int argc, char* argv[])
{
    Options o;
    const std::map<std::string, Accessibility> conditions { { "none", Accessibility::None },
        { "activatable", Accessibility::Activatable },
        { "screen-reader", Accessibility::ScreenReader } };
    for (int i = 1; i + 1 < argc; i += 2) {
        const std::string name = argv[i], value = argv[i + 1];
        if (name == "--game")
            o.game = value;
        else if (name == "--floor")
            o.floor = value;
        else if (name == "--against" && (value == "floor" || value == "no-sound"))
            o.againstSilence = value == "no-sound";
        else if (name == "--startup-rounds")
            o.startupRounds = std::stoi(value);
        else if (name == "--rounds")
            o.rounds = std::stoi(value);
        else if (name == "--settle-seconds")
            o.settleSeconds = std::stod(value);
        else if (name == "--idle-seconds")
            o.idleSeconds = std::stod(value);
        else if (name == "--run-seconds")
            o.runSeconds = std::stod(value);
        else if (name == "--accessibility" && conditions.count(value))
            o.accessibility = conditions.at(value), o.accessibilityName = value;
        else
            throw std::invalid_argument("unknown option " + name + " " + value);
    }
    if (o.game.empty() || (o.floor.empty() && !o.againstSilence))
        throw std::invalid_argument("--game, and --floor or --against no-sound, are needed");
    return o;
}

Clock::duration seconds(double s)
{
    return std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(s));
}

double milliseconds(Clock::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

// Each figure's values over the rounds, by the row it goes in.
using Figures = std::map<std::string, std::vector<double>>;

// What runs in one of the turns.
struct Contender {
    const char* who;
    std::string program;
    std::vector<std::string> arguments;
    bool hasBoxes; // the floor has no "Game Over" box
};

void measureStartup(Session& x, const Contender& c, Figures& figures)
{
    const Session::Started started = x.startGame(c.program, c.arguments);
    figures["mapped"].push_back(milliseconds(started.shown.mapped - started.at));
    figures["painted"].push_back(milliseconds(started.shown.painted - started.at));
    x.endGame();
}

// CPU of the program and of the X server per second of wall time while `during` runs.
std::pair<double, double> cpuPerSecond(const Session& x, const auto& during)
{
    const pid_t program = x.gamePid(), server = x.xServerPid();
    const auto programBefore = cpuTime(program), serverBefore = cpuTime(server);
    const auto began = Clock::now();
    during();
    const double elapsed = std::chrono::duration<double>(Clock::now() - began).count();
    const auto perSecond = [&](std::chrono::nanoseconds used) {
        return std::chrono::duration<double, std::milli>(used).count() / elapsed;
    };
    return { perSecond(cpuTime(program) - programBefore),
        perSecond(cpuTime(server) - serverBefore) };
}

// Memory and CPU over a whole run: idle windows, then both games running. False if a ball
// dropped out, which leaves one program with fewer games running than the other.
bool measureRun(Session& x, const Contender& c, const Options& o, Figures& figures)
{
    x.startGame(c.program, c.arguments);
    std::this_thread::sleep_for(seconds(o.settleSeconds)); // first paints, fonts
    const auto [idle, idleServer]
        = cpuPerSecond(x, [&] { std::this_thread::sleep_for(seconds(o.idleSeconds)); });
    BallKeeper player(x);
    if (!player.startGames()) {
        x.endGame();
        return false;
    }
    const auto [running, runningServer]
        = cpuPerSecond(x, [&] { player.keepPlayingUntil(Clock::now() + seconds(o.runSeconds)); });
    const bool lost = player.ballLost();
    // The game's run ends as a player's does, both boxes shown and dismissed; the floor has
    // no box and is read as it stands.
    if (!lost && c.hasBoxes && !player.endGamesWithBoxes(std::chrono::seconds(60))) {
        x.endGame();
        return false;
    }
    std::this_thread::sleep_for(seconds(o.settleSeconds));
    const double memory = static_cast<double>(peakResidentKb(x.gamePid()).value_or(0)) / 1024;
    x.endGame();
    if (lost)
        return false;
    figures["memory"].push_back(memory);
    figures["idle"].push_back(idle);
    figures["idle_x"].push_back(idleServer);
    figures["running"].push_back(running);
    figures["running_x"].push_back(runningServer);
    return true;
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

struct Row {
    const char* key;
    const char* label;
    // The most the first may use as a share of the second's; 0: for information. Against the
    // floor, and with sound against without: sound may cost a fifth more CPU while it plays,
    // and nothing once the games stop.
    double floorGoal;
    double silenceGoal;
};

const Row rows[] = {
    { "mapped", "start-up until both windows are mapped (ms)", 1.0, 0 },
    { "painted", "start-up until both windows are painted (ms)", 0, 0 },
    { "memory", "peak resident memory after a run and both boxes, VmHWM (MiB)", 1.05, 0 },
    { "idle", "CPU while idle (ms/s)", 1.0, 0 },
    { "running", "CPU while both games run (ms/s)", 1.0, 1.2 },
    { "idle_x", "X server CPU while idle (ms/s)", 0, 0 },
    { "running_x", "X server CPU while both run (ms/s)", 0, 0 },
};

void report(
    const Contender (&contenders)[2], std::map<std::string, Figures>& figures, const Options& o)
{
    const char *first = contenders[0].who, *second = contenders[1].who;
    const Figures &game = figures[first], &floor = figures[second];
    std::printf("%s against %s under Xvfb, accessibility %s: medians of %d starts and "
                "%d runs each (%g s idle, %g s playing); CPU in ms of CPU per s of wall time\n",
        first, second, o.accessibilityName.c_str(), o.startupRounds, o.rounds, o.idleSeconds,
        o.runSeconds);
    const std::string ratioName = std::string(first) + "/" + second;
    std::printf("  %-46s %9s %9s %11s  goal\n", "", first, second, ratioName.c_str());
    for (const Row& row : rows) {
        if (!game.count(row.key) || !floor.count(row.key))
            continue; // not measured this time
        const double g = median(game.at(row.key)), f = median(floor.at(row.key));
        const double ratio
            = f > 0 ? g / f : (g > 0 ? std::numeric_limits<double>::infinity() : 1.0);
        char goal[64] = "(for information)";
        const double most = o.againstSilence ? row.silenceGoal : row.floorGoal;
        if (most > 0)
            std::snprintf(
                goal, sizeof goal, "<= %.2fx  [%s]", most, ratio <= most ? "ok" : "MISSED");
        std::printf("  %-46s %9.2f %9.2f %10.2fx  %s\n", row.label, g, f, ratio, goal);
        for (const auto& [who, values] : { std::pair { first, &game }, { second, &floor } }) {
            std::printf("  %-46s %9s runs:", "", who);
            for (std::size_t i = 0; i < values->at(row.key).size(); ++i)
                std::printf("%s %.2f", i ? "," : "", values->at(row.key)[i]);
            std::printf("\n");
        }
    }
}

// A run whose ball dropped out ran fewer games than the other's: it is measured again, and
// counts as lost only if every try loses a ball.
constexpr int runAttempts = 3;

int compare(const Options& o)
{
    SessionOptions conditions;
    conditions.accessibility = o.accessibility;
    conditions.soundServer = o.againstSilence;
    Session x(conditions);
    const Contender contenders[2]
        = { { "game", o.game, {}, true }, { "floor", o.floor, {}, false } };
    const Contender withSound[2] = { { "sound", o.game, { "--sound" }, true },
        { "no-sound", o.game, { "--no-sound" }, true } };
    const auto& programs = o.againstSilence ? withSound : contenders;
    std::map<std::string, Figures> figures;
    // One start of each first, so neither pays alone for a cold file cache.
    for (const Contender& c : programs) {
        x.startGame(c.program, c.arguments);
        x.endGame();
    }
    // In turns, so a busy spell on the machine hurts both alike.
    for (int round = 0; round < o.startupRounds; ++round)
        for (const Contender& c : programs)
            measureStartup(x, c, figures[c.who]);
    int lostBalls = 0;
    for (int round = 0; round < o.rounds; ++round)
        for (const Contender& c : programs) {
            int attempt = 0;
            while (attempt < runAttempts && !measureRun(x, c, o, figures[c.who]))
                std::fprintf(stderr, "%s: a ball dropped out during run %d\n", c.who, ++attempt);
            lostBalls += attempt == runAttempts;
        }
    report(programs, figures, o);
    return lostBalls ? 1 : 0;
}

} // namespace

} // namespace zorvik::bench

int main(int argc, char* argv[])
{
    try {
        return zorvik::bench::compare(zorvik::bench::parse(argc, argv));
    } catch (const std::invalid_argument& error) {
        std::fprintf(stderr, "floor_comparison: %s\n", error.what());
        return 2;
    }
}
