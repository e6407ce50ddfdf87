// SPDX-License-Identifier: MIT
#include "host/platform/pulse_audio_output.h"

#include "sound/synthesizer.h"

#include <array>
#include <atomic>
#include <cstdint>
#include <cstdio>
#include <dlfcn.h>
#include <pulse/error.h>
#include <pulse/simple.h>

namespace zorvik {

namespace {

// A chunk is a third of a tick; the server holds two chunks at most, so a change in the play
// is heard within a tick, and the thread wakes 150 times a second while it sounds.
constexpr std::size_t chunkFrames = 240;
constexpr std::size_t frameBytes = 2 * sizeof(std::int16_t);
constexpr std::uint32_t chunkBytes = chunkFrames * frameBytes;
// Silence this long lets the thread sleep until the game tells it something again.
constexpr int silentChunksBeforeSleep = 50;

// One line for the whole run, whatever fails and however often sound is turned on again.
void tellOnce(const char* what, const char* why)
{
    static std::atomic<bool> told { false };
    if (!told.exchange(true))
        std::fprintf(stderr, "zorvik: %s: %s; the game plays on without sound\n", what, why);
}

struct PulseLibrary {
    void* handle = nullptr;
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_free) close = nullptr;
    decltype(&pa_strerror) describe = nullptr;

    bool load()
    {
        handle = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
        if (!handle)
            return false;
        open = reinterpret_cast<decltype(open)>(dlsym(handle, "pa_simple_new"));
        write = reinterpret_cast<decltype(write)>(dlsym(handle, "pa_simple_write"));
        close = reinterpret_cast<decltype(close)>(dlsym(handle, "pa_simple_free"));
        describe = reinterpret_cast<decltype(describe)>(dlsym(handle, "pa_strerror"));
        return open && write && close && describe;
    }
};

} // namespace

PulseAudioOutput::PulseAudioOutput(Synthesizer& synthesizer)
    : synthesizer_(synthesizer)
    , thread_([this] { run(); })
{
}

PulseAudioOutput::~PulseAudioOutput()
{
    {
        const std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    woken_.notify_one();
    thread_.join();
}

void PulseAudioOutput::wake()
{
    {
        const std::lock_guard lock(mutex_);
        news_ = true;
    }
    woken_.notify_one();
}

bool PulseAudioOutput::waitForSound()
{
    std::unique_lock lock(mutex_);
    woken_.wait(lock, [this] { return news_ || stopping_; });
    news_ = false;
    return !stopping_;
}

void PulseAudioOutput::run()
{
    // Kept loaded once loaded: unloading a library whose threads may linger is not safe.
    static PulseLibrary library;
    if (!library.handle && !library.load()) {
        tellOnce("no sound", "libpulse-simple.so.0 could not be loaded");
        return;
    }
    const pa_sample_spec spec { PA_SAMPLE_S16LE, Synthesizer::sampleRate, 2 };
    const pa_buffer_attr attr { static_cast<std::uint32_t>(-1), 2 * chunkBytes, chunkBytes,
        chunkBytes, static_cast<std::uint32_t>(-1) };
    int error = 0;
    pa_simple* stream = library.open(nullptr, "Zorvik", PA_STREAM_PLAYBACK, nullptr, "game sounds",
        &spec, nullptr, &attr, &error);
    if (!stream) {
        tellOnce("no sound", library.describe(error));
        return;
    }
    std::array<std::int16_t, chunkFrames * 2> chunk {};
    int silentChunks = 0;
    for (;;) {
        {
            const std::lock_guard lock(mutex_);
            if (stopping_)
                break;
            news_ = false; // what was told so far goes into the next chunk
        }
        if (silentChunks >= silentChunksBeforeSleep) {
            if (!waitForSound())
                break;
            silentChunks = 0;
        }
        silentChunks = synthesizer_.render(chunk) ? 0 : silentChunks + 1;
        if (library.write(stream, chunk.data(), sizeof chunk, &error) < 0) {
            tellOnce("sound stopped", library.describe(error));
            break;
        }
    }
    library.close(stream);
}

} // namespace zorvik
