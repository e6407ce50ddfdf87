// SPDX-License-Identifier: MIT
// Zorvik: two play windows side by side, the tower and the hopper.

#include "forms/form1.h"
#include "host/display_check.h"
#include "host/host_window.h"
#include "host/lost_window_watch.h"
#include "host/quit_on_signal.h"

#include <QApplication>
#include <QPointer>
#include <cstdio>

int main(int argc, char* argv[])
{
    zorvik::preferX11Platform();
    if (const std::string problem = zorvik::displayProblem(); !problem.empty()) {
        std::fprintf(stderr, "%s\n", problem.c_str());
        return 1;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zorvik"));
    QApplication::setDesktopFileName(QStringLiteral("zorvik"));
    zorvik::QuitOnSignal quitOnSignal;
    const zorvik::LostWindowWatch lostWindows;

    // The tower is the start-up window; its load handler opens the hopper first.
    auto* tower = new zorvik::HostWindow(
        [](zorvik::FormHost& host) { return std::make_unique<zorvik::Form1>(host); });
    tower->loadAndShow();
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
