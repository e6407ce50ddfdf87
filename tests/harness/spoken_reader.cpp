// SPDX-License-Identifier: MIT
#include "spoken_reader.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

namespace zorvik::harness {

namespace {

constexpr const char* speechMark = "SPEECH OUTPUT: ";

// "... - SPEECH OUTPUT: 'Zorvik! frame.'{'established': False}": the text as Python quoted it,
// in whichever quotes it chose, with its backslash escapes undone.
std::string utteranceIn(const std::string& line)
{
    const auto mark = line.find(speechMark);
    if (mark == std::string::npos)
        return {};
    auto at = mark + std::char_traits<char>::length(speechMark);
    if (at >= line.size() || (line[at] != '\'' && line[at] != '"'))
        return {};
    const char quote = line[at++];
    std::string text;
    for (; at < line.size() && line[at] != quote; ++at) {
        if (line[at] == '\\' && at + 1 < line.size())
            ++at;
        text += line[at];
    }
    return text;
}

} // namespace

SpokenReader::SpokenReader(const std::vector<std::string>& environment, const std::string& home)
    : environment_(environment)
    , log_(home + "/orca-debug.log")
{
    const std::string config = home + "/speech-dispatcher";
    std::filesystem::create_directories(config + "/modules");
    std::ofstream(config + "/speechd.conf") << "AddModule \"dummy\" \"sd_dummy\" \"\"\n"
                                               "DefaultModule dummy\n"
                                               // without an audio device the module gives up
                                               "AudioOutputMethod \"alsa\"\n"
                                               "AudioALSADevice \"null\"\n";
    // Orca refuses to start while another runs for the same user, which it asks pgrep; with
    // --replace it kills the others. Each session's reader is alone in its session: here pgrep
    // finds none, so sessions side by side, or a player's own Orca, never stop one another.
    const std::string tools = home + "/orca-tools";
    std::filesystem::create_directories(tools);
    std::ofstream(tools + "/pgrep") << "#!/bin/sh\nexit 1\n";
    std::filesystem::permissions(tools + "/pgrep", std::filesystem::perms::owner_all);
    const char* path = std::getenv("PATH");
    const std::string socket = home + "/speechd.sock";
    environment_.insert(environment_.end(),
        { "HOME=" + home, "PATH=" + tools + ":" + (path ? path : "/usr/bin:/bin"),
            "SPEECHD_ADDRESS=unix_socket:" + socket,
            // the session's sound server hears the game alone, never the reader's own sounds
            "PULSE_SERVER=unix:" + home + "/no-sound-server" });
    Launch speechDispatcher;
    speechDispatcher.args = { "speech-dispatcher", "--run-single", "--timeout", "0", "--config-dir",
        config, "--communication-method", "unix_socket", "--socket-path", socket, "--log-dir",
        config };
    speechDispatcher.environment = environment_;
    speechDispatcher_ = ChildProcess(speechDispatcher);
    if (!waitUntil([&] { return std::filesystem::exists(socket); }, 10s, 20ms))
        throw std::runtime_error("speech-dispatcher did not start");
}

SpokenReader::~SpokenReader()
{
    orca_.stop(500ms); // it takes its time over a polite request, and has nothing to save
}

void SpokenReader::start()
{
    Launch orca;
    orca.args = { ZORVIK_SYSTEM_PYTHON, ZORVIK_ORCA_LINE_BY_LINE, "--debug-file=" + log_ };
    orca.environment = environment_;
    orca_ = ChildProcess(orca);
    const auto running = [&] {
        const auto spoken = said();
        return !spoken.empty() && spoken.front() == "Screen reader on.";
    };
    if (!waitUntil(running, 20s, 50ms))
        throw std::runtime_error("Orca did not start");
}

std::vector<std::string> SpokenReader::said() const
{
    // Orca logs a great deal besides what it says: only what was added since the last look is
    // read, up to its last whole line.
    std::ifstream in(log_);
    in.seekg(static_cast<std::streamoff>(readUpTo_));
    for (std::string line; std::getline(in, line) && !in.eof();) {
        readUpTo_ += line.size() + 1;
        if (line.find(speechMark) != std::string::npos)
            said_.push_back(utteranceIn(line));
    }
    return said_;
}

} // namespace zorvik::harness
