// SPDX-License-Identifier: MIT
#include "host/platform/pulse_audio_output.h"

#include "sound/synthesizer.h"

#include <array>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstdio>
#include <dlfcn.h>
#include <mutex>
#include <pulse/error.h>
#include <pulse/simple.h>
#include <thread>

namespace zorvik {

namespace {

// A chunk is a third of a tick; the server holds two chunks at most, so a change in the play
// is heard within a tick, and the thread wakes 150 times a second while it sounds.
constexpr std::size_t chunkFrames = 240;
constexpr std::size_t frameBytes = 2 * sizeof(std::int16_t);
constexpr std::uint32_t chunkBytes = chunkFrames * frameBytes;
// Silence this long lets the thread sleep until the game tells it something again.
constexpr int silentChunksBeforeSleep = 50;
// How long the game waits for the thread to end before it lets it go: a chunk's write.
constexpr std::chrono::milliseconds endingThread { 50 };

// One line for the whole run, whatever fails and however often sound is turned on again.
void tellOnce(const char* what, const char* why)
{
    static std::atomic<bool> told { false };
    if (!told.exchange(true))
        std::fprintf(stderr, "zorvik: %s: %s; the game plays on without sound\n", what, why);
}

// Opened only when sound starts, and kept loaded: unloading a library whose threads may
// linger is not safe.
struct PulseLibrary {
    decltype(&pa_simple_new) open = nullptr;
    decltype(&pa_simple_write) write = nullptr;
    decltype(&pa_simple_free) close = nullptr;
    decltype(&pa_strerror) describe = nullptr;

    bool load()
    {
        void* handle = dlopen("libpulse-simple.so.0", RTLD_NOW | RTLD_LOCAL);
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

struct PulseAudioOutput::Shared {
    Synthesizer synthesizer;
    std::mutex mutex;
    std::condition_variable changed;
    bool news = false; // guarded by mutex
    bool stopping = false; // guarded by mutex
    bool ended = false; // guarded by mutex

    void play();
};

PulseAudioOutput::PulseAudioOutput()
    : shared_(std::make_shared<Shared>())
{
    std::thread([shared = shared_] {
        shared->play();
        const std::lock_guard lock(shared->mutex);
        shared->ended = true;
        shared->changed.notify_all();
    }).detach();
}

PulseAudioOutput::~PulseAudioOutput()
{
    std::unique_lock lock(shared_->mutex);
    shared_->stopping = true;
    shared_->changed.notify_all();
    // Ended, or held by a server that does not answer: it ends when the server does, or
    // with the program.
    shared_->changed.wait_for(lock, endingThread, [this] { return shared_->ended; });
}

Synthesizer& PulseAudioOutput::synthesizer() const
{
    return shared_->synthesizer;
}

void PulseAudioOutput::wake()
{
    {
        const std::lock_guard lock(shared_->mutex);
        shared_->news = true;
    }
    shared_->changed.notify_all();
}

void PulseAudioOutput::Shared::play()
{
    static PulseLibrary library;
    static const bool loaded = library.load();
    if (!loaded) {
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
            std::unique_lock lock(mutex);
            if (silentChunks >= silentChunksBeforeSleep) { // sleeps through silence
                changed.wait(lock, [this] { return news || stopping; });
                silentChunks = 0;
            }
            if (stopping)
                break;
            news = false; // what was told so far goes into the next chunk
        }
        silentChunks = synthesizer.render(chunk) ? 0 : silentChunks + 1;
        if (library.write(stream, chunk.data(), sizeof chunk, &error) < 0) {
            tellOnce("sound stopped", library.describe(error));
            break;
        }
    }
    library.close(stream);
}

} // namespace zorvik
