// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconimage.h"

#include "images/iconbytes.h"
#include "images/rasterloader.h"

#include <algorithm>
#include <tuple>

namespace {

using IconBytes::fieldsAt;

enum class IconFileType : quint16 { Icon = 1, Cursor = 2 };
enum class BitmapCompression : quint32 { Rgb = 0 };

constexpr qint64 IconFileHeaderSize = 6;
constexpr qint64 IconFileEntrySize = 16;
constexpr qint64 BitmapInfoHeaderSize = 40;
constexpr QByteArrayView PngSignature("\x89PNG\r\n\x1a\n", 8);

bool isPng(QByteArrayView data)
{
    return data.startsWith(PngSignature);
}

// The header fields of an icon bitmap that decoding needs.
struct IconBitmapHeader
{
    qint64 headerSize = 0;
    qint32 width = 0;
    qint32 height = 0; // of the colour bitmap, half the stored height
    int bitCount = 0;
    quint32 compression = 0;
    quint32 colorsUsed = 0;
};

std::optional<IconBitmapHeader> readBitmapHeader(QByteArrayView data)
{
    WmfBytes fields = fieldsAt(data, 0);
    IconBitmapHeader header;
    header.headerSize = fields.u32();
    header.width = fields.s32();
    const qint32 storedHeight = fields.s32();
    const int planes = fields.u16();
    header.bitCount = fields.u16();
    header.compression = fields.u32();
    fields.skip(12); // image size, resolution
    header.colorsUsed = fields.u32();
    if (!fields.ok() || header.headerSize < BitmapInfoHeaderSize || header.headerSize > data.size())
        return std::nullopt;
    // Icon bitmaps are stored bottom-up with the mask below the colours: a positive height
    // twice the icon's.
    header.height = storedHeight / 2;
    if (planes != 1 || header.width < 1 || header.width > MaxIconSide || header.height < 1
        || header.height > MaxIconSide)
        return std::nullopt;
    return header;
}

// Bytes in one row of a bitmap, rows being padded to 32 bits.
qint64 rowBytes(qint64 width, int bitCount)
{
    return (width * bitCount + 31) / 32 * 4;
}

// Entries in the colour table: the bitmap's palette, or for deeper bitmaps an optional
// table that only hints at the colours used and is skipped.
quint32 colorTableSize(const IconBitmapHeader &header)
{
    if (header.colorsUsed != 0 || header.bitCount > 8)
        return header.colorsUsed;
    return 1u << header.bitCount;
}

QList<QRgb> readPalette(QByteArrayView data, const IconBitmapHeader &header, bool *ok)
{
    QList<QRgb> palette;
    const quint32 count = colorTableSize(header);
    WmfBytes fields = fieldsAt(data, header.headerSize);
    if (count > 256 || !fields.has(qint64(count) * 4)) {
        *ok = false;
        return palette;
    }
    if (header.bitCount > 8)
        return palette;
    palette.reserve(count);
    for (quint32 index = 0; index < count; ++index) {
        const quint8 blue = fields.u8();
        const quint8 green = fields.u8();
        const quint8 red = fields.u8();
        fields.skip(1);
        palette.append(qRgb(red, green, blue));
    }
    return palette;
}

// The colour of pixel x of a bitmap row; 32-bit pixels keep their alpha byte.
QRgb pixelOf(const uchar *row, int x, int bitCount, const QList<QRgb> &palette)
{
    const auto fromPalette = [&palette](int index) {
        return index < palette.size() ? palette[index] : qRgb(0, 0, 0);
    };
    switch (bitCount) {
    case 1: return fromPalette((row[x / 8] >> (7 - x % 8)) & 1);
    case 4: return fromPalette((row[x / 2] >> (x % 2 ? 0 : 4)) & 0xF);
    case 8: return fromPalette(row[x]);
    case 16: {
        // 5 bits each of red, green and blue, widened so that 31 becomes 255.
        const int value = row[2 * x] | row[2 * x + 1] << 8;
        const auto widen = [](int five) { return five << 3 | five >> 2; };
        return qRgb(widen(value >> 10 & 31), widen(value >> 5 & 31), widen(value & 31));
    }
    case 24: return qRgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
    case 32: return qRgba(row[4 * x + 2], row[4 * x + 1], row[4 * x], row[4 * x + 3]);
    default: return qRgb(0, 0, 0);
    }
}

ImageResult decodeBitmapIcon(QByteArrayView data)
{
    const std::optional<IconBitmapHeader> header = readBitmapHeader(data);
    if (!header)
        return ImageResult::failed(QStringLiteral("The icon's bitmap header is damaged."));
    const int bits = header->bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return ImageResult::failed(QStringLiteral("Icons of %1 bits per pixel are not supported.").arg(bits));
    if (BitmapCompression(header->compression) != BitmapCompression::Rgb)
        return ImageResult::failed(QStringLiteral("Compressed icon bitmaps are not supported."));
    bool ok = true;
    const QList<QRgb> palette = readPalette(data, *header, &ok);
    if (!ok)
        return ImageResult::failed(QStringLiteral("The icon's palette is damaged."));
    const int width = header->width;
    const int height = header->height;
    const qint64 colorStart = header->headerSize + qint64(colorTableSize(*header)) * 4;
    const qint64 colorStride = rowBytes(width, bits);
    const qint64 maskStart = colorStart + colorStride * height;
    const qint64 maskStride = rowBytes(width, 1);
    if (maskStart > data.size())
        return ImageResult::failed(QStringLiteral("The icon's bitmap is cut short."));
    // Some writers leave the mask out; such an icon is opaque (or keeps its alpha).
    const bool hasMask = maskStride * height <= data.size() - maskStart;
    const auto *bytes = reinterpret_cast<const uchar *>(data.data());

    QImage image(width, height, QImage::Format_ARGB32);
    if (image.isNull())
        return ImageResult::failed(QStringLiteral("Out of memory for the icon."));
    bool anyAlpha = false;
    for (int y = 0; y < height; ++y) {
        const uchar *row = bytes + colorStart + colorStride * (height - 1 - y);
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            line[x] = pixelOf(row, x, bits, palette);
            anyAlpha = anyAlpha || (bits == 32 && qAlpha(line[x]) != 0);
        }
    }
    // A 32-bit icon whose alpha bytes are all zero was written for the mask alone.
    if (anyAlpha)
        return {image, {}};
    for (int y = 0; y < height; ++y) {
        const uchar *mask = hasMask ? bytes + maskStart + maskStride * (height - 1 - y) : nullptr;
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < width; ++x) {
            const bool transparent = mask && (mask[x / 8] >> (7 - x % 8)) & 1;
            line[x] = transparent ? qRgba(0, 0, 0, 0) : (line[x] | 0xFF000000u);
        }
    }
    return {image, {}};
}

