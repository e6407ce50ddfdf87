// SPDX-License-Identifier: MIT
// Writes the game's icon at every theme size, as an icon theme lays them out:
//   make_icons FOLDER  ->  FOLDER/16x16/apps/io.github.zorvik.zorvik.png, ...
#include "host/app/game_icon_drawing.h"

#include <QDir>
#include <cstdio>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_icons FOLDER\n");
        return 2;
    }
    for (const int size : zorvik::iconSizes) {
        const QString folder
            = QStringLiteral("%1/%2x%2/apps").arg(QString::fromLocal8Bit(argv[1])).arg(size);
        const QString file = folder + QStringLiteral("/io.github.zorvik.zorvik.png");
        if (!QDir().mkpath(folder) || !zorvik::drawGameIcon(size).save(file, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(file));
            return 1;
        }
    }
    return 0;
}
