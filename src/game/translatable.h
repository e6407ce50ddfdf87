// SPDX-License-Identifier: MIT
#pragma once

// Marks a text of a play window that the player reads in their own language. The rules keep
// the English text; the host shows its translation. Qt's lupdate reads the mark as
// QT_TRANSLATE_NOOP, with the context the host translates in: "PlayWindow".
#define TRANSLATABLE(context, text) text
