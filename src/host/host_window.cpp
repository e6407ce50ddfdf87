// SPDX-License-Identifier: MIT
#include "host/host_window.h"

#include "forms/form2.h"
#include "host/accessibility.h"
#include "host/key_map.h"
#include "host/key_state.h"
#include "host/label_layout.h"
#include "host/screen_fit.h"
#include "host/shape_widget.h"
#include "host/tick_timer.h"
#include "host/twips.h"
#include "host/window_manager.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTimer>
#include <cmath>
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

QRect layoutBox(const Control& control)
{
    return toPixels(control.Left, control.Top, control.Width, control.Height).toRect();
}

// The whole pixels the label's text covers, fractions of a pixel rounded up.
QSize textSize(const QLabel& label)
{
    const QFontMetricsF metrics(label.font());
    return { static_cast<int>(std::ceil(metrics.horizontalAdvance(label.text()))),
        static_cast<int>(std::ceil(metrics.height())) };
}

} // namespace

HostWindow::HostWindow(const FormFactory& makeForm)
    : form_(makeForm(*this))
    , playArea_(new QWidget(this))
    , timer_(new TickTimer(this))
{
    installAccessibility();
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
    const QScreen* screen = QGuiApplication::screenAt(client.topLeft());
    if (!screen)
        screen = QGuiApplication::primaryScreen();
    setGeometry(screen ? fitInside(client, screen->availableGeometry()) : client);
    setFixedSize(client.size());
    playArea_->setGeometry(QRect(QPoint(0, 0), client.size()));
    buildControls();
    connect(timer_, &TickTimer::tick, this, &HostWindow::onTick);
}

HostWindow::~HostWindow()
{
    timer_->stop();
    // The box is a child; it must not report back to a form that is already gone.
    if (box_) {
        box_->disconnect(this);
        delete box_;
    }
}

void HostWindow::buildControls()
{
    views_.reserve(form_->controls().size());
    for (const Control& control : form_->controls()) {
        ControlView view;
        view.control = &control;
        if (control.kind == ControlKind::Label) {
            view.label = new QLabel(playArea_);
            view.label->setFont(layoutFont(control.font == LabelFont::Bold));
            view.label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            view.label->setFocusPolicy(Qt::NoFocus);
            if (!describeLabel(*view.label, control.name).isEmpty())
                view.news = new TextChangeNews(*view.label);
            // The layout's box for now; fitting the text needs the fonts, which load only
            // once the windows are on screen (see fitLabels).
            view.label->setGeometry(layoutBox(control));
        } else {
            view.shape = new ShapeWidget(control.kind, playArea_);
        }
        views_.push_back(view);
    }
}

void HostWindow::loadAndShow()
{
    form_->Form_Load();
    syncFromForm();
    show();
    QTimer::singleShot(0, this, &HostWindow::fitLabels);
}

void HostWindow::fitLabels()
{
    labelsFitted_ = true;
    std::vector<LabelFit> labels;
    for (const ControlView& view : views_)
        if (view.label)
            labels.push_back({ layoutBox(*view.control), textSize(*view.label) });
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
    auto* box = new QMessageBox(QMessageBox::NoIcon, QStringLiteral("Zorvik"),
        QStringLiteral("Game Over"), QMessageBox::Ok, this);
    // Not modal to Qt: Qt drops a close request to a window a modal box blocks, and the player
    // must be able to close a window with its box open. The form takes no keys and no ticks
    // while its box is open, which makes the box modal to its own window only.
    box->setWindowModality(Qt::NonModal);
    box->setAttribute(Qt::WA_DeleteOnClose);
    // The player may be playing the other window: the box takes the keyboard only from its
    // own window, and otherwise waits until the player comes back to it.
    const bool takeFocus = isActiveWindow();
    box->setAttribute(Qt::WA_ShowWithoutActivating, !takeFocus);
    // weston hands every new dialog the keyboard, whatever it asks, and places it where it
    // likes; a utility window it leaves alone, by its window. Elsewhere the box stays a dialog:
    // kwin hides the utility windows of a window that is not active.
    if (windowManagerName() == "Weston WM")
        box->setWindowFlag(Qt::Tool, true);
    box->installEventFilter(this);
    for (QAbstractButton* button : box->buttons())
        button->installEventFilter(this);
    box->setAccessibleDescription(gameOverDescription(*form_));
    // Return, Space, Escape, the OK button and closing the box all end up here.
    connect(box, &QDialog::finished, this, &HostWindow::gameOverBoxFinished);
    box_ = box;
    placeOverWindow(box);
    box->show();
    if (takeFocus)
        box->activateWindow();
}

