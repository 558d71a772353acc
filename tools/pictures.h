// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "imagefiles.h"
#include "raster.h"

// The program's pictures. Line drawings use the two inks of
// blackWhitePalette(); the icon uses sixteenColourPalette() indices.
namespace artwork {

constexpr Ink black = 0;
constexpr Ink white = 1;
// Marks the pixels of an icon or cursor that the mask makes see-through.
constexpr Ink clear = 0xFF;

// The pixel of the hand cursor that clicks: the tip of the index finger.
constexpr Point handHotSpot{13, 9};

Raster drawProgramIcon();
// The same icon as an SVG document, for sizes larger than the pixels allow.
Bytes drawScalableProgramIcon();
Raster drawAntenna();
Raster drawCenterDetail();
Raster drawEndDetail();
Raster drawHandCursor();

} // namespace artwork
