// SPDX-License-Identifier: MIT
#include "host/accessibility/accessible_shapes.h"

#include "host/platform/game_language.h"
#include "host/view/shape_layer.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QPointer>
#include <algorithm>
#include <vector>

namespace zorvik {

namespace {

// One shape of a layer. It is no widget, so it is registered with Qt's accessibility cache by
// the play area that lists it, and removed from it with the play area.
class ShapeAccessible final : public QAccessibleInterface {
public:
    ShapeAccessible(QWidget& playArea, ShapeLayer& shapes, std::size_t shape)
        : playArea_(&playArea)
        , shapes_(&shapes)
        , shape_(shape)
    {
    }

    bool isValid() const override { return playArea_ && shapes_; }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override
    {
        return playArea_ ? playArea_->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface* parent() const override
    {
        return playArea_ ? QAccessible::queryAccessibleInterface(playArea_) : nullptr;
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* focusChild() const override { return nullptr; }

    QString text(QAccessible::Text kind) const override
    {
        if (kind != QAccessible::Name || !shapes_)
            return {};
        return shapes_->kind(shape_) == ControlKind::Oval ? gameText("PlayWindow", "Ball")
                                                          : gameText("PlayWindow", "Platform");
    }
    void setText(QAccessible::Text, const QString&) override { }

    // Where the shape is drawn on the screen, without the room its antialiased edges take.
    QRect rect() const override
    {
        if (!shapes_)
            return {};
        const QRect drawn = shapes_->drawnPixels(shape_);
        return QRect(shapes_->mapToGlobal(drawn.topLeft()), drawn.size());
    }
    QAccessible::Role role() const override { return QAccessible::Graphic; }
    QAccessible::State state() const override
    {
        QAccessible::State state;
        state.invisible = !shapes_ || !shapes_->isVisible();
        return state;
    }

private:
    QPointer<QWidget> playArea_;
    QPointer<ShapeLayer> shapes_;
    std::size_t shape_;
};

class PlayAreaAccessible final : public QAccessibleWidget {
public:
    explicit PlayAreaAccessible(QWidget& playArea)
        : QAccessibleWidget(&playArea)
    {
    }

    ~PlayAreaAccessible() override
    {
        for (const QAccessible::Id id : ids_)
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override
    {
        return static_cast<int>(childWidgets().size() + items().size());
    }

    QAccessibleInterface* child(int index) const override
    {
        const QList<QWidget*> widgets = childWidgets();
        if (index < 0)
            return nullptr;
        if (index < widgets.size())
            return QAccessible::queryAccessibleInterface(widgets[index]);
        const auto item = static_cast<std::size_t>(index - widgets.size());
        return item < items().size() ? items()[item] : nullptr;
    }

    int indexOfChild(const QAccessibleInterface* child) const override
    {
        if (!child)
            return -1;
        const QList<QWidget*> widgets = childWidgets();
        if (QObject* object = child->object())
            return static_cast<int>(widgets.indexOf(object));
        const auto item = std::find(items().begin(), items().end(), child);
        if (item == items().end())
            return -1;
        return static_cast<int>(widgets.size() + (item - items().begin()));
    }

private:
    // The labels, as Qt would list the play area's children, without the shapes' layer.
    QList<QWidget*> childWidgets() const
    {
        QList<QWidget*> widgets;
        for (QObject* child : widget()->children()) {
            auto* childWidget = qobject_cast<QWidget*>(child);
            if (childWidget && !childWidget->isWindow() && childWidget != shapes())
                widgets.append(childWidget);
        }
        return widgets;
    }

    // The play area's layer of shapes, once the window has made it.
    ShapeLayer* shapes() const
    {
        if (!shapes_)
            for (QObject* child : widget()->children())
                if (auto* layer = qobject_cast<ShapeLayer*>(child))
                    shapes_ = layer;
        return shapes_;
    }

    // One for each shape of the layer, made as a reader first asks for them.
    const std::vector<QAccessibleInterface*>& items() const
    {
        ShapeLayer* layer = shapes();
        for (std::size_t shape = items_.size(); layer && shape < layer->count(); ++shape) {
            auto* item = new ShapeAccessible(*widget(), *layer, shape);
            items_.push_back(item);
            ids_.push_back(QAccessible::registerAccessibleInterface(item));
        }
        return items_;
    }

    mutable QPointer<ShapeLayer> shapes_;
    mutable std::vector<QAccessibleInterface*> items_;
    mutable std::vector<QAccessible::Id> ids_;
};

} // namespace

QAccessibleInterface* playAreaInterface(QWidget& playArea)
{
    return new PlayAreaAccessible(playArea);
}

} // namespace zorvik
