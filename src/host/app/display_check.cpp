// SPDX-License-Identifier: MIT
#include "host/app/display_check.h"

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
        return "no display: DISPLAY is not set, so there is no X server (or XWayland) to open "
               "the windows on";
    xcb_connection_t* connection = xcb_connect(display.c_str(), nullptr);
    const bool failed = xcb_connection_has_error(connection) != 0;
    xcb_disconnect(connection);
    if (failed)
        return "no display: cannot connect to the X server at DISPLAY=" + display;
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
            return "no Wayland compositor: XDG_RUNTIME_DIR is not set";
        socketPath = runtime + "/" + socketPath;
    }
    sockaddr_un address {};
    address.sun_family = AF_UNIX;
    if (socketPath.size() >= sizeof address.sun_path)
        return "no Wayland compositor: the socket path " + socketPath + " is too long";
    std::memcpy(address.sun_path, socketPath.c_str(), socketPath.size() + 1);
    const int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const bool connected
        = fd >= 0 && connect(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    if (fd >= 0)
        close(fd);
    if (!connected)
        return "no Wayland compositor at " + socketPath + " (WAYLAND_DISPLAY)";
    return {};
}

} // namespace

PlatformChoice choosePlatform(const PlatformRequest& request)
{
    std::string asked = request.platform ? *request.platform : environment("QT_QPA_PLATFORM");
    if (asked.empty())
        asked = "xcb";
    const QStringList folders = platformPluginFolders(request);
    const QStringList installed = installedPlatforms(folders);
    std::string problems;
    for (const QString& candidate :
        QString::fromLocal8Bit(asked.c_str()).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        // Qt takes the plugin's arguments after a colon: "offscreen:size=800x600".
        const QString name = candidate.section(QLatin1Char(':'), 0, 0).trimmed();
        const std::string quoted = "'" + name.toStdString() + "'";
        std::string problem;
        if (!installed.contains(name, Qt::CaseInsensitive))
            problem = "no Qt platform plugin " + quoted + " in "
                + folders.join(QLatin1Char(':')).toStdString()
                + " (there are: " + installed.join(QStringLiteral(", ")).toStdString() + ")";
        else if (name.compare(QLatin1String("xcb"), Qt::CaseInsensitive) == 0)
            problem = x11Problem(request);
        else if (name.startsWith(QLatin1String("wayland"), Qt::CaseInsensitive))
            problem = waylandProblem();
        if (problem.empty())
            return { candidate.toStdString(), {} };
        problems += (problems.empty() ? "" : "; ") + quoted + ": " + problem;
    }
    if (problems.empty())
        problems = "no Qt platform named in '" + asked + "'";
    return { {}, "zorvik: cannot start the Qt platform " + problems };
}

} // namespace zorvik
