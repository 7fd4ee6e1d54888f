// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "bmpfile.h"

#include "images/bmpbitfields.h"
#include "images/rasterloader.h"

#include <QtEndian>

#include <algorithm>
#include <limits>
#include <optional>

namespace {

constexpr int FileHeaderSize = 14;
constexpr int CoreHeaderSize = 12;
constexpr int InfoHeaderSize = 40;

enum class BmpCompression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

struct DibHeader
{
    quint32 headerSize = 0;
    qint64 width = 0;
    qint64 height = 0; // negative for top-down
    int bitCount = 0;
    quint32 compression = 0;
    quint32 coloursUsed = 0;
};

quint32 u32At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 u16At(const QByteArray &bytes, qsizetype offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

bool knownHeaderSize(quint32 size)
{
    return size == CoreHeaderSize || size == InfoHeaderSize || size == 52 || size == 56
        || size == 64 || size == 108 || size == 124;
}

// The info header at offset, or nullopt when it is cut short or of an unknown size.
std::optional<DibHeader> readDibHeader(const QByteArray &bytes, qsizetype offset)
{
    if (bytes.size() - offset < 4)
        return std::nullopt;
    DibHeader header;
    header.headerSize = u32At(bytes, offset);
    if (!knownHeaderSize(header.headerSize) || bytes.size() - offset < qint64(header.headerSize))
        return std::nullopt;
    if (header.headerSize == CoreHeaderSize) {
        header.width = u16At(bytes, offset + 4);
        header.height = u16At(bytes, offset + 6);
        header.bitCount = u16At(bytes, offset + 10);
        return header;
    }
    header.width = qint32(u32At(bytes, offset + 4));
    header.height = qint32(u32At(bytes, offset + 8));
    header.bitCount = u16At(bytes, offset + 14);
    header.compression = u32At(bytes, offset + 16);
    header.coloursUsed = u32At(bytes, offset + 32);
    return header;
}

QString checkDepth(const DibHeader &header)
{
    const int bits = header.bitCount;
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32)
        return QStringLiteral("%1 bits a pixel").arg(bits);
    switch (BmpCompression(header.compression)) {
    case BmpCompression::Rgb:
        return {};
    case BmpCompression::Rle8:
    case BmpCompression::Rle4:
        if (bits != (header.compression == 1 ? 8 : 4))
            return QStringLiteral("run-length encoding at %1 bits a pixel").arg(bits);
        if (header.height < 0)
            return QStringLiteral("a top-down run-length encoded picture");
        return {};
    case BmpCompression::BitFields:
        return bits == 16 || bits == 32 ? QString() : QStringLiteral("bit fields at %1 bits").arg(bits);
    }
    return QStringLiteral("compression %1").arg(header.compression);
}

qint64 colourTableBytes(const DibHeader &header)
{
    qint64 bytes = 0;
    if (header.bitCount <= 8) {
        const qint64 count = header.coloursUsed ? header.coloursUsed : (1 << header.bitCount);
        bytes = count * (header.headerSize == CoreHeaderSize ? 3 : 4);
    }
    if (header.compression == quint32(BmpCompression::BitFields) && header.headerSize == InfoHeaderSize)
        bytes += 12;
    return bytes;
}

ImageResult fail(const QString &why)
{
    return ImageResult::failed(QStringLiteral("Not a readable BMP picture: %1.").arg(why));
}

// 16-bit pixels, and 32-bit ones with masks of their own. Qt's reader widens narrow channels
// by shifting alone (white comes out 248, 248, 248), so these are decoded here.
bool storedAsBitFields(const DibHeader &header)
{
    return header.bitCount == 16 || header.compression == quint32(BmpCompression::BitFields);
}

// Headers from version 2 on hold the masks; the 40-byte header (and OS/2's 64-byte one) is
// followed by them.
bool masksInHeader(quint32 headerSize)
{
    return headerSize >= 52 && headerSize != 64;
}

qsizetype colourMasksOffset(const DibHeader &header)
{
    return FileHeaderSize + (masksInHeader(header.headerSize) ? InfoHeaderSize : header.headerSize);
}

// The masks of a picture stored as bit fields; the offsets were checked by checkBitFields().
// Empty masks are channels the picture does not have: all of them empty make it black.
BitFieldMasks readMasks(const QByteArray &bytes, const DibHeader &header)
{
    if (header.compression != quint32(BmpCompression::BitFields))
        return Rgb555Masks;
    const qsizetype start = colourMasksOffset(header);
    BitFieldMasks masks{u32At(bytes, start), u32At(bytes, start + 4), u32At(bytes, start + 8), 0};
    if (masksInHeader(header.headerSize) && header.headerSize >= 56)
        masks.alpha = u32At(bytes, start + 12);
    return masks;
}

QString checkBitFields(const QByteArray &bytes, const DibHeader &header)
{
    if (header.compression != quint32(BmpCompression::BitFields))
        return {};
    if (colourMasksOffset(header) + 12 > bytes.size())
        return QStringLiteral("the bit fields are cut short");
    return {};
}

bool smallerWanted(QSize scaledTo, QSize size)
{
    return scaledTo.isValid() && !scaledTo.isEmpty()
        && (scaledTo.width() < size.width() || scaledTo.height() < size.height());
}

ImageResult decodeBitFieldBmp(const QByteArray &bytes, const DibHeader &header, QSize size,
                              QSize scaledTo)
{
    const auto *pixels = reinterpret_cast<const uchar *>(bytes.constData()) + u32At(bytes, 10);
    QImage image = decodeBitFields(pixels, size, header.height > 0, header.bitCount,
                                   readMasks(bytes, header));
    if (!image.isNull() && smallerWanted(scaledTo, size))
        image = image.scaled(scaledTo.boundedTo(size), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    if (image.isNull())
        return fail(QStringLiteral("there is not enough memory for the picture"));
    return {image, {}};
}

void appendU16(QByteArray &out, quint16 value)
{
    char buffer[2];
    qToLittleEndian(value, buffer);
    out.append(buffer, 2);
}

void appendU32(QByteArray &out, quint32 value)
{
    char buffer[4];
    qToLittleEndian(value, buffer);
    out.append(buffer, 4);
}

} // namespace

SizeResult checkBmp(const QByteArray &bytes)
{
    const auto refuse = [](const QString &why) {
        return SizeResult{QSize(), QStringLiteral("Not a readable BMP picture: %1.").arg(why)};
    };
    if (bytes.size() < FileHeaderSize || !bytes.startsWith("BM"))
        return refuse(QStringLiteral("no BMP file header"));
    const std::optional<DibHeader> header = readDibHeader(bytes, FileHeaderSize);
    if (!header)
        return refuse(QStringLiteral("the info header is damaged or cut short"));
    const qint64 height = qAbs(header->height);
    if (header->width <= 0 || height == 0)
        return refuse(QStringLiteral("the picture has no size"));
    if (header->width > MaxPictureSide || height > MaxPictureSide)
        return refuse(QStringLiteral("the picture is too large"));
    if (const QString depth = checkDepth(*header); !depth.isEmpty())
        return refuse(depth + QStringLiteral(" is not supported"));
    if (const QString fields = checkBitFields(bytes, *header); !fields.isEmpty())
        return refuse(fields);
    const qint64 dataOffset = u32At(bytes, 10);
    if (dataOffset < FileHeaderSize + qint64(header->headerSize) || dataOffset > bytes.size())
        return refuse(QStringLiteral("the pixel data offset lies outside the file"));
    const bool compressed = header->compression == quint32(BmpCompression::Rle8)
        || header->compression == quint32(BmpCompression::Rle4);
    if (!compressed) {
        const qint64 stride = (header->width * header->bitCount + 31) / 32 * 4;
        if (stride * height > bytes.size() - dataOffset)
            return refuse(QStringLiteral("the pixel data is cut short"));
    }
    return {QSize(int(header->width), int(height)), {}};
}

ImageResult decodeBmp(const QByteArray &bytes, QSize scaledTo)
{
    const SizeResult checked = checkBmp(bytes);
    if (!checked.ok())
        return ImageResult::failed(checked.error);
    const DibHeader header = *readDibHeader(bytes, FileHeaderSize);
    if (storedAsBitFields(header))
        return decodeBitFieldBmp(bytes, header, checked.size, scaledTo);
    ImageResult result = decodeWithReader(bytes, "bmp", scaledTo);
    if (!result.ok())
        return fail(result.error);
    return result;
}

QByteArray withBmpFileHeader(const QByteArray &bytes)
{
    if (bytes.startsWith("BM"))
        return bytes;
    const std::optional<DibHeader> header = readDibHeader(bytes, 0);
    if (!header || header->bitCount > 32)
        return bytes;
    const qint64 offset = FileHeaderSize + header->headerSize + colourTableBytes(*header);
    const qint64 size = FileHeaderSize + bytes.size();
    if (size > std::numeric_limits<quint32>::max())
        return bytes;
    QByteArray file;
    file.reserve(size);
    file.append("BM", 2);                    // type
    appendU32(file, quint32(size));          // file size
    appendU32(file, 0);                      // two reserved words
    appendU32(file, quint32(offset));        // offset of the pixels
    file.append(bytes);
    return file;
}

namespace {

// An 8-bit picture keeps its palette: small textures stay a quarter of their 24-bit size.
QByteArray writeIndexedBmp(const QImage &image)
{
    const QList<QRgb> palette = image.colorTable();
    const qint64 stride = (qint64(image.width()) + 3) / 4 * 4;
    const qint64 pixelBytes = stride * image.height();
    const qint64 offset = FileHeaderSize + InfoHeaderSize + 4 * qint64(palette.size());
    if (offset + pixelBytes > std::numeric_limits<qint32>::max())
        return {};

    QByteArray out;
    out.reserve(offset + pixelBytes);
    out.append("BM", 2);                           // type
    appendU32(out, quint32(offset + pixelBytes));  // file size
    appendU32(out, 0);                             // two reserved words
    appendU32(out, quint32(offset));               // offset of the pixels
    appendU32(out, InfoHeaderSize);                // info header size
    appendU32(out, quint32(image.width()));        // width
    appendU32(out, quint32(image.height()));       // height, positive: bottom-up
    appendU16(out, 1);                             // planes
    appendU16(out, 8);                             // bits a pixel
    appendU32(out, quint32(BmpCompression::Rgb));  // compression
    appendU32(out, quint32(pixelBytes));           // size of the pixels
    appendU32(out, 0);                             // horizontal pixels a metre
    appendU32(out, 0);                             // vertical pixels a metre
    appendU32(out, quint32(palette.size()));       // colours used
    appendU32(out, 0);                             // important colours
    for (const QRgb colour : palette) {
        out.append(char(qBlue(colour)));
        out.append(char(qGreen(colour)));
        out.append(char(qRed(colour)));
        out.append('\0');
    }
    QByteArray row(stride, '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        std::copy_n(reinterpret_cast<const char *>(image.constScanLine(y)), image.width(), row.data());
        out.append(row);
    }
    return out;
}

} // namespace

QByteArray writeBmp(const QImage &source)
{
    if (source.isNull())
        return {};
    if (source.format() == QImage::Format_Indexed8 && source.colorCount() >= 1
        && source.colorCount() <= 256)
        return writeIndexedBmp(source);
    const bool alpha = source.hasAlphaChannel();
    const QImage image = source.convertToFormat(alpha ? QImage::Format_ARGB32 : QImage::Format_RGB32);
    const int bytesPerPixel = alpha ? 4 : 3;
    const qint64 stride = (qint64(image.width()) * bytesPerPixel + 3) / 4 * 4;
    const qint64 pixelBytes = stride * image.height();
    const qint64 offset = FileHeaderSize + InfoHeaderSize;
    if (offset + pixelBytes > std::numeric_limits<qint32>::max())
        return {};

    QByteArray out;
    out.reserve(offset + pixelBytes);
    out.append("BM", 2);                          // type
    appendU32(out, quint32(offset + pixelBytes)); // file size
    appendU32(out, 0);                            // two reserved words
    appendU32(out, quint32(offset));              // offset of the pixels
    appendU32(out, InfoHeaderSize);               // info header size
    appendU32(out, quint32(image.width()));       // width
    appendU32(out, quint32(image.height()));      // height, positive: bottom-up
    appendU16(out, 1);                            // planes
    appendU16(out, quint16(bytesPerPixel * 8));   // bits a pixel
    appendU32(out, quint32(BmpCompression::Rgb)); // compression
    appendU32(out, quint32(pixelBytes));          // size of the pixels
    appendU32(out, 0);                            // horizontal pixels a metre
    appendU32(out, 0);                            // vertical pixels a metre
    appendU32(out, 0);                            // colours used
    appendU32(out, 0);                            // important colours

    QByteArray row(stride, '\0');
    for (int y = image.height() - 1; y >= 0; --y) {
        const auto *pixels = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        char *target = row.data();
        for (int x = 0; x < image.width(); ++x) {
            *target++ = char(qBlue(pixels[x]));
            *target++ = char(qGreen(pixels[x]));
            *target++ = char(qRed(pixels[x]));
            if (alpha)
                *target++ = char(qAlpha(pixels[x]));
        }
        out.append(row);
    }
    return out;
}
