// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <string>

class QLabel;
class QWidget;

namespace zorvik {

class PlayWindow;

// What a screen reader finds in a play window: a frame named by its caption, each label with
// the text it shows, the score values named for what they are, the ball and the platforms as
// graphics where they are drawn. Marks the window as a play window; call first thing in its
// constructor, before anything can make Qt describe it.
void markPlayWindow(QWidget& window);

// Marks the widget that holds a play window's labels and shapes: a reader finds the shapes
// there after the labels (see playAreaInterface). Call as soon as it is made.
void markPlayArea(QWidget& playArea);

// Gives a label of a play window what a reader needs besides its text, from the control it
// shows: the score values are named "Score" and "High Score", and the window's description is
// the start prompt while it is shown. Returns the name, empty for a label its text describes.
QString describeLabel(QLabel& label, const std::string& controlName);
// Keeps the window's description in step with its prompt; call after a label's text or
// visibility changed.
void promptChanged(QLabel& label);

// What a "Game Over" box says of the game that ended: under its text the final score, "Final
// score: N"; to a reader the high score besides, "Final score: N. High score: M", and "New
// high score" when the final score set it.
struct GameOverWords {
    QString shown;
    QString told;
};
GameOverWords gameOverWords(const PlayWindow& form);

} // namespace zorvik
