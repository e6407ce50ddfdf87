// SPDX-License-Identifier: MIT
#include "host/platform/tick_timer.h"

#include <QSocketNotifier>
#include <cerrno>
#include <chrono>
#include <cstdint>
#include <sys/timerfd.h>
#include <system_error>
#include <unistd.h>

namespace zorvik {

namespace {

int speedPercent = TickSchedule::fullPercent;

TickSchedule::Time now()
{
    // steady_clock is CLOCK_MONOTONIC on Linux, the clock the timerfd runs on.
    return std::chrono::steady_clock::now().time_since_epoch();
}

} // namespace

TickTimer::TickTimer(QObject* parent)
    : QObject(parent)
    , schedule_(speedPercent)
    , fd_(timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC))
{
    if (fd_ < 0)
        throw std::system_error(errno, std::generic_category(), "cannot make a tick timer");
    notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &TickTimer::wake);
}

void TickTimer::setSpeed(int percent)
{
    speedPercent = percent;
}

TickTimer::~TickTimer()
{
    delete notifier_;
    ::close(fd_);
}

void TickTimer::start()
{
    if (schedule_.running())
        return;
    schedule_.start(now());
    arm();
}

void TickTimer::stop()
{
    if (!schedule_.running())
        return;
    schedule_.stop();
    const itimerspec off {};
    timerfd_settime(fd_, 0, &off, nullptr);
}

void TickTimer::arm()
{
    const auto deadline = schedule_.nextDeadline();
    itimerspec at {};
    at.it_value.tv_sec = static_cast<time_t>(deadline.count() / 1'000'000'000);
    at.it_value.tv_nsec = static_cast<long>(deadline.count() % 1'000'000'000);
    timerfd_settime(fd_, TFD_TIMER_ABSTIME, &at, nullptr);
}

void TickTimer::wake()
{
    std::uint64_t expirations = 0;
    [[maybe_unused]] const auto got = ::read(fd_, &expirations, sizeof expirations);
    if (!schedule_.running())
        return;
    const bool due = schedule_.tickDue(now());
    arm(); // before the tick, so the time the tick takes never shifts the next deadline
    if (due)
        emit tick();
}

} // namespace zorvik
