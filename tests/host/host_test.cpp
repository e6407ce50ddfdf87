// SPDX-License-Identifier: MIT
#include "forms/form1.h"
#include "forms/form2.h"
#include "host/input/key_gate.h"
#include "host/input/key_map.h"
#include "host/view/host_window.h"
#include "host/view/label_layout.h"
#include "host/view/screen_fit.h"
#include "host/view/shape_layer.h"
#include "host/view/twips.h"
#include "host/view/window_arrangement.h"

#include <QAccessible>
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

namespace zorvik {
namespace {

// Records the order in which top-level windows are first shown.
class ShowOrder final : public QObject {
public:
    QStringList titles;

protected:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (event->type() == QEvent::Show)
            if (auto* widget = qobject_cast<QWidget*>(object); widget && widget->isWindow())
                titles << widget->windowTitle();
        return false;
    }
};

// The tower as main() starts it, which also opens the hopper; both closed afterwards.
class HostTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        qApp->installEventFilter(&shown);
        tower = new HostWindow([](FormHost& host) { return std::make_unique<Form1>(host); },
            [](FormHost& host) { return std::make_unique<Form2>(host); });
        tower->loadAndShow();
        hopper = tower->hopper();
        qApp->removeEventFilter(&shown);
        QCoreApplication::processEvents(); // the labels fit their text once the windows are up
    }
    void TearDown() override
    {
        delete tower.data();
        delete hopper.data();
    }

    Form1& towerForm() const { return static_cast<Form1&>(tower->form()); }

    // Runs the event loop until the window's box opens.
    GameOverBox* waitForBox(HostWindow* window) const
    {
        [[maybe_unused]] const bool opened
            = QTest::qWaitFor([&] { return window->gameOverBox() != nullptr; }, 3000);
        return window->gameOverBox();
    }

    ShowOrder shown;
    QPointer<HostWindow> tower;
    QPointer<HostWindow> hopper;
};

QList<QLabel*> labelsOf(QWidget* window)
{
    return window->findChildren<QLabel*>();
}

// Windows come from the layout tables: captions, client rectangles, controls in table order.
TEST_F(HostTest, BuildsWindowsFromLayoutTables)
{
    ASSERT_TRUE(hopper);
    EXPECT_EQ(shown.titles, (QStringList { "Zorvik Again!", "Zorvik!" }))
        << "the hopper is shown first";
    EXPECT_EQ(tower->windowTitle(), "Zorvik!");
    EXPECT_EQ(tower->geometry(), QRect(121, 32, 414, 548));
    EXPECT_EQ(tower->minimumSize(), tower->maximumSize()) << "not resizable";
    EXPECT_EQ(hopper->geometry(), QRect(626, 59, 477, 439));
    EXPECT_EQ(hopper->windowTitle(), "Zorvik Again!");
    EXPECT_FLOAT_EQ(tower->clientHeight(), 8220);

    // The play area in table order: five labels, then over them the shapes, seven platforms
    // and the ball last, on top.
    const auto* playArea = tower->findChild<QWidget*>(QString(), Qt::FindDirectChildrenOnly);
    ASSERT_TRUE(playArea);
    EXPECT_EQ(playArea->geometry(), QRect(0, 0, 414, 548));
    const QObjectList& children = playArea->children();
    QList<QWidget*> widgets;
    for (QObject* child : children)
        if (auto* widget = qobject_cast<QWidget*>(child))
            widgets << widget;
    ASSERT_EQ(widgets.size(), 6);
    for (int i = 0; i < 5; ++i)
        EXPECT_TRUE(qobject_cast<QLabel*>(widgets[i]));
    auto* shapes = dynamic_cast<ShapeLayer*>(widgets[5]);
    ASSERT_TRUE(shapes);
    ASSERT_EQ(shapes->count(), 8u);
    EXPECT_EQ(shapes->kind(7), ControlKind::Oval);
    EXPECT_EQ(shapes->shapeRect(7), QRectF(2769 / 15.0, 336, 41, 41));
    EXPECT_TRUE(shapes->drawnPixels(7).contains(QPoint(205, 356)));
    EXPECT_EQ(shapes->kind(6), ControlKind::Rectangle);
    EXPECT_EQ(shapes->shapeRect(6), QRectF(2653 / 15.0, 7250 / 15.0, 49, 9));
    EXPECT_EQ(qobject_cast<QLabel*>(widgets[4])->text(), "PRESS THE ENTER BUTTON TO START");
}

