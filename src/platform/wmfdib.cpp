// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfdib.h"

#include "wmfbytes.h"

#include <bit>
#include <limits>

namespace {

constexpr quint32 BiRgb = 0;
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

} // namespace

namespace WmfDib {

Decoded decode(const uchar *data, qsizetype size, quint16 colorUsage, const QList<QRgb> &palette,
               qint64 maxPixels)
{
    Decoded out;
    WmfBytes in(data, size);
    const quint32 headerSize = in.u32();
    if (!in.ok())
        return out;
    qint64 width = 0;
    qint64 height = 0;
    int bitCount = 0;
    quint32 compression = BiRgb;
    quint32 colorsUsed = 0;
    bool core = false;
    quint32 masks[3] = {0, 0, 0};
    if (headerSize == 12) {
        core = true;
        width = in.u16();
        height = in.u16();
        in.u16();   // planes
        bitCount = in.u16();
    } else if (headerSize >= 40 && qint64(headerSize) <= qint64(size)) {
        width = in.s32();
        const qint32 rawHeight = in.s32();
        in.u16();   // planes
        bitCount = in.u16();
        compression = in.u32();
        in.u32();   // image size, often 0 for BI_RGB
        in.u32();   // pixels per metre
        in.u32();
        colorsUsed = in.u32();
        in.u32();   // important colours
        if (!in.ok() || rawHeight == std::numeric_limits<qint32>::min())
            return out;
        height = rawHeight;
        if (headerSize >= 52) {
            // Version 2 and later headers carry the masks themselves.
            for (quint32 &mask : masks)
                mask = in.u32();
        }
        in.skip(qint64(headerSize) - in.position());
        if (compression == BiBitfields && headerSize == 40) {
            for (quint32 &mask : masks)
                mask = in.u32();
        }
    } else {
        return out;
    }
    if (!in.ok())
        return out;
    if (height < 0) {
        if (compression != BiRgb && compression != BiBitfields)
            return out;
        out.bottomUp = false;
        height = -height;
    }
    if (!validSize(width, height, maxPixels))
        return out;
    if (compression == BiBitfields) {
        if (bitCount != 16 && bitCount != 32)
            return out;
    } else if (compression != BiRgb) {
        return out;
    }
    if (bitCount != 1 && bitCount != 4 && bitCount != 8 && bitCount != 16 && bitCount != 24
        && bitCount != 32)
        return out;

    // The colour table: every entry stored is skipped over, the first 2^bits are used.
    if (colorsUsed > 65536)
        return out;
    qint64 entries = colorsUsed;
    if (bitCount <= 8 && entries == 0)
        entries = qint64(1) << bitCount;
    const qint64 entrySize = colorUsage == PaletteColors ? 2 : (core ? 3 : 4);
    if (!in.has(entries * entrySize))
        return out;
    QList<QRgb> colors;
    if (bitCount <= 8) {
        const qint64 usable = qMin<qint64>(entries, qint64(1) << bitCount);
        colors.reserve(qint64(1) << bitCount);
        WmfBytes table(in.current(), entries * entrySize);
        for (qint64 i = 0; i < usable; ++i) {
            if (colorUsage == PaletteColors) {
                const quint16 index = table.u16();
                colors.append(index < palette.size() ? palette.at(index) : qRgb(0, 0, 0));
            } else {
                const quint8 b = table.u8();
                const quint8 g = table.u8();
                const quint8 r = table.u8();
                if (!core)
                    table.u8();
                colors.append(qRgb(r, g, b));
            }
        }
        while (colors.size() < (qint64(1) << bitCount))
            colors.append(qRgb(0, 0, 0));
    }
    in.skip(entries * entrySize);

    const qint64 stride = strideOf(width, bitCount);
    if (!in.has(stride * height))
        return out;
    const uchar *bits = in.current();

    if (compression == BiRgb) {
        if (bitCount == 16) {
            masks[0] = 0x7C00;
            masks[1] = 0x03E0;
            masks[2] = 0x001F;
        } else if (bitCount == 32) {
            masks[0] = 0x00FF0000;
            masks[1] = 0x0000FF00;
            masks[2] = 0x000000FF;
        }
    }
    const Channel red = Channel::of(masks[0]);
    const Channel green = Channel::of(masks[1]);
    const Channel blue = Channel::of(masks[2]);

    QImage image(int(width), int(height), QImage::Format_RGB32);
    if (image.isNull())
        return out;
    for (qint64 row = 0; row < height; ++row) {
        const uchar *src = bits + stride * (out.bottomUp ? height - 1 - row : row);
        auto *dst = reinterpret_cast<QRgb *>(image.scanLine(int(row)));
        for (qint64 x = 0; x < width; ++x) {
            switch (bitCount) {
            case 1:
                dst[x] = colors.at((src[x >> 3] >> (7 - (x & 7))) & 1);
                break;
            case 4:
                dst[x] = colors.at((src[x >> 1] >> ((x & 1) ? 0 : 4)) & 0x0F);
                break;
            case 8:
                dst[x] = colors.at(src[x]);
                break;
            case 16: {
                const quint32 p = qFromLittleEndian<quint16>(src + 2 * x);
                dst[x] = qRgb(red.value(p), green.value(p), blue.value(p));
                break;
            }
            case 24:
                dst[x] = qRgb(src[3 * x + 2], src[3 * x + 1], src[3 * x]);
                break;
            default: {
                const quint32 p = qFromLittleEndian<quint32>(src + 4 * x);
                dst[x] = qRgb(red.value(p), green.value(p), blue.value(p));
                break;
            }
            }
        }
    }
    out.image = image;
    return out;
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
