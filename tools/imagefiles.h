// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#pragma once

#include "raster.h"

#include <cstdint>
#include <filesystem>
#include <vector>

// Encoders for the device-independent bitmap family: plain .bmp files and the
// .ico and .cur containers, which hold a bitmap plus a transparency mask;
// and for X's text format .xpm, whose colours may be "None".
namespace artwork {

struct Colour {
    std::uint8_t red;
    std::uint8_t green;
    std::uint8_t blue;
};

using Palette = std::vector<Colour>;
using Bytes = std::vector<std::uint8_t>;

// Black as entry 0, so that masked pixels, which store index 0, leave the
// screen untouched when the image is XORed onto it.
const Palette &blackWhitePalette();
const Palette &sixteenColourPalette();

// A raster whose inks index `palette`, stored with 1 or 4 bits per pixel
// and the palette, or with 24 bits per pixel as the palette's colours.
Bytes encodeBmp(const Raster &raster, const Palette &palette, int bitsPerPixel);

// One image of at most 255 x 255 pixels; pixels of ink `transparent` go into
// the mask. A cursor carries its hot spot where an icon has its planes and
// bit count.
Bytes encodeIcon(const Raster &raster, const Palette &palette, int bitsPerPixel, Ink transparent);
Bytes encodeCursor(const Raster &raster, const Palette &palette, int bitsPerPixel, Ink transparent, Point hotSpot);

// The image as the C array an .xpm file is, one character a pixel; pixels of
// ink `transparent` are "None".
Bytes encodeXpm(const Raster &raster, const Palette &palette, Ink transparent, const char *name);

void writeFile(const std::filesystem::path &path, const Bytes &bytes);

} // namespace artwork
