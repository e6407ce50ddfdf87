// SPDX-License-Identifier: MIT
// Runs the real game in this process on an X server of its own, both windows kept playing by
// the harness's player, and records the moment of every tick of each window for a while; then
// prints how steadily each one ticked. With --busy-other-core the game keeps to the first CPU
// while a spinning thread keeps the second one busy; --speed runs the game slower, as the
// game's own --speed does.
//
//   tick_cadence [--seconds S] [--busy-other-core] [--speed PERCENT]

#include "ball_keeper.h"
#include "cadence_stats.h"
#include "forms/form1.h"
#include "forms/form2.h"
#include "host/platform/tick_timer.h"
#include "host/view/host_window.h"
#include "session.h"

#include <QApplication>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <optional>
#include <pthread.h>
#include <string>
#include <thread>

namespace zorvik::bench {

namespace {

struct Options {
    double seconds = 10;
    bool busyOtherCore = false;
    int speedPercent = TickSchedule::fullPercent;
    // The tick at that speed, to the nanosecond.
    std::chrono::nanoseconds period() const { return TickSchedule::period * 100 / speedPercent; }
    double ticksPerSecond() const { return 64.0 * speedPercent / 100; }
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--seconds") == 0 && i + 1 < argc)
            options.seconds = std::stod(argv[++i]);
        else if (std::strcmp(argv[i], "--speed") == 0 && i + 1 < argc)
            options.speedPercent = std::stoi(argv[++i]);
        else if (std::strcmp(argv[i], "--busy-other-core") == 0)
            options.busyOtherCore = true;
    }
    return options;
}

void pinTo(pthread_t thread, int cpu)
{
    cpu_set_t cpus;
    CPU_ZERO(&cpus);
    CPU_SET(cpu, &cpus);
    pthread_setaffinity_np(thread, sizeof cpus, &cpus);
}

// Keeps one CPU fully busy for as long as it lives.
class BusyCore {
public:
    explicit BusyCore(int cpu)
        : spinner_([this, cpu] {
            pinTo(pthread_self(), cpu);
            while (!stop_.load(std::memory_order_relaxed)) { }
        })
    {
    }
    ~BusyCore()
    {
        stop_ = true;
        spinner_.join();
    }

private:
    std::atomic<bool> stop_ { false };
    std::thread spinner_;
};

// Follows one window's ticks through its TickTimer, from the moment it is told to.
class TickRecorder {
public:
    TickRecorder(HostWindow* window, std::chrono::nanoseconds period)
        : window_(window)
        , period_(period)
    {
        ticks_.reserve(4096);
        if (auto* timer = window->findChild<TickTimer*>(QString(), Qt::FindDirectChildrenOnly))
            QObject::connect(timer, &TickTimer::tick, window, [this] { onTick(); });
        else
            std::fprintf(stderr, "tick_cadence: %s has no TickTimer to follow\n", title().c_str());
    }

    void record(bool on) { recording_ = on; }
    std::string title() const { return window_->windowTitle().toStdString(); }
    // Only a game that ticked all along, without a game over, tells how steadily it ticks.
    bool measured() const { return !gameEnded_ && ticks_.size() >= 2; }
    bool gameEnded() const { return gameEnded_; }
    // Counted from the first tick recorded, as if a timer started one period before it.
    CadenceStats stats() const
    {
        if (ticks_.empty())
            return {};
        return cadenceOf(
            ticks_.front() - std::chrono::duration_cast<Clock::duration>(period_), ticks_, period_);
    }

private:
    void onTick()
    {
        if (!recording_)
            return;
        ticks_.push_back(Clock::now());
        gameEnded_ = gameEnded_ || window_->gameOverBox();
    }

    HostWindow* window_;
    std::chrono::nanoseconds period_;
    std::vector<Clock::time_point> ticks_;
    bool recording_ = false;
    bool gameEnded_ = false;
};

const char* verdict(bool met)
{
    return met ? "ok" : "MISSED";
}

void print(const TickRecorder& recorder, const Options& options)
{
    const double periodMs = std::chrono::duration<double, std::milli>(options.period()).count();
    const CadenceStats s = recorder.stats();
    std::printf("  %-14s %6zu ticks  %7.3f ticks/s [%s]  median gap %6.3f ms  p99 gap %6.3f ms [%s]"
                "  largest gap %6.3f ms  drift %+7.3f ms [%s]\n",
        recorder.title().c_str(), s.ticks, s.ticksPerSecond,
        verdict(std::fabs(s.ticksPerSecond - options.ticksPerSecond()) <= 0.2), s.medianGapMs,
        s.p99GapMs, verdict(s.p99GapMs < periodMs + 2.375), s.largestGapMs, s.driftMs,
        verdict(std::fabs(s.driftMs) < 20.0));
    if (recorder.gameEnded())
        std::printf("  %-14s the ball fell out: the game ended, so these figures are not valid\n",
            recorder.title().c_str());
}

bool exposed(QWidget* window)
{
    return window && window->windowHandle() && window->windowHandle()->isExposed();
}

} // namespace

} // namespace zorvik::bench