// Labels use the 8.25 pt sans-serif, bold where the layout says, and never cut their text.
TEST_F(HostTest, LabelsShowWholeTextInLayoutFonts)
{
    for (HostWindow* window : { tower.data(), hopper.data() }) {
        for (QLabel* label : labelsOf(window)) {
            EXPECT_DOUBLE_EQ(label->font().pointSizeF(), 8.25);
            const bool prompt = label->text().startsWith("PRESS");
            EXPECT_EQ(label->font().bold(), !prompt) << label->text().toStdString();
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width())
                << label->text().toStdString();
            EXPECT_LE(metrics.height(), label->height());
        }
    }
    // A text too wide for its box grows the label about its centre; where that would cross
    // the window's edge or crowd a neighbour ("Score:" beside the score) it grows away from it.
    const struct {
        Control& control;
        const char* caption;
        double layoutCentre; // where the label grows about, if it does
    } texts[] = {
        { towerForm().lblStart, "PRESS THE ENTER BUTTON TO START A NEW GAME",
            (1440 + 3135 / 2) / 15.0 },
        { towerForm().lblScore, "1234567890123456", -1 },
    };
    for (const auto& [control, caption, layoutCentre] : texts) {
        SCOPED_TRACE(caption);
        control.Caption = caption;
        QTest::keyClick(tower, Qt::Key_F5); // any event makes the host redraw
        QLabel* grown = nullptr;
        for (QLabel* label : labelsOf(tower))
            if (label->text() == caption)
                grown = label;
        ASSERT_TRUE(grown);
        EXPECT_LE(QFontMetrics(grown->font()).horizontalAdvance(caption), grown->width());
        if (layoutCentre > 0) {
            EXPECT_NEAR(grown->geometry().center().x(), layoutCentre, 1.0);
        }
        for (QLabel* label : labelsOf(tower)) {
            EXPECT_TRUE(tower->rect().contains(label->geometry())) << label->text().toStdString();
            if (label != grown) {
                EXPECT_FALSE(label->geometry().intersects(grown->geometry()))
                    << label->text().toStdString();
            }
        }
    }
}

// Fonts far wider than the layout's (fonts at 192 dpi) keep every label inside its window,
// grown inwards at the edges, each clear of its neighbours on the score row.
TEST(LabelLayout, WideFontsStayInsideAndApart)
{
    // The tower's labels with their text at twice the layout's size.
    const std::vector<LabelFit> labels { { QRect(264, 528, 73, 17), QSize(144, 25) },
        { QRect(344, 528, 65, 17), QSize(15, 25) }, { QRect(48, 528, 65, 17), QSize(15, 25) },
        { QRect(0, 528, 41, 17), QSize(79, 25) }, { QRect(96, 240, 209, 17), QSize(413, 25) } };
    const QSize client(414, 548);
    const std::vector<QRect> boxes = fitLabels(labels, client);
    ASSERT_EQ(boxes.size(), labels.size());
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        EXPECT_TRUE(QRect(QPoint(), client).contains(boxes[i])) << i;
        EXPECT_GE(boxes[i].width(), labels[i].textSize.width()) << i;
        EXPECT_GE(boxes[i].height(), labels[i].textSize.height()) << i;
        for (std::size_t j = 0; j < i; ++j)
            EXPECT_FALSE(boxes[i].intersects(boxes[j])) << i << " and " << j;
    }
    EXPECT_EQ(boxes[3].left(), 0) << "\"Score:\" grows inwards from the left edge";
    EXPECT_EQ(boxes[1].right(), client.width() - 1) << "the high score from the right edge";
    EXPECT_EQ(boxes[3].bottom(), client.height() - 1) << "the row from the bottom edge";
    EXPECT_GE(boxes[2].left() - boxes[3].right() - 1, 7) << "the layout's gap kept";
}

