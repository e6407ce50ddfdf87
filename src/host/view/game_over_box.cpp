// SPDX-License-Identifier: MIT
#include "host/view/game_over_box.h"

#include "host/accessibility/game_over_news.h"
#include "host/input/key_gate.h"
#include "host/input/key_map.h"
#include "host/input/key_release_watch.h"
#include "host/platform/freed_memory.h"
#include "host/platform/game_language.h"
#include "host/platform/window_class.h"
#include "host/platform/window_manager.h"
#include "host/view/screen_fit.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDialogButtonBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <memory>

namespace zorvik {

GameOverBox::GameOverBox(QWidget& window, KeyGate& keys)
    : QMessageBox(
        QMessageBox::NoIcon, QStringLiteral("Zorvik"), QString(), QMessageBox::NoButton, &window)
    , keys_(keys)
{
    // Two words need no text selection; a selectable text would carry a whole text editing
    // engine into memory the first time a box opens. So the flags go before the text.
    setTextInteractionFlags(Qt::NoTextInteraction);
    setText(gameText("PlayWindow", "Game Over"));
    // A button of our own rather than the standard Ok: the style makes an icon for every
    // standard button, whether it is shown or not, and reading that icon loads every image
    // format plugin Qt has, about a megabyte, for a box that shows no picture.
    setDefaultButton(addButton(gameText("PlayWindow", "OK"), QMessageBox::AcceptRole));
    // Qt's button panel hands its focus on to its first button, and so reports itself focused
    // whenever the OK button is: a reader started while the box is open would take the panel
    // for where the player is and read no score. The OK button takes the focus itself.
    if (auto* panel = findChild<QDialogButtonBox*>())
        panel->setFocusProxy(nullptr);
    // Not modal to Qt: Qt drops a close request to a window a modal box blocks, and the player
    // must be able to close a window with its box open. The window takes no keys and no ticks
    // while its box is open, which makes the box modal to its own window only.
    setWindowModality(Qt::NonModal);
    setWindowIcon(window.windowIcon());
    setAttribute(Qt::WA_DeleteOnClose);
    // weston hands every new dialog the keyboard, whatever it asks, and places it where it
    // likes; a utility window it leaves alone, by its window. Elsewhere the box stays a dialog:
    // kwin hides the utility windows of a window that is not active.
    if (windowManagerName() == "Weston WM")
        setWindowFlag(Qt::Tool, true);
    // Where every new window takes the keyboard, a box of its own would take it from the
    // window being played: the box is drawn inside its window instead, over the play area.
    if (desktopFocusesEveryNewWindow()) {
        setWindowFlags(Qt::Widget);
        setAutoFillBackground(true);
    }
    installEventFilter(this);
    for (QAbstractButton* button : buttons())
        button->installEventFilter(this);
    connect(this, &QDialog::finished, this, &GameOverBox::onFinished);
}

GameOverBox* GameOverBox::open(
    QWidget& window, const QWidget& playArea, const GameOverWords& words, KeyGate& keys)
{
    auto* box = new GameOverBox(window, keys);
    // Once the box and everything it made are gone, not in the middle of its teardown.
    connect(box, &QObject::destroyed, [] { QTimer::singleShot(0, returnFreedMemory); });
    box->describe(gameText("PlayWindow", "%1: Game Over").arg(window.windowTitle()), words);
    // The player may be playing the other window: the box takes the keyboard only from its
    // own window, and otherwise waits until the player comes back to it, announced meanwhile.
    const bool takeKeyboard = window.isActiveWindow();
    if (!takeKeyboard)
        addGameOverNews(*box, box->accessibleName(), words.told);
    box->placeOver(playArea);
    if (!box->isWindow()) {
        box->show();
        box->raise();
        // In an inactive window, Qt keeps the focus for when the player comes back.
        box->takeFocus();
        return box;
    }
    box->setAttribute(Qt::WA_ShowWithoutActivating, !takeKeyboard);
    nameWindowClass(*box);
    box->show();
    if (takeKeyboard)
        box->activateWindow();
    return box;
}

void GameOverBox::describe(const QString& name, const GameOverWords& words)
{
    // Both windows' boxes share a caption: a reader tells them apart by their names.
    setAccessibleName(name);
    // Shown under "Game Over", where a reader's review of the box finds it: a second line of
    // the box's own text, which takes no text selection (see the constructor), rather than
    // the box's informative text, which would. A reader reads the alert's loose labels as it
    // gets the focus, then the focused button with its description, and only the button when
    // asked where the player is: the scores are the button's description, and the text is
    // tied to the button, so that the final score is read once.
    setText(text() + QLatin1Char('\n') + words.shown);
    QAbstractButton* ok = buttons().value(0);
    if (!ok)
        return;
    ok->setAccessibleDescription(words.told);
    for (QLabel* label : findChildren<QLabel*>())
        if (label->text() == text())
            label->setBuddy(ok);
}

void GameOverBox::placeOver(const QWidget& playArea)
{
    // Asked for explicitly: some desktops (XWayland under weston) place a dialog that leaves
    // its place to them far from its window.
    adjustSize();
    QRect place(QPoint(0, 0), size());
    if (!isWindow()) {
        const QWidget* window = parentWidget();
        place.moveCenter(playArea.mapTo(window, playArea.rect().center()));
        move(fitInside(place, window->rect()).topLeft());
        return;
    }
    place.moveCenter(playArea.mapToGlobal(playArea.rect().center()));
    if (const QScreen* screen = playArea.screen())
        place = fitInside(place, screen->availableGeometry());
    move(place.topLeft());
}

void GameOverBox::passKey(const QKeyEvent& event)
{
    if (event.isAutoRepeat() || !isVisible())
        return;
    // A copy with everything the platform told: its time and scan code settle Return.
    const std::unique_ptr<QKeyEvent> copy(event.clone());
    QApplication::sendEvent(focusWidget() ? focusWidget() : this, copy.get());
}

void GameOverBox::windowActivated()
{
    if (!isVisible() || closing_)
        return;
    raise();
    if (isWindow())
        activateWindow();
    else
        takeFocus();
}

void GameOverBox::takeFocus()
{
    if (QPushButton* ok = defaultButton())
        ok->setFocus(Qt::OtherFocusReason);
}

bool GameOverBox::eventFilter(QObject* watched, QEvent* event)
{
    // The Return that dismisses the box goes down where the window never sees it.
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (virtualKeyCode(key->key()) == keys::Return) {
            keys_.returnPressedElsewhere(key->timestamp());
            returnScanCode_ = key->nativeScanCode();
        }
    }
    return QMessageBox::eventFilter(watched, event);
}

