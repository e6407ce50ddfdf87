// SPDX-License-Identifier: MIT
#include "host/platform/sway_placement.h"

#include "host/platform/x11_connection.h"

#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <array>
#include <cstdint>
#include <cstring>
#include <poll.h>
#include <string>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zorvik {

namespace {

constexpr std::array<char, 6> magic { 'i', '3', '-', 'i', 'p', 'c' };
constexpr std::uint32_t runCommand = 0;
// sway answers at once; a sway that does not must not hold up the game.
constexpr int answerTimeout = 250; // ms
constexpr int retryInterval = 50; // ms
constexpr int mostTries = 40;
// More than a border and a title bar of any sway theme.
constexpr int largestFrame = 64;

// A title as a regular expression matching it alone: the game's titles need little escaping.
std::string exactly(const QString& title)
{
    std::string pattern = "^";
    for (const char c : title.toStdString()) {
        if (std::strchr("\\^$.|?*+()[]{}\"", c))
            pattern += '\\';
        pattern += c;
    }
    return pattern + "$";
}

// The window as sway's commands name it: by its X11 window, or on Wayland by the program and
// its title, which differ between the two play windows.
std::string criteria(const QWidget& window)
{
    if (x11Connection())
        return "[id=" + std::to_string(window.winId()) + "]";
    return "[pid=" + std::to_string(getpid()) + " title=\"" + exactly(window.windowTitle()) + "\"]";
}

bool sendAll(int fd, const char* data, std::size_t size)
{
    while (size > 0) {
        const ssize_t sent = send(fd, data, size, MSG_NOSIGNAL);
        if (sent <= 0)
            return false;
        data += sent;
        size -= static_cast<std::size_t>(sent);
    }
    return true;
}

std::string readAnswer(int fd)
{
    std::string answer;
    std::array<char, 512> buffer {};
    pollfd waiting { fd, POLLIN, 0 };
    // The header (magic, length, type) and then the length's worth of JSON.
    std::size_t wanted = magic.size() + 8;
    while (answer.size() < wanted && poll(&waiting, 1, answerTimeout) > 0) {
        const ssize_t got = recv(fd, buffer.data(), buffer.size(), 0);
        if (got <= 0)
            break;
        answer.append(buffer.data(), static_cast<std::size_t>(got));
        if (answer.size() >= magic.size() + 4 && wanted == magic.size() + 8) {
            std::uint32_t length = 0;
            std::memcpy(&length, answer.data() + magic.size(), sizeof length);
            wanted += length;
        }
    }
    return answer.size() >= wanted ? answer.substr(magic.size() + 8) : std::string {};
}

// An answer of sway's, "[ { "success": true } ]", spaced or not.
bool succeeded(std::string answer)
{
    std::erase(answer, ' ');
    return answer.find("\"success\":true") != std::string::npos
        && answer.find("\"success\":false") == std::string::npos;
}

// Sends one command to sway over its socket and waits briefly for the answer: whether the
// command succeeded, or nullopt when there is no sway or it did not answer.
std::optional<bool> runSwayCommand(const std::string& command)
{
    const QByteArray path = qgetenv("SWAYSOCK");
    sockaddr_un address {};
    if (path.isEmpty() || static_cast<std::size_t>(path.size()) >= sizeof address.sun_path)
        return std::nullopt;
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return std::nullopt;
    std::string message(magic.begin(), magic.end());
    const auto length = static_cast<std::uint32_t>(command.size());
    message.append(reinterpret_cast<const char*>(&length), sizeof length);
    message.append(reinterpret_cast<const char*>(&runCommand), sizeof runCommand);
    message += command;
    // sway drops a command whose sender hung up before it was read: the answer is waited for.
    std::string answer;
    if (connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0
        && sendAll(fd, message.data(), message.size()))
        answer = readAnswer(fd);
    close(fd);
    if (answer.empty())
        return std::nullopt;
    return succeeded(answer);
}

// Moves the window's frame to `framePlace`.
std::optional<bool> moveFrame(const QWidget& window, QPoint framePlace)
{
    return runSwayCommand(criteria(window) + " move absolute position "
        + std::to_string(framePlace.x()) + " " + std::to_string(framePlace.y()));
}

} // namespace

bool SwayPlacement::available()
{
    return !qEnvironmentVariableIsEmpty("SWAYSOCK");
}

void SwayPlacement::place(QWidget& window, QPoint clientTopLeft)
{
    if (!available() || !window.isVisible())
        return;
    asked_ = clientTopLeft;
    frameLearnt_ = false;
    framePlace_ = clientTopLeft;
    tries_ = 0;
    tryPlace(window);
}

void SwayPlacement::tryPlace(QWidget& window)
{
    // sway finds no window of that name until it has mapped it, a little after the program
    // has: asked again shortly, for a while.
    // A sway that did not answer at all is not asked again: each question holds up the game.
    if (moveFrame(window, framePlace_) == false && ++tries_ < mostTries)
        QTimer::singleShot(retryInterval, &window, [this, &window] { tryPlace(window); });
}

void SwayPlacement::seen(const QWidget& window, QPoint at)
{
    if (!asked_ || frameLearnt_ || !x11Connection() || at == *asked_)
        return;
    // Only a frame's width off: a place further off is where sway had the window before it
    // heard us, still on its way.
    const QPoint off = at - *asked_;
    if (off.x() < 0 || off.y() < 0 || off.x() > largestFrame || off.y() > largestFrame)
        return;
    frameLearnt_ = true;
    framePlace_ += *asked_ - at;
    moveFrame(window, framePlace_);
}

} // namespace zorvik