// The bits per pixel a directory's colour count stands for; 0 means 256 colours or more.
int depthFromColorCount(int colorCount)
{
    if (colorCount == 0)
        return 8;
    int bits = 1;
    while (bits < 8 && (1 << bits) < colorCount)
        ++bits;
    return bits;
}

} // namespace

int iconEntryDepth(const IconEntry &entry)
{
    if (isPng(entry.data))
        return 32;
    WmfBytes fields = fieldsAt(entry.data, 12);
    const int planes = fields.u16();
    const int bitCount = fields.u16();
    if (fields.ok() && planes == 1 && bitCount > 0 && bitCount <= 32)
        return bitCount;
    if (entry.bitCount > 0 && entry.bitCount <= 32)
        return entry.bitCount;
    return depthFromColorCount(entry.colorCount);
}

qsizetype chooseIconEntry(const QList<IconEntry> &entries, QSize desired)
{
    // Lower keys are better: exact sizes, then larger sizes nearest first, then smaller
    // sizes largest first; within a size the most colours.
    const auto key = [desired](const IconEntry &entry) {
        const qint64 area = qint64(entry.width) * entry.height;
        int kind = 2;
        if (entry.width == desired.width() && entry.height == desired.height())
            kind = 0;
        else if (entry.width >= desired.width() && entry.height >= desired.height())
            kind = 1;
        return std::tuple(kind, kind == 2 ? -area : area, -iconEntryDepth(entry));
    };
    qsizetype best = -1;
    for (qsizetype index = 0; index < entries.size(); ++index) {
        if (best < 0 || key(entries[index]) < key(entries[best]))
            best = index;
    }
    return best;
}

ImageResult decodeIconImage(QByteArrayView data)
{
    if (!isPng(data))
        return decodeBitmapIcon(data);
    ImageResult result = decodeWithReader(data.toByteArray(), "png");
    if (!result.ok())
        return result;
    if (result.image.width() > MaxIconSide || result.image.height() > MaxIconSide)
        return ImageResult::failed(QStringLiteral("The icon is too large."));
    result.image = result.image.convertToFormat(QImage::Format_ARGB32);
    return result;
}

bool looksLikeIconFile(QByteArrayView file)
{
    WmfBytes fields = fieldsAt(file, 0);
    const quint16 reserved = fields.u16();
    const auto type = IconFileType(fields.u16());
    return fields.ok() && reserved == 0 && (type == IconFileType::Icon || type == IconFileType::Cursor);
}

QList<IconEntry> readIconFileEntries(QByteArrayView file)
{
    QList<IconEntry> entries;
    if (!looksLikeIconFile(file))
        return entries;
    const int count = fieldsAt(file, 4).u16();
    // A count larger than the file can hold is cut to the entries that are there.
    const qint64 fit = (file.size() - IconFileHeaderSize) / IconFileEntrySize;
    WmfBytes fields = fieldsAt(file, IconFileHeaderSize);
    for (qint64 index = 0; index < std::min<qint64>(count, fit); ++index) {
        IconEntry entry;
        entry.width = fields.u8();
        entry.height = fields.u8();
        entry.colorCount = fields.u8();
        fields.skip(3); // reserved, planes (or a cursor's hot spot)
        entry.bitCount = fields.u16();
        const quint32 length = fields.u32();
        const quint32 offset = fields.u32();
        const std::optional<QByteArrayView> data = IconBytes::slice(file, offset, length);
        if (!fields.ok() || !data)
            continue;
        entry.width = entry.width == 0 ? 256 : entry.width;
        entry.height = entry.height == 0 ? 256 : entry.height;
        entry.data = *data;
        entries.append(entry);
    }
    return entries;
}
