// SPDX-License-Identifier: MIT
// Runs the real game, both windows playing, and records the moment of every tick of each
// window for a while; then prints how steadily each one ticked.
//
//   tick_cadence [--seconds S] [--label TEXT]      (needs an X display, e.g. Xvfb)

#include "cadence_stats.h"
#include "forms/form1.h"
#include "forms/form2.h"
#include "host/platform/tick_timer.h"
#include "host/view/host_window.h"

#include <QApplication>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <string>

namespace zorvik::bench {

namespace {

struct Options {
    double seconds = 10;
    std::string label = "idle machine";
};

Options parse(int argc, char* argv[])
{
    Options options;
    for (int i = 1; i + 1 < argc; i += 2) {
        if (std::strcmp(argv[i], "--seconds") == 0)
            options.seconds = std::stod(argv[i + 1]);
        else if (std::strcmp(argv[i], "--label") == 0)
            options.label = argv[i + 1];
    }
    return options;
}

void pressKey(QWidget* window, Qt::Key key)
{
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier);
    QCoreApplication::sendEvent(window, &release);
}

// Follows one window's ticks through its TickTimer and plays like a careful player: a leap
// whenever the ball falls into the lower part of the window, so the game never ends.
class TickRecorder {
public:
    explicit TickRecorder(HostWindow* window)
        : window_(window)
    {
        ticks_.reserve(4096);
        if (auto* timer = window->findChild<TickTimer*>(QString(), Qt::FindDirectChildrenOnly))
            QObject::connect(timer, &TickTimer::tick, window, [this] { onTick(); });
        else
            std::fprintf(stderr, "tick_cadence: %s has no TickTimer to follow\n", title().c_str());
    }

    // Starts the game with a real Return key, which also starts the window's timer.
    void startGame()
    {
        start_ = Clock::now();
        pressKey(window_, Qt::Key_Return);
    }

    void stopRecording() { recording_ = false; }
    std::string title() const { return window_->windowTitle().toStdString(); }
    // Only a game that ticked all along, without a game over, tells how steadily it ticks.
    bool measured() const { return !gameEnded_ && ticks_.size() >= 2; }
    bool gameEnded() const { return gameEnded_; }
    CadenceStats stats() const { return cadenceOf(start_, ticks_); }

private:
    void onTick()
    {
        if (!recording_)
            return;
        ticks_.push_back(Clock::now());
        if (window_->gameOverBox()) {
            gameEnded_ = true;
            return;
        }
        const PlayWindow& form = window_->form();
        if (form.ySpeed > 0 && form.ball.Top > 0.4f * window_->clientHeight()) {
            // Posted, not sent: the leap is a key arriving after this tick, as a player's would.
            QCoreApplication::postEvent(
                window_, new QKeyEvent(QEvent::KeyPress, Qt::Key_Up, Qt::NoModifier));
            QCoreApplication::postEvent(
                window_, new QKeyEvent(QEvent::KeyRelease, Qt::Key_Up, Qt::NoModifier));
        }
    }

    HostWindow* window_;
    Clock::time_point start_;
    std::vector<Clock::time_point> ticks_;
    bool recording_ = true;
    bool gameEnded_ = false;
};

const char* verdict(bool met)
{
    return met ? "ok" : "MISSED";
}

void print(const TickRecorder& recorder)
{
    const CadenceStats s = recorder.stats();
    std::printf("  %-14s %6zu ticks  %7.3f ticks/s [%s]  median gap %6.3f ms  p99 gap %6.3f ms [%s]"
                "  largest gap %6.3f ms  drift %+7.3f ms [%s]\n",
        recorder.title().c_str(), s.ticks, s.ticksPerSecond,
        verdict(std::fabs(s.ticksPerSecond - 64.0) <= 0.2), s.medianGapMs, s.p99GapMs,
        verdict(s.p99GapMs < 18.0), s.largestGapMs, s.driftMs,
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
    qputenv("QT_QPA_PLATFORM", "xcb");
    QApplication app(argc, argv);

    // Built as the game's main() builds it: the tower's load handler opens the hopper.
    QPointer<zorvik::HostWindow> tower = new zorvik::HostWindow(
        [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form1>(host); },
        [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form2>(host); });
    tower->loadAndShow();
    QPointer<zorvik::HostWindow> hopper = tower->hopper();

    TickRecorder towerTicks(tower);
    TickRecorder hopperTicks(hopper);
    bool measured = false;

    // Starts both games once both windows are on screen, and ends the run after the set time.
    QTimer waitForWindows;
    QObject::connect(&waitForWindows, &QTimer::timeout, [&] {
        if (!exposed(tower) || !exposed(hopper))
            return;
        waitForWindows.stop();
        towerTicks.startGame();
        hopperTicks.startGame();
        QTimer::singleShot(static_cast<int>(options.seconds * 1000), Qt::PreciseTimer, [&] {
            towerTicks.stopRecording();
            hopperTicks.stopRecording();
            std::printf("Tick cadence of the real game over %.1f s, %s "
                        "(goals: 64.0 +/- 0.2 ticks/s, p99 gap < 18 ms, |drift| < 20 ms)\n",
                options.seconds, options.label.c_str());
            print(towerTicks);
            print(hopperTicks);
            std::fflush(stdout);
            measured = towerTicks.measured() && hopperTicks.measured();
            QCoreApplication::quit();
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
    // Quitting closes the windows, and closing deletes them: only those left need deleting.
    delete hopper.data();
    delete tower.data();
    return status != 0 ? status : (measured ? 0 : 2);
}
