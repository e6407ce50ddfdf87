// SPDX-License-Identifier: MIT
#include "host/accessibility/registered_reader.h"

#include "host/platform/bus_question.h"

#include <QCoreApplication>
#include <QMetaObject>
#include <algorithm>
#include <array>
#include <cctype>
#include <chrono>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace zorvik {

namespace {

using Clock = std::chrono::steady_clock;

// The screen readers of the Linux desktop, by the names they register under.
constexpr std::array<std::string_view, 2> readerNames { "orca", "odilia" };
constexpr int questionTimeoutMs = 500;
constexpr auto searchDeadline = std::chrono::seconds(2);
// More applications than a desktop runs: a bus that lists more is not believed further.
constexpr std::size_t mostApplications = 64;

bool isReaderName(std::string name)
{
    std::transform(name.begin(), name.end(), name.begin(),
        [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(readerNames.begin(), readerNames.end(), name) != readerNames.end();
}

// The registry's applications, as the bus name and object path of each one's root.
std::vector<std::pair<std::string, std::string>> applications(DBusConnection* bus)
{
    const BusMessage question = busQuestion("org.a11y.atspi.Registry",
        "/org/a11y/atspi/accessible/root", "org.a11y.atspi.Accessible", "GetChildren");
    bool silent = false;
    const BusMessage reply = busAnswer(bus, question.get(), questionTimeoutMs, silent);
    std::vector<std::pair<std::string, std::string>> found;
    DBusMessageIter args, list, child;
    if (!reply || !dbus_message_iter_init(reply.get(), &args)
        || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_ARRAY)
        return found;
    for (dbus_message_iter_recurse(&args, &list);
         dbus_message_iter_get_arg_type(&list) == DBUS_TYPE_STRUCT
         && found.size() < mostApplications;
         dbus_message_iter_next(&list)) {
        dbus_message_iter_recurse(&list, &child);
        const char *name = nullptr, *path = nullptr;
        if (dbus_message_iter_get_arg_type(&child) != DBUS_TYPE_STRING)
            continue;
        dbus_message_iter_get_basic(&child, &name);
        if (!dbus_message_iter_next(&child)
            || dbus_message_iter_get_arg_type(&child) != DBUS_TYPE_OBJECT_PATH)
            continue;
        dbus_message_iter_get_basic(&child, &path);
        found.emplace_back(name, path);
    }
    return found;
}

// The accessible name an application gives its root; empty if it gives none in time.
std::string applicationName(
    DBusConnection* bus, const std::string& service, const std::string& path)
{
    const BusMessage question
        = busQuestion(service.c_str(), path.c_str(), "org.freedesktop.DBus.Properties", "Get");
    const char* interface = "org.a11y.atspi.Accessible";
    const char* property = "Name";
    dbus_message_append_args(question.get(), DBUS_TYPE_STRING, &interface, DBUS_TYPE_STRING,
        &property, DBUS_TYPE_INVALID);
    bool silent = false;
    const BusMessage reply = busAnswer(bus, question.get(), questionTimeoutMs, silent);
    DBusMessageIter args, value;
    if (!reply || !dbus_message_iter_init(reply.get(), &args)
        || dbus_message_iter_get_arg_type(&args) != DBUS_TYPE_VARIANT)
        return {};
    dbus_message_iter_recurse(&args, &value);
    if (dbus_message_iter_get_arg_type(&value) != DBUS_TYPE_STRING)
        return {};
    const char* name = nullptr;
    dbus_message_iter_get_basic(&value, &name);
    return name;
}

bool readerRegistered(const std::string& address)
{
    const auto deadline = Clock::now() + searchDeadline;
    bool silent = false;
    const Bus bus = greetedBus(address.c_str(), questionTimeoutMs, silent);
    if (!bus)
        return false;
    for (const auto& [service, path] : applications(bus.get())) {
        if (Clock::now() > deadline)
            return false;
        if (isReaderName(applicationName(bus.get(), service, path)))
            return true;
    }
    return false;
}

} // namespace

void findRegisteredReader(const std::string& address, std::function<void(bool found)> answered)
{
    std::thread([address, answered = std::move(answered)] {
        const bool found = readerRegistered(address);
        QMetaObject::invokeMethod(
            qApp, [answered, found] { answered(found); }, Qt::QueuedConnection);
    }).detach();
}

} // namespace zorvik
