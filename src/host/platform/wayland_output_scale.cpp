// SPDX-License-Identifier: MIT
#include "host/platform/wayland_output_scale.h"

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <dlfcn.h>
#include <poll.h>
#include <string_view>
#include <vector>

namespace zorvik {

namespace {

// The few parts of libwayland-client's interface asked for, as its stable ABI
// (libwayland-client.so.0, 1.20 or later for wl_proxy_marshal_flags) defines them. A display
// is a proxy too: the library's wl_display starts with its wl_proxy.
struct WlDisplay;
struct WlProxy;
struct WlInterface;
using Handler = void (*)(); // one entry of a listener table
using Connect = WlDisplay* (*)(const char* name);
using DisplayCall = int (*)(WlDisplay* display);
using Disconnect = void (*)(WlDisplay* display);
using AddListener = int (*)(WlProxy* proxy, const Handler* table, void* data);
using MarshalFlags = WlProxy* (*)(WlProxy* proxy, std::uint32_t opcode, const WlInterface* made,
    std::uint32_t version, std::uint32_t flags, ...);
using ProxyVersion = std::uint32_t (*)(WlProxy* proxy);
using Destroy = void (*)(WlProxy* proxy);

// Requests by their opcodes in the core protocol (wayland.xml).
constexpr std::uint32_t displaySync = 0;
constexpr std::uint32_t displayGetRegistry = 1;
constexpr std::uint32_t registryBind = 0;
// The first wl_output that tells its scale; binding no later one keeps its newer events away.
constexpr std::uint32_t outputWithScale = 2;
// A compositor answers at once; one that does not must not hold up the game.
constexpr std::chrono::milliseconds patience { 250 };

class WaylandClient {
public:
    WaylandClient()
        : handle_(dlopen("libwayland-client.so.0", RTLD_NOW | RTLD_LOCAL))
    {
        if (!handle_)
            return;
        connect = find<Connect>("wl_display_connect");
        disconnect = find<Disconnect>("wl_display_disconnect");
        getFd = find<DisplayCall>("wl_display_get_fd");
        flush = find<DisplayCall>("wl_display_flush");
        prepareRead = find<DisplayCall>("wl_display_prepare_read");
        readEvents = find<DisplayCall>("wl_display_read_events");
        cancelRead = find<Disconnect>("wl_display_cancel_read");
        dispatchPending = find<DisplayCall>("wl_display_dispatch_pending");
        addListener = find<AddListener>("wl_proxy_add_listener");
        marshalFlags = find<MarshalFlags>("wl_proxy_marshal_flags");
        proxyVersion = find<ProxyVersion>("wl_proxy_get_version");
        destroy = find<Destroy>("wl_proxy_destroy");
        registryInterface = find<const WlInterface*>("wl_registry_interface");
        outputInterface = find<const WlInterface*>("wl_output_interface");
        callbackInterface = find<const WlInterface*>("wl_callback_interface");
    }
    ~WaylandClient()
    {
        if (handle_)
            dlclose(handle_);
    }
    WaylandClient(const WaylandClient&) = delete;
    WaylandClient& operator=(const WaylandClient&) = delete;

    bool complete() const
    {
        return connect && disconnect && getFd && flush && prepareRead && readEvents && cancelRead
            && dispatchPending && addListener && marshalFlags && proxyVersion && destroy
            && registryInterface && outputInterface && callbackInterface;
    }

    Connect connect = nullptr;
    Disconnect disconnect = nullptr;
    DisplayCall getFd = nullptr;
    DisplayCall flush = nullptr;
    DisplayCall prepareRead = nullptr;
    DisplayCall readEvents = nullptr;
    Disconnect cancelRead = nullptr;
    DisplayCall dispatchPending = nullptr;
    AddListener addListener = nullptr;
    MarshalFlags marshalFlags = nullptr;
    ProxyVersion proxyVersion = nullptr;
    Destroy destroy = nullptr;
    const WlInterface* registryInterface = nullptr;
    const WlInterface* outputInterface = nullptr;
    const WlInterface* callbackInterface = nullptr;

private:
    template <typename T> T find(const char* name) const
    {
        return reinterpret_cast<T>(dlsym(handle_, name));
    }

