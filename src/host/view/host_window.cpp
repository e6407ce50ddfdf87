// SPDX-License-Identifier: MIT
#include "host/view/host_window.h"

#include "host/accessibility/accessible_widgets.h"
#include "host/accessibility/text_change_news.h"
#include "host/input/key_map.h"
#include "host/platform/game_language.h"
#include "host/platform/kwin_placement.h"
#include "host/platform/tick_timer.h"
#include "host/platform/window_class.h"
#include "host/platform/window_manager.h"
#include "host/sound/game_sound.h"
#include "host/view/game_over_box.h"
#include "host/view/label_layout.h"
#include "host/view/screen_fit.h"
#include "host/view/shape_layer.h"
#include "host/view/text_size.h"
#include "host/view/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMoveEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <utility>

namespace zorvik {

namespace {

// The size the layouts were drawn for; Qt's usual default is larger and would cut the
// tower's prompt.
constexpr double layoutPointSize = 8.25;

QFont layoutFont(bool bold)
{
    QFont font = QApplication::font();
    font.setPointSizeF(layoutPointSize);
    font.setBold(bold);
    return font;
}

// The shift state a play window is told about: 1 Shift, 2 Ctrl, 4 Alt.
int shiftState(Qt::KeyboardModifiers modifiers)
{
    return (modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
        | (modifiers & Qt::AltModifier ? 4 : 0);
}

} // namespace

// A label's place in the layout. In a right-to-left language the labels' row reads from the
// right, as the player reads: the layout's places are mirrored, the play area's shapes stay.
QRect HostWindow::layoutBox(const Control& control) const
{
    QRect box = toPixels(control.Left, control.Top, control.Width, control.Height).toRect();
    if (isRightToLeft())
        box.moveRight(playArea_->width() - 1 - box.left());
    return box;
}

HostWindow::HostWindow(const FormFactory& makeForm, FormFactory makeHopper)
    : form_(makeForm(*this))
    , makeHopper_(std::move(makeHopper))
{
    // Before any child: a reader's view of the window is fixed the first time Qt makes it.
    markPlayWindow(*this);
    playArea_ = new QWidget(this);
    markPlayArea(*playArea_);
    timer_ = new TickTimer(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setAttribute(Qt::WA_QuitOnClose);
    // A fixed-size window offers no maximize button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint
        | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFocusPolicy(Qt::StrongFocus);
    setFont(layoutFont(false));
    const WindowFrame& frame = form_->frame();
    setWindowTitle(QString::fromStdString(frame.caption));
    const QRect client
        = toPixels(frame.clientLeft, frame.clientTop, frame.clientWidth, frame.clientHeight)
              .toRect();
    home_ = client;
    setGeometry(client); // on screen before it is shown: see loadAndShow
    setFixedSize(client.size());
    // A Wayland compositor may maximize a window whatever its size: weston does when its
    // title bar's button (Qt's own) is pressed, and ends the connection of a window that keeps
    // a smaller size. There the window takes any size from its own upwards, its play area
    // keeping its size in the corner, as under desktops that stretch a window anyway. Not
    // under sway, which floats only windows of one size and tiles the others.
    if (maximizedWhateverItsSize())
        setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    playArea_->setGeometry(QRect(QPoint(0, 0), client.size()));
    connect(timer_, &TickTimer::tick, this, &HostWindow::onTick);
    WindowArrangement::instance().add(*this);
}

HostWindow::~HostWindow()
{
    WindowArrangement::instance().remove(*this);
    timer_->stop();
    if (GameSound* sound = GameSound::current())
        sound->silence(timbre_);
    // The box is a child; it must not report back to a form that is already gone.
    if (box_) {
        box_->disconnect(this);
        delete box_;
    }
}

void HostWindow::buildControls()
{
    shapes_ = new ShapeLayer(*playArea_);
    shapes_->setGeometry(playArea_->rect());
    views_.reserve(form_->controls().size());
    for (const Control& control : form_->controls()) {
        ControlView view;
        view.control = &control;
        if (control.kind == ControlKind::Label) {
            view.label = new QLabel(playArea_);
            view.label->setFont(layoutFont(control.font == LabelFont::Bold));
            // Mirrored with the row in a right-to-left language: a score then sits by its
            // caption, as it does in English, though digits alone would align left.
            view.label->setAlignment(
                (isRightToLeft() ? Qt::AlignRight | Qt::AlignAbsolute : Qt::AlignLeft)
                | Qt::AlignTop);
            view.label->setFocusPolicy(Qt::NoFocus);
            if (!describeLabel(*view.label, control.name).isEmpty())
                view.news = new TextChangeNews(*view.label);
            // The layout's box for now; fitting the text needs the fonts, which load only
            // once the windows are on screen (see fitLabels).
            view.label->setGeometry(layoutBox(control));
        } else {
            view.shape = shapes_->add(control.kind);
        }
        views_.push_back(view);
    }
    shapes_->raise(); // over the labels
    shapes_->show();
}

void HostWindow::loadAndShow()
{
    load();
    if (hopper_)
        hopper_->fill();
    fill();
}

void HostWindow::load()
{
    form_->Form_Load(); // the tower's opens the hopper, loaded and shown first
    WindowArrangement::instance().arrangeNow();
    nameWindowClass(*this);
    show();
    windowHandle()->installEventFilter(this);
}

void HostWindow::fill()
{
    // Made once the window is shown, and the hopper's once the tower is too: both windows are
    // on their way to the screen meanwhile, and every widget is there, in its form's state,
    // before either is first painted. (The labels show themselves as syncFromForm finds them
    // visible.)
    if (shapes_)
        return;
    buildControls();
    syncFromForm();
}

void HostWindow::fitLabels()
{
    labelsFitted_ = true;
    std::vector<LabelFit> labels;
    for (const ControlView& view : views_)
        if (view.label)
            labels.push_back(
                { layoutBox(*view.control), textSize(view.label->font(), view.label->text()) });
    const std::vector<QRect> boxes = zorvik::fitLabels(labels, playArea_->size());
    auto box = boxes.begin();
    for (const ControlView& view : views_)
        if (view.label)
            view.label->setGeometry(*box++);
}

bool HostWindow::ticking() const
{
    return timer_->isActive();
}

float HostWindow::clientHeight() const
{
    return static_cast<float>(playArea_->height() * twipsPerPixel);
}

void HostWindow::showGameOverBox()
{
    box_ = GameOverBox::open(*this, *playArea_, gameOverWords(*form_), keys_);
    connect(box_, &GameOverBox::dismissed, this, &HostWindow::gameOverBoxDismissed);
}

void HostWindow::gameOverBoxDismissed()
{
    form_->gameOverBoxClosed();
    syncFromForm();
}

void HostWindow::openHopper()
{
    if (hopper_ || !makeHopper_)
        return;
    hopper_ = new HostWindow(makeHopper_);
    hopper_->timbre_ = Timbre::Reedy;
    hopper_->setWindowIcon(windowIcon());
    // Only the start-up window takes the keyboard: the hopper opens beside it unactivated, so
    // that a screen reader announces one window, not two.
    hopper_->setAttribute(Qt::WA_ShowWithoutActivating);
    hopper_->load();
    if (shapes_) // opened once this window was already filled
        hopper_->fill();
}

void HostWindow::playCue(SoundCue cue)
{
    if (GameSound* sound = GameSound::current())
        sound->cue(timbre_, cue);
}

void HostWindow::keyPressEvent(QKeyEvent* event)
{
    const std::optional<KeyCode> key = keys_.press(virtualKeyCode(event->key()),
        event->nativeScanCode(), event->isAutoRepeat(), event->timestamp());
    if (passToBox(*event) || !key)
        return;
    form_->Form_KeyDown(*key, shiftState(event->modifiers()));
    syncFromForm();
}

void HostWindow::keyReleaseEvent(QKeyEvent* event)
{
    const std::optional<KeyCode> key = keys_.release(virtualKeyCode(event->key()),
        event->nativeScanCode(), event->isAutoRepeat(), event->timestamp());
    const bool boxTookIt = passToBox(*event);
    if (!key || (boxTookIt && *key != keys::Left && *key != keys::Right))
        return;
    form_->Form_KeyUp(*key, shiftState(event->modifiers()));
    syncFromForm();
}

bool HostWindow::passToBox(const QKeyEvent& event)
{
    if (!box_ || !box_->isVisible())
        return false;
    box_->passKey(event);
    return true;
}

void HostWindow::focusOutEvent(QFocusEvent* event)
{
    // A key released over another window never reaches this one: let go of it now.
    const std::vector<KeyCode> released = keys_.focusLost();
    for (const KeyCode key : released)
        form_->Form_KeyUp(key, 0);
    if (!released.empty())
        syncFromForm();
    QWidget::focusOutEvent(event);
}

void HostWindow::changeEvent(QEvent* event)
{
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && box_)
        box_->windowActivated();
    QWidget::changeEvent(event);
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    timer_->stop();
    event->accept();
}

WindowOnScreen HostWindow::onScreen() const
{
    WindowOnScreen seen { home_, {}, {} };
    if (const QWindow* handle = windowHandle(); handle && isVisible())
        seen.frame = handle->frameMargins();
    // The labels: the scores and the prompt must stay readable. Before they are made (see
    // fill), where the layout puts them.
    if (views_.empty()) {
        for (const Control& control : form_->controls())
            if (control.kind == ControlKind::Label)
                seen.keepClear.push_back(layoutBox(control));
    }
    for (const ControlView& view : views_)
        if (view.label)
            seen.keepClear.push_back(view.label->geometry());
    return seen;
}

QScreen* HostWindow::homeScreen() const
{
    QScreen* screen = QGuiApplication::screenAt(home_.center());
    return screen ? screen : QGuiApplication::primaryScreen();
}

void HostWindow::placeAt(QPoint clientTopLeft)
{
    frameSeen_ = onScreen().frame;
    if (placed_ != clientTopLeft) {
        placed_ = clientTopLeft;
        setGeometry(QRect(clientTopLeft, size()));
        sway_.place(*this, clientTopLeft);
    }
    if (box_)
        box_->placeOver(*playArea_);
}

void HostWindow::moveEvent(QMoveEvent* event)
{
    sway_.seen(*this, geometry().topLeft());
    if (box_)
        box_->placeOver(*playArea_);
    if (onScreen().frame != frameSeen_)
        WindowArrangement::instance().arrangeSoon();
    QWidget::moveEvent(event);
}

void HostWindow::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // A desktop may squeeze even a fixed-size window (sway does, asked to), which would cut
    // the play area: the window asks for its size back. A few times at most in a row, so that
    // a desktop that insists is not fought forever.
    const QSize full = home_.size();
    if (width() >= full.width() && height() >= full.height()) {
        // sway puts a window that asked for a size back in the middle of the screen.
        if (sizeAsks_ > 0 && placed_)
            sway_.place(*this, *placed_);
        sizeAsks_ = 0;
    } else if (isVisible() && sizeAsks_ < 3) {
        ++sizeAsks_;
        QTimer::singleShot(0, this, [this] { resize(home_.size()); });
    }
}

bool HostWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::Expose && watched == windowHandle()) {
        // Fitted as the window is first exposed, just before its first paint: the fonts load
        // then, as they would for the first paint anyway, not while the window waits to appear.
        if (!labelsFitted_) {
            fitLabels();
            // sway and kwin hear of a window only once it is mapped.
            if (placed_) {
                sway_.place(*this, *placed_);
                placeThroughKwin(*this, *placed_);
            }
        }
        if (onScreen().frame != frameSeen_)
            WindowArrangement::instance().arrangeSoon();
    }
    return QWidget::eventFilter(watched, event);
}

