// SPDX-License-Identifier: MIT
#include "host/app/one_game_per_display.h"

#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zorvik {

namespace {

constexpr char raiseRequest = 'R';
constexpr char raisedReply = 'K';
// Longer than a busy game takes to answer, short enough not to be noticed if none does.
constexpr int answerWaitMs = 1500;

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The display a platform's windows go to, the same for every way of writing it: ":0",
// ":0.0" and "unix:0" are one X display. Empty where the platform has no display to share.
std::string displayKey(const std::string& platform, const std::optional<std::string>& display)
{
    const std::string name = platform.substr(0, platform.find(':'));
    if (name == "xcb") {
        std::string key = display ? *display : environment("DISPLAY");
        const auto colon = key.rfind(':');
        if (colon == std::string::npos)
            return {};
        if (const auto dot = key.find('.', colon); dot != std::string::npos)
            key.erase(dot); // the screen
        if (key.rfind("unix:", 0) == 0)
            key.erase(0, 4);
        return "x11" + key;
    }
    if (name.rfind("wayland", 0) == 0) {
        const std::string socket = environment("WAYLAND_DISPLAY");
        return "wayland:" + environment("XDG_RUNTIME_DIR") + "/"
            + (socket.empty() ? "wayland-0" : socket);
    }
    return {};
}

// An abstract socket address: no file to leave behind, gone with its process.
socklen_t addressFor(const std::string& key, sockaddr_un& address)
{
    address = {};
    address.sun_family = AF_UNIX;
    const std::string name = "io.github.zorvik.zorvik/" + std::to_string(getuid()) + "/" + key;
    const std::size_t length = std::min(name.size(), sizeof address.sun_path - 1);
    std::memcpy(address.sun_path + 1, name.data(), length);
    return static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + length);
}

enum class Asked { Raised, NoAnswer, NoGame };

// Asks the game holding the address to raise its windows.
Asked askToRaise(const sockaddr_un& address, socklen_t length)
{
    const int fd = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0)
        return Asked::NoAnswer;
    if (::connect(fd, reinterpret_cast<const sockaddr*>(&address), length) != 0) {
        ::close(fd);
        return Asked::NoGame; // it went just now
    }
    char reply = 0;
    pollfd answer { fd, POLLIN, 0 };
    const bool raised = ::write(fd, &raiseRequest, 1) == 1 && ::poll(&answer, 1, answerWaitMs) == 1
        && ::read(fd, &reply, 1) == 1 && reply == raisedReply;
    ::close(fd);
    return raised ? Asked::Raised : Asked::NoAnswer;
}

} // namespace

OneGamePerDisplay::OneGamePerDisplay(
    const std::string& platform, const std::optional<std::string>& display)
{
    const std::string key = displayKey(platform, display);
    if (key.empty())
        return;
    sockaddr_un address;
    const socklen_t length = addressFor(key, address);
    // A second try where the game holding the name went between the two steps; one that holds
    // it but does not answer (stopped, hung) is left alone, and this game starts without it.
    for (int attempt = 0; attempt < 2; ++attempt) {
        socket_ = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
        if (socket_ < 0)
            return;
        if (::bind(socket_, reinterpret_cast<const sockaddr*>(&address), length) == 0
            && ::listen(socket_, 4) == 0)
            return;
        const int error = errno;
        ::close(socket_);
        socket_ = -1;
        if (error != EADDRINUSE)
            return;
        const Asked asked = askToRaise(address, length);
        anotherRaised_ = asked == Asked::Raised;
        if (asked != Asked::NoGame)
            return;
    }
}

OneGamePerDisplay::~OneGamePerDisplay()
{
    delete notifier_;
    if (socket_ >= 0)
        ::close(socket_);
}

void OneGamePerDisplay::onRaiseAsked(std::function<void()> raise)
{
    if (socket_ < 0)
        return;
    raise_ = std::move(raise);
    notifier_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &OneGamePerDisplay::answer);
}

void OneGamePerDisplay::answer()
{
    const int fd = ::accept4(socket_, nullptr, nullptr, SOCK_CLOEXEC);
    if (fd < 0)
        return;
    // The asking start writes its one byte at once; one that does not is not waited for long.
    char request = 0;
    pollfd asked { fd, POLLIN, 0 };
    if (::poll(&asked, 1, 200) == 1 && ::read(fd, &request, 1) == 1 && request == raiseRequest) {
        if (raise_)
            raise_();
        [[maybe_unused]] const auto written = ::write(fd, &raisedReply, 1);
    }
    ::close(fd);
}

} // namespace zorvik