    void* handle_;
};

WlProxy* asProxy(WlDisplay* display)
{
    return reinterpret_cast<WlProxy*>(display);
}

struct Outputs {
    const WaylandClient& wl;
    std::vector<WlProxy*> bound;
    int largestScale = 0; // none told yet
};

// An output tells its geometry, its modes and its scale, each followed by done. Every event
// needs a handler: libwayland aborts on an empty entry.
void geometry(void*, WlProxy*, std::int32_t, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
    const char*, const char*, std::int32_t)
{
}

void mode(void*, WlProxy*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) { }

void done(void*, WlProxy*) { }

void scale(void* data, WlProxy*, std::int32_t factor)
{
    auto& outputs = *static_cast<Outputs*>(data);
    outputs.largestScale = std::max(outputs.largestScale, static_cast<int>(factor));
}

// The registry names the compositor's globals: each output is bound as it is named.
void global(
    void* data, WlProxy* registry, std::uint32_t name, const char* interface, std::uint32_t version)
{
    auto& outputs = *static_cast<Outputs*>(data);
    if (std::string_view(interface) != "wl_output" || version < outputWithScale)
        return;
    WlProxy* output = outputs.wl.marshalFlags(registry, registryBind, outputs.wl.outputInterface,
        outputWithScale, 0, name, "wl_output", outputWithScale, nullptr);
    if (!output)
        return;
    outputs.bound.push_back(output);
    static const std::array<Handler, 4> listener { reinterpret_cast<Handler>(&geometry),
        reinterpret_cast<Handler>(&mode), reinterpret_cast<Handler>(&done),
        reinterpret_cast<Handler>(&scale) };
    outputs.wl.addListener(output, listener.data(), &outputs);
}

void globalRemove(void*, WlProxy*, std::uint32_t) { }

void answered(void* data, WlProxy*, std::uint32_t)
{
    *static_cast<bool*>(data) = true;
}

// Waits until the compositor has answered everything asked of it so far, handling what it
// sends meanwhile: wl_display_roundtrip would wait for ever on a compositor that hangs. False
// when the answer has not come by `deadline` or the connection failed.
bool roundtrip(
    const WaylandClient& wl, WlDisplay* display, std::chrono::steady_clock::time_point deadline)
{
    WlProxy* sync = wl.marshalFlags(asProxy(display), displaySync, wl.callbackInterface,
        wl.proxyVersion(asProxy(display)), 0, nullptr);
    if (!sync)
        return false;
    bool done = false;
    static const std::array<Handler, 1> listener { reinterpret_cast<Handler>(&answered) };
    wl.addListener(sync, listener.data(), &done);
    while (!done) {
        if (wl.prepareRead(display) != 0) { // events already read wait to be handled
            if (wl.dispatchPending(display) < 0)
                break;
            continue;
        }
        wl.flush(display);
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        pollfd waiting { wl.getFd(display), POLLIN, 0 };
        if (left.count() <= 0 || poll(&waiting, 1, static_cast<int>(left.count())) <= 0) {
            wl.cancelRead(display);
            break;
        }
        if (wl.readEvents(display) < 0 || wl.dispatchPending(display) < 0)
            break;
    }
    wl.destroy(sync);
    return done;
}

// Where libwayland would look for the compositor: a name relative to XDG_RUNTIME_DIR, without
// which the library complains on standard error, or a path of its own.
bool compositorNamed()
{
    const char* name = std::getenv("WAYLAND_DISPLAY");
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    return name && *name && (*name == '/' || (runtimeDir && *runtimeDir));
}

} // namespace

std::optional<int> largestWaylandOutputScale()
{
    if (!compositorNamed())
        return std::nullopt;
    const WaylandClient wl;
    if (!wl.complete())
        return std::nullopt;
    WlDisplay* display = wl.connect(nullptr);
    if (!display)
        return std::nullopt;
    const auto deadline = std::chrono::steady_clock::now() + patience;
    Outputs outputs { wl, {} };
    WlProxy* registry = wl.marshalFlags(asProxy(display), displayGetRegistry, wl.registryInterface,
        wl.proxyVersion(asProxy(display)), 0, nullptr);
    if (registry) {
        static const std::array<Handler, 2> listener { reinterpret_cast<Handler>(&global),
            reinterpret_cast<Handler>(&globalRemove) };
        wl.addListener(registry, listener.data(), &outputs);
        // The first answer names the outputs, the second brings what each then told.
        if (!roundtrip(wl, display, deadline) || !roundtrip(wl, display, deadline))
            outputs.largestScale = 0;
        for (WlProxy* output : outputs.bound)
            wl.destroy(output);
        wl.destroy(registry);
    }
    wl.disconnect(display);
    if (outputs.largestScale < 1)
        return std::nullopt;
    return outputs.largestScale;
}

} // namespace zorvik
