// SPDX-License-Identifier: MIT
#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

namespace zorvik {

class Synthesizer;

// Plays what the synthesizer makes through the desktop's sound server (PulseAudio, or
// PipeWire's PulseAudio service), on a thread of its own that exists only while this object
// does. The server's library is loaded when the first output starts, never at the program's
// start: a game without sound loads nothing for it. Small buffers keep what is heard within a
// tick (15.625 ms) of the play. A server that is missing, or gone mid-game, leaves the game
// silent, with one line on standard error for the whole run.
class PulseAudioOutput {
public:
    explicit PulseAudioOutput(Synthesizer& synthesizer);
    ~PulseAudioOutput();
    PulseAudioOutput(const PulseAudioOutput&) = delete;
    PulseAudioOutput& operator=(const PulseAudioOutput&) = delete;

    // Something new to play: wakes the thread if it sleeps through silence.
    void wake();

private:
    void run();
    // Sleeps while the synthesizer stays silent; false once the output must end.
    bool waitForSound();

    Synthesizer& synthesizer_;
    std::mutex mutex_;
    std::condition_variable woken_;
    bool news_ = false; // guarded by mutex_
    bool stopping_ = false; // guarded by mutex_
    std::thread thread_;
};

} // namespace zorvik
