// SPDX-License-Identifier: MIT
#include "host/app/platform_problem.h"

#include "host/platform/game_language.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonObject>
#include <QLibraryInfo>
#include <QPluginLoader>
#include <QStringList>
#include <cstdlib>
#include <cstring>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>
#include <xcb/xcb.h>

namespace zorvik {

namespace {

// A problem in the player's language, as the one line says it.
std::string said(const QString& text)
{
    return text.toStdString();
}

std::string said(const QString& text, const std::string& detail)
{
    return text.arg(QString::fromStdString(detail)).toStdString();
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The folders Qt looks for platform plugins in, first the ones the user named.
QStringList platformPluginFolders(const PlatformRequest& request)
{
    QStringList folders;
    if (request.pluginPath)
        folders.append(QString::fromLocal8Bit(request.pluginPath->c_str()));
    if (const std::string path = environment("QT_QPA_PLATFORM_PLUGIN_PATH"); !path.empty())
        folders.append(QString::fromLocal8Bit(path.c_str()));
    const QString pluginPaths = QString::fromLocal8Bit(environment("QT_PLUGIN_PATH").c_str());
    for (const QString& path : pluginPaths.split(QLatin1Char(':'), Qt::SkipEmptyParts))
        folders.append(path + QStringLiteral("/platforms"));
    folders.append(QLibraryInfo::path(QLibraryInfo::PluginsPath) + QStringLiteral("/platforms"));
    return folders;
}

// The platform names the installed plugins provide, read from their metadata without loading
// them.
QStringList installedPlatforms(const QStringList& folders)
{
    QStringList names;
    for (const QString& folder : folders) {
        const QDir dir(folder);
        for (const QString& file : dir.entryList({ QStringLiteral("*.so") }, QDir::Files)) {
            const QJsonObject data = QPluginLoader(dir.absoluteFilePath(file)).metaData();
            if (!data.value(QStringLiteral("IID")).toString().contains(QStringLiteral("QPA.")))
                continue;
            const QJsonArray keys = data.value(QStringLiteral("MetaData"))
                                        .toObject()
                                        .value(QStringLiteral("Keys"))
                                        .toArray();
            for (const auto& key : keys)
                if (!names.contains(key.toString(), Qt::CaseInsensitive))
                    names.append(key.toString());
        }
    }
    names.sort();
    return names;
}

std::string x11Problem(const PlatformRequest& request)
{
    const std::string display = request.display ? *request.display : environment("DISPLAY");
    if (display.empty())
        return said(gameText("Startup",
            "no display: DISPLAY is not set, so there is no X server (or XWayland) to "
            "open the windows on"));
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return said(gameText("Startup", "no display: cannot connect to the X server at DISPLAY=%1"),
            display);
    return {};
}

std::string waylandProblem()
{
    if (!environment("WAYLAND_SOCKET").empty())
        return {}; // a compositor handed over its connection
    std::string socketPath = environment("WAYLAND_DISPLAY");
    if (socketPath.empty())
        socketPath = "wayland-0";
    if (socketPath.front() != '/') {
        const std::string runtime = environment("XDG_RUNTIME_DIR");
        if (runtime.empty())
            return said(gameText("Startup", "no Wayland compositor: XDG_RUNTIME_DIR is not set"));
        socketPath = runtime + "/" + socketPath;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path)
        return said(gameText("Startup", "no Wayland compositor: the socket path %1 is too long"),
            socketPath);
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected
        = fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        close(fd);
    if (!connected)
        return said(
            gameText("Startup", "no Wayland compositor at %1 (WAYLAND_DISPLAY)"), socketPath);
    return {};
}

// Why the platform cannot start, as far as can be told without starting it; empty if it can.
std::string problemOf(const QString& platform, const PlatformRequest& request)
{
    // Qt takes the plugin's arguments after a colon: "offscreen:size=800x600".
    const QString name = platform.section(QLatin1Char(':'), 0, 0).trimmed();
    const QStringList folders = platformPluginFolders(request);
    const QStringList installed = installedPlatforms(folders);
    if (!installed.contains(name, Qt::CaseInsensitive))
        return gameText("Startup", "no Qt platform plugin '%1' in %2 (there are: %3)")
            .arg(name, folders.join(QLatin1Char(':')), installed.join(QStringLiteral(", ")))
            .toStdString();
    if (name.compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0)
        return x11Problem(request);
    if (name.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive))
        return waylandProblem();
    return {};
}

std::string quotedName(const QString& platform)
{
    return "'" + platform.section(QLatin1Char(':'), 0, 0).trimmed().toStdString() + "'";
}

std::string oneLine(const std::string& problems)
{
    return "zorvik: " + said(gameText("Startup", "cannot start the Qt platform %1"), problems);
}

} // namespace

PlatformChoice choosePlatform(const PlatformRequest& request)
{
    std::string asked = request.platform ? *request.platform : environment("QT_QPA_PLATFORM");
    if (asked.empty())
        asked = "xcb";
    if (asked.find(';') == std::string::npos)
        return { asked, {} };
    std::string problems;
    for (const QString& candidate :
        QString::fromLocal8Bit(asked.c_str()).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const std::string problem = problemOf(candidate, request);
        if (problem.empty())
            return { candidate.toStdString(), {} };
        problems += (problems.empty() ? "" : "; ") + quotedName(candidate) + ": " + problem;
    }
    if (problems.empty())
        problems = said(gameText("Startup", "no Qt platform named in '%1'"), asked);
    return { {}, oneLine(problems) };
}

std::string platformProblem(
    const std::string& platform, const PlatformRequest& request, const std::string& qtSaid)
{
    const QString candidate = QString::fromLocal8Bit(platform.c_str());
    if (candidate.section(QLatin1Char(':'), 0, 0).trimmed().isEmpty())
        return oneLine(said(gameText("Startup", "no Qt platform named in '%1'"), platform));
    std::string problem = problemOf(candidate, request);
    if (problem.empty())
        problem = qtSaid.empty() ? said(gameText("Startup", "Qt could not start it")) : qtSaid;
    return oneLine(quotedName(candidate) + ": " + problem);
}

} // namespace zorvik