// Shapes are black on a light palette; on a dark one, where black would all but vanish, they
// take the palette's text colour, or white where that would not stand out either.
TEST_F(HostTest, ShapesStandOutOnAnyPalette)
{
    const struct {
        QColor background, text, shapes;
    } palettes[] = {
        { QColor(0xef, 0xef, 0xef), QColor(0x2e, 0x34, 0x36), Qt::black },
        { QColor(0x32, 0x32, 0x32), QColor(0xee, 0xee, 0xee), QColor(0xee, 0xee, 0xee) },
        { QColor(0x32, 0x32, 0x32), QColor(0x50, 0x50, 0x50), Qt::white },
        { QColor(0x80, 0x80, 0x80), Qt::white, Qt::black },
    };
    auto* shapes = tower->findChild<ShapeLayer*>();
    ASSERT_TRUE(shapes);
    const std::size_t ball = shapes->count() - 1;
    for (const auto& [background, text, colour] : palettes) {
        SCOPED_TRACE(background.name().toStdString() + " " + text.name().toStdString());
        QPalette palette = tower->palette();
        palette.setColor(QPalette::Window, background);
        palette.setColor(QPalette::WindowText, text);
        tower->setPalette(palette);
        const QImage image = shapes->grab(shapes->drawnPixels(ball)).toImage();
        EXPECT_EQ(image.pixelColor(image.rect().center()).name(), colour.name());
    }
}

// Key presses reach the form with their key codes; Return starts the tick.
TEST_F(HostTest, KeysDriveTheForm)
{
    Form1& form = towerForm();
    QTest::keyPress(tower, Qt::Key_Left);
    EXPECT_EQ(form.xSpeed, -55);
    QTest::keyRelease(tower, Qt::Key_Left);
    EXPECT_EQ(form.xSpeed, 0);
    QTest::keyPress(tower, Qt::Key_Right);
    // Auto-repeat: the platform's release before each repeated press is dropped.
    QTest::keyRelease(tower, Qt::Key_Right, Qt::NoModifier, -1);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(tower, &repeatRelease);
    EXPECT_EQ(form.xSpeed, 0) << "a real release stops";
    QTest::keyPress(tower, Qt::Key_Right);
    QApplication::sendEvent(tower, &repeatRelease);
    QKeyEvent repeatPress(QEvent::KeyPress, Qt::Key_Right, Qt::NoModifier, QString(), true);
    QApplication::sendEvent(tower, &repeatPress);
    EXPECT_EQ(form.xSpeed, 55) << "holding Right never drops the speed";
    QTest::keyClick(tower, Qt::Key_A);
    QTest::keyClick(tower, Qt::Key_Down);
    QTest::keyClick(tower, Qt::Key_Space);
    EXPECT_EQ(form.ySpeed, 0);
    EXPECT_FALSE(tower->ticking());
    QTest::keyClick(tower, Qt::Key_Up);
    EXPECT_EQ(form.ySpeed, -1000);
    QTest::keyClick(tower, Qt::Key_Enter); // the keypad's Enter starts as Return does
    EXPECT_TRUE(form.tmrMovement.Enabled);
    EXPECT_TRUE(tower->ticking());
    EXPECT_FALSE(hopper->ticking()) << "each window has its own timer";
    const float top = form.ball.Top;
    EXPECT_TRUE(QTest::qWaitFor([&] { return form.ball.Top != top; }, 2000));
    EXPECT_LT(form.ball.Top, top);
}

