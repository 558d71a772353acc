// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The program icon: a round target in the sixteen standard colours, drawn
// twice from one table of rings: in pixels at its designed 32 x 32, and as
// true circles for the sizes menus and software centres show it at.
#include "imagefiles.h"
#include "pictures.h"

#include <array>
#include <cstdio>
#include <string>

namespace artwork {

namespace {

constexpr int iconSize = 32;
constexpr Ink iconBlack = 0;
constexpr Ink iconRed = 9;
constexpr Ink iconYellow = 11;

struct Band {
    Ink ink;
    int width;
};

// From the rim inwards; thin black rings keep the coloured rings apart.
constexpr std::array targetBands{Band{iconBlack, 1}, Band{iconYellow, 3}, Band{iconBlack, 1}, Band{iconRed, 3},
                                 Band{iconBlack, 1}, Band{iconYellow, 3}, Band{iconBlack, 1}, Band{iconRed, 3}};

// The scalable icon's units to one pixel of the designed icon: whole numbers
// for every circle, and 256 units across, the largest size menus ask for.
constexpr int scalableUnitsPerPixel = 8;

} // namespace

Raster drawProgramIcon()
{
    Raster icon(iconSize, iconSize, clear);
    int inset = 0;
    for (const Band &band : targetBands) {
        icon.fillEllipse({inset, inset, iconSize - 1 - inset, iconSize - 1 - inset}, band.ink);
        inset += band.width;
    }
    return icon;
}

Bytes drawScalableProgramIcon()
{
    constexpr int side = iconSize * scalableUnitsPerPixel;
    constexpr int centre = side / 2;
    // The icon file's own copyright and licence lines: the licence lint
    // must not take them for this file's.
    // REUSE-IgnoreStart
    std::string text = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                       "<!-- SPDX-FileCopyrightText: 2026 tarnwick developers -->\n"
                       "<!-- SPDX-License-Identifier: MIT -->\n"
                       "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\""
                       + std::to_string(side) + "\" height=\"" + std::to_string(side) + "\" viewBox=\"0 0 "
                       + std::to_string(side) + ' ' + std::to_string(side) + "\">\n";
    // REUSE-IgnoreEnd
    int radius = centre;
    for (const Band &band : targetBands) {
        const Colour colour = sixteenColourPalette().at(band.ink);
        char fill[8];
        std::snprintf(fill, sizeof fill, "#%02X%02X%02X", colour.red, colour.green, colour.blue);
        text += "  <circle cx=\"" + std::to_string(centre) + "\" cy=\"" + std::to_string(centre) + "\" r=\""
                + std::to_string(radius) + "\" fill=\"" + fill + "\"/>\n";
        radius -= band.width * scalableUnitsPerPixel;
    }
    text += "</svg>\n";
    return Bytes(text.begin(), text.end());
}

} // namespace artwork
