// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <functional>
#include <optional>
#include <string>

class QSocketNotifier;

namespace zorvik {

// One game per display, as a desktop's unique applications behave: the first game on a display
// holds a local socket named after the display; a second start asks it to raise its windows and
// ends there. The socket lives in the abstract namespace, so it goes with the process that held
// it: a game that is gone never blocks a start, and a game that does not answer within a moment
// (stopped, hung) is not waited for.
class OneGamePerDisplay final : public QObject {
public:
    // `platform` as the program will start on it, and the display asked for on the command
    // line, if any (else the environment's); platforms without a display of their own
    // (offscreen) never share one.
    OneGamePerDisplay(const std::string& platform, const std::optional<std::string>& display);
    ~OneGamePerDisplay() override;
    OneGamePerDisplay(const OneGamePerDisplay&) = delete;
    OneGamePerDisplay& operator=(const OneGamePerDisplay&) = delete;

    // Whether another game on the display answered and raised its windows: this one then ends.
    bool anotherRaised() const { return anotherRaised_; }
    // Once the event loop runs: what a later start on the display asks this game to do.
    void onRaiseAsked(std::function<void()> raise);

private:
    void answer();

    int socket_ = -1; // listening, while this is the display's game
    bool anotherRaised_ = false;
    QSocketNotifier* notifier_ = nullptr;
    std::function<void()> raise_;
};

} // namespace zorvik
