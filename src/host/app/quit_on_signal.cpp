// SPDX-License-Identifier: MIT
#include "host/app/quit_on_signal.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <csignal>
#include <fcntl.h>
#include <unistd.h>

namespace zorvik {

namespace {

int signalPipe[2] = { -1, -1 };
volatile std::sig_atomic_t loopTakesSignals = 0;

void onSignal(int signalNumber)
{
    if (!loopTakesSignals)
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
    loopTakesSignals = 1;
}

QuitOnSignal::~QuitOnSignal()
{
    signal(SIGTERM, SIG_DFL);
    signal(SIGINT, SIG_DFL);
    loopTakesSignals = 0;
    delete notifier_;
    ::close(signalPipe[0]);
    ::close(signalPipe[1]);
    signalPipe[0] = signalPipe[1] = -1;
}

} // namespace zorvik
