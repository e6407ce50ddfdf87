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
#include "host/sound/game_sound.h"
#include "host/view/host_window.h"

#include <QApplication>
#include <QPointer>
#include <cstdio>
#include <cstdlib>
#include <system_error>

int main(int argc, char* argv[])
{
    zorvik::watchObjectsBeingMade();
    zorvik::catchQuitSignals();
    zorvik::CommandLine commandLine(argc, argv);
    if (const auto status = commandLine.exitStatus())
        return *status;
    const zorvik::PlatformRequest platform { commandLine.platform(), commandLine.display(),
        commandLine.platformPluginPath() };
    const zorvik::PlatformChoice choice = zorvik::choosePlatform(platform);
    if (!choice.problem.empty()) {
        std::fprintf(stderr, "%s\n", choice.problem.c_str());
        return 1;
    }
    zorvik::OneGamePerDisplay oneGame(choice.platform, commandLine.display());
    if (oneGame.anotherRaised()) {
        std::fprintf(stderr, "zorvik: a game already runs on this display: raised its windows\n");
        return 0;
    }
    setenv("QT_QPA_PLATFORM", choice.platform.c_str(), 1);
    zorvik::PlatformStartWatch platformStart(choice.platform, platform);
    QApplication app(commandLine.qtArgc(), commandLine.qtArgv());
    platformStart.started();
    zorvik::followLateReaders();
    QApplication::setApplicationName(QStringLiteral("zorvik"));
    QApplication::setDesktopFileName(QStringLiteral("io.github.zorvik.zorvik"));
    zorvik::QuitOnSignal quitOnSignal;
    const zorvik::LostWindowWatch lostWindows;
    const zorvik::GameSound sound(commandLine.sound());

    // The tower is the start-up window; its load handler opens the hopper first.
    QPointer<zorvik::HostWindow> tower;
    try {
        tower = new zorvik::HostWindow(
            [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form1>(host); },
            [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form2>(host); });
        // Given to the windows themselves, not to the application: Qt sets an application's
        // icon on a window once more as it creates it, and the hopper and the boxes take the
        // tower's.
        tower->setWindowIcon(zorvik::gameIcon());
        tower->loadAndShow();
        zorvik::tellIfTheDesktopBlurs(*tower);
    } catch (const std::system_error& error) { // out of system resources
        std::fprintf(stderr, "zorvik: %s\n", error.what());
        return 1;
    }
    // A second start on this display brings the game to the player: the tower on top.
    oneGame.onRaiseAsked([&tower] {
        for (QWidget* window : { static_cast<QWidget*>(tower ? tower->hopper() : nullptr),
                 static_cast<QWidget*>(tower.data()) })
            if (window) {
                window->showNormal();
                window->raise();
                window->activateWindow();
            }
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
