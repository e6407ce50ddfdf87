// SPDX-License-Identifier: MIT
#pragma once

#include "child_process.h"

#include <string>
#include <vector>

namespace zorvik::harness {

// The screen reader a blind player runs, Orca, speaking through a private speech-dispatcher
// with its silent voice (the dummy module on ALSA's null device): what it would say is read
// from Orca's debug log, one utterance a "SPEECH OUTPUT" line, which orca_line_by_line.py has
// Orca write as it goes. Everything lives in the session's runtime directory, so sessions side
// by side never share a reader or a voice.
class SpokenReader {
public:
    // `environment` is the session's: its display, its buses, its runtime directory `home`,
    // which is also the reader's home. Starts speech-dispatcher, not yet Orca.
    SpokenReader(const std::vector<std::string>& environment, const std::string& home);
    ~SpokenReader();
    SpokenReader(const SpokenReader&) = delete;
    SpokenReader& operator=(const SpokenReader&) = delete;

    // Starts Orca and waits until it has said that it runs.
    void start();
    // Everything Orca said since it started, in order.
    std::vector<std::string> said() const;

private:
    std::vector<std::string> environment_;
    std::string log_;
    mutable std::size_t readUpTo_ = 0; // how much of the log said_ holds
    mutable std::vector<std::string> said_;
    ChildProcess speechDispatcher_;
    ChildProcess orca_;
};

} // namespace zorvik::harness
