// SPDX-License-Identifier: MIT
#pragma once

#include "game/tick_schedule.h"
#include "host/sound/game_sound.h"

#include <optional>
#include <string>
#include <vector>

namespace zorvik {

// The program's command line, read before anything needs a display: --help and --version print
// and end the program, a wrong argument ends it with one line and a hint, and Qt's standard
// options (-platform, -display, -geometry, ...) are kept for the application object.
class CommandLine {
public:
    CommandLine(int argc, char* argv[]);

    // Set when the program must end here: 0 after --help or --version, 2 after a wrong argument.
    std::optional<int> exitStatus() const { return exitStatus_; }
    // The platform and display asked for on the command line, if any.
    std::optional<std::string> platform() const { return platform_; }
    std::optional<std::string> display() const { return display_; }
    std::optional<std::string> platformPluginPath() const { return platformPluginPath_; }
    // --sound, --no-sound, or neither: sound with a screen reader.
    SoundChoice sound() const { return sound_; }
    // --speed: the game's speed in percent of full speed.
    int speedPercent() const { return speedPercent_; }

    // Arguments for the application object: the program name and Qt's options but -platform,
    // which reaches Qt through QT_QPA_PLATFORM once the platform has been checked. The array
    // lives as long as this object, as Qt requires.
    int& qtArgc() { return qtArgc_; }
    char** qtArgv() { return qtArgv_.data(); }

private:
    // Reads the arguments after the program's name; sets the exit status where they end the
    // program, else the platform, display and Qt's arguments. Whether it is done: not when it
    // has help or an error to say and is not `speaking`.
    bool read(int argc, char* argv[], const std::string& program, bool speaking);

    std::optional<int> exitStatus_;
    std::optional<std::string> platform_;
    std::optional<std::string> display_;
    std::optional<std::string> platformPluginPath_;
    SoundChoice sound_ = SoundChoice::WithScreenReader;
    int speedPercent_ = TickSchedule::fullPercent;
    std::vector<std::string> qtArguments_;
    std::vector<char*> qtArgv_;
    int qtArgc_ = 0;
};

} // namespace zorvik
