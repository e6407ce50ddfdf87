// SPDX-License-Identifier: MIT
#pragma once

#include "host/accessibility/accessible_widgets.h"

#include <QMessageBox>

class QKeyEvent;

namespace zorvik {

class KeyGate;

// A play window's "Game Over" box. Modal to its own window only: the window takes no keys and no
// ticks while it is open, and the other window plays on. It opens over its window's play area,
// above it, and never takes the keyboard from the window being played: it takes the keyboard
// only when its own window has it, and otherwise when the player comes back to that window.
// Return, Space, Escape, the OK button or closing it dismiss it; the keyboard then goes back to
// its window if the box had it. The Return that dismisses it is told to the window's key gate,
// so that, held, it starts no game. To a screen reader it is an alert named for its window
// ("Zorvik Again!: Game Over", its caption stays the game's) that shows the final score and
// tells the high score; one that opens away from the keyboard is announced as it opens. Where the
// desktop gives every new window the keyboard, the box is drawn inside its window, over the play
// area, with the same rules.
class GameOverBox final : public QMessageBox {
    Q_OBJECT
public:
    // Opens the box over `playArea`, a child of `window`, showing the final score under "Game
    // Over" and telling a reader `words`. It deletes itself once dismissed.
    static GameOverBox* open(
        QWidget& window, const QWidget& playArea, const GameOverWords& words, KeyGate& keys);

    // A key that reached the window instead of the box, where a desktop kept the keyboard on
    // the window: the box gets it as the player typed it.
    void passKey(const QKeyEvent& event);
    // The player came back to the box's window: the box takes the keyboard.
    void windowActivated();
    // Centres the box over its window's play area, on the screen.
    void placeOver(const QWidget& playArea);
    // Return, Space, Escape, the OK button and closing the box all hide it.
    void setVisible(bool visible) override;

signals:
    // The player dismissed the box; the window finishes its game over.
    void dismissed();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    GameOverBox(QWidget& window, KeyGate& keys);
    void onFinished();
    // The OK button takes the keyboard's focus within the window, at once if the window is
    // active, else when it next is.
    void takeFocus();
    void describe(const QString& name, const GameOverWords& words);

    KeyGate& keys_;
    quint32 returnScanCode_ = 0; // the key that went down on the box as Return
    bool closing_ = false;
};

} // namespace zorvik
