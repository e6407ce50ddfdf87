// SPDX-License-Identifier: MIT
#include "host/app/silent_bus_guard.h"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <dbus/dbus.h>
#include <future>
#include <memory>
#include <string>
#include <thread>

namespace zorvik {

namespace {

enum class Silent { None, SessionBus, AccessibilityBus };

// Each question's own deadline; the whole check's is a little longer, for the connections
// themselves (a bus whose queue is full never even takes one).
constexpr int answerTimeoutMs = 1500;
constexpr auto checkDeadline = std::chrono::milliseconds(1800);
// Where nothing listens: Qt's connection to it fails at once, and the bridge stays off.
constexpr const char* nowhere = "unix:path=/nonexistent/zorvik-silent-bus";

void drop(DBusConnection* bus)
{
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
}

using Bus = std::unique_ptr<DBusConnection, decltype(&drop)>;
using Message = std::unique_ptr<DBusMessage, decltype(&dbus_message_unref)>;

// The reply, or none: `silent` tells whether that is for want of an answer in time, rather than
// a refusal. Never starts a service that is not running. (Both buses' services name their
// interfaces as themselves.)
Message ask(
    DBusConnection* bus, const char* service, const char* path, const char* method, bool& silent)
{
    const Message question(
        dbus_message_new_method_call(service, path, service, method), &dbus_message_unref);
    dbus_message_set_auto_start(question.get(), false);
    DBusError error;
    dbus_error_init(&error);
    Message reply(
        dbus_connection_send_with_reply_and_block(bus, question.get(), answerTimeoutMs, &error),
        &dbus_message_unref);
    silent = dbus_error_has_name(&error, DBUS_ERROR_NO_REPLY)
        || dbus_error_has_name(&error, DBUS_ERROR_TIMEOUT);
    dbus_error_free(&error);
    return reply;
}

// A private connection greeted by hand, with a deadline: libdbus's own greeting waits 25 s,
// holding its lock on every shared bus connection meanwhile. No bus there: nothing to hide.
Bus greeted(const char* address, bool& silent)
{
    Bus bus(dbus_connection_open_private(address, nullptr), &drop);
    silent = false;
    if (bus && !ask(bus.get(), DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, "Hello", silent))
        bus.reset();
    return bus;
}

// What Qt and its bridge will ask as the application starts, asked first; `suspect` tells which
// bus is being waited on, whenever the waiting stops.
void check(const std::string& sessionAddress, std::atomic<Silent>& suspect)
{
    bool silent = false;
    const Bus session = greeted(sessionAddress.c_str(), silent);
    if (!session)
        return suspect.store(silent ? Silent::SessionBus : Silent::None);
    suspect = Silent::AccessibilityBus;
    const Message address
        = ask(session.get(), "org.a11y.Bus", "/org/a11y/bus", "GetAddress", silent);
    const char* accessibilityAddress = nullptr;
    if (address
        && dbus_message_get_args(
            address.get(), nullptr, DBUS_TYPE_STRING, &accessibilityAddress, DBUS_TYPE_INVALID))
        greeted(accessibilityAddress, silent);
    if (!silent)
        suspect = Silent::None;
}

} // namespace

void hideSilentBuses()
{
    const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS");
    if (!address)
        return; // libdbus finds the user's bus itself; so does Qt, without deadline
    // The thread is left behind if a bus keeps it: it owns what it touches, and goes with the
    // process.
    const auto suspect = std::make_shared<std::atomic<Silent>>(Silent::SessionBus);
    std::packaged_task<void()> task(
        [address = std::string(address), suspect] { check(address, *suspect); });
    std::future<void> done = task.get_future();
    std::thread(std::move(task)).detach();
    done.wait_for(checkDeadline);
    const Silent found = suspect->load();
    if (found == Silent::None)
        return;
    if (found == Silent::SessionBus)
        setenv("DBUS_SESSION_BUS_ADDRESS", nowhere, 1);
    setenv("AT_SPI_BUS_ADDRESS", nowhere, 1);
    std::fprintf(stderr,
        "zorvik: the %s bus does not answer: the game plays without accessibility\n",
        found == Silent::SessionBus ? "session" : "accessibility");
}

} // namespace zorvik
