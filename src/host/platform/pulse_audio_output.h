// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace zorvik {

class Synthesizer;

// Plays a synthesizer of its own through the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio service), from a thread of its own that renders straight into the server's
// buffers as the server asks for them. The server's library is loaded when the first output
// starts, never at the program's start: a game without sound loads nothing for it.
// Small buffers keep what is heard within about a tick (15.625 ms) of the play. Once the play has
// been silent a while the stream and the connection close, so nothing keeps the server or the
// device awake while no game runs; the next thing to hear opens them again. A server that is
// missing, gone or not answering is tried again when there is something to hear, at most once
// a second, with one line on standard error for the whole run. Nothing the game's thread does
// waits for the server, and the thread never waits on it either: it talks to it
// asynchronously, with a deadline.
class PulseAudioOutput {
public:
    PulseAudioOutput();
    ~PulseAudioOutput();
    PulseAudioOutput(const PulseAudioOutput&) = delete;
    PulseAudioOutput& operator=(const PulseAudioOutput&) = delete;

    // What the game tells for the thread to play; call wake() after telling it.
    Synthesizer& synthesizer() const;
    // Something new to play: wakes the thread if it sleeps through silence.
    void wake();

private:
    struct Shared;
    std::shared_ptr<Shared> shared_;
};

} // namespace zorvik