void HostWindow::onTick()
{
    form_->tmrMovement_Timer();
    syncFromForm();
}

void HostWindow::syncLabel(ControlView& view)
{
    const Control& control = *view.control;
    QLabel& label = *view.label;
    // Compared as the form holds it: no QString is made on a tick that left the label alone.
    if (view.shownCaption != control.Caption) {
        view.shownCaption = control.Caption;
        label.setText(markedText("PlayWindow", control.Caption.c_str()));
        // The row moves only for a text that outgrows its label, or narrows in a grown one.
        // Until the windows are shown, measuring would load the fonts ahead of time: the
        // labels are fitted once they are on screen.
        if (labelsFitted_) {
            const int width = textSize(label.font(), label.text()).width();
            if (width > label.width()
                || (width < label.width() && label.width() > layoutBox(control).width()))
                fitLabels();
        }
        if (view.news)
            view.news->textChanged();
        else
            promptChanged(label);
    }
    if (label.isVisibleTo(this) != control.Visible) {
        label.setVisible(control.Visible);
        promptChanged(label);
    }
}

void HostWindow::syncFromForm()
{
    for (ControlView& view : views_) {
        const Control& c = *view.control;
        if (view.shape)
            shapes_->place(*view.shape, toPixels(c.Left, c.Top, c.Width, c.Height));
        else
            syncLabel(view);
    }
    const bool shouldTick = form_->tmrMovement.Enabled && !form_->gameOverBoxOpen();
    if (shouldTick) {
        timer_->start();
    } else if (timer_->isActive()) {
        timer_->stop();
        for (const ControlView& view : views_) // the final score, without waiting
            if (view.news)
                view.news->flush();
    }
    if (GameSound* sound = GameSound::current())
        sound->listen(timbre_, *form_);
}

} // namespace zorvik
