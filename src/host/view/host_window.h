// SPDX-License-Identifier: MIT
#pragma once

#include "game/form_host.h"
#include "game/play_window.h"
#include "host/input/key_gate.h"
#include "host/platform/sway_placement.h"
#include "host/view/game_over_box.h"
#include "host/view/window_arrangement.h"
#include "sound/synthesizer.h"

#include <QPointer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QLabel;

namespace zorvik {

class ShapeLayer;
class TextChangeNews;
class TickTimer;

// A play window on screen. It builds its widgets from the form's layout table, turns key and
// timer events into calls on the form, redraws what the form changed, and opens the
// "Game Over" box. It holds no game state of its own.
class HostWindow final : public QWidget, public FormHost, public ArrangedWindow {
    Q_OBJECT
public:
    using FormFactory = std::function<std::unique_ptr<PlayWindow>(FormHost&)>;

    // The window of the form `makeForm` makes; `makeHopper` makes the form of the window the
    // form may open as its hopper (none if empty).
    explicit HostWindow(const FormFactory& makeForm, FormFactory makeHopper = {});
    ~HostWindow() override;

    // Runs the form's load handler, which may open the hopper, shows the window (with
    // WA_DeleteOnClose set), then makes its widgets and the hopper's.
    void loadAndShow();

    PlayWindow& form() const { return *form_; }
    GameOverBox* gameOverBox() const { return box_; }
    HostWindow* hopper() const { return hopper_; }
    bool ticking() const;

    // FormHost
    float clientHeight() const override;
    void showGameOverBox() override;
    void openHopper() override;
    void playCue(SoundCue cue) override;

    // ArrangedWindow
    WindowOnScreen onScreen() const override;
    QScreen* homeScreen() const override;
    void placeAt(QPoint clientTopLeft) override;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    // Sees the window first exposed, by then framed by the desktop, its fonts about to load.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    struct ControlView {
        const Control* control = nullptr;
        std::optional<std::size_t> shape; // its number in the shape layer
        QLabel* label = nullptr;
        TextChangeNews* news = nullptr; // for screen readers, on labels that count
        std::string shownCaption; // what the label shows, to skip unchanged captions cheaply
    };

    // Runs the form's load handler and shows the window, still empty.
    void load();
    // Makes the window's widgets and brings them in line with the form; once only.
    void fill();
    void buildControls();
    void gameOverBoxDismissed();
    // Hands a key to the open "Game Over" box; false if there is none.
    bool passToBox(const QKeyEvent& event);
    void onTick();
    // Brings every widget and the tick timer in line with the form after an event.
    void syncFromForm();
    void syncLabel(ControlView& view);
    // Grows the labels where the desktop's font is too wide for their boxes (see fitLabels in
    // label_layout.h).
    void fitLabels();
    QRect layoutBox(const Control& control) const;

    std::unique_ptr<PlayWindow> form_;
    FormFactory makeHopper_;
    // The layout's client area in the window's top-left corner. It keeps its size when a
    // desktop stretches the window, and the rules read its height.
    QWidget* playArea_ = nullptr;
    ShapeLayer* shapes_ = nullptr; // the ball and the platforms, over the labels
    std::vector<ControlView> views_;
    KeyGate keys_;
    TickTimer* timer_ = nullptr;
    QPointer<GameOverBox> box_;
    QPointer<HostWindow> hopper_;
    QRect home_; // where the window would be: its layout's place
    std::optional<QPoint> placed_; // where the arrangement last put it
    QMargins frameSeen_; // the desktop's frame when the window was last arranged
    SwayPlacement sway_;
    int sizeAsks_ = 0; // times in a row the window asked for its size back
    bool labelsFitted_ = false;
    // How the window sounds: the start-up window's voices are round, its hopper's reedy.
    Timbre timbre_ = Timbre::Round;
};

} // namespace zorvik
