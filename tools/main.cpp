// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// Writes the program's icon, cursor and drawings into a folder. Run by hand;
// its output is committed under resources/.
#include "imagefiles.h"
#include "pictures.h"

#include <exception>
#include <filesystem>
#include <iostream>

int main(int argc, char **argv)
{
    using namespace artwork;
    if (argc != 2) {
        std::cerr << "usage: tarnwick-artwork OUTPUT_DIRECTORY\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    if (!std::filesystem::is_directory(folder)) {
        std::cerr << "tarnwick-artwork: not a directory: " << folder.string() << '\n';
        return 1;
    }
    try {
        const Raster icon = drawProgramIcon();
        writeFile(folder / "tarnwick.ico", encodeIcon(icon, sixteenColourPalette(), 4, clear));
        writeFile(folder / "tarnwick.xpm", encodeXpm(icon, sixteenColourPalette(), clear, "tarnwick"));
        writeFile(folder / "tarnwick.svg", drawScalableProgramIcon());
        writeFile(folder / "antenna.bmp", encodeBmp(drawAntenna(), blackWhitePalette(), 1));
        writeFile(folder / "center.bmp", encodeBmp(drawCenterDetail(), blackWhitePalette(), 24));
        writeFile(folder / "end.bmp", encodeBmp(drawEndDetail(), blackWhitePalette(), 1));
        writeFile(folder / "hand.cur", encodeCursor(drawHandCursor(), blackWhitePalette(), 1, clear, handHotSpot));
    } catch (const std::exception &error) {
        std::cerr << "tarnwick-artwork: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
