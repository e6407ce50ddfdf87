// SPDX-License-Identifier: MIT
#pragma once

#include "game/sound_cue.h"
#include "sound/synthesizer.h"

#include <QObject>
#include <memory>

namespace zorvik {

class PlayWindow;
class PulseAudioOutput;

// Whether the game sounds: by default only while the desktop reports a screen reader, as a
// player who needs the sounds has one; or always, or never, as the command line says.
enum class SoundChoice { WithScreenReader, Always, Never };

// The game's sound for the whole program: the windows tell it their state and their cues, and
// it plays them while sound is on. While it is off, telling costs a test of one pointer: no
// library, thread or timer exists for it.
class GameSound final : public QObject {
public:
    explicit GameSound(SoundChoice choice);
    ~GameSound() override;

    // The program's sound while one exists (none in tests that make windows alone).
    static GameSound* current() { return current_; }
    bool on() const { return output_ != nullptr; }

    // After every event in a window: its ball and platform as they are now.
    void listen(Timbre window, const PlayWindow& form);
    // A window that closed falls silent.
    void silence(Timbre window);
    void cue(Timbre window, SoundCue cue);

private:
    void followScreenReader();
    void turn(bool on);

    static GameSound* current_;
    std::unique_ptr<PulseAudioOutput> output_;
};

} // namespace zorvik