// A keypad arrow steers, and its release stops the ball however NumLock or Shift changed what
// the key reads as while it was held: the release is paired with the key that went down.
TEST_F(HostTest, KeypadArrowsStopWhateverTheLocksDidMeanwhile)
{
    constexpr quint32 keypad4 = 83, keypad6 = 85, numLock = 77, shift = 50;
    struct Key {
        QEvent::Type type;
        Qt::Key key;
        quint32 scanCode;
        bool autoRepeat = false;
    };
    const auto down = [](Qt::Key key, quint32 scanCode, bool autoRepeat = false) {
        return Key { QEvent::KeyPress, key, scanCode, autoRepeat };
    };
    const auto up = [](Qt::Key key, quint32 scanCode) {
        return Key { QEvent::KeyRelease, key, scanCode };
    };
    const struct {
        const char* name;
        std::vector<Key> keys;
        Speed xSpeed;
    } rows[] = {
        { "keypad 4 with NumLock off", { down(Qt::Key_Left, keypad4) }, -55 },
        { "keypad 6 with NumLock off", { down(Qt::Key_Right, keypad6) }, 55 },
        { "NumLock on while keypad 4 is held",
            { down(Qt::Key_Left, keypad4), down(Qt::Key_NumLock, numLock),
                up(Qt::Key_NumLock, numLock), up(Qt::Key_4, keypad4) },
            0 },
        { "Shift let go before keypad 4, NumLock on",
            { down(Qt::Key_Shift, shift), down(Qt::Key_Left, keypad4), up(Qt::Key_Shift, shift),
                up(Qt::Key_4, keypad4) },
            0 },
        { "keypad 6 repeating as 6 after NumLock",
            { down(Qt::Key_Right, keypad6), down(Qt::Key_NumLock, numLock),
                up(Qt::Key_NumLock, numLock), down(Qt::Key_6, keypad6, true),
                up(Qt::Key_6, keypad6) },
            0 },
    };
    Form1& form = towerForm();
    for (const auto& row : rows) {
        SCOPED_TRACE(row.name);
        for (const Key& key : row.keys) {
            QKeyEvent event(key.type, key.key, Qt::KeypadModifier, key.scanCode, 0, 0, QString(),
                key.autoRepeat);
            QApplication::sendEvent(tower, &event);
        }
        EXPECT_EQ(form.xSpeed, row.xSpeed);
        QFocusEvent focusOut(QEvent::FocusOut); // lets go of every key before the next row
        QApplication::sendEvent(tower, &focusOut);
    }
}

// A window a desktop stretches anyway keeps its play area, and the rules read its height.
TEST_F(HostTest, StretchedWindowKeepsItsPlayArea)
{
    tower->setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    tower->resize(1268, 959);
    EXPECT_FLOAT_EQ(tower->clientHeight(), 8220);
}

// A window that loses the focus with an arrow held gets its key-up then: the key is released
// over another window, which this one never hears.
TEST_F(HostTest, LosingTheFocusReleasesHeldArrows)
{
    Form1& form = towerForm();
    for (const Qt::Key arrow : { Qt::Key_Left, Qt::Key_Right }) {
        QTest::keyPress(tower, arrow);
        ASSERT_NE(form.xSpeed, 0);
        QFocusEvent focusOut(QEvent::FocusOut, Qt::ActiveWindowFocusReason);
        QApplication::sendEvent(tower, &focusOut);
        EXPECT_EQ(form.xSpeed, 0);
    }
}