int main(int argc, char* argv[])
{
    using namespace zorvik::bench;
    const Options options = parse(argc, argv);
    const zorvik::harness::Session session;
    for (const std::string& entry : session.environment()) {
        const auto equals = entry.find('=');
        if (equals == std::string::npos)
            unsetenv(entry.c_str());
        else
            setenv(entry.substr(0, equals).c_str(), entry.c_str() + equals + 1, 1);
    }
    setenv("QT_QPA_PLATFORM", "xcb", 1);
    std::optional<BusyCore> busy;
    if (options.busyOtherCore) {
        if (std::thread::hardware_concurrency() < 2) {
            std::printf("Only one CPU: no run with the other core busy\n");
            return 0;
        }
        // Before Qt starts its threads, which take the same CPU.
        pinTo(pthread_self(), 0);
        busy.emplace(1);
    }
    QApplication app(argc, argv);
    zorvik::TickTimer::setSpeed(options.speedPercent);

    // Built as the game's main() builds it: the tower's load handler opens the hopper.
    QPointer<zorvik::HostWindow> tower = new zorvik::HostWindow(
        [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form1>(host); },
        [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form2>(host); });
    tower->loadAndShow();
    QPointer<zorvik::HostWindow> hopper = tower->hopper();

    TickRecorder towerTicks(tower, options.period());
    TickRecorder hopperTicks(hopper, options.period());
    bool measured = false;
    const auto recordFor = [&] {
        towerTicks.record(true);
        hopperTicks.record(true);
        QTimer::singleShot(static_cast<int>(options.seconds * 1000), Qt::PreciseTimer, [&] {
            towerTicks.record(false);
            hopperTicks.record(false);
            std::printf("Tick cadence of the real game at %d %% speed over %.1f s, %s (goals: "
                        "%.2f +/- 0.2 ticks/s, p99 gap < %.1f ms, |drift| < 20 ms)\n",
                options.speedPercent, options.seconds,
                options.busyOtherCore ? "game on CPU 0, CPU 1 kept busy" : "idle machine",
                options.ticksPerSecond(),
                std::chrono::duration<double, std::milli>(options.period()).count() + 2.375);
            print(towerTicks, options);
            print(hopperTicks, options);
            std::fflush(stdout);
            measured = towerTicks.measured() && hopperTicks.measured();
            QCoreApplication::quit();
        });
    };

    // Once both windows are on screen, the player starts both games and keeps them going
    // from a thread of its own, with keys through the X server as a player's come; the
    // recording starts when both balls are up.
    std::thread player;
    QTimer waitForWindows;
    QObject::connect(&waitForWindows, &QTimer::timeout, [&] {
        if (!exposed(tower) || !exposed(hopper))
            return;
        waitForWindows.stop();
        player = std::thread([&] {
            zorvik::harness::XDisplay display(session.display());
            zorvik::harness::BallKeeper keeper(display);
            const bool started = keeper.startGames();
            QMetaObject::invokeMethod(&app, [&, started] {
                if (started)
                    return recordFor();
                std::fprintf(stderr, "tick_cadence: the tower's ball kept dropping out\n");
                QCoreApplication::exit(1);
            });
            if (started)
                keeper.keepPlayingUntil(Clock::now()
                    + std::chrono::milliseconds(static_cast<int>(options.seconds * 1000) + 500));
        });
    });
    waitForWindows.start(10);
    QTimer::singleShot(15000, [&] {
        if (waitForWindows.isActive()) {
            std::fprintf(stderr, "tick_cadence: the windows never appeared on screen\n");
            QCoreApplication::exit(1);
        }
    });

    const int status = QApplication::exec();
    if (player.joinable())
        player.join();
    // Quitting closes the windows, and closing deletes them: only those left need deleting.
    delete hopper.data();
    delete tower.data();
    return status != 0 ? status : (measured ? 0 : 2);
}
