// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zorvik {

// SIGTERM and SIGINT end the program with status 0 whenever they come. Called first thing in
// main: until the event loop can take them there is nothing to save, so they end the process at
// once, even one stuck waiting on a display that never answers.
void catchQuitSignals();

// While one exists (after catchQuitSignals), SIGTERM and SIGINT end the event loop cleanly, also
// while a "Game Over" box is open. The handler only writes to a pipe; the quit runs in the event
// loop. Before and after, and at a second signal, they end the program at once.
class QuitOnSignal final : public QObject {
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace zorvik