// Which key events reach a form: Return starts a game only when freshly pressed, however the
// platform flags (or fails to flag) its repeats; arrows repeat.
TEST(KeyGate, ReturnStartsOnlyWhenFresh)
{
    struct Event {
        enum { Press, Release, PressedOnBox, ReleasedElsewhere } kind;
        KeyCode key;
        bool autoRepeat;
        KeyGate::Time time;
        bool reaches; // for presses and releases
    };
    constexpr KeyCode ret = keys::Return;
    const struct {
        const char* name;
        std::vector<Event> events;
    } cases[] = {
        { "flagged repeats of Return",
            { { Event::Press, ret, false, 0, true }, { Event::Press, ret, true, 660, false },
                { Event::Release, ret, true, 700, false },
                { Event::Press, ret, true, 700, false } } },
        { "an unflagged repeat after the box: key-up and key-down at one instant",
            { { Event::PressedOnBox, ret, false, 0, false },
                { Event::Release, ret, false, 660, true },
                { Event::Press, ret, false, 660, false } } },
        { "unflagged repeats with no key-ups between",
            { { Event::PressedOnBox, ret, false, 0, false },
                { Event::Press, ret, false, 500, false }, { Event::Press, ret, false, 530, false },
                { Event::Release, ret, false, 900, true },
                { Event::Press, ret, false, 1200, true } } },
        { "a tap on the box, released where the window could not see",
            { { Event::PressedOnBox, ret, false, 0, false },
                { Event::ReleasedElsewhere, ret, false, 0, false },
                { Event::Press, ret, false, 200, true } } },
        { "a held Return the window never saw released, pressed again after a long quiet",
            { { Event::Press, ret, false, 0, true }, { Event::Press, ret, false, 1500, true } } },
        { "arrows repeat, their flagged key-ups are dropped",
            { { Event::Press, keys::Right, false, 0, true },
                { Event::Release, keys::Right, true, 660, false },
                { Event::Press, keys::Right, true, 660, true },
                { Event::Release, keys::Right, false, 900, true } } },
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        KeyGate gate;
        for (std::size_t i = 0; i < c.events.size(); ++i) {
            const Event& e = c.events[i];
            switch (e.kind) {
            case Event::Press:
                EXPECT_EQ(gate.press(e.key, 0, e.autoRepeat, e.time).has_value(), e.reaches)
                    << "event " << i;
                break;
            case Event::Release:
                EXPECT_EQ(gate.release(e.key, 0, e.autoRepeat, e.time).has_value(), e.reaches)
                    << "event " << i;
                break;
            case Event::PressedOnBox:
                gate.returnPressedElsewhere(e.time);
                break;
            case Event::ReleasedElsewhere:
                gate.returnReleasedElsewhere();
                break;
            }
        }
    }
}

// A window whose place would leave part of it off the available screen moves just enough.
TEST(ScreenFit, MovesAWindowJustEnoughToFit)
{
    const QRect screen(0, 0, 960, 540);
    const struct {
        QRect window;
        QPoint expected;
    } cases[] = {
        { { 121, 32, 414, 400 }, { 121, 32 } }, // inside: stays
        { { 626, 59, 477, 439 }, { 483, 59 } }, // past the right edge
        { { 121, 32, 414, 548 }, { 121, 0 } }, // taller than the screen: top edge kept
        { { -20, -5, 100, 100 }, { 0, 0 } }, // off the top left
    };
    for (const auto& c : cases) {
        const QRect fitted = fitInside(c.window, screen);
        EXPECT_EQ(fitted.topLeft(), c.expected) << c.window.x() << "," << c.window.y();
        EXPECT_EQ(fitted.size(), c.window.size()) << "moved, never resized";
    }
}

