// SPDX-License-Identifier: MIT
#pragma once

#include <memory>

namespace zorvik {

class Synthesizer;

// Plays a synthesizer of its own through the desktop's sound server (PulseAudio, or PipeWire's
// PulseAudio service), on a thread of its own. The server's library is loaded when the first
// output starts, never at the program's start: a game without sound loads nothing for it.
// Small buffers keep what is heard within a tick (15.625 ms) of the play. A server that is
// missing, or gone mid-game, leaves the game silent, with one line on standard error for the
// whole run. A server that stops answering holds the thread in the library: the output lets
// it go rather than wait for it, and what the thread uses lives as long as the thread.
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
