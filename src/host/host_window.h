// SPDX-License-Identifier: MIT
#pragma once

#include "game/form_host.h"
#include "game/play_window.h"
#include "host/key_gate.h"

#include <QMessageBox>
#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class QLabel;

namespace zorvik {

class ShapeWidget;
class TextChangeNews;
class TickTimer;

// A play window on screen. It builds its widgets from the form's layout table, turns key and
// timer events into calls on the form, redraws what the form changed, and shows the
// "Game Over" box. It holds no game state of its own.
class HostWindow final : public QWidget, public FormHost {
    Q_OBJECT
public:
    using FormFactory = std::function<std::unique_ptr<PlayWindow>(FormHost&)>;

    explicit HostWindow(const FormFactory& makeForm);
    ~HostWindow() override;

    // Runs the form's load handler, then shows the window (with WA_DeleteOnClose set).
    void loadAndShow();

    PlayWindow& form() const { return *form_; }
    QMessageBox* gameOverBox() const { return box_; }
    HostWindow* hopper() const { return hopper_; }
    bool ticking() const;

    // FormHost
    float clientHeight() const override;
    void showGameOverBox() override;
    void openHopper() override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    // Sees the Return that dismisses the "Game Over" box, which this window never gets.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlView {
        const Control* control = nullptr;
        ShapeWidget* shape = nullptr;
        QLabel* label = nullptr;
        TextChangeNews* news = nullptr; // for screen readers, on labels that count
        std::string shownCaption; // what the label shows, to skip unchanged captions cheaply
    };

    void buildControls();
    void placeOverWindow(QWidget* box) const;
    void gameOverBoxFinished();
    void watchReturnOnBox();
    // Hands a key to the open "Game Over" box; false if there is none.
    bool forwardToBox(QKeyEvent* event);
    void onTick();
    // Brings every widget and the tick timer in line with the form after an event.
    void syncFromForm();
    void syncLabel(ControlView& view);
    // Grows the labels where the desktop's font is too wide for their boxes (see fitLabels in
    // label_layout.h).
    void fitLabels();

    std::unique_ptr<PlayWindow> form_;
    // The layout's client area in the window's top-left corner. It keeps its size when a
    // desktop stretches the window, and the rules read its height.
    QWidget* playArea_ = nullptr;
    std::vector<ControlView> views_;
    KeyGate keys_;
    quint32 boxReturnScanCode_ = 0; // the key that went down on the box as Return
    TickTimer* timer_ = nullptr;
    QPointer<QMessageBox> box_;
    QPointer<HostWindow> hopper_;
    bool labelsFitted_ = false;
};

} // namespace zorvik
