// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <string>

class QLabel;

namespace zorvik {

class PlayWindow;

// What a screen reader finds: each play window a frame named by its caption, each label with
// the text it shows, the score values named for what they are. Safe to call more than once;
// takes effect for the windows created after the first call.
void installAccessibility();

// Gives a label of a play window what a reader needs besides its text, from the control it
// shows: the score values are named "Score" and "High Score", and the window's description is
// the start prompt while it is shown. Returns the name, empty for a label its text describes.
QString describeLabel(QLabel& label, const std::string& controlName);
// Keeps the window's description in step with its prompt; call after a label's text or
// visibility changed.
void promptChanged(QLabel& label);

// What the "Game Over" alert says besides its text.
QString gameOverDescription(const PlayWindow& form);

// Tells screen readers that a label's text changed, at most once a second: a score counts 64
// times a second, far faster than anyone can listen. A reader that asks gets the current text
// at any time; only the news is held back, and the last change is always told.
class TextChangeNews final : public QObject {
public:
    explicit TextChangeNews(QLabel& label);
    // Call after the label's text changed.
    void textChanged();
    // Tells a change still held back now, as when a game ends.
    void flush();

private:
    void tell();

    QLabel& label_;
    QString told_;
    QTimer quiet_;
};

} // namespace zorvik
