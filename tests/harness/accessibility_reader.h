// SPDX-License-Identifier: MIT
#pragma once

#include "child_process.h"
#include "game_tree.h"

#include <map>

namespace zorvik::harness {

// One reader of the game's accessibility tree for a whole session, as a screen reader is: a
// Python process (Debian's python3-pyatspi) on the session's accessibility bus that answers
// each question over a pipe, and counts the changes a screen reader is told of in between.
// A question it cannot answer (the game has gone, or was too slow) reads as nothing found.
class AccessibilityReader {
public:
    // `environment` is the session's: its display and buses. A screen reader also tells the
    // bus it runs, which turns on the accessibility of programs that start after it.
    AccessibilityReader(const std::vector<std::string>& environment, bool screenReader);
    ~AccessibilityReader();
    AccessibilityReader(const AccessibilityReader&) = delete;
    AccessibilityReader& operator=(const AccessibilityReader&) = delete;

    // Reads the program with this process id from now on; the changes counted start at 0.
    void follow(pid_t program);
    // Every window of the program, with every label (and where its text lies) and shape.
    GameTree tree();
    // One window with its labels and shapes.
    std::optional<AccessibleWindow> window(const std::string& name);
    // Quicker: one window and its shapes, without its labels.
    std::optional<AccessibleWindow> shapes(const std::string& name);
    // Where the window's "Game Over" box is, if it shows one inside itself.
    std::optional<Rect> boxInside(const std::string& window);
    // Quicker: the text of one label; empty if it was not read.
    std::string text(const std::string& window, const std::string& label);
    // Listens from now on to what a screen reader listens to, as a screen reader does from
    // its start. A program that knows someone listens passes every key through the bus first.
    void listen();
    // Text and name changes told in each window since the last call, while listening.
    std::map<std::string, int> takeChangeCounts();

private:
    // The answer's lines, split into tab-separated fields.
    std::vector<std::vector<std::string>> ask(const std::string& question);
    std::string readLine();
    ChildProcess process_;
    int questions_ = -1;
    int answers_ = -1;
    std::string unread_;
};

} // namespace zorvik::harness
