// SPDX-License-Identifier: MIT
#pragma once

#include <pulse/context.h>
#include <pulse/error.h>
#include <pulse/mainloop.h>
#include <pulse/stream.h>

namespace zorvik {

// The parts of the sound server's client library the game uses, declared by the library's own
// headers. Each member has the name and type of the library's function.
// clang-format off
#define ZORVIK_PULSE_FUNCTIONS(use)                                                                \
    use(pa_mainloop_new) use(pa_mainloop_get_api) use(pa_mainloop_prepare) use(pa_mainloop_poll) \
    use(pa_mainloop_dispatch) use(pa_mainloop_free)                                              \
    use(pa_context_new) use(pa_context_set_state_callback) use(pa_context_connect)               \
    use(pa_context_get_state) use(pa_context_errno) use(pa_context_disconnect)                   \
    use(pa_context_unref)                                                                        \
    use(pa_stream_new) use(pa_stream_set_state_callback) use(pa_stream_set_write_callback)       \
    use(pa_stream_connect_playback) use(pa_stream_get_state) use(pa_stream_begin_write)          \
    use(pa_stream_write) use(pa_stream_disconnect) use(pa_stream_unref)                          \
    use(pa_strerror)
// clang-format on

struct PulseLibrary {
#define ZORVIK_PULSE_MEMBER(name) decltype(&::name) name = nullptr;
    ZORVIK_PULSE_FUNCTIONS(ZORVIK_PULSE_MEMBER)
#undef ZORVIK_PULSE_MEMBER

    // The library, opened when sound first turns on and kept open: a game without sound
    // loads nothing of it, and unloading a library whose threads may linger is not safe.
    // Null when it is missing.
    static const PulseLibrary* get();
};

} // namespace zorvik
