// SPDX-License-Identifier: MIT
#include "host/platform/wayland_output_scale.h"

#include <QCoreApplication>
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>
#include <wayland-client.h>

namespace zorvik {

namespace {

// The first wl_output that tells its scale; binding no later one keeps its newer events away.
constexpr std::uint32_t outputWithScale = 2;
// More screens than any desk holds: a compositor naming outputs without end is not followed.
constexpr std::size_t mostOutputs = 16;

struct Outputs {
    std::vector<wl_output*> bound;
    int largestScale = 0; // none told yet
};

// An output tells its geometry, its modes and its scale, each followed by done. Every event
// needs a handler: libwayland aborts on an empty entry.
const wl_output_listener outputListener {
    .geometry = [](void*, wl_output*, std::int32_t, std::int32_t, std::int32_t, std::int32_t,
                    std::int32_t, const char*, const char*, std::int32_t) {},
    .mode = [](void*, wl_output*, std::uint32_t, std::int32_t, std::int32_t, std::int32_t) {},
    .done = [](void*, wl_output*) {},
    .scale =
        [](void* data, wl_output*, std::int32_t factor) {
            auto& outputs = *static_cast<Outputs*>(data);
            outputs.largestScale = std::max(outputs.largestScale, static_cast<int>(factor));
        },
    .name = nullptr, // never sent to a version 2 output
    .description = nullptr,
};

// The registry names the compositor's globals: each output is bound as it is named.
const wl_registry_listener registryListener {
    .global =
        [](void* data, wl_registry* registry, std::uint32_t name, const char* interface,
            std::uint32_t version) {
            auto& outputs = *static_cast<Outputs*>(data);
            if (std::string_view(interface) != wl_output_interface.name || version < outputWithScale
                || outputs.bound.size() >= mostOutputs)
                return;
            if (auto* output = static_cast<wl_output*>(
                    wl_registry_bind(registry, name, &wl_output_interface, outputWithScale))) {
                outputs.bound.push_back(output);
                wl_output_add_listener(output, &outputListener, &outputs);
            }
        },
    .global_remove = [](void*, wl_registry*, std::uint32_t) {},
};

// The compositor's socket as a path: the thread reads no environment, and libwayland, given a
// name relative to no XDG_RUNTIME_DIR, would complain on standard error.
std::string compositorPath()
{
    const QByteArray name = qgetenv("WAYLAND_DISPLAY");
    const QByteArray runtimeDir = qgetenv("XDG_RUNTIME_DIR");
    if (name.startsWith('/'))
        return name.toStdString();
    if (name.isEmpty() || runtimeDir.isEmpty())
        return {};
    return (runtimeDir + '/' + name).toStdString();
}

} // namespace

void askLargestWaylandOutputScale(std::function<void(int scale)> answered)
{
    const std::string path = compositorPath();
    if (path.empty())
        return;
    // A compositor that never answers keeps the thread for good: it owns all it uses, and the
    // program never waits for it.
    std::thread([path, answered = std::move(answered)] {
        wl_display* display = wl_display_connect(path.c_str());
        if (!display)
            return;
        Outputs outputs;
        wl_registry* registry = wl_display_get_registry(display);
        wl_registry_add_listener(registry, &registryListener, &outputs);
        // The first answer names the outputs, the second brings what each then told.
        if (wl_display_roundtrip(display) >= 0 && wl_display_roundtrip(display) >= 0
            && outputs.largestScale > 0)
            QMetaObject::invokeMethod(
                qApp, [answered, scale = outputs.largestScale] { answered(scale); },
                Qt::QueuedConnection);
        for (wl_output* output : outputs.bound)
            wl_output_destroy(output);
        wl_registry_destroy(registry);
        wl_display_disconnect(display);
    }).detach();
}

} // namespace zorvik
