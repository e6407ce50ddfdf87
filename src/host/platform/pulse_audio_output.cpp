// SPDX-License-Identifier: MIT
#include "host/platform/pulse_audio_output.h"

#include "host/platform/game_language.h"
#include "host/platform/pulse_library.h"
#include "sound/synthesizer.h"

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <cstring>
#include <mutex>
#include <sys/eventfd.h>
#include <thread>
#include <unistd.h>

namespace zorvik {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::size_t frameBytes = 2 * sizeof(std::int16_t);
// The server holds two chunks of a tick each (15.625 ms) and asks for one at a time: a change
// in the play is heard within about a tick, and the thread wakes as often as the game ticks.
// Each wake-up costs the program more than rendering the chunk does.
constexpr std::uint32_t chunkBytes = Synthesizer::sampleRate / 64 * frameBytes;
// Silence this long closes the stream and the connection.
constexpr int silentFramesBeforeClosing = Synthesizer::sampleRate / 4;
// A server that has not let the stream play by then is given up on until the next try: one
// that accepts connections and never answers would otherwise hold them open for good.
constexpr auto answering = std::chrono::seconds(2);
// A server that failed is tried again when there is something to hear, at most this often.
constexpr auto retrying = std::chrono::seconds(1);
// How long the game waits for the thread to close its stream before it lets it go.
constexpr std::chrono::milliseconds endingThread { 50 };

// One line for the whole run, whatever fails and however often.
void tellOnce(const char* what, const char* why)
{
    static std::atomic<bool> told { false };
    if (!told.exchange(true))
        sayOnStderr(gameText("Sound", "%1: %2; the game plays on, silent until a server answers")
                        .arg(markedText("Sound", what), markedText("Sound", why)));
}

// The output thread's side: the loop it runs, and the connection and the stream while the
// server is used. Everything here happens on that thread.
class Player {
public:
    Player(const PulseLibrary& pulse, Synthesizer& synthesizer, int news,
        std::atomic<bool>& waitingForNews, const std::atomic<bool>& stopping);
    ~Player();
    Player(const Player&) = delete;
    Player& operator=(const Player&) = delete;

    // Until the output stops.
    void run();

private:
    // What to do now; how long the loop may then sleep (microseconds, -1: until news).
    int step();
    void open();
    void close();
    void fail(const char* why);

    static void onNews(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void*);
    static void onContextState(pa_context* context, void* self);
    static void onStreamState(pa_stream* stream, void* self);
    static void onWritable(pa_stream* stream, std::size_t bytes, void* self);

