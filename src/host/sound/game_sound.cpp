// SPDX-License-Identifier: MIT
#include "host/sound/game_sound.h"

#include "host/accessibility/screen_reader_status.h"
#include "host/platform/pulse_audio_output.h"
#include "sound/listening.h"

namespace zorvik {

GameSound* GameSound::current_ = nullptr;

GameSound::GameSound(SoundChoice choice)
{
    current_ = this;
    if (choice == SoundChoice::Always)
        turn(true);
    else if (choice == SoundChoice::WithScreenReader)
        // Once the windows are up: the bus is asked nothing on the way to the screen.
        QMetaObject::invokeMethod(this, &GameSound::followScreenReader, Qt::QueuedConnection);
}

GameSound::~GameSound()
{
    current_ = nullptr;
}

void GameSound::followScreenReader()
{
    ScreenReaderStatus& status = ScreenReaderStatus::instance();
    connect(&status, &ScreenReaderStatus::changed, this,
        [this, &status] { turn(status.screenReaderRuns()); });
    turn(status.screenReaderRuns());
}

void GameSound::turn(bool on)
{
    if (on == this->on())
        return;
    if (!on) {
        output_.reset();
        return;
    }
    // With a fresh synthesizer: nothing of an earlier spell of sound lingers.
    output_ = std::make_unique<PulseAudioOutput>();
}

void GameSound::listen(Timbre window, const PlayWindow& form)
{
    if (!output_)
        return;
    output_->synthesizer().listen(window, listenTo(form));
    output_->wake();
}

void GameSound::silence(Timbre window)
{
    if (!output_)
        return;
    output_->synthesizer().listen(window, {});
    output_->wake();
}

void GameSound::cue(Timbre window, SoundCue cue)
{
    if (!output_)
        return;
    output_->synthesizer().cue(window, cue);
    output_->wake();
}

} // namespace zorvik
