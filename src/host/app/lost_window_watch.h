// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractNativeEventFilter>

namespace zorvik {

// Closes a window whose X window another client destroyed (`xdotool windowclose`, a desktop
// tearing it down), as if the player had closed it, so the program never outlives its windows.
// Qt itself keeps such a widget open, with nothing left on screen.
class LostWindowWatch final : public QAbstractNativeEventFilter {
public:
    LostWindowWatch();
    ~LostWindowWatch() override;
    LostWindowWatch(const LostWindowWatch&) = delete;
    LostWindowWatch& operator=(const LostWindowWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;
};

} // namespace zorvik
