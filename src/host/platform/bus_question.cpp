// SPDX-License-Identifier: MIT
#include "host/platform/bus_question.h"

namespace zorvik {

void closeBus(DBusConnection* bus)
{
    dbus_connection_close(bus);
    dbus_connection_unref(bus);
}

BusMessage busQuestion(
    const char* service, const char* path, const char* interface, const char* method)
{
    BusMessage question(
        dbus_message_new_method_call(service, path, interface, method), &dbus_message_unref);
    dbus_message_set_auto_start(question.get(), false);
    return question;
}

BusMessage busAnswer(DBusConnection* bus, DBusMessage* question, int timeoutMs, bool& silent)
{
    DBusError error;
    dbus_error_init(&error);
    BusMessage reply(dbus_connection_send_with_reply_and_block(bus, question, timeoutMs, &error),
        &dbus_message_unref);
    silent = dbus_error_has_name(&error, DBUS_ERROR_NO_REPLY)
        || dbus_error_has_name(&error, DBUS_ERROR_TIMEOUT);
    dbus_error_free(&error);
    return reply;
}

Bus greetedBus(const char* address, int timeoutMs, bool& silent)
{
    Bus bus(dbus_connection_open_private(address, nullptr), &closeBus);
    silent = false;
    if (!bus)
        return bus;
    const BusMessage hello
        = busQuestion(DBUS_SERVICE_DBUS, DBUS_PATH_DBUS, DBUS_INTERFACE_DBUS, "Hello");
    if (!busAnswer(bus.get(), hello.get(), timeoutMs, silent))
        bus.reset();
    return bus;
}

} // namespace zorvik
