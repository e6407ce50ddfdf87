// SPDX-License-Identifier: MIT
// Draws the game's icon at every size and writes the pixels as C++ for the game to carry:
//   write_icon_pixels FILE.cpp
// The game then needs no drawing, and no converting, to give its windows their icon.
#include "host/app/game_icon_drawing.h"

#include <cstdio>
#include <fstream>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: write_icon_pixels FILE.cpp\n");
        return 2;
    }
    std::ofstream out(argv[1]);
    out << "// Written by write_icon_pixels from drawGameIcon() while the game is built.\n"
           "#include \"host/app/game_icon_pixels.h\"\n\n"
           "namespace zorvik {\n\nnamespace {\n\n";
    for (const int size : zorvik::windowIconSizes) {
        const QImage image = zorvik::drawGameIcon(size).convertToFormat(QImage::Format_ARGB32);
        out << "const std::uint32_t pixels" << size << "[] = {";
        char hex[16];
        for (int y = 0; y < size; ++y)
            for (int x = 0; x < size; ++x) {
                std::snprintf(hex, sizeof hex, "0x%08xu,", image.pixel(x, y));
                out << ((y * size + x) % 8 == 0 ? "\n    " : " ") << hex;
            }
        out << "\n};\n\n";
    }
    out << "} // namespace\n\nconst std::array<IconPixels, windowIconSizes.size()> gameIconPixels "
           "{ {\n";
    for (const int size : zorvik::windowIconSizes)
        out << "    { " << size << ", pixels" << size << " },\n";
    out << "} };\n\n} // namespace zorvik\n";
    out.close();
    if (!out) {
        std::fprintf(stderr, "write_icon_pixels: cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
