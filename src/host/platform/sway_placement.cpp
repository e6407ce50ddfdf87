// SPDX-License-Identifier: MIT
#include "host/platform/sway_placement.h"

#include "host/platform/x11_connection.h"

#include <QSocketNotifier>
#include <QTimer>
#include <QWidget>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace zorvik {

namespace {

const QByteArray magic = QByteArrayLiteral("i3-ipc");
constexpr qsizetype headerSize = 14; // the magic, the length, the type
// sway answers at once, a few bytes; a socket that does not must not hold up the game, nor
// fill its memory.
constexpr int answerTimeout = 250; // ms
constexpr qsizetype longestAnswer = 4096;
constexpr int retryInterval = 50; // ms
constexpr int mostTries = 40;
// More than a border and a title bar of any sway theme.
constexpr int largestFrame = 64;
// Once sway has let a question go unanswered, it is not asked again.
bool swayAnswers = true;

// A title as a regular expression matching it alone: the game's titles need little escaping.
QString exactly(const QString& title)
{
    QString pattern = QStringLiteral("^");
    for (const QChar c : title) {
        if (QStringLiteral("\\^$.|?*+()[]{}\"").contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return pattern + QLatin1Char('$');
}

// The window as sway's commands name it: by its X11 window, or on Wayland by the program and
// its title, which differ between the two play windows.
QString criteria(const QWidget& window)
{
    if (x11Connection())
        return QStringLiteral("[id=%1]").arg(window.winId());
    return QStringLiteral("[pid=%1 title=\"%2\"]").arg(getpid()).arg(exactly(window.windowTitle()));
}

// An answer of sway's, "[ { "success": true } ]", spaced or not.
bool succeeded(QByteArray answer)
{
    answer.replace(' ', "");
    return answer.contains("\"success\":true") && !answer.contains("\"success\":false");
}

// A connection to sway on its way, or -1. A full queue is a sway that does not answer: nothing
// waits for room in it.
int connectToSway()
{
    const QByteArray path = qgetenv("SWAYSOCK");
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (path.size() >= static_cast<qsizetype>(sizeof address.sun_path))
        return -1;
    std::memcpy(address.sun_path, path.constData(), path.size());
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0
        && errno != EINPROGRESS) {
        close(fd);
        return -1;
    }
    return fd;
}

// Moves the window's frame to `framePlace`, and tells `answered` whether sway did, or nullopt
// when there is no sway or it did not answer in time. sway drops a command whose sender hung
// up before it was read: the answer is waited for, but only briefly.
void moveFrame(
    QWidget& window, QPoint framePlace, std::function<void(std::optional<bool>)> answered)
{
    const QByteArray command = QStringLiteral("%1 move absolute position %2 %3")
                                   .arg(criteria(window))
                                   .arg(framePlace.x())
                                   .arg(framePlace.y())
                                   .toUtf8();
    const auto length = static_cast<quint32>(command.size());
    const QByteArray message = magic + QByteArray(reinterpret_cast<const char*>(&length), 4)
        + QByteArray(4, '\0') + command; // type 0: run a command
    const int fd = connectToSway();
    if (fd < 0)
        return answered(std::nullopt);
    // The conversation lasts as long as `talk`, which hangs up when it goes.
    auto* talk = new QObject(&window);
    QObject::connect(talk, &QObject::destroyed, [fd] { close(fd); });
    auto* writable = new QSocketNotifier(fd, QSocketNotifier::Write, talk);
    auto* readable = new QSocketNotifier(fd, QSocketNotifier::Read, talk);
    auto pending = std::make_shared<decltype(answered)>(std::move(answered));
    const auto finish = [talk, writable, readable, pending](std::optional<bool> result) {
        if (const auto tell = std::exchange(*pending, nullptr)) {
            writable->setEnabled(false);
            readable->setEnabled(false);
            talk->deleteLater();
            tell(result);
        }
    };
    QTimer::singleShot(answerTimeout, talk, [finish] { finish(std::nullopt); });
    QObject::connect(writable, &QSocketNotifier::activated, talk, [=] {
        writable->setEnabled(false);
        if (send(fd, message.constData(), message.size(), MSG_NOSIGNAL) != message.size())
            finish(std::nullopt);
    });
    auto got = std::make_shared<QByteArray>();
    QObject::connect(readable, &QSocketNotifier::activated, talk, [=] {
        char bytes[longestAnswer];
        const ssize_t count = recv(fd, bytes, longestAnswer - got->size(), 0);
        if (count < 0 && (errno == EAGAIN || errno == EINTR))
            return;
        if (count <= 0)
            return finish(std::nullopt);
        got->append(bytes, count);
        if (got->size() < headerSize)
            return;
        quint32 size = 0;
        std::memcpy(&size, got->constData() + magic.size(), sizeof size);
        if (!got->startsWith(magic) || size > longestAnswer - headerSize)
            finish(std::nullopt);
        else if (got->size() >= headerSize + size)
            finish(succeeded(got->mid(headerSize, size)));
    });
}

} // namespace

bool SwayPlacement::available()
{
    return !qEnvironmentVariableIsEmpty("SWAYSOCK");
}

void SwayPlacement::place(QWidget& window, QPoint clientTopLeft)
{
    if (!available() || !swayAnswers || !window.isVisible())
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
    moveFrame(window, framePlace_, [this, &window](std::optional<bool> moved) {
        swayAnswers = swayAnswers && moved.has_value();
        if (moved == false && ++tries_ < mostTries)
            QTimer::singleShot(retryInterval, &window, [this, &window] { tryPlace(window); });
    });
}

void SwayPlacement::seen(QWidget& window, QPoint at)
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
    if (swayAnswers)
        moveFrame(window, framePlace_, [](std::optional<bool>) {});
}

} // namespace zorvik
