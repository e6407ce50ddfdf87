// SPDX-License-Identifier: MIT
#include "host/accessibility/text_change_news.h"

#include <QAccessible>
#include <QLabel>
#include <chrono>

namespace zorvik {

namespace {

constexpr std::chrono::milliseconds newsInterval { 1000 };

} // namespace

TextChangeNews::TextChangeNews(QLabel& label)
    : QObject(&label)
    , label_(label)
    , told_(label.text())
{
    quiet_.setSingleShot(true);
    quiet_.setInterval(newsInterval);
    connect(&quiet_, &QTimer::timeout, this, [this] {
        if (label_.text() != told_)
            tell();
    });
}

void TextChangeNews::textChanged()
{
    if (!QAccessible::isActive() || quiet_.isActive())
        return; // told when the quiet second ends
    tell();
}

void TextChangeNews::flush()
{
    if (QAccessible::isActive() && label_.text() != told_)
        tell();
}

void TextChangeNews::tell()
{
    const QString text = label_.text();
    QAccessibleTextUpdateEvent event(&label_, 0, told_, text);
    QAccessible::updateAccessibility(&event);
    told_ = text;
    quiet_.start();
}

} // namespace zorvik
