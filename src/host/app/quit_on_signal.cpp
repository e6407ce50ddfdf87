// SPDX-License-Identifier: MIT
#include "host/app/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <atomic>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zorvik {

namespace {

// Made once, before the handlers are installed, and left open to the end: a handler running on
// another thread can still be writing to it while the loop ends.
int signalPipe[2] = { -1, -1 };
// Read by the handler, on whichever thread the signal lands: Qt's X11 and D-Bus threads too.
std::atomic<bool> loopTakesSignals { false };
static_assert(std::atomic<bool>::is_always_lock_free, "the signal handler may read it");

// A second signal means the clean close is not getting anywhere (a display or a neighbour
// that does not answer): the player asked twice, the program ends at once.
std::atomic<bool> askedBefore { false };

void onSignal(int signalNumber)
{
    if (!loopTakesSignals.load() || askedBefore.exchange(true))
        ::_exit(0);
    const char byte = static_cast<char>(signalNumber);
    [[maybe_unused]] const auto written = ::write(signalPipe[1], &byte, 1);
}

} // namespace

void catchQuitSignals()
{
    if (::pipe2(signalPipe, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    struct sigaction action { };
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
}

QuitOnSignal::QuitOnSignal(QObject* parent)
    : QObject(parent)
{
    if (signalPipe[0] < 0)
        return;
    notifier_ = new QSocketNotifier(signalPipe[0], QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, [] {
        char byte = 0;
        while (::read(signalPipe[0], &byte, 1) > 0) { }
        QCoreApplication::exit(0);
    });
    loopTakesSignals.store(true);
}

QuitOnSignal::~QuitOnSignal()
{
    // After the loop a signal ends the program at once, still with 0.
    loopTakesSignals.store(false);
    delete notifier_;
}

} // namespace zorvik