// Both windows as the layouts place them, framed as openbox frames them, on screens from large
// to too small for both: each stays on screen with its title bar reachable, at home where there
// is room; where they must overlap, neither hides the other's prompt where one fits beside the
// other (on 640 x 480 nothing does), and on 800 x 600 only one score row is hidden, by whichever
// window is on top.
TEST(WindowArrangement, KeepsBothWindowsOnScreenAndTheirLabelsClear)
{
    const QMargins openbox(1, 23, 1, 1);
    const std::vector<QRect> towerLabels { { 264, 528, 73, 17 }, { 344, 528, 65, 17 },
        { 48, 528, 65, 17 }, { 0, 528, 41, 17 }, { 96, 240, 209, 17 } };
    const std::vector<QRect> hopperLabels { { 304, 416, 73, 17 }, { 16, 416, 41, 17 },
        { 384, 416, 65, 17 }, { 64, 416, 65, 17 }, { 184, 184, 137, 17 } };
    const std::vector<WindowOnScreen> windows {
        { { 121, 32, 414, 548 }, openbox, towerLabels },
        { { 626, 59, 477, 439 }, openbox, hopperLabels },
    };
    const QRect prompts[] = { towerLabels.back(), hopperLabels.back() };
    const struct {
        QSize screen;
        bool promptsClear;
        int scoreRowsHidden; // at most
    } rows[] = { { { 1280, 1024 }, true, 0 }, { { 1024, 768 }, true, 0 }, { { 800, 600 }, true, 1 },
        { { 640, 480 }, false, 2 } };
    for (const auto& [screen, promptsClear, scoreRowsHidden] : rows) {
        SCOPED_TRACE(std::to_string(screen.width()) + "x" + std::to_string(screen.height()));
        const QRect available(QPoint(0, 0), screen);
        const std::vector<QPoint> places = arrange(windows, available);
        ASSERT_EQ(places.size(), 2u);
        if (screen.height() >= 1024) {
            EXPECT_EQ(places[0], QPoint(121, 32));
            EXPECT_EQ(places[1], QPoint(626, 59));
        }
        int hidden = 0;
        for (std::size_t i = 0; i < 2; ++i) {
            const QRect frame = QRect(places[i], windows[i].home.size()) + openbox;
            EXPECT_TRUE(available.contains(frame.topLeft()) && frame.top() >= 0)
                << "title bar of window " << i << " reachable";
            if (frame.width() <= screen.width() && frame.height() <= screen.height()) {
                EXPECT_TRUE(available.contains(frame)) << "window " << i << " on screen";
            }
            const QRect other = QRect(places[1 - i], windows[1 - i].home.size()) + openbox;
            if (promptsClear) {
                EXPECT_FALSE(prompts[i].translated(places[i]).intersects(other))
                    << "prompt of window " << i << " hidden";
            }
            const auto& labels = i == 0 ? towerLabels : hopperLabels;
            hidden += std::any_of(labels.begin(), labels.end() - 1,
                [&](const QRect& label) { return label.translated(places[i]).intersects(other); });
        }
        EXPECT_LE(hidden, scoreRowsHidden);
    }
}

// The key map gives the game's codes and never confuses another key with one it reacts to.
TEST(KeyMap, MapsArrowsReturnAndLeavesOthersAlone)
{
    EXPECT_EQ(virtualKeyCode(Qt::Key_Left), 37);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Up), 38);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Right), 39);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Down), 40);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Return), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Enter), 13);
    EXPECT_EQ(virtualKeyCode(Qt::Key_A), 65);
    EXPECT_EQ(virtualKeyCode(Qt::Key_F1), 112);
    EXPECT_EQ(virtualKeyCode(Qt::Key_Escape), 27);
    for (int key : { int(Qt::Key_Percent), int(Qt::Key_Apostrophe), int(Qt::Key_Ampersand),
             int(Qt::Key_ParenLeft), int(Qt::Key_unknown), int(Qt::Key_VolumeUp), 0x01001234 }) {
        const KeyCode code = virtualKeyCode(key);
        EXPECT_TRUE(code != 13 && code != 37 && code != 38 && code != 39) << key;
    }
}

