// SPDX-FileCopyrightText: 2026 tarnwick developers
// SPDX-License-Identifier: MIT
#include "imagefiles.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <fstream>
#include <string>
#include <stdexcept>

namespace artwork {

namespace {

constexpr std::uint32_t fileHeaderSize = 14;
constexpr std::uint32_t infoHeaderSize = 40;
constexpr std::uint32_t iconDirectorySize = 6;
constexpr std::uint32_t iconEntrySize = 16;
constexpr std::uint16_t iconType = 1;
constexpr std::uint16_t cursorType = 2;

// Everything in these formats is little-endian.
class ByteWriter
{
public:
    void u8(std::uint8_t value) { m_bytes.push_back(value); }
    void u16(std::uint16_t value)
    {
        u8(static_cast<std::uint8_t>(value));
        u8(static_cast<std::uint8_t>(value >> 8));
    }
    void u32(std::uint32_t value)
    {
        u16(static_cast<std::uint16_t>(value));
        u16(static_cast<std::uint16_t>(value >> 16));
    }
    void append(const Bytes &bytes) { m_bytes.insert(m_bytes.end(), bytes.begin(), bytes.end()); }
    Bytes take() { return std::move(m_bytes); }

private:
    Bytes m_bytes;
};

std::uint32_t rowStride(int width, int bitsPerPixel)
{
    const auto bits = static_cast<std::uint32_t>(width) * static_cast<std::uint32_t>(bitsPerPixel);
    return (bits + 31) / 32 * 4;
}

std::uint32_t paletteEntries(int bitsPerPixel)
{
    return bitsPerPixel <= 8 ? 1u << bitsPerPixel : 0;
}

// Rows bottom first, each padded to whole 32-bit words; `value` gives what
// each pixel stores, which must fit in `bitsPerPixel` unless that is 24.
template<typename PixelValue>
Bytes packRows(const Raster &raster, int bitsPerPixel, const Palette &palette, PixelValue value)
{
    const std::uint32_t stride = rowStride(raster.width(), bitsPerPixel);
    Bytes bytes(std::size_t{stride} * static_cast<std::uint32_t>(raster.height()), 0);
    std::uint8_t *row = bytes.data();
    for (int y = raster.height() - 1; y >= 0; --y, row += stride) {
        for (int x = 0; x < raster.width(); ++x) {
            const unsigned index = value(x, y);
            if (bitsPerPixel == 24) {
                const Colour colour = palette.at(index);
                const auto at = static_cast<std::size_t>(x) * 3;
                row[at] = colour.blue;
                row[at + 1] = colour.green;
                row[at + 2] = colour.red;
                continue;
            }
            if (index >= paletteEntries(bitsPerPixel))
                throw std::invalid_argument("ink outside the stored palette");
            const auto bit = static_cast<std::uint32_t>(x) * static_cast<std::uint32_t>(bitsPerPixel);
            const auto shift = 8 - bitsPerPixel - static_cast<int>(bit % 8);
            row[bit / 8] = static_cast<std::uint8_t>(row[bit / 8] | (index << shift));
        }
    }
    return bytes;
}

void checkDepth(int bitsPerPixel)
{
    if (bitsPerPixel != 1 && bitsPerPixel != 4 && bitsPerPixel != 24)
        throw std::invalid_argument("unsupported bits per pixel");
}

// BITMAPINFOHEADER and palette; `storedHeight` is doubled in icons, where
// the mask follows the colour rows.
void writeInfoHeader(ByteWriter &out, int width, int storedHeight, int bitsPerPixel, std::uint32_t imageSize,
                     const Palette &palette)
{
    out.u32(infoHeaderSize);
    out.u32(static_cast<std::uint32_t>(width));
    out.u32(static_cast<std::uint32_t>(storedHeight));
    out.u16(1); // planes
    out.u16(static_cast<std::uint16_t>(bitsPerPixel));
    out.u32(0); // no compression
    out.u32(imageSize);
    out.u32(0); // no preferred resolution
    out.u32(0);
    out.u32(0); // palette fills the depth
    out.u32(0); // all colours matter
    const std::uint32_t entries = paletteEntries(bitsPerPixel);
    for (std::uint32_t i = 0; i < entries; ++i) {
        const Colour colour = i < palette.size() ? palette[i] : Colour{0, 0, 0};
        out.u8(colour.blue);
        out.u8(colour.green);
        out.u8(colour.red);
        out.u8(0);
    }
}

Bytes encodeIconFamily(const Raster &raster, const Palette &palette, int bitsPerPixel, Ink transparent,
                       std::uint16_t type, std::uint16_t field1, std::uint16_t field2)
{
    checkDepth(bitsPerPixel);
    if (bitsPerPixel == 24)
        throw std::invalid_argument("icons here are palette images");
    if (raster.width() > 255 || raster.height() > 255)
        throw std::invalid_argument("icon too large for its directory entry");
    const auto isClear = [&](int x, int y) { return raster.at(x, y) == transparent; };
    const Bytes colours = packRows(raster, bitsPerPixel, palette,
                                   [&](int x, int y) { return isClear(x, y) ? 0u : unsigned{raster.at(x, y)}; });
    const Bytes mask = packRows(raster, 1, palette, [&](int x, int y) { return isClear(x, y) ? 1u : 0u; });

    ByteWriter image;
    writeInfoHeader(image, raster.width(), 2 * raster.height(), bitsPerPixel,
                    static_cast<std::uint32_t>(colours.size() + mask.size()), palette);
    image.append(colours);
    image.append(mask);
    const Bytes imageBytes = image.take();

    const std::uint32_t colourCount = paletteEntries(bitsPerPixel);
    ByteWriter out;
    out.u16(0);
    out.u16(type);
    out.u16(1); // one image
    out.u8(static_cast<std::uint8_t>(raster.width()));
    out.u8(static_cast<std::uint8_t>(raster.height()));
    out.u8(static_cast<std::uint8_t>(colourCount < 256 ? colourCount : 0));
    out.u8(0);
    out.u16(field1);
    out.u16(field2);
    out.u32(static_cast<std::uint32_t>(imageBytes.size()));
    out.u32(iconDirectorySize + iconEntrySize);
    out.append(imageBytes);
    return out.take();
}

} // namespace

const Palette &blackWhitePalette()
{
    static const Palette palette{{0, 0, 0}, {255, 255, 255}};
    return palette;
}

const Palette &sixteenColourPalette()
{
    static const Palette palette{{0, 0, 0},       {128, 0, 0},   {0, 128, 0},   {128, 128, 0},
                                 {0, 0, 128},     {128, 0, 128}, {0, 128, 128}, {192, 192, 192},
                                 {128, 128, 128}, {255, 0, 0},   {0, 255, 0},   {255, 255, 0},
                                 {0, 0, 255},     {255, 0, 255}, {0, 255, 255}, {255, 255, 255}};
    return palette;
}

Bytes encodeBmp(const Raster &raster, const Palette &palette, int bitsPerPixel)
{
    checkDepth(bitsPerPixel);
    const Bytes pixels =
        packRows(raster, bitsPerPixel, palette, [&](int x, int y) { return unsigned{raster.at(x, y)}; });
    const std::uint32_t headerSize = fileHeaderSize + infoHeaderSize + 4 * paletteEntries(bitsPerPixel);

    ByteWriter out;
    out.u8('B');
    out.u8('M');
    out.u32(headerSize + static_cast<std::uint32_t>(pixels.size()));
    out.u32(0); // reserved
    out.u32(headerSize);
    writeInfoHeader(out, raster.width(), raster.height(), bitsPerPixel, static_cast<std::uint32_t>(pixels.size()),
                    palette);
    out.append(pixels);
    return out.take();
}

Bytes encodeIcon(const Raster &raster, const Palette &palette, int bitsPerPixel, Ink transparent)
{
    return encodeIconFamily(raster, palette, bitsPerPixel, transparent, iconType, 1,
                            static_cast<std::uint16_t>(bitsPerPixel));
}

Bytes encodeCursor(const Raster &raster, const Palette &palette, int bitsPerPixel, Ink transparent, Point hotSpot)
{
    return encodeIconFamily(raster, palette, bitsPerPixel, transparent, cursorType,
                            static_cast<std::uint16_t>(hotSpot.x), static_cast<std::uint16_t>(hotSpot.y));
}

Bytes encodeXpm(const Raster &raster, const Palette &palette, Ink transparent, const char *name)
{
    // Palette index i is written as the i-th of these characters.
    static constexpr char inkCharacters[] = "0123456789abcdefghijklmnopqrstuv";
    static constexpr char transparentCharacter = '.';
    if (palette.size() >= sizeof inkCharacters)
        throw std::invalid_argument("too many colours for one character a pixel");

    std::array<bool, 256> used{};
    for (int y = 0; y < raster.height(); ++y)
        for (int x = 0; x < raster.width(); ++x)
            used[raster.at(x, y)] = true;
    const auto colours = std::ranges::count(used, true);

    std::string text = "/* XPM */\nstatic const char *const " + std::string(name) + "[] = {\n";
    text += '"' + std::to_string(raster.width()) + ' ' + std::to_string(raster.height()) + ' ' + std::to_string(colours)
            + " 1\",\n";
    if (used[transparent])
        text += std::string("\"") + transparentCharacter + " c None\",\n";
    for (std::size_t ink = 0; ink < palette.size(); ++ink) {
        if (!used[ink] || ink == transparent)
            continue;
        char colour[8];
        std::snprintf(colour, sizeof colour, "#%02X%02X%02X", palette[ink].red, palette[ink].green, palette[ink].blue);
        text += std::string("\"") + inkCharacters[ink] + " c " + colour + "\",\n";
    }
    for (int y = 0; y < raster.height(); ++y) {
        text += '"';
        for (int x = 0; x < raster.width(); ++x) {
            const Ink ink = raster.at(x, y);
            if (ink != transparent && ink >= palette.size())
                throw std::invalid_argument("ink outside the palette");
            text += ink == transparent ? transparentCharacter : inkCharacters[ink];
        }
        text += y + 1 < raster.height() ? "\",\n" : "\"\n";
    }
    text += "};\n";
    return Bytes(text.begin(), text.end());
}

void writeFile(const std::filesystem::path &path, const Bytes &bytes)
{
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char *>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    file.close();
    if (!file)
        throw std::runtime_error("cannot write " + path.string());
}

} // namespace artwork