void GameOverBox::setVisible(bool visible)
{
    // The keyboard goes back to the box's own window while the box is still there to hand it
    // over. Asked once the box has gone (when it reports that it finished), the box is no
    // longer active, and the desktop gives the keyboard to a window of its own choosing: the
    // other window's box, if one is open.
    if (!visible && isVisible() && !closing_) {
        closing_ = true;
        QWidget* window = parentWidget();
        if (window && !isWindow() && isAncestorOf(window->focusWidget()))
            window->setFocus(Qt::OtherFocusReason);
        else if (window && isActiveWindow())
            window->activateWindow();
    }
    QMessageBox::setVisible(visible);
}

void GameOverBox::keyPressEvent(QKeyEvent* event)
{
    QMessageBox::keyPressEvent(event);
    // The box is modal to its window: a key it has no use for must not go on to the window,
    // which is where a key goes that a box inside the window leaves.
    event->accept();
}

void GameOverBox::keyReleaseEvent(QKeyEvent* event)
{
    QMessageBox::keyReleaseEvent(event);
    event->accept();
}

void GameOverBox::paintEvent(QPaintEvent* event)
{
    QMessageBox::paintEvent(event);
    if (isWindow())
        return;
    // Inside its window the box has no frame of the desktop's: a line of its own sets it off
    // from the play area.
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void GameOverBox::onFinished()
{
    QWidget* window = parentWidget();
    // The Return that closed the box goes up where the window may never see it (a tap's
    // key-up can reach the box as it goes): the keyboard is asked until it is up.
    if (returnScanCode_ != 0 && window)
        whenKeyReleased(
            *window, returnScanCode_, [&keys = keys_] { keys.returnReleasedElsewhere(); });
    emit dismissed();
}

} // namespace zorvik
