// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rasterheaders.h"

#include <QtEndian>

#include <optional>

namespace {

constexpr qsizetype RiffHeaderSize = 12;
constexpr qsizetype ChunkHeaderSize = 8;
constexpr qsizetype TiffHeaderSize = 8;
constexpr qsizetype TiffEntrySize = 12;

enum class TiffTag : quint16 { ImageWidth = 256, ImageLength = 257 };
enum class TiffType : quint16 { Short = 3, Long = 4 };

SizeResult failed(const QString &why)
{
    return {{}, why};
}

// The size once read: neither side zero, neither above MaxPictureSide.
SizeResult checkedSize(quint32 width, quint32 height, const char *format)
{
    if (width == 0 || height == 0)
        return failed(QStringLiteral("the %1 file declares an empty picture").arg(QLatin1String(format)));
    if (width > quint32(MaxPictureSide) || height > quint32(MaxPictureSide))
        return failed(QStringLiteral("the picture is too large"));
    return {QSize(int(width), int(height)), {}};
}

const uchar *at(const QByteArray &bytes, qsizetype offset)
{
    return reinterpret_cast<const uchar *>(bytes.constData()) + offset;
}

quint32 u24(const uchar *p)
{
    return quint32(p[0]) | quint32(p[1]) << 8 | quint32(p[2]) << 16;
}

SizeResult vp8Size(const QByteArray &bytes, qsizetype data, quint32 length)
{
    // A three-byte frame tag, the start code 9d 01 2a, then 14-bit width and height.
    if (length < 10)
        return failed(QStringLiteral("the WebP picture header is cut short"));
    const uchar *frame = at(bytes, data);
    if (frame[3] != 0x9d || frame[4] != 0x01 || frame[5] != 0x2a)
        return failed(QStringLiteral("the WebP picture has no start code"));
    return checkedSize(qFromLittleEndian<quint16>(frame + 6) & 0x3fff,
                       qFromLittleEndian<quint16>(frame + 8) & 0x3fff, "WebP");
}

SizeResult vp8lSize(const QByteArray &bytes, qsizetype data, quint32 length)
{
    // The signature 0x2f, then width - 1 and height - 1 in 14 bits each.
    if (length < 5)
        return failed(QStringLiteral("the WebP picture header is cut short"));
    const uchar *header = at(bytes, data);
    if (header[0] != 0x2f)
        return failed(QStringLiteral("the WebP picture has no lossless signature"));
    const quint32 bits = qFromLittleEndian<quint32>(header + 1);
    return checkedSize((bits & 0x3fff) + 1, ((bits >> 14) & 0x3fff) + 1, "WebP");
}

SizeResult vp8xSize(const QByteArray &bytes, qsizetype data, quint32 length)
{
    // Flags and three reserved bytes, then the canvas's width - 1 and height - 1 in 24 bits.
    if (length < 10)
        return failed(QStringLiteral("the WebP picture header is cut short"));
    const uchar *header = at(bytes, data);
    return checkedSize(u24(header + 4) + 1, u24(header + 7) + 1, "WebP");
}

// A value of a directory entry in the file's byte order.
struct TiffReader
{
    const QByteArray &bytes;
    bool bigEndian;

    quint16 u16(qsizetype offset) const
    {
        return bigEndian ? qFromBigEndian<quint16>(at(bytes, offset)) : qFromLittleEndian<quint16>(at(bytes, offset));
    }
    quint32 u32(qsizetype offset) const
    {
        return bigEndian ? qFromBigEndian<quint32>(at(bytes, offset)) : qFromLittleEndian<quint32>(at(bytes, offset));
    }
    // A single SHORT or LONG value held in the entry itself; nullopt for anything else.
    std::optional<quint32> number(qsizetype entry) const
    {
        const auto type = TiffType(u16(entry + 2));
        if (u32(entry + 4) < 1)
            return std::nullopt;
        if (type == TiffType::Short)
            return u16(entry + 8);
        if (type == TiffType::Long)
            return u32(entry + 8);
        return std::nullopt;
    }
};

} // namespace

SizeResult webpDeclaredSize(const QByteArray &bytes)
{
    if (bytes.size() < RiffHeaderSize + ChunkHeaderSize || !bytes.startsWith("RIFF")
        || bytes.mid(8, 4) != "WEBP")
        return failed(QStringLiteral("the data is not a WebP picture"));
    const quint32 riffLength = qFromLittleEndian<quint32>(at(bytes, 4));
    if (riffLength > quint64(bytes.size() - ChunkHeaderSize))
        return failed(QStringLiteral("the WebP file is cut short"));
    const QByteArray chunk = bytes.mid(RiffHeaderSize, 4);
    const quint32 length = qFromLittleEndian<quint32>(at(bytes, RiffHeaderSize + 4));
    const qsizetype data = RiffHeaderSize + ChunkHeaderSize;
    if (length > quint64(bytes.size() - data))
        return failed(QStringLiteral("the WebP file is cut short"));
    if (chunk == "VP8 ")
        return vp8Size(bytes, data, length);
    if (chunk == "VP8L")
        return vp8lSize(bytes, data, length);
    if (chunk == "VP8X")
        return vp8xSize(bytes, data, length);
    return failed(QStringLiteral("the WebP file has no picture header"));
}

SizeResult tiffDeclaredSize(const QByteArray &bytes)
{
    if (bytes.size() < TiffHeaderSize)
        return failed(QStringLiteral("the data is not a TIFF picture"));
    const bool little = bytes.startsWith(QByteArrayLiteral("II"));
    const bool big = bytes.startsWith(QByteArrayLiteral("MM"));
    if (!little && !big)
        return failed(QStringLiteral("the data is not a TIFF picture"));
    const TiffReader tiff{bytes, big};
    const quint16 magic = tiff.u16(2);
    if (magic == 43)
        return failed(QStringLiteral("BigTIFF files are not read"));
    if (magic != 42)
        return failed(QStringLiteral("the data is not a TIFF picture"));
    const quint32 directory = tiff.u32(4);
    if (directory < TiffHeaderSize || directory > quint64(bytes.size() - 2))
        return failed(QStringLiteral("the TIFF file's first directory lies outside it"));
    const quint16 count = tiff.u16(directory);
    if (count == 0 || quint64(directory) + 2 + quint64(count) * TiffEntrySize > quint64(bytes.size()))
        return failed(QStringLiteral("the TIFF file is cut short"));
    std::optional<quint32> width;
    std::optional<quint32> height;
    for (quint16 i = 0; i < count; ++i) {
        const qsizetype entry = directory + 2 + qsizetype(i) * TiffEntrySize;
        const auto tag = TiffTag(tiff.u16(entry));
        if (tag == TiffTag::ImageWidth)
            width = tiff.number(entry);
        else if (tag == TiffTag::ImageLength)
            height = tiff.number(entry);
    }
    if (!width || !height)
        return failed(QStringLiteral("the TIFF file declares no picture size"));
    return checkedSize(*width, *height, "TIFF");
}