// The box opens over the final state, holds the window still, and its dismissal resets it.
TEST_F(HostTest, GameOverBoxHoldsThenResets)
{
    Form1& form = towerForm();
    QTest::keyClick(tower, Qt::Key_Return);
    form.ball.Top = 9000;
    form.ySpeed = 0;
    GameOverBox* box = waitForBox(tower);
    ASSERT_TRUE(box);
    EXPECT_EQ(box->text().toStdString(), "Game Over\nFinal score: " + form.lblScore.Caption);
    EXPECT_EQ(box->windowTitle(), "Zorvik");
    EXPECT_EQ(box->windowModality(), Qt::NonModal) << "a window with its box open can be closed";
    EXPECT_EQ(box->buttons().size(), 1);
    EXPECT_TRUE(box->isVisible());
    EXPECT_FALSE(tower->ticking());
    const std::string finalScore = form.lblScore.Caption;
    EXPECT_NE(finalScore, "0");
    QTest::qWait(100);
    EXPECT_EQ(form.lblScore.Caption, finalScore) << "no ticks while the box is open";
    QTest::keyClick(tower, Qt::Key_Left);
    EXPECT_EQ(form.xSpeed, 0) << "the window takes no keys while its box is open";
    EXPECT_EQ(tower->gameOverBox(), box);
    EXPECT_FALSE(tower->ticking());
    EXPECT_GE(form.ball.Top, 8220);
    // The hopper plays on meanwhile.
    QTest::keyClick(hopper, Qt::Key_Return);
    EXPECT_TRUE(hopper->ticking());

    QTest::keyClick(box, Qt::Key_Return);
    EXPECT_TRUE(QTest::qWaitFor([&] { return tower->gameOverBox() == nullptr; }, 2000));
    EXPECT_FALSE(form.tmrMovement.Enabled);
    EXPECT_FALSE(tower->ticking());
    EXPECT_TRUE(form.lblStart.Visible);
    EXPECT_EQ(form.lblScore.Caption, "0");
    EXPECT_EQ(form.lblHighScore.Caption, finalScore);
    EXPECT_EQ(form.ball.Top, 5040);
    EXPECT_EQ(form.bricks[0]->Top, 7440);
    for (QLabel* label : labelsOf(tower)) {
        if (label->text().startsWith("PRESS")) {
            EXPECT_TRUE(label->isVisible());
        }
    }
}

// Each window's box is named for its window and shows the final score where a reader's review
// finds it, on the button a reader is at; one that opens while the player is at the other
// window is announced as it shows, one that takes the keyboard is read as it gets it.
TEST_F(HostTest, EachBoxIsNamedForItsWindowAndAnnouncedAwayFromTheKeyboard)
{
    const struct {
        HostWindow* window;
        HostWindow* playedMeanwhile;
        const char* name;
    } rows[] = {
        { tower, tower, "Zorvik!: Game Over" },
        { tower, hopper, "Zorvik!: Game Over" },
        { hopper, hopper, "Zorvik Again!: Game Over" },
        { hopper, tower, "Zorvik Again!: Game Over" },
    };
    for (const auto& [window, played, name] : rows) {
        SCOPED_TRACE(std::string(name) + (window == played ? ", played" : ", away"));
        QApplication::setActiveWindow(played);
        QTest::keyClick(window, Qt::Key_Return);
        window->form().ball.Top = 9000;
        GameOverBox* box = waitForBox(window);
        ASSERT_TRUE(box);
        const QString finalScore
            = QString::fromStdString("Final score: " + window->form().lblScore.Caption);
        const QString told = finalScore + ". High score: 1" // every game here scores 1
            + (window->form().lblHighScore.Caption == "0" ? ". New high score" : "");
        EXPECT_EQ(box->accessibleName(), name);
        EXPECT_EQ(box->windowTitle(), "Zorvik");
        const QList<QLabel*> shown = box->findChildren<QLabel*>();
        EXPECT_TRUE(std::any_of(shown.begin(), shown.end(),
            [&](QLabel* label) { return label->isVisible() && label->text() == box->text(); }));
        EXPECT_EQ(box->text(), "Game Over\n" + finalScore);
        EXPECT_EQ(box->buttons().first()->accessibleDescription(), told);
        QAccessibleInterface* news = nullptr;
        for (QWidget* child : box->findChildren<QWidget*>())
            if (QAccessibleInterface* read = QAccessible::queryAccessibleInterface(child);
                read && read->role() == QAccessible::Notification)
                news = read;
        EXPECT_EQ(news != nullptr, window != played);
        if (news) {
            EXPECT_EQ(news->text(QAccessible::Name), name);
            EXPECT_EQ(news->text(QAccessible::Description), told);
        }
        box->done(0);
        ASSERT_TRUE(QTest::qWaitFor([&] { return window->gameOverBox() == nullptr; }, 2000));
    }
}

