// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

class QSocketNotifier;

namespace zorvik {

// Ends the event loop cleanly on SIGTERM and SIGINT, so the program exits with status 0 also
// while a "Game Over" box is open. The handler only writes to a pipe; the quit runs in the
// event loop.
class QuitOnSignal final : public QObject {
public:
    explicit QuitOnSignal(QObject* parent = nullptr);
    ~QuitOnSignal() override;

private:
    QSocketNotifier* notifier_ = nullptr;
};

} // namespace zorvik
