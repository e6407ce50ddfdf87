// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QCoreApplication;

namespace zorvik {

// Loads the translations for the language the desktop asks for (LANGUAGE, LC_ALL, LC_MESSAGES,
// LANG): the game's own, built into the program, and Qt's, for the texts Qt writes itself.
// Called first thing: start-up errors are said before there is an application.
void chooseGameLanguage();

// Hands the loaded translations to the application, for Qt's own texts and for its layout
// direction (right to left in Arabic). Before any window is made.
void installGameLanguage(QCoreApplication& application);

// `source` in the player's language, or as it is where there is no translation; also before
// the application exists. lupdate reads it as QCoreApplication::translate.
QString gameText(const char* context, const char* source);

// A text marked for translation where it was written (QT_TRANSLATE_NOOP, or TRANSLATABLE in the
// rules), in the player's language; any other text, a score say, as it is.
QString markedText(const char* context, const char* text);

// Says `text` on standard error as a line of the program's: "zorvik: " before it. From any
// thread.
void sayOnStderr(const QString& text);

} // namespace zorvik
