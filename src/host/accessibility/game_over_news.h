// SPDX-License-Identifier: MIT
#pragma once

class QString;
class QWidget;

namespace zorvik {

// Tells a screen reader that a game ended in a window the player is not at, without taking the
// keyboard: a notification inside the box, named as the box is and described as its OK button
// is (the final and the high score), which the reader speaks as it shows. A box that takes the
// keyboard needs none: the reader reads the box itself as it gets the focus. Call before the
// box is shown; the news goes with the box.
void addGameOverNews(QWidget& box, const QString& name, const QString& description);

} // namespace zorvik
