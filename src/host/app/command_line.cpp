// SPDX-License-Identifier: MIT
#include "host/app/command_line.h"

#include "host/platform/game_language.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <charconv>
#include <cstdio>
#include <string_view>

namespace zorvik {

namespace {

// Qt's own options, taken by the application object (QGuiApplication, QApplication and the X11
// platform). Accepted here so they are not unknown; -platform and -display are also read.
struct QtOption {
    const char* name;
    const char* valueName; // nullptr for a flag
};
constexpr QtOption qtOptions[] = {
    { "platform", "name" },
    { "platformpluginpath", "path" },
    { "platformtheme", "name" },
    { "plugin", "plugin" },
    { "display", "display" },
    { "geometry", "geometry" },
    { "qwindowgeometry", "geometry" },
    { "title", "title" },
    { "qwindowtitle", "title" },
    { "icon", "icon" },
    { "qwindowicon", "icon" },
    { "name", "name" },
    { "visual", "id" },
    { "style", "style" },
    { "stylesheet", "file" },
    { "session", "session" },
    { "qmljsdebugger", "port" },
    { "reverse", nullptr },
    { "sync", nullptr },
    { "nograb", nullptr },
    { "dograb", nullptr },
    { "widgetcount", nullptr },
};

// The help after Qt's usage line, and after its list of options: a text for translators each.
QString description()
{
    return gameText("CommandLine",
        "Zorvik, a keyboard-driven arcade game in two windows: the tower\n"
        "(\"Zorvik!\"), where the ball climbs platforms that scroll down, and the hopper\n"
        "(\"Zorvik Again!\"), where one platform jumps away each time the ball lands on\n"
        "it.\n"
        "\n"
        "Keys, in either window (each plays on its own and keeps its own high score):\n"
        "  Return                 start a game (keypad Enter too, unless a screen\n"
        "                         reader such as Orca takes keypad Enter for itself)\n"
        "  Left, Right            steer the ball; let go to stop it sideways\n"
        "  Up                     leap, also in mid-air\n"
        "  Return, Space, Escape  dismiss the \"Game Over\" box\n"
        "\n"
        "Sound: while a screen reader runs, the game plays by ear: the ball is heard\n"
        "where it is (left to right, and higher as it climbs), the hopper's platform\n"
        "hums where it is, and short cues tell of a landing, a head bump, a leap and a\n"
        "ball falling with no platform left under it. See --sound and --no-sound.\n"
        "\n"
        "Closing a window ends its game and leaves the other one playing. The program\n"
        "ends when both windows are closed, or with Ctrl+C in its terminal.\n"
        "\n"
        "One game runs on a display: starting it again raises the running game's\n"
        "windows and ends there.");
}

QString moreHelp()
{
    return gameText("CommandLine",
        "\n"
        "Qt's standard options are accepted too, among them:\n"
        "  -platform NAME         Qt platform to use (xcb, wayland, offscreen, ...)\n"
        "  -display DISPLAY       X server to open the windows on (xcb only)\n"
        "  -geometry WxH+X+Y      size and place of the first window\n"
        "  -style NAME            widget style\n"
        "  -reverse               right-to-left layout\n"
        "\n"
        "Environment:\n"
        "  QT_QPA_PLATFORM        Qt platform when -platform is not given; by default\n"
        "                         xcb (X11, or XWayland on a Wayland desktop), so that\n"
        "                         the windows can sit at their fixed places\n"
        "  DISPLAY                X server for the xcb platform\n"
        "  WAYLAND_DISPLAY, XDG_RUNTIME_DIR\n"
        "                         Wayland compositor for the wayland platform\n"
        "  QT_SCALE_FACTOR        scales the windows, e.g. 2 on a dense screen\n"
        "  QT_PLUGIN_PATH         further folders to look for Qt plugins in\n"
        "  PULSE_SERVER           sound server for the sound cues (PulseAudio, or\n"
        "                         PipeWire's PulseAudio service); the desktop's own\n"
        "                         by default\n"
        "  LANGUAGE, LC_ALL, LC_MESSAGES, LANG\n"
        "                         the language of the game's texts, as on the desktop\n"
        "\n"
        "Exit status:\n"
        "  0  both windows were closed, the program was ended by SIGINT or SIGTERM,\n"
        "     --help or --version printed, or a game already running on the display\n"
        "     was raised\n"
        "  1  no display, or the Qt platform cannot start\n"
        "  2  wrong command line\n");
}

std::string local8Bit(const QString& text)
{
    return text.toLocal8Bit().toStdString();
}

// A speed as --speed takes it: a whole number of percent in range, and nothing else ("50x",
// " 50" and "5e1" are typing mistakes, not speeds).
std::optional<int> readSpeedPercent(const std::string& text)
{
    int percent = 0;
    const char* end = text.data() + text.size();
    const auto [stop, error] = std::from_chars(text.data(), end, percent);
    if (error != std::errc() || stop != end || percent < TickSchedule::slowestPercent
        || percent > TickSchedule::fullPercent)
        return std::nullopt;
    return percent;
}

} // namespace

CommandLine::CommandLine(int argc, char* argv[])
{
    // A program started with no arguments at all, not even its name, is still "zorvik".
    std::string program = argc > 0 && argv[0] ? argv[0] : "zorvik";
    qtArguments_.push_back(program);
    // As from the desktop's menu: nothing to read.
    if (argc > 1 && !read(argc, argv, program, false)) {
        // Help and errors are said in the player's language, Qt's words among them, which Qt
        // translates as the parser is made: the line is read again with an application object
        // made for it alone (every other start would pay for one). It also names the program
        // in the help's usage line.
        int coreArgc = 1;
        char* coreArgv[] = { program.data(), nullptr };
        QCoreApplication core(coreArgc, coreArgv);
        installGameLanguage(core);
        read(argc, argv, program, true);
    }
    for (std::string& argument : qtArguments_)
        qtArgv_.push_back(argument.data());
    qtArgc_ = static_cast<int>(qtArgv_.size());
    qtArgv_.push_back(nullptr);
}

bool CommandLine::read(int argc, char* argv[], const std::string& program, bool speaking)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));

    QCommandLineParser parser;
    // As in X11 programs and Qt's own options, one dash may start a long option: -platform.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.setApplicationDescription(description());
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version = parser.addVersionOption();
    const QCommandLineOption sound(QStringLiteral("sound"),
        gameText("CommandLine", "Play the sound cues even without a screen reader."));
    const QCommandLineOption noSound(QStringLiteral("no-sound"),
        gameText("CommandLine", "No sound, even with a screen reader."));
    const QCommandLineOption speed(QStringLiteral("speed"),
        gameText("CommandLine",
            "Play slower, for players who need time: the whole game at PERCENT of its full "
            "speed, from %1 to %2 (the default).")
            .arg(TickSchedule::slowestPercent)
            .arg(TickSchedule::fullPercent),
        gameText("CommandLine", "PERCENT"));
    parser.addOption(sound);
    parser.addOption(noSound);
    parser.addOption(speed);
    std::vector<QCommandLineOption> qt;
    for (const QtOption& option : qtOptions) {
        qt.emplace_back(QString::fromLatin1(option.name));
        if (option.valueName)
            qt.back().setValueName(QString::fromLatin1(option.valueName));
        qt.back().setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(qt.back());
    }

    const auto fail = [&](const QString& problem) {
        exitStatus_ = 2;
        if (speaking)
            sayOnStderr(gameText("CommandLine", "%1 Try '%2 --help' for more information.")
                            .arg(problem, QString::fromLocal8Bit(program.c_str())));
        return speaking;
    };
    if (!parser.parse(arguments))
        return fail(parser.errorText());
    if (!parser.positionalArguments().isEmpty())
        return fail(gameText("CommandLine", "Unexpected argument '%1'.")
                        .arg(parser.positionalArguments().constFirst()));
    // Qt's parser also offers --help-all, meant to add Qt's options: they are in the help already.
    if (parser.isSet(help) || parser.isSet(QStringLiteral("help-all"))) {
        exitStatus_ = 0;
        if (speaking)
            std::printf(
                "%s%s", local8Bit(parser.helpText()).c_str(), local8Bit(moreHelp()).c_str());
        return speaking;
    }
    if (parser.isSet(version)) {
        std::printf("zorvik %s\n", ZORVIK_VERSION);
        exitStatus_ = 0;
        return true;
    }

    const auto last = [&](const char* name) -> std::optional<std::string> {
        const QStringList values = parser.values(QString::fromLatin1(name));
        if (values.isEmpty())
            return std::nullopt;
        return local8Bit(values.constLast());
    };
    if (parser.isSet(sound) && parser.isSet(noSound))
        return fail(gameText("CommandLine", "--sound and --no-sound contradict each other."));
    if (parser.isSet(sound))
        sound_ = SoundChoice::Always;
    else if (parser.isSet(noSound))
        sound_ = SoundChoice::Never;
    if (parser.isSet(speed)) {
        const QString text = parser.value(speed); // the last one given
        const std::optional<int> percent = readSpeedPercent(local8Bit(text));
        if (!percent)
            return fail(
                gameText("CommandLine", "--speed takes a whole number from %1 to %2, not '%3'.")
                    .arg(TickSchedule::slowestPercent)
                    .arg(TickSchedule::fullPercent)
                    .arg(text));
        speedPercent_ = *percent;
    }
    platform_ = last("platform");
    display_ = last("display");
    platformPluginPath_ = last("platformpluginpath");

    // Qt reads its options as "-name value" only; "-name=value" is passed on in that form.
    for (std::size_t i = 0; i < qt.size(); ++i) {
        const QtOption& option = qtOptions[i];
        if (!parser.isSet(qt[i]) || std::string_view(option.name) == "platform")
            continue;
        if (!option.valueName) {
            qtArguments_.push_back(std::string("-") + option.name);
            continue;
        }
        for (const QString& value : parser.values(qt[i])) {
            qtArguments_.push_back(std::string("-") + option.name);
            qtArguments_.push_back(local8Bit(value));
        }
    }
    return true;
}

} // namespace zorvik
