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

using Message = std::unique_ptr<DBusMessage, decltype(&dbus_message_unref)>;

struct Connection {
    std::unique_ptr<DBusConnection, void (*)(DBusConnection*)> bus { nullptr,
        [](DBusConnection* c) {
            dbus_connection_close(c);
            dbus_connection_unref(c);
        } };
    bool answered = false;
};

Message ask(DBusConnection* bus, DBusMessage* question)
{
    DBusError error;
    dbus_error_init(&error);
    DBusMessage* reply
        = dbus_connection_send_with_reply_and_block(bus, question, answerTimeoutMs, &error);
    dbus_message_unref(question);
    dbus_error_free(&error);
    return Message(reply, &dbus_message_unref);
}

Message askTheBus(DBusConnection* bus, const char* method, const char* name = nullptr)
{
    DBusMessage* question = dbus_message_new_method_call(
        DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, method);
    if (name)
        dbus_message_append_args(question, DBUS_TYPE_STRING, &name, DBUS_TYPE_INVALID);
    return ask(bus, question);
}

// A private connection greeted by hand, with a deadline: libdbus's own greeting waits 25 s,
// holding its lock on every shared bus connection meanwhile. No bus there: nothing to hide.
Connection greet(const char* address)
{
    Connection connection;
    DBusError error;
    dbus_error_init(&error);
    connection.bus.reset(dbus_connection_open_private(address, &error));
    dbus_error_free(&error);
    connection.answered = !connection.bus || askTheBus(connection.bus.get(), "Hello");
    return connection;
}

// What Qt and its bridge will ask as the application starts, asked first; `suspect` tells which
// bus is being waited on, whenever the waiting stops.
void check(const std::string& sessionAddress, std::atomic<Silent>& suspect)
{
    const Connection session = greet(sessionAddress.c_str());
    if (!session.answered || !session.bus) {
        suspect = session.answered ? Silent::None : Silent::SessionBus;
        return;
    }
    const Message owned = askTheBus(session.bus.get(), "NameHasOwner", "org.a11y.Bus");
    dbus_bool_t running = false;
    if (!owned
        || !dbus_message_get_args(
            owned.get(), nullptr, DBUS_TYPE_BOOLEAN, &running, DBUS_TYPE_INVALID))
        return;
    suspect = Silent::AccessibilityBus;
    if (!running) {
        suspect = Silent::None;
        return;
    }
    const Message address = ask(session.bus.get(),
        dbus_message_new_method_call(
            "org.a11y.Bus", "/org/a11y/bus", "org.a11y.Bus", "GetAddress"));
    const char* accessibilityAddress = nullptr;
    if (address
        && dbus_message_get_args(
            address.get(), nullptr, DBUS_TYPE_STRING, &accessibilityAddress, DBUS_TYPE_INVALID)
        && greet(accessibilityAddress).answered)
        suspect = Silent::None;
}

std::string sessionBusAddress()
{
    if (const char* address = std::getenv("DBUS_SESSION_BUS_ADDRESS"))
        return address;
    // Where libdbus looks next; past that it would start a bus of its own, which answers.
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    return runtime ? std::string("unix:path=") + runtime + "/bus" : std::string {};
}

} // namespace

void hideSilentBuses()
{
    const std::string address = sessionBusAddress();
    if (address.empty())
        return;
    // The thread is left behind if a bus keeps it: it owns what it touches, and goes with the
    // process.
    const auto suspect = std::make_shared<std::atomic<Silent>>(Silent::SessionBus);
    std::packaged_task<void()> task([address, suspect] { check(address, *suspect); });
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
