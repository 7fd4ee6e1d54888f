// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfdib.h"

#include "wmfbytes.h"

#include <bit>
#include <cstdlib>
#include <limits>
#include <optional>
#include <vector>

namespace {

constexpr quint32 BiRgb = 0;
constexpr quint32 BiRle8 = 1;
constexpr quint32 BiRle4 = 2;
constexpr quint32 BiBitfields = 3;
constexpr qint64 MaxDimension = 1 << 20;

// Bytes in one stored row: rows are padded to 32 bits.
qint64 strideOf(qint64 width, int bitsPerPixel)
{
    return ((width * bitsPerPixel + 31) / 32) * 4;
}

// A colour channel from a bit mask, scaled to 8 bits.
struct Channel
{
    quint32 mask = 0;
    int shift = 0;
    int bits = 0;

    static Channel of(quint32 mask)
    {
        Channel c;
        c.mask = mask;
        if (mask != 0) {
            c.shift = std::countr_zero(mask);
            c.bits = std::popcount(mask >> c.shift);
            if (c.bits > 8) {
                c.shift += c.bits - 8;
                c.bits = 8;
            }
        }
        return c;
    }
    int value(quint32 pixel) const
    {
        if (bits == 0)
            return 0;
        const quint32 v = (pixel >> shift) & ((1u << bits) - 1);
        const quint32 max = (1u << bits) - 1;
        return int((v * 255 + max / 2) / max);
    }
};

bool validSize(qint64 width, qint64 height, qint64 maxPixels)
{
    return width > 0 && height > 0 && width <= MaxDimension && height <= MaxDimension
           && width * height <= maxPixels;
}

struct Header
{
    qint64 width = 0;
    qint64 height = 0;     // positive: rows stored bottom row first
    int bitCount = 0;
    quint32 compression = BiRgb;
    quint32 colorsUsed = 0;
    bool core = false;     // a BITMAPCOREHEADER, with three-byte colour entries
    quint32 masks[3] = {0, 0, 0};
};

// BITMAPINFOHEADER or a later, longer version of it ([MS-WMF] 2.2.2.3), or the older
// BITMAPCOREHEADER (2.2.2.2); the reader is left at the colour table.
std::optional<Header> readHeader(WmfBytes &in, qsizetype size)
{
    Header h;
    const quint32 headerSize = in.u32();
    if (headerSize == 12) {
        h.core = true;
        h.width = in.u16();
        h.height = in.u16();
        in.u16();                          // planes
        h.bitCount = in.u16();
        return in.ok() ? std::optional(h) : std::nullopt;
    }
    if (headerSize < 40 || qint64(headerSize) > qint64(size))
        return std::nullopt;
    h.width = in.s32();
    const qint32 height = in.s32();
    in.u16();                              // planes
    h.bitCount = in.u16();
    h.compression = in.u32();
    in.skip(12);                           // image size, pixels per metre
    h.colorsUsed = in.u32();
    in.u32();                              // important colours
    if (headerSize >= 52) {
        for (quint32 &mask : h.masks)      // version 2 and later carry their masks
            mask = in.u32();
    }
    in.skip(qint64(headerSize) - in.position());
    if (h.compression == BiBitfields && headerSize == 40) {
        for (quint32 &mask : h.masks)
            mask = in.u32();
    }
    if (!in.ok() || height == std::numeric_limits<qint32>::min())
        return std::nullopt;
    h.height = height;
    return h;
}

bool supported(const Header &h, qint64 maxPixels)
{
    const qint64 height = std::abs(h.height);
    if (!validSize(h.width, height, maxPixels) || h.colorsUsed > 65536)
        return false;
    if (h.compression == BiBitfields)
        return h.bitCount == 16 || h.bitCount == 32;
    // Run-length encoded bitmaps are always stored bottom row first.
    if (h.compression == BiRle8 || h.compression == BiRle4)
        return h.bitCount == (h.compression == BiRle8 ? 8 : 4) && h.height > 0;
    if (h.compression != BiRgb)
        return false;
    return h.bitCount == 1 || h.bitCount == 4 || h.bitCount == 8 || h.bitCount == 16
           || h.bitCount == 24 || h.bitCount == 32;
}

// The colour table: every stored entry is skipped over, the first 2^bits are used, and
// missing ones are black.
std::optional<QList<QRgb>> readColors(WmfBytes &in, const Header &h, quint16 usage,
                                      const QList<QRgb> &palette)
{
    qint64 entries = h.colorsUsed;
    if (h.bitCount <= 8 && entries == 0)
        entries = qint64(1) << h.bitCount;
    const qint64 entrySize = usage == WmfDib::PaletteColors ? 2 : (h.core ? 3 : 4);
    if (!in.has(entries * entrySize))
        return std::nullopt;
    QList<QRgb> colors;
    WmfBytes table(in.bytes(entries * entrySize), entries * entrySize);
    const qint64 used = h.bitCount <= 8 ? qMin<qint64>(entries, qint64(1) << h.bitCount) : 0;
    for (qint64 i = 0; i < used; ++i) {
        if (usage == WmfDib::PaletteColors) {
            const quint16 index = table.u16();
            colors.append(index < palette.size() ? palette.at(index) : qRgb(0, 0, 0));
            continue;
        }
        const quint8 b = table.u8();
        const quint8 g = table.u8();
        const quint8 r = table.u8();
        if (!h.core)
            table.u8();
        colors.append(qRgb(r, g, b));
    }
    while (h.bitCount <= 8 && colors.size() < (qint64(1) << h.bitCount))
        colors.append(qRgb(0, 0, 0));
    return colors;
}

struct Channels
{
    Channel red;
    Channel green;
    Channel blue;
};

Channels channelsOf(const Header &h)
{
    if (h.compression == BiBitfields)
        return {Channel::of(h.masks[0]), Channel::of(h.masks[1]), Channel::of(h.masks[2])};
    if (h.bitCount == 16)
        return {Channel::of(0x7C00), Channel::of(0x03E0), Channel::of(0x001F)};
    return {Channel::of(0x00FF0000), Channel::of(0x0000FF00), Channel::of(0x000000FF)};
}

QRgb pixel(const uchar *row, qint64 x, int bitCount, const QList<QRgb> &colors,
           const Channels &c)
{
    switch (bitCount) {
    case 1: return colors.at((row[x >> 3] >> (7 - (x & 7))) & 1);
    case 4: return colors.at((row[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
    case 8: return colors.at(row[x]);
    case 24: return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 16: {
        const quint32 p = qFromLittleEndian<quint16>(row + 2 * x);
        return qRgb(c.red.value(p), c.green.value(p), c.blue.value(p));
    }
    default: {
        const quint32 p = qFromLittleEndian<quint32>(row + 4 * x);
        return qRgb(c.red.value(p), c.green.value(p), c.blue.value(p));
    }
    }
}


// Colour indexes of a BI_RLE8 or BI_RLE4 bitmap, top row first. Pixels the runs skip keep
// index 0. Every step consumes at least two bytes and writes at most 255 pixels, so the
// work is bounded by the data's size whatever the codes say.
std::vector<quint8> expandRunLength(WmfBytes &in, qint64 width, qint64 height, bool fourBits)
{
    std::vector<quint8> indexes(size_t(width * height), 0);
    qint64 x = 0;
    qint64 row = 0;   // counted from the bottom
    const auto put = [&](quint8 index) {
        if (x < width && row < height)
            indexes[size_t((height - 1 - row) * width + x)] = index;
        ++x;
    };
    while (in.has(2) && row < height) {
        const quint8 count = in.u8();
        const quint8 code = in.u8();
        if (count > 0) {
            // An encoded run: the pixel (or pair of 4-bit pixels) repeated.
            for (int i = 0; i < count; ++i)
                put(fourBits ? ((i % 2) ? code & 0x0F : code >> 4) : code);
            continue;
        }
        if (code == 0) {            // end of line
            x = 0;
            ++row;
        } else if (code == 1) {     // end of bitmap
            break;
        } else if (code == 2) {     // delta: right and up
            x += in.u8();
            row += in.u8();
        } else {                    // absolute: code pixels, padded to a whole word
            const qint64 bytes = fourBits ? (code + 1) / 2 : code;
            const uchar *literal = in.bytes(bytes);
            if (!literal)
                break;
            for (int i = 0; i < code; ++i)
                put(fourBits ? ((i % 2) ? literal[i / 2] & 0x0F : literal[i / 2] >> 4) : literal[i]);
            if (bytes % 2)
                in.skip(1);
        }
    }
    return indexes;
}

WmfDib::Decoded decodeRunLength(WmfBytes &in, const Header &h, const QList<QRgb> &colors)
{
    QImage image(int(h.width), int(h.height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const std::vector<quint8> indexes = expandRunLength(in, h.width, h.height, h.compression == BiRle4);
    for (qint64 row = 0; row < h.height; ++row) {
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(row)));
        const quint8 *src = indexes.data() + row * h.width;
        for (qint64 x = 0; x < h.width; ++x)
            dst[x] = colors.at(src[x]);
    }
    WmfDib::Decoded out;
    out.image = image;
    return out;
}

// 32-bit pixels whose fourth byte is a premultiplied alpha, as AlphaBlend's sources have
// them; a bitmap whose alpha bytes are all zero never used them and is opaque.
QImage withAlpha(const uchar *bits, qint64 stride, const Header &h)
{
    const qint64 height = std::abs(h.height);
    bool anyAlpha = false;
    for (qint64 row = 0; row < height && !anyAlpha; ++row) {
        for (qint64 x = 0; x < h.width && !anyAlpha; ++x)
            anyAlpha = bits[stride * row + 4 * x + 3] != 0;
    }
    if (!anyAlpha)
        return {};
    QImage image(int(h.width), int(height), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        return {};
    for (qint64 row = 0; row < height; ++row) {
        const uchar *src = bits + stride * (h.height > 0 ? height - 1 - row : row);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(row)));
        for (qint64 x = 0; x < h.width; ++x) {
            const uchar *p = src + 4 * x;
            const int a = p[3];
            dst[x] = qRgba(std::min<int>(p[2], a), std::min<int>(p[1], a), std::min<int>(p[0], a), a);
        }
    }
    return image;
}

WmfDib::Decoded decodePixels(const Header &h, const QList<QRgb> &colors, WmfBytes &in,
                             bool keepAlpha)
{
    if (h.compression == BiRle8 || h.compression == BiRle4)
        return decodeRunLength(in, h, colors);
    const qint64 height = std::abs(h.height);
    const qint64 stride = strideOf(h.width, h.bitCount);
    if (!in.has(stride * height))
        return {};
    WmfDib::Decoded out;
    out.bottomUp = h.height > 0;
    const uchar *bits = in.current();
    if (keepAlpha && h.bitCount == 32 && h.compression == BiRgb) {
        out.image = withAlpha(bits, stride, h);
        if (!out.image.isNull())
            return out;
    }
    QImage image(int(h.width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    const Channels channels = channelsOf(h);
    for (qint64 row = 0; row < height; ++row) {
        const uchar *src = bits + stride * (out.bottomUp ? height - 1 - row : row);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(row)));
        for (qint64 x = 0; x < h.width; ++x)
            dst[x] = pixel(src, x, h.bitCount, colors, channels);
    }
    out.image = image;
    return out;
}

} // namespace

namespace WmfDib {

Decoded decode(const uchar *data, qsizetype size, quint16 colorUsage, const QList<QRgb> &palette,
               qint64 maxPixels)
{
    WmfBytes in(data, size);
    const std::optional<Header> h = readHeader(in, size);
    if (!h || !supported(*h, maxPixels))
        return {};
    const std::optional<QList<QRgb>> colors = readColors(in, *h, colorUsage, palette);
    if (!colors)
        return {};
    return decodePixels(*h, *colors, in, false);
}

Decoded decode(const uchar *info, qsizetype infoSize, const uchar *bits, qsizetype bitsSize,
               quint16 colorUsage, const QList<QRgb> &palette, qint64 maxPixels, bool keepAlpha)
{
    WmfBytes in(info, infoSize);
    const std::optional<Header> h = readHeader(in, infoSize);
    if (!h || !supported(*h, maxPixels))
        return {};
    const std::optional<QList<QRgb>> colors = readColors(in, *h, colorUsage, palette);
    if (!colors)
        return {};
    WmfBytes pixels(bits, bitsSize);
    return decodePixels(*h, *colors, pixels, keepAlpha);
}

QImage decodeBitmap16(const uchar *data, qsizetype size, QRgb foreground, QRgb background,
                      qint64 maxPixels)
{
    WmfBytes in(data, size);
    in.s16();   // type
    const qint64 width = in.s16();
    const qint64 height = in.s16();
    const qint64 widthBytes = in.s16();
    const int planes = in.u8();
    const int bitsPixel = in.u8();
    if (!in.ok() || planes != 1 || !validSize(width, height, maxPixels))
        return {};
    if (bitsPixel != 1 && bitsPixel != 24 && bitsPixel != 32)
        return {};
    if (widthBytes < (width * bitsPixel + 7) / 8 || !in.has(widthBytes * height))
        return {};
    const uchar *bits = in.current();
    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return {};
    for (qint64 row = 0; row < height; ++row) {
        const uchar *src = bits + widthBytes * row;
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(row)));
        for (qint64 x = 0; x < width; ++x) {
            if (bitsPixel == 1)
                dst[x] = ((src[x >> 3] >> (7 - (x & 7))) & 1) ? background : foreground;
            else if (bitsPixel == 24)
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
            else
                dst[x] = qRgb(src[4 * x + 2], src[4 * x + 1], src[4 * x]);
        }
    }
    return image;
}

} // namespace WmfDib
