// SPDX-License-Identifier: MIT
#include "host/platform/game_language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QStringList>
#include <QTranslator>
#include <cstdio>
#include <memory>

namespace zorvik {

namespace {

std::unique_ptr<QTranslator> gameTranslation;
std::unique_ptr<QTranslator> qtTranslation;

// Texts of Qt's that the game's translations carry too: Qt's own miss some, --help's among
// them, and a desktop may have none.
[[maybe_unused]] constexpr const char* qtTexts[] = {
    // Read by Qt as the layout direction: "RTL" in a right-to-left language.
    QT_TRANSLATE_NOOP("QGuiApplication", "QT_LAYOUT_DIRECTION"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Usage: %1"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "[options]"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Options:"),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help on commandline options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays help including Qt specific options."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Displays version information."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown option '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unknown options: %1."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Missing value after '%1'."),
    QT_TRANSLATE_NOOP("QCommandLineParser", "Unexpected value after '%1'."),
};

// "de_DE.UTF-8@euro" is German of Germany: the encoding and the variant say nothing here.
QString languageOf(const QString& locale)
{
    return locale.section(QLatin1Char('.'), 0, 0).section(QLatin1Char('@'), 0, 0);
}

bool untranslated(const QString& language)
{
    return language == QLatin1String("C") || language == QLatin1String("POSIX")
        || language == QLatin1String("en") || language.startsWith(QLatin1String("en_"));
}

// The languages asked for, best first, read as gettext reads them: LANGUAGE's list, unless the
// messages locale is plain C (as in LC_ALL=C, which asks for the program's own words whatever
// LANGUAGE says, and as when no locale is set); the messages locale alone otherwise.
QStringList askedLanguages()
{
    QString locale;
    for (const char* name : { "LC_ALL", "LC_MESSAGES", "LANG" })
        if (!(locale = qEnvironmentVariable(name)).isEmpty())
            break;
    if (locale.isEmpty() || locale == QLatin1String("C") || locale == QLatin1String("POSIX"))
        return {};
    QStringList asked
        = qEnvironmentVariable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    if (asked.isEmpty())
        asked.append(locale);
    return asked;
}

QString translated(const char* context, const char* source)
{
    if (gameTranslation) {
        QString text = gameTranslation->translate(context, source);
        if (!text.isEmpty())
            return text;
    }
    return QString::fromUtf8(source);
}

} // namespace

void chooseGameLanguage()
{
    for (const QString& asked : askedLanguages()) {
        const QString language = languageOf(asked);
        if (untranslated(language))
            return;
        // "de_AT" finds zorvik_de when there is no zorvik_de_AT.
        auto game = std::make_unique<QTranslator>();
        if (!game->load(QLatin1String("zorvik_") + language, QStringLiteral(":/i18n")))
            continue;
        gameTranslation = std::move(game);
        auto qt = std::make_unique<QTranslator>();
        if (qt->load(QLatin1String("qtbase_") + language,
                QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            qtTranslation = std::move(qt);
        return;
    }
}

void installGameLanguage(QCoreApplication& application)
{
    // The one installed last is asked first: the game's own words before Qt's.
    if (qtTranslation)
        application.installTranslator(qtTranslation.get());
    if (gameTranslation)
        application.installTranslator(gameTranslation.get());
}

QString gameText(const char* context, const char* source)
{
    return translated(context, source);
}

QString markedText(const char* context, const char* text)
{
    return translated(context, text);
}

void sayOnStderr(const QString& text)
{
    std::fprintf(stderr, "zorvik: %s\n", text.toLocal8Bit().constData());
}

} // namespace zorvik