void HostWindow::placeOverWindow(QWidget* box) const
{
    // Asked for explicitly: some desktops (XWayland under weston) place a dialog that leaves
    // its place to them far from its window.
    box->adjustSize();
    QRect place(QPoint(0, 0), box->size());
    place.moveCenter(mapToGlobal(playArea_->geometry().center()));
    if (const QScreen* screen = this->screen())
        place = fitInside(place, screen->availableGeometry());
    box->move(place.topLeft());
}

void HostWindow::gameOverBoxFinished()
{
    const bool boxHadFocus = box_ && box_->isActiveWindow();
    watchReturnOnBox();
    form_->gameOverBoxClosed();
    syncFromForm();
    if (boxHadFocus)
        activateWindow();
}

void HostWindow::watchReturnOnBox()
{
    // The Return that closed the box goes up where the window may never see it (a tap's
    // key-up can reach the box as it goes): ask the keyboard until it is up.
    const quint32 scanCode = std::exchange(boxReturnScanCode_, 0);
    if (scanCode == 0)
        return;
    auto* poll = new QTimer(this);
    poll->setInterval(20);
    auto check = [this, poll, scanCode, polls = 0]() mutable {
        const std::optional<bool> down = keyIsDown(scanCode);
        if (down == false)
            keys_.returnReleasedElsewhere();
        if (down != true || ++polls > 500)
            poll->deleteLater();
        else if (!poll->isActive())
            poll->start();
    };
    connect(poll, &QTimer::timeout, this, check);
    check();
}

void HostWindow::openHopper()
{
    if (hopper_)
        return;
    hopper_ = new HostWindow([](FormHost& host) { return std::make_unique<Form2>(host); });
    hopper_->loadAndShow();
}

void HostWindow::keyPressEvent(QKeyEvent* event)
{
    const KeyCode key = virtualKeyCode(event->key());
    const bool fresh = keys_.press(key, event->isAutoRepeat(), event->timestamp());
    if (forwardToBox(event) || !fresh)
        return;
    form_->Form_KeyDown(key, shiftState(event->modifiers()));
    syncFromForm();
}

void HostWindow::keyReleaseEvent(QKeyEvent* event)
{
    const KeyCode key = virtualKeyCode(event->key());
    const bool real = keys_.release(key, event->isAutoRepeat(), event->timestamp());
    if (forwardToBox(event) || !real)
        return;
    form_->Form_KeyUp(key, shiftState(event->modifiers()));
    syncFromForm();
}

bool HostWindow::forwardToBox(QKeyEvent* event)
{
    // Where a desktop kept the keyboard on the window rather than hand it to the box, the
    // box's keys still reach it.
    if (!box_ || !box_->isVisible())
        return false;
    if (!event->isAutoRepeat()) {
        QWidget* target = box_->focusWidget() ? box_->focusWidget() : box_.data();
        QKeyEvent copy(event->type(), event->key(), event->modifiers(), event->text());
        QApplication::sendEvent(target, &copy);
    }
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
    // The player came back to a window whose box waits: the box takes the keyboard.
    if (event->type() == QEvent::ActivationChange && isActiveWindow() && box_
        && box_->isVisible()) {
        box_->raise();
        box_->activateWindow();
    }
    QWidget::changeEvent(event);
}

bool HostWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        if (virtualKeyCode(key->key()) == keys::Return) {
            keys_.returnPressedElsewhere(key->timestamp());
            boxReturnScanCode_ = key->nativeScanCode();
        }
    }
    return QWidget::eventFilter(watched, event);
}

void HostWindow::closeEvent(QCloseEvent* event)
{
    timer_->stop();
    event->accept();
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
        label.setText(QString::fromStdString(control.Caption));
        // The row moves only for a text that outgrows its label, or narrows in a grown one.
        const int width = textSize(label).width();
        if (labelsFitted_
            && (width > label.width()
                || (width < label.width() && label.width() > layoutBox(control).width())))
            fitLabels();
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
            view.shape->place(toPixels(c.Left, c.Top, c.Width, c.Height));
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
}

} // namespace zorvik
