// SPDX-License-Identifier: MIT
#include "accessibility_reader.h"

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace zorvik::harness {

namespace {

// Longer than any answer takes: a question to a game that hangs times out inside the reader.
constexpr int answerTimeoutMs = 30'000;

std::vector<std::string> fields(const std::string& line)
{
    std::vector<std::string> out;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, '\t');)
        out.push_back(field);
    return out;
}

std::optional<Rect> rect(const std::string& text)
{
    Rect r;
    std::istringstream in(text);
    if (!(in >> r.x >> r.y >> r.width >> r.height))
        return std::nullopt;
    return r;
}

// The windows in an answer, each followed by its labels and shapes.
std::vector<AccessibleWindow> windowsIn(const std::vector<std::vector<std::string>>& lines)
{
    std::vector<AccessibleWindow> windows;
    for (const auto& f : lines) {
        if (f.size() == 5 && f[0] == "window")
            windows.push_back({ f[1], f[2], f[3], rect(f[4]).value_or(Rect {}), {}, {} });
        else if (windows.empty())
            continue;
        else if (f.size() == 5 && f[0] == "label")
            windows.back().labels.push_back(
                { f[1], f[2], rect(f[3]).value_or(Rect {}), rect(f[4]) });
        else if (f.size() == 3 && f[0] == "shape")
            windows.back().shapes.push_back({ f[1], rect(f[2]).value_or(Rect {}) });
    }
    return windows;
}

std::optional<AccessibleWindow> onlyWindowIn(const std::vector<std::vector<std::string>>& lines)
{
    auto windows = windowsIn(lines);
    if (windows.size() != 1)
        return std::nullopt;
    return std::move(windows.front());
}

} // namespace

AccessibilityReader::AccessibilityReader(
    const std::vector<std::string>& environment, bool screenReader)
{
    int questions[2], answers[2];
    if (pipe2(questions, O_CLOEXEC) != 0 || pipe2(answers, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe failed");
    Launch launch;
    launch.args = { ZORVIK_SYSTEM_PYTHON, ZORVIK_ACCESSIBILITY_READER };
    launch.environment = environment;
    if (screenReader)
        launch.args.push_back("--screen-reader");
    launch.quiet = false; // its complaints help when a question finds nothing
    launch.standardInput = questions[0];
    launch.standardOutput = answers[1];
    process_ = ChildProcess(launch);
    close(questions[0]);
    close(answers[1]);
    questions_ = questions[1];
    answers_ = answers[0];
    // A question written after the reader died must fail here, not stop the test program.
    signal(SIGPIPE, SIG_IGN);
    if (readLine() != "ready")
        throw std::runtime_error("the accessibility reader did not start");
}

AccessibilityReader::~AccessibilityReader()
{
    close(questions_); // the reader ends when its questions do
    process_.stop(1s);
    close(answers_);
}

std::string AccessibilityReader::readLine()
{
    for (std::size_t end; (end = unread_.find('\n')) == std::string::npos;) {
        pollfd answer { answers_, POLLIN, 0 };
        char buffer[65536];
        ssize_t got = 0;
        if (poll(&answer, 1, answerTimeoutMs) <= 0
            || (got = read(answers_, buffer, sizeof buffer)) <= 0)
            throw std::runtime_error("the accessibility reader stopped answering");
        unread_.append(buffer, static_cast<std::size_t>(got));
    }
    const std::size_t end = unread_.find('\n');
    std::string line = unread_.substr(0, end);
    unread_.erase(0, end + 1);
    return line;
}

std::vector<std::vector<std::string>> AccessibilityReader::ask(const std::string& question)
{
    const std::string line = question + "\n";
    if (write(questions_, line.data(), line.size()) != static_cast<ssize_t>(line.size()))
        throw std::runtime_error("the accessibility reader has gone");
    std::vector<std::vector<std::string>> lines;
    for (std::string answer; (answer = readLine()) != "end";)
        lines.push_back(fields(answer));
    return lines;
}

void AccessibilityReader::follow(pid_t program)
{
    ask("follow\t" + std::to_string(program));
}

GameTree AccessibilityReader::tree()
{
    return { windowsIn(ask("tree")) };
}

std::optional<AccessibleWindow> AccessibilityReader::window(const std::string& name)
{
    return onlyWindowIn(ask("window\t" + name));
}

std::optional<AccessibleWindow> AccessibilityReader::shapes(const std::string& name)
{
    return onlyWindowIn(ask("shapes\t" + name));
}

std::optional<Rect> AccessibilityReader::boxInside(const std::string& window)
{
    for (const auto& f : ask("box\t" + window))
        if (f.size() == 2 && f[0] == "box")
            return rect(f[1]);
    return std::nullopt;
}

std::string AccessibilityReader::text(const std::string& window, const std::string& label)
{
    for (const auto& f : ask("text\t" + window + "\t" + label))
        if (f.size() == 5 && f[0] == "label")
            return f[2];
    return {};
}

void AccessibilityReader::listen()
{
    ask("listen");
}

std::map<std::string, int> AccessibilityReader::takeChangeCounts()
{
    std::map<std::string, int> counts;
    for (const auto& f : ask("events"))
        if (f.size() == 3 && f[0] == "events")
            counts[f[1]] = std::stoi(f[2]);
    return counts;
}

} // namespace zorvik::harness
