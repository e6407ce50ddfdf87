// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>

class QLabel;

namespace zorvik {

// Tells screen readers that a label's text changed, at most once a second: a score counts 64
// times a second, far faster than anyone can listen. A reader that asks gets the current text
// at any time; only the news is held back, and the last change is always told.
class TextChangeNews final : public QObject {
public:
    explicit TextChangeNews(QLabel& label);
    // Call after the label's text changed.
    void textChanged();
    // Tells a change still held back now, as when a game ends.
    void flush();

private:
    void tell();

    QLabel& label_;
    QString told_;
    QTimer quiet_;
};

} // namespace zorvik
