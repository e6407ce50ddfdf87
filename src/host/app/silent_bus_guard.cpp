// SPDX-License-Identifier: MIT
#include "host/app/silent_bus_guard.h"

#include "host/platform/bus_question.h"
#include "host/platform/game_language.h"

#include <atomic>
#include <chrono>
#include <cstdlib>
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

// A question to one of the buses' own services, which name their interfaces as themselves.
BusMessage ask(
    DBusConnection* bus, const char* service, const char* path, const char* method, bool& silent)
{
    const BusMessage question = busQuestion(service, path, service, method);
    return busAnswer(bus, question.get(), answerTimeoutMs, silent);
}

// What Qt and its bridge will ask as the application starts, asked first; `suspect` tells which
// bus is being waited on, whenever the waiting stops.
void check(const std::string& sessionAddress, std::atomic<Silent>& suspect)
{
    bool silent = false;
    const Bus session = greetedBus(sessionAddress.c_str(), answerTimeoutMs, silent);
    if (!session)
        return suspect.store(silent ? Silent::SessionBus : Silent::None);
    suspect = Silent::AccessibilityBus;
    const BusMessage address
        = ask(session.get(), "org.a11y.Bus", "/org/a11y/bus", "GetAddress", silent);
    const char* accessibilityAddress = nullptr;
    if (address
        && dbus_message_get_args(
            address.get(), nullptr, DBUS_TYPE_STRING, &accessibilityAddress, DBUS_TYPE_INVALID))
        greetedBus(accessibilityAddress, answerTimeoutMs, silent);
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
    const QString said = found == Silent::SessionBus
        ? gameText(
            "Startup", "the session bus does not answer: the game plays without accessibility")
        : gameText("Startup",
            "the accessibility bus does not answer: the game plays without accessibility");
    sayOnStderr(said);
}

} // namespace zorvik
