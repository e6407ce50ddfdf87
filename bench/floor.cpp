// SPDX-License-Identifier: MIT
// The floor the game is measured against: the least any two-window game of this kind must do
// with Qt. The same two windows at the same places, the same labels, a ball and the platforms
// drawn by one paint handler per window, moved 64 times a second once Return is pressed, with
// a leap on Up. No rules beyond that: no collisions, no game over, no "Game Over" box.

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QPaintEvent>
#include <QPainter>
#include <QRandomGenerator>
#include <QTimer>
#include <chrono>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr std::chrono::nanoseconds tickPeriod { 15'625'000 };
constexpr double twipsPerPixel = 15;

struct LabelPlan {
    QRect box;
    const char* text;
    bool bold;
};

// One window's layout in pixels and how its shapes move.
struct WindowPlan {
    const char* title;
    QRect client;
    std::vector<LabelPlan> labels;
    std::vector<QRectF> bars;
    QRectF ball;
    double leapSpeed; // twips per tick, like the game's speeds
    bool barsScroll;
};

WindowPlan towerPlan()
{
    std::vector<QRectF> bars;
    for (const QPointF at : { QPointF(368, 24), QPointF(192, 64), QPointF(272, 112),
             QPointF(56, 72), QPointF(296, 208), QPointF(64, 336), QPointF(184, 496) })
        bars.emplace_back(at, QSizeF(49, 9));
    return { "Zorvik!", QRect(121, 32, 414, 548),
        { { QRect(264, 528, 73, 17), "High Score:", true }, { QRect(344, 528, 65, 17), "0", true },
            { QRect(48, 528, 65, 17), "0", true }, { QRect(0, 528, 41, 17), "Score:", true },
            { QRect(96, 240, 209, 17), "PRESS THE ENTER BUTTON TO START", false } },
        bars, QRectF(184, 336, 41, 41), -1000, true };
}

WindowPlan hopperPlan()
{
    return { "Zorvik Again!", QRect(626, 59, 477, 439),
        { { QRect(304, 416, 73, 17), "High Score:", true },
            { QRect(16, 416, 41, 17), "Score:", true }, { QRect(384, 416, 65, 17), "0", true },
            { QRect(64, 416, 65, 17), "0", true },
            { QRect(184, 184, 137, 17), "PRESS ENTER TO START", false } },
        { QRectF(224, 408, 41, 9) }, QRectF(224, 224, 41, 41), -400, false };
}

QRect dirtyArea(const QRectF& shape)
{
    return shape.toAlignedRect().adjusted(-1, -1, 1, 1);
}

class FloorWindow final : public QWidget {
public:
    explicit FloorWindow(WindowPlan plan)
        : plan_(std::move(plan))
    {
        setWindowTitle(QString::fromLatin1(plan_.title));
        setGeometry(plan_.client);
        setFixedSize(plan_.client.size());
        QFont font = QApplication::font();
        font.setPointSizeF(8.25);
        setFont(font);
        for (const LabelPlan& label : plan_.labels) {
            auto* widget = new QLabel(QString::fromLatin1(label.text), this);
            widget->setGeometry(label.box);
            if (label.bold) {
                QFont bold = font;
                bold.setBold(true);
                widget->setFont(bold);
            }
            labels_.push_back(widget);
        }
        timer_.setSingleShot(true);
        timer_.setTimerType(Qt::PreciseTimer);
        connect(&timer_, &QTimer::timeout, this, &FloorWindow::tick);
    }

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && !running_) {
            running_ = true;
            labels_.back()->hide();
            nextTick_ = Clock::now();
            armTimer();
        } else if (event->key() == Qt::Key_Up) {
            ySpeed_ = plan_.leapSpeed;
        }
    }

    void paintEvent(QPaintEvent* event) override
    {
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        // Only the shapes in the areas that changed: the rest of the window is still on screen.
        for (const QRectF& bar : plan_.bars)
            if (event->region().intersects(dirtyArea(bar)))
                painter.drawRect(bar);
        if (event->region().intersects(dirtyArea(plan_.ball)))
            painter.drawEllipse(plan_.ball);
    }

private:
    // The next wake-up on a 64-a-second grid of the steady clock; a QTimer alone only counts
    // whole milliseconds.
    void armTimer()
    {
        nextTick_ += tickPeriod;
        const auto wait = std::chrono::ceil<std::chrono::milliseconds>(nextTick_ - Clock::now());
        timer_.start(static_cast<int>(std::max<long long>(0, wait.count())));
    }

    void tick()
    {
        armTimer();
        QRegion dirty;
        ySpeed_ += 5;
        dirty += dirtyArea(plan_.ball);
        plan_.ball.translate(0, ySpeed_ / twipsPerPixel);
        dirty += dirtyArea(plan_.ball);
        if (plan_.barsScroll) {
            for (QRectF& bar : plan_.bars) {
                dirty += dirtyArea(bar);
                bar.translate(0, 35 / twipsPerPixel);
                if (bar.top() >= height())
                    bar.moveTo(QRandomGenerator::global()->bounded(width() - bar.width()),
                        -QRandomGenerator::global()->bounded(350.0));
                dirty += dirtyArea(bar);
            }
        }
        ++score_;
        labels_[scoreLabelIndex()]->setText(QString::number(score_));
        update(dirty);
    }

    std::size_t scoreLabelIndex() const { return plan_.barsScroll ? 2 : 3; }

    WindowPlan plan_;
    std::vector<QLabel*> labels_;
    QTimer timer_;
    Clock::time_point nextTick_;
    bool running_ = false;
    double ySpeed_ = 0;
    long long score_ = 0;
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    FloorWindow tower(towerPlan());
    FloorWindow hopper(hopperPlan());
    hopper.show();
    tower.show();
    return QApplication::exec();
}
