// SPDX-License-Identifier: MIT
#pragma once

#include "game/tick_schedule.h"

#include <QObject>

class QSocketNotifier;

namespace zorvik {

// A window's tick: 64 a second on the steady clock at full speed, woken by a Linux timerfd armed
// at each absolute deadline (a plain QTimer's whole-millisecond interval would run at 62.5 or
// 66.7).
class TickTimer final : public QObject {
    Q_OBJECT
public:
    // Throws std::system_error where the system gives no timer (no file descriptor left).
    explicit TickTimer(QObject* parent = nullptr);
    ~TickTimer() override;

    // The game's speed, in percent of full speed (see TickSchedule), for the timers made from
    // now on: set once from the command line, before any window, so both windows keep it.
    static void setSpeed(int percent);

    void start();
    void stop();
    bool isActive() const { return schedule_.running(); }

signals:
    void tick();

private:
    void wake();
    void arm();

    TickSchedule schedule_;
    int fd_ = -1;
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace zorvik
