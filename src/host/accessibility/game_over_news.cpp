// SPDX-License-Identifier: MIT
#include "host/accessibility/game_over_news.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace zorvik {

namespace {

constexpr const char* newsProperty = "zorvikGameOverNews";

// Readers speak a notification as soon as it shows, wherever the focus is; an alert they read
// only when it takes the focus.
QAccessibleInterface* newsInterface(const QString&, QObject* object)
{
    auto* widget = qobject_cast<QWidget*>(object);
    if (!widget || !widget->property(newsProperty).toBool())
        return nullptr;
    return new QAccessibleWidget(widget, QAccessible::Notification);
}

} // namespace

void addGameOverNews(QWidget& box, const QString& name, const QString& description)
{
    static const bool installed = [] {
        QAccessible::installFactory(newsInterface);
        return true;
    }();
    (void)installed;
    // No pixels of its own: a sighted player sees the box, which says the same.
    auto* news = new QWidget(&box);
    news->setProperty(newsProperty, true);
    news->setAccessibleName(name);
    news->setAccessibleDescription(description);
    news->setFocusPolicy(Qt::NoFocus);
    news->setGeometry(0, 0, 1, 1);
}

} // namespace zorvik
