// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "raster.h"

#include <string_view>

// A small fixed-pitch serif face of capitals, digits and the comma, in the
// manner of lettering on a hand-drawn construction sketch.
namespace artwork::font {

constexpr int glyphWidth = 7;
constexpr int glyphHeight = 10;
// Glyph width plus a three-pixel gap; a wider advance spaces a line out.
constexpr int defaultAdvance = 10;

// Width in pixels of `text` from the first inked column to the last cell.
int textWidth(std::string_view text, int advance = defaultAdvance);

// Draws `text` with the top-left corner of its first cell at `origin`.
// Throws for a character the face does not have.
void drawText(Raster &raster, Point origin, std::string_view text, Ink ink, int advance = defaultAdvance);

// Draws `text` centred on column `centreX`, its top at row `top`.
void drawCentredText(Raster &raster, int centreX, int top, std::string_view text, Ink ink,
                     int advance = defaultAdvance);

} // namespace artwork::font
