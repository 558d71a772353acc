// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
// The program icon: a round target in the sixteen standard colours.
#include "pictures.h"

#include <array>

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

} // namespace artwork
