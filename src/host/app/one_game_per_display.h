// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusMessage>
#include <QObject>
#include <QVariantMap>
#include <functional>
#include <optional>
#include <string>

namespace zorvik {

// One game per display, as the desktop's unique applications are: the first game owns the
// application's name on the session bus and answers org.freedesktop.Application's Activate by
// raising its windows; a later start asks it to, and ends there. Only the user's own programs
// reach that bus, so no other user can take the name, keep a start waiting or raise the
// windows. A game that does not answer within a moment (stopped, hung) is not waited for: the
// new start plays a game of its own. Without a session bus every start plays.
class OneGamePerDisplay final : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.Application")

public:
    // `platform` as the program starts on it, and the display asked for on the command line,
    // if any (else the environment's). `raise` brings this game's open windows to the player,
    // and says whether there were any.
    OneGamePerDisplay(const std::string& platform, const std::optional<std::string>& display,
        std::function<bool()> raise);

    // Once the event loop runs, exactly one of the two: this start plays, or another game
    // raised its windows.
    void start(std::function<void()> play, std::function<void()> raisedElsewhere);

public slots:
    // What a launcher (or a later start) asks; the platform data may carry the launcher's
    // activation token, which lets the raise take the focus.
    void Activate(const QVariantMap& platformData, const QDBusMessage& message);

private:
    void askTheRunningGame();

    QString display_;
    std::function<bool()> raise_;
    std::function<void()> play_;
    std::function<void()> raisedElsewhere_;
};

} // namespace zorvik
