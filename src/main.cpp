// SPDX-License-Identifier: MIT
// Zorvik: two play windows side by side, the tower and the hopper.

#include "forms/form1.h"
#include "forms/form2.h"
#include "host/accessibility/late_reader_watch.h"
#include "host/app/blur_notice.h"
#include "host/app/command_line.h"
#include "host/app/game_icon.h"
#include "host/app/lost_window_watch.h"
#include "host/app/one_game_per_display.h"
#include "host/app/platform_start.h"
#include "host/app/quit_on_signal.h"
#include "host/app/silent_bus_guard.h"
#include "host/platform/game_language.h"
#include "host/platform/tick_timer.h"
#include "host/sound/game_sound.h"
#include "host/view/host_window.h"

#include <QApplication>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <optional>
#include <system_error>
#include <vector>

namespace {

// A later start brings the game to the player: every play window still open, the tower last
// so that it ends on top with the keyboard. Whether there was one.
bool raisePlayWindows(const QPointer<zorvik::HostWindow>& tower)
{
    std::vector<QWidget*> open;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (dynamic_cast<zorvik::HostWindow*>(window) && window->isVisible() && window != tower)
            open.push_back(window);
    if (tower && tower->isVisible())
        open.push_back(tower);
    for (QWidget* window : open) {
        window->showNormal();
        window->raise();
        window->activateWindow();
    }
    return !open.empty();
}

} // namespace

int main(int argc, char* argv[])
{
    zorvik::watchObjectsBeingMade();
    zorvik::catchQuitSignals();
    zorvik::chooseGameLanguage();
    zorvik::CommandLine commandLine(argc, argv);
    if (const auto status = commandLine.exitStatus())
        return *status;
    zorvik::TickTimer::setSpeed(commandLine.speedPercent());
    const zorvik::PlatformRequest platform { commandLine.platform(), commandLine.display(),
        commandLine.platformPluginPath() };
    const zorvik::PlatformChoice choice = zorvik::choosePlatform(platform);
    if (!choice.problem.empty()) {
        std::fprintf(stderr, "%s\n", choice.problem.c_str());
        return 1;
    }
    setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    zorvik::hideSilentBuses();
    zorvik::PlatformStartWatch platformStart(choice.platform, platform);
    QApplication app(commandLine.qtArgc(), commandLine.qtArgv());
    platformStart.started();
    zorvik::installGameLanguage(app);
    zorvik::followLateReaders();
    QApplication::setApplicationName(QStringLiteral("zorvik"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorvik.zorvik"));
    zorvik::QuitOnSignal quitOnSignal;
    const zorvik::LostWindowWatch lostWindows;
    std::optional<zorvik::GameSound> sound;

    QPointer<zorvik::HostWindow> tower;
    zorvik::OneGamePerDisplay oneGame(
        choice.platform, commandLine.display(), [&tower] { return raisePlayWindows(tower); });
    oneGame.start(
        [&] {
            sound.emplace(commandLine.sound());
            // The tower is the start-up window; its load handler opens the hopper first.
            try {
                tower = new zorvik::HostWindow(
                    [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form1>(host); },
                    [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form2>(host); });
                // Given to the windows themselves, not to the application: Qt sets an
                // application's icon on a window once more as it creates it, and the hopper and
                // the boxes take the tower's.
                tower->setWindowIcon(zorvik::gameIcon());
                tower->loadAndShow();
                zorvik::tellIfTheDesktopBlurs(*tower);
            } catch (const std::system_error& error) { // out of system resources
                zorvik::sayOnStderr(QString::fromLocal8Bit(error.what()));
                QCoreApplication::exit(1);
            }
        },
        [] {
            zorvik::sayOnStderr(zorvik::gameText(
                "Startup", "a game already runs on this display: raised its windows"));
            QCoreApplication::exit(0);
        });
    const int status = QApplication::exec();
    // Windows still open when a signal ended the loop go here, each with its children.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (!window->parentWidget())
            windows.append(window);
    for (const QPointer<QWidget>& window : windows)
        delete window.data();
    return status;
}
