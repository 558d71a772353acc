// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The pointing-hand cursor shown over links.
#include "pictures.h"

#include <array>
#include <string_view>

namespace artwork {

namespace {

constexpr int cursorSize = 32;

// Drawn pixel by pixel, as small cursors are: '#' outline and cuff, 'o' the
// white of the hand, '.' see-through.
constexpr std::array<std::string_view, cursorSize> handPixels{
    "................................", "................................", "................................",
    "................................", "................................", "................................",
    "................................", "................................", "................................",
    "............##..................", "...........#oo#.................", "...........#oo#.................",
    "...........#oo#.................", "...........#oo#.................", "...........#oo###.##.##.........",
    "...........#oo#oo#oo#oo#........", ".........###oo#oo#oo#oo#........", "........#oo#oo#oo#oo#oo#........",
    "........#oo#ooooooooooo#........", "........#oo#ooooooooooo#........", ".........#ooooooooooooo#........",
    ".........#ooooooooooooo#........", "..........#oooooooooooo#........", "..........#ooooooooooo#.........",
    "..........#############.........", "..........#############.........", "..........#############.........",
    "................................", "................................", "................................",
    "................................", "................................",
};

Ink inkOf(char pixel)
{
    switch (pixel) {
    case '#':
        return black;
    case 'o':
        return white;
    default:
        return clear;
    }
}

} // namespace

Raster drawHandCursor()
{
    Raster cursor(cursorSize, cursorSize, clear);
    for (int y = 0; y < cursorSize; ++y)
        for (int x = 0; x < cursorSize; ++x)
            cursor.plot(x, y, inkOf(handPixels[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)]));
    return cursor;
}

} // namespace artwork