    const PulseLibrary& pulse_;
    Synthesizer& synthesizer_;
    std::atomic<bool>& waitingForNews_;
    const std::atomic<bool>& stopping_;
    pa_mainloop* loop_;
    pa_io_event* news_ = nullptr;
    pa_context* context_ = nullptr;
    pa_stream* stream_ = nullptr;
    bool playing_ = false; // the stream has started
    bool broken_ = false; // the connection or the stream failed: closed at the next step
    bool tried_ = false; // the server was tried once at the start, to say at once if it is missing
    int silentFrames_ = 0;
    Clock::time_point deadline_; // while opening
    Clock::time_point retryAt_; // after a failure
};

int microsecondsUntil(Clock::time_point when)
{
    const auto left = std::chrono::duration_cast<std::chrono::microseconds>(when - Clock::now());
    return static_cast<int>(std::max<std::chrono::microseconds::rep>(left.count(), 0));
}

Player::Player(const PulseLibrary& pulse, Synthesizer& synthesizer, int news,
    std::atomic<bool>& waitingForNews, const std::atomic<bool>& stopping)
    : pulse_(pulse)
    , synthesizer_(synthesizer)
    , waitingForNews_(waitingForNews)
    , stopping_(stopping)
    , loop_(pulse.pa_mainloop_new())
{
    if (loop_) {
        pa_mainloop_api* api = pulse_.pa_mainloop_get_api(loop_);
        news_ = api->io_new(api, news, PA_IO_EVENT_INPUT, onNews, this);
    }
}

Player::~Player()
{
    close();
    if (news_)
        pulse_.pa_mainloop_get_api(loop_)->io_free(news_);
    if (loop_)
        pulse_.pa_mainloop_free(loop_);
}

void Player::run()
{
    if (!news_) {
        tellOnce(QT_TRANSLATE_NOOP("Sound", "no sound"),
            QT_TRANSLATE_NOOP("Sound", "its event loop could not be made"));
        return;
    }
    while (!stopping_) {
        const int timeout = step();
        if (pulse_.pa_mainloop_prepare(loop_, timeout) < 0 || pulse_.pa_mainloop_poll(loop_) < 0
            || pulse_.pa_mainloop_dispatch(loop_) < 0)
            break;
    }
}

int Player::step()
{
    if (broken_)
        fail(pulse_.pa_strerror(pulse_.pa_context_errno(context_)));
    else if (context_ && !playing_ && Clock::now() >= deadline_)
        fail(QT_TRANSLATE_NOOP("Sound", "the sound server does not answer"));
    else if (silentFrames_ >= silentFramesBeforeClosing)
        close();
    if (context_)
        return playing_ ? -1 : microsecondsUntil(deadline_);
    if (Clock::now() < retryAt_)
        return microsecondsUntil(retryAt_);
    // Told first, then asked: whatever the game tells from here on wakes the loop.
    waitingForNews_ = true;
    if (tried_ && !synthesizer_.hasSomethingToPlay())
        return -1;
    waitingForNews_ = false;
    open();
    return 0;
}

void Player::open()
{
    tried_ = true;
    deadline_ = Clock::now() + answering;
    context_ = pulse_.pa_context_new(pulse_.pa_mainloop_get_api(loop_), "Zorvik");
    if (!context_) {
        fail(QT_TRANSLATE_NOOP("Sound", "the sound library could not start"));
        return;
    }
    pulse_.pa_context_set_state_callback(context_, onContextState, this);
    // Never starts a server of its own: the desktop's is the one to play on.
    broken_ = pulse_.pa_context_connect(context_, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0;
}

void Player::close()
{
    // Each disconnect reports its own end at once: nothing is to hear of it.
    if (stream_) {
        pulse_.pa_stream_set_state_callback(stream_, nullptr, nullptr);
        pulse_.pa_stream_set_write_callback(stream_, nullptr, nullptr);
        pulse_.pa_stream_disconnect(stream_);
        pulse_.pa_stream_unref(stream_);
        stream_ = nullptr;
    }
    if (context_) {
        pulse_.pa_context_set_state_callback(context_, nullptr, nullptr);
        pulse_.pa_context_disconnect(context_);
        pulse_.pa_context_unref(context_);
        context_ = nullptr;
    }
    playing_ = broken_ = false;
    silentFrames_ = 0;
}

void Player::fail(const char* why)
{
    tellOnce(playing_ ? QT_TRANSLATE_NOOP("Sound", "sound stopped")
                      : QT_TRANSLATE_NOOP("Sound", "no sound"),
        why);
    close();
    retryAt_ = Clock::now() + retrying;
}

void Player::onNews(pa_mainloop_api*, pa_io_event*, int fd, pa_io_event_flags_t, void*)
{
    eventfd_t count = 0;
    eventfd_read(fd, &count); // the next step looks at what was told
}

void Player::onContextState(pa_context* context, void* self)
{
    auto& player = *static_cast<Player*>(self);
    const PulseLibrary& pulse = player.pulse_;
    switch (pulse.pa_context_get_state(context)) {
    case PA_CONTEXT_READY: {
        const pa_sample_spec spec { PA_SAMPLE_S16LE, Synthesizer::sampleRate, 2 };
        const pa_buffer_attr attr { static_cast<std::uint32_t>(-1), 2 * chunkBytes, chunkBytes,
            chunkBytes, static_cast<std::uint32_t>(-1) };
        player.stream_ = pulse.pa_stream_new(context, "game sounds", &spec, nullptr);
        if (!player.stream_) {
            player.broken_ = true;
            return;
        }
        pulse.pa_stream_set_state_callback(player.stream_, onStreamState, self);
        pulse.pa_stream_set_write_callback(player.stream_, onWritable, self);
        player.broken_ = pulse.pa_stream_connect_playback(player.stream_, nullptr, &attr,
                             PA_STREAM_ADJUST_LATENCY, nullptr, nullptr)
            < 0;
        return;
    }
    case PA_CONTEXT_FAILED:
    case PA_CONTEXT_TERMINATED:
        player.broken_ = true;
        return;
    default:
        return;
    }
}

void Player::onStreamState(pa_stream* stream, void* self)
{
    auto& player = *static_cast<Player*>(self);
    const pa_stream_state_t state = player.pulse_.pa_stream_get_state(stream);
    player.playing_ = player.playing_ || state == PA_STREAM_READY;
    player.broken_ = player.broken_ || state == PA_STREAM_FAILED || state == PA_STREAM_TERMINATED;
}

void Player::onWritable(pa_stream* stream, std::size_t bytes, void* self)
{
    auto& player = *static_cast<Player*>(self);
    while (bytes >= frameBytes) {
        void* buffer = nullptr;
        std::size_t size = bytes;
        if (player.pulse_.pa_stream_begin_write(stream, &buffer, &size) < 0 || !buffer)
            return;
        size = std::min(size, bytes) / frameBytes * frameBytes;
        const bool audible = player.synthesizer_.render(
            { static_cast<std::int16_t*>(buffer), size / sizeof(std::int16_t) });
        player.silentFrames_
            = audible ? 0 : player.silentFrames_ + static_cast<int>(size / frameBytes);
        if (player.pulse_.pa_stream_write(stream, buffer, size, nullptr, 0, PA_SEEK_RELATIVE) < 0)
            return;
        bytes -= size;
    }
}

} // namespace

struct PulseAudioOutput::Shared {
    Synthesizer synthesizer;
    // How the game wakes the thread from its loop.
    const int news = eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    const int newsError = news < 0 ? errno : 0;
    std::atomic<bool> waitingForNews { false };
    std::atomic<bool> stopping { false };
    std::mutex mutex;
    std::condition_variable changed;
    bool ended = false; // guarded by mutex

    ~Shared()
    {
        if (news >= 0)
            ::close(news);
    }
    void knock() const { eventfd_write(news, 1); }
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
    shared_->stopping = true;
    shared_->knock();
    // The thread waits on nothing, so it ends at once; should it not, it ends with the program.
    std::unique_lock lock(shared_->mutex);
    shared_->changed.wait_for(lock, endingThread, [this] { return shared_->ended; });
}

Synthesizer& PulseAudioOutput::synthesizer() const
{
    return shared_->synthesizer;
}

void PulseAudioOutput::wake()
{
    if (shared_->waitingForNews.exchange(false))
        shared_->knock();
}

void PulseAudioOutput::Shared::play()
{
    const PulseLibrary* pulse = PulseLibrary::get();
    if (!pulse) {
        tellOnce(QT_TRANSLATE_NOOP("Sound", "no sound"),
            QT_TRANSLATE_NOOP("Sound", "libpulse.so.0 could not be loaded"));
        return;
    }
    if (news < 0) {
        tellOnce(QT_TRANSLATE_NOOP("Sound", "no sound"), std::strerror(newsError));
        return;
    }
    Player(*pulse, synthesizer, news, waitingForNews, stopping).run();
}

} // namespace zorvik
