// SPDX-License-Identifier: MIT
#pragma once

#include <dbus/dbus.h>
#include <memory>

namespace zorvik {

// Questions to a D-Bus bus that may not answer, asked from a thread that can afford to wait for
// them, each with its own deadline. libdbus's own greeting waits 25 s, holding its lock on every
// shared connection meanwhile, so these use private connections greeted by hand.
void closeBus(DBusConnection* bus);
using Bus = std::unique_ptr<DBusConnection, decltype(&closeBus)>;
using BusMessage = std::unique_ptr<DBusMessage, decltype(&dbus_message_unref)>;

// A method call that never starts a service that is not running.
BusMessage busQuestion(
    const char* service, const char* path, const char* interface, const char* method);

// The reply, or none: `silent` tells whether that is for want of an answer in time, rather than
// a refusal.
BusMessage busAnswer(DBusConnection* bus, DBusMessage* question, int timeoutMs, bool& silent);

// A private connection to the bus at `address`, greeted; none if there is no bus there or it
// said nothing in time (`silent`).
Bus greetedBus(const char* address, int timeoutMs, bool& silent);

} // namespace zorvik
