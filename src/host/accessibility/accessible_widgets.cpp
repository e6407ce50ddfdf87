// SPDX-License-Identifier: MIT
#include "host/accessibility/accessible_widgets.h"

#include "game/play_window.h"
#include "host/accessibility/accessible_shapes.h"
#include "host/platform/game_language.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QLabel>
#include <QStyle>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

namespace zorvik {

namespace {

constexpr const char* playWindowProperty = "zorvikPlayWindow";
constexpr const char* promptProperty = "zorvikStartPrompt";
constexpr const char* playAreaProperty = "zorvikPlayArea";

// A play window is a frame to a reader; Qt would call a plain top-level widget a filler.
class PlayWindowAccessible final : public QAccessibleWidget {
public:
    explicit PlayWindowAccessible(QWidget* window)
        : QAccessibleWidget(window, QAccessible::Window)
    {
    }
};

// A label of a play window: static text whose text a reader reads, character by character if
// it likes, through the standard text interface; its name is the text unless the label was
// given one that says what the text is.
class LabelAccessible final : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit LabelAccessible(QLabel* label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {
    }

    QString text(QAccessible::Text kind) const override
    {
        if (kind == QAccessible::Name && widget()->accessibleName().isEmpty())
            return label()->text();
        return QAccessibleWidget::text(kind);
    }

    QAccessible::State state() const override
    {
        QAccessible::State state = QAccessibleWidget::state();
        state.readOnly = true;
        return state;
    }

    void* interface_cast(QAccessible::InterfaceType type) override
    {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // QAccessibleTextInterface: read-only text with no selection and no cursor.
    void selection(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override { }
    void removeSelection(int) override { }
    void setSelection(int, int, int) override { }
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override { }
    void scrollToSubstring(int, int) override { }

    QString text(int startOffset, int endOffset) const override
    {
        return label()->text().mid(startOffset, endOffset - startOffset);
    }

    int characterCount() const override { return static_cast<int>(label()->text().size()); }

    // Where the label draws the character, on the screen: its text sits at the top, at the
    // left or, in a right-to-left language, at the right, and runs in either direction.
    QRect characterRect(int offset) const override
    {
        const QString text = label()->text();
        if (offset < 0 || offset >= text.size() || !label()->isVisible())
            return {};
        const QRect contents = label()->contentsRect();
        QTextOption option(
            QStyle::visualAlignment(label()->layoutDirection(), label()->alignment()));
        option.setTextDirection(label()->layoutDirection());
        QTextLayout layout(text, label()->font());
        layout.setTextOption(option);
        layout.beginLayout();
        QTextLine line = layout.createLine();
        line.setLineWidth(contents.width());
        layout.endLayout();
        const double from = line.cursorToX(offset), to = line.cursorToX(offset + 1);
        const QRect local = QRectF(std::min(from, to), 0, std::abs(to - from), line.height())
                                .translated(contents.topLeft())
                                .toAlignedRect();
        return QRect(label()->mapToGlobal(local.topLeft()), local.size());
    }

    int offsetAtPoint(const QPoint& point) const override
    {
        for (int offset = 0; offset < characterCount(); ++offset)
            if (characterRect(offset).contains(point))
                return offset;
        return -1;
    }

    QString attributes(int, int* startOffset, int* endOffset) const override
    {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QLabel* label() const { return static_cast<QLabel*>(widget()); }
};

bool isPlayWindow(const QWidget* window)
{
    return window && window->property(playWindowProperty).toBool();
}

QAccessibleInterface* playWindowInterfaces(const QString& className, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !isPlayWindow(widget->window()))
        return nullptr;
    if (widget->isWindow())
        return new PlayWindowAccessible(widget);
    if (className == QLatin1String("QLabel"))
        return new LabelAccessible(static_cast<QLabel*>(widget));
    if (widget->property(playAreaProperty).toBool())
        return playAreaInterface(*widget);
    return nullptr;
}

} // namespace

void markPlayWindow(QWidget& window)
{
    static const bool installed = [] {
        QAccessible::installFactory(playWindowInterfaces);
        return true;
    }();
    (void)installed;
    window.setProperty(playWindowProperty, true);
}

void markPlayArea(QWidget& playArea)
{
    playArea.setProperty(playAreaProperty, true);
}

QString describeLabel(QLabel& label, const std::string& controlName)
{
    QString name;
    if (controlName == "lblScore")
        name = gameText("PlayWindow", "Score");
    else if (controlName == "lblHighScore")
        name = gameText("PlayWindow", "High Score");
    else if (controlName == "lblStart")
        label.setProperty(promptProperty, true);
    // A named label's text changes tell nothing by themselves (Qt would announce a new name
    // on every tick otherwise); TextChangeNews tells them.
    label.setAccessibleName(name);
    return name;
}

void promptChanged(QLabel& label)
{
    QWidget* window = label.window();
    if (!window || !label.property(promptProperty).toBool())
        return;
    window->setAccessibleDescription(label.isVisibleTo(window) ? label.text() : QString());
}

GameOverWords gameOverWords(const PlayWindow& form)
{
    const QString finalScore = QString::fromStdString(form.lblScore.Caption);
    // The window shows its new high score only once the box is dismissed; the rules tell
    // meanwhile whether this game set it.
    const bool newHighScore = form.finalScoreBeatsHighScore();
    const QString highScore
        = newHighScore ? finalScore : QString::fromStdString(form.lblHighScore.Caption);
    GameOverWords words;
    words.shown = gameText("PlayWindow", "Final score: %1").arg(finalScore);
    words.told = newHighScore
        ? gameText("PlayWindow", "Final score: %1. High score: %2. New high score")
              .arg(finalScore, highScore)
        : gameText("PlayWindow", "Final score: %1. High score: %2").arg(finalScore, highScore);
    return words;
}

} // namespace zorvik