// Escape, Space, the OK button and closing the box all dismiss it.
TEST_F(HostTest, EveryWayOfDismissingTheBoxFinishesTheGame)
{
    Form1& form = towerForm();
    const std::vector<std::function<void(GameOverBox*)>> dismissals {
        [](GameOverBox* box) { QTest::keyClick(box, Qt::Key_Escape); },
        [](GameOverBox* box) { QTest::keyClick(box->buttons().first(), Qt::Key_Space); },
        [](GameOverBox* box) { box->buttons().first()->click(); },
        [](GameOverBox* box) { box->close(); },
    };
    for (const auto& dismiss : dismissals) {
        QTest::keyClick(tower, Qt::Key_Return);
        form.ball.Top = 9000;
        GameOverBox* box = waitForBox(tower);
        ASSERT_TRUE(box);
        dismiss(box);
        ASSERT_TRUE(QTest::qWaitFor([&] { return tower->gameOverBox() == nullptr; }, 2000));
        EXPECT_TRUE(form.lblStart.Visible);
        EXPECT_EQ(form.ball.Top, 5040);
    }
}

// Where the desktop kept the keyboard on the window, the box gets the window's keys as typed:
// the Return that dismisses it, held, repeats without key-ups and starts no game.
TEST_F(HostTest, ReturnPassedToTheBoxKeepsItsTimeAndStartsNoGameWhenHeld)
{
    Form1& form = towerForm();
    QTest::keyClick(tower, Qt::Key_Return);
    form.ball.Top = 9000;
    ASSERT_TRUE(waitForBox(tower));
    const auto returnAt = [](QEvent::Type type, quint64 time) {
        auto event = std::make_unique<QKeyEvent>(type, Qt::Key_Return, Qt::NoModifier,
            /*nativeScanCode=*/36, /*nativeVirtualKey=*/0xff0d, /*nativeModifiers=*/0,
            QStringLiteral("\r"));
        event->setTimestamp(time);
        return event;
    };
    QApplication::sendEvent(tower, returnAt(QEvent::KeyPress, 50'000).get());
    ASSERT_TRUE(QTest::qWaitFor([&] { return tower->gameOverBox() == nullptr; }, 2000));
    QApplication::sendEvent(tower, returnAt(QEvent::KeyPress, 50'040).get());
    EXPECT_FALSE(form.tmrMovement.Enabled) << "a held Return started a game";
    QApplication::sendEvent(tower, returnAt(QEvent::KeyRelease, 50'100).get());
    QApplication::sendEvent(tower, returnAt(QEvent::KeyPress, 50'300).get());
    EXPECT_TRUE(form.tmrMovement.Enabled) << "a fresh Return starts one";
}

// A shape's place that is no number, or far beyond any screen, puts it out of sight.
TEST_F(HostTest, ShapesPlacedBeyondAnyNumberStayOutOfSight)
{
    Form1& form = towerForm();
    auto* shapes = tower->findChild<ShapeLayer*>();
    ASSERT_TRUE(shapes);
    const std::size_t ball = shapes->count() - 1;
    const float nan = std::numeric_limits<float>::quiet_NaN();
    const float inf = std::numeric_limits<float>::infinity();
    for (const float place : { nan, inf, -inf, 3e38f }) {
        SCOPED_TRACE(place);
        form.ball.Left = form.ball.Top = place;
        QTest::keyClick(tower, Qt::Key_F5); // any event makes the host redraw
        EXPECT_FALSE(shapes->drawnPixels(ball).intersects(tower->rect()));
        shapes->repaint();
    }
}

// Closing the tower leaves the hopper playing, also with the tower's box open.
TEST_F(HostTest, ClosingOneWindowLeavesTheOther)
{
    QTest::keyClick(tower, Qt::Key_Return);
    towerForm().ball.Top = 9000;
    ASSERT_TRUE(waitForBox(tower));
    tower->close();
    EXPECT_TRUE(QTest::qWaitFor([&] { return tower.isNull(); }, 2000)) << "deleted on close";
    ASSERT_TRUE(hopper);
    QTest::keyClick(hopper, Qt::Key_Return);
    const std::string before = hopper->form().lblScore.Caption;
    EXPECT_TRUE(QTest::qWaitFor([&] { return hopper->form().lblScore.Caption != before; }, 2000));
}

} // namespace
} // namespace zorvik
