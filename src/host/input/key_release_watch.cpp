// SPDX-License-Identifier: MIT
#include "host/input/key_release_watch.h"

#include "host/platform/x11_keyboard.h"

#include <QTimer>

namespace zorvik {

namespace {

constexpr int pollInterval = 20; // ms
constexpr int mostPolls = 500;

} // namespace

void whenKeyReleased(QObject& owner, quint32 nativeScanCode, std::function<void()> released)
{
    auto* poll = new QTimer(&owner);
    poll->setInterval(pollInterval);
    auto check = [poll, nativeScanCode, released = std::move(released), polls = 0]() mutable {
        const std::optional<bool> down = keyIsDown(nativeScanCode);
        if (down == false)
            released();
        if (down != true || ++polls > mostPolls)
            poll->deleteLater();
        else if (!poll->isActive())
            poll->start();
    };
    QObject::connect(poll, &QTimer::timeout, poll, check);
    check();
}

} // namespace zorvik
