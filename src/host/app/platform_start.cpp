// SPDX-License-Identifier: MIT
#include "host/app/platform_start.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <string>
#include <utility>
#include <vector>

namespace zorvik {

namespace {

struct HeldMessage {
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// Shared with the message handler, which Qt may call on any of its threads.
struct Watch {
    std::mutex mutex;
    bool watching = false;
    std::string platform;
    PlatformRequest request;
    QtMessageHandler previous = nullptr;
    std::vector<HeldMessage> held;
};

Watch& watch()
{
    static Watch instance;
    return instance;
}

// Qt tells an unknown file or category by a null pointer, not an empty name.
const char* orNull(const QByteArray& text)
{
    return text.isNull() ? nullptr : text.constData();
}

void dropMessage(QtMsgType, const QMessageLogContext&, const QString&) { }

// The first thing Qt warned about, on one line.
std::string firstWarning(const std::vector<HeldMessage>& held)
{
    for (const HeldMessage& message : held)
        if (message.type != QtDebugMsg && message.type != QtInfoMsg)
            return message.text.simplified().toStdString();
    return {};
}

void holdOrGiveUp(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    Watch& w = watch();
    const std::lock_guard lock(w.mutex);
    if (type != QtFatalMsg) {
        w.held.push_back(
            { type, context.file, context.line, context.function, context.category, text });
        return;
    }
    // Qt tried every platform asked for and is about to abort. What the explanation's own
    // look at the plugins might say is of no use to the player.
    qInstallMessageHandler(dropMessage);
    const std::string problem = platformProblem(w.platform, w.request, firstWarning(w.held));
    std::fprintf(stderr, "%s\n", problem.c_str());
    std::fflush(stdout);
    std::fflush(stderr);
    std::_Exit(1);
}

} // namespace

PlatformStartWatch::PlatformStartWatch(std::string platform, PlatformRequest request)
{
    Watch& w = watch();
    const std::lock_guard lock(w.mutex);
    w.platform = std::move(platform);
    w.request = std::move(request);
    w.watching = true;
    w.previous = qInstallMessageHandler(holdOrGiveUp);
}

PlatformStartWatch::~PlatformStartWatch()
{
    started();
}

void PlatformStartWatch::started()
{
    Watch& w = watch();
    std::vector<HeldMessage> held;
    QtMessageHandler previous = nullptr;
    {
        const std::lock_guard lock(w.mutex);
        if (!w.watching)
            return;
        w.watching = false;
        qInstallMessageHandler(w.previous);
        previous = w.previous;
        held.swap(w.held);
    }
    for (const HeldMessage& message : held) {
        const QMessageLogContext context(
            orNull(message.file), message.line, orNull(message.function), orNull(message.category));
        previous(message.type, context, message.text);
    }
}

} // namespace zorvik
