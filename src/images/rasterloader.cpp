// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rasterloader.h"

#include "images/bmpfile.h"
#include "images/decodebudget.h"
#include "images/pcxdecoder.h"
#include "images/rasterheaders.h"
#include "images/tgadecoder.h"
#include "core/pngchunks.h"

#include <QBuffer>
#include <QImageReader>
#include <QtEndian>

#include <atomic>
#include <mutex>
#include <new>

namespace {

constexpr int IconDirectorySize = 6;
constexpr int IconEntrySize = 16;

QImage plainRgb(const QImage &image)
{
    return image.convertToFormat(image.hasAlphaChannel() ? QImage::Format_ARGB32
                                                         : QImage::Format_RGB32);
}

// An icon file's PNG images go to the PNG reader as the slices its directory names.
bool iconPngRunsPastEnd(const QByteArray &bytes, int count)
{
    for (int entry = 0; entry < count; ++entry) {
        const auto *field = reinterpret_cast<const uchar *>(bytes.constData()) + IconDirectorySize
                          + entry * IconEntrySize;
        const quint32 size = qFromLittleEndian<quint32>(field + 8);
        const quint32 offset = qFromLittleEndian<quint32>(field + 12);
        if (offset >= quint64(bytes.size()))
            continue;
        if (pngChunkRunsPastEnd(bytes.mid(offset, qMin<qint64>(size, bytes.size() - offset))))
            return true;
    }
    return false;
}

std::mutex g_limitMutex;
std::atomic<bool> g_limitSet{false};

} // namespace

void setReaderAllocationLimit(int megabytes)
{
    const std::lock_guard lock(g_limitMutex);
    QImageReader::setAllocationLimit(megabytes);
    g_limitSet.store(true, std::memory_order_release);
}

void applyReaderAllocationLimit()
{
    if (g_limitSet.load(std::memory_order_acquire))
        return;
    const std::lock_guard lock(g_limitMutex);
    if (!g_limitSet.load(std::memory_order_relaxed)) {
        QImageReader::setAllocationLimit(ReaderAllocationLimitMB);
        g_limitSet.store(true, std::memory_order_release);
    }
}

namespace {

ImageResult readImage(QImageReader &reader, QSize scaledTo, DecodeBudget *budget)
{
    const QSize size = reader.size();
    if (size.isValid() && (size.width() > MaxPictureSide || size.height() > MaxPictureSide))
        return ImageResult::failed(QStringLiteral("the picture is too large"));
    if (budget && !budget->take(size.isValid() ? size : QSize(MaxPictureSide, MaxPictureSide)))
        return ImageResult::failed(budget->exceededMessage());
    if (size.isValid() && scaledTo.isValid() && !scaledTo.isEmpty()
        && (scaledTo.width() < size.width() || scaledTo.height() < size.height()))
        reader.setScaledSize(scaledTo.boundedTo(size));
    QImage image;
    if (!reader.read(&image) || image.isNull())
        return ImageResult::failed(reader.errorString());
    if (image.width() > MaxPictureSide || image.height() > MaxPictureSide)
        return ImageResult::failed(QStringLiteral("the picture is too large"));
    image = plainRgb(image);
    if (image.isNull())
        return ImageResult::failed(QStringLiteral("there is not enough memory for the picture"));
    return {image, {}};
}

// Why a reader of format cannot take the bytes, or nothing when it can.
QString refusal(QImageReader &reader, const QByteArray &bytes, const char *format)
{
    if (pngChunkRunsPastEnd(bytes))
        return QStringLiteral("a chunk of the picture runs past its end");
    reader.setDecideFormatFromContent(false);
    if (!reader.canRead())
        return QStringLiteral("the data is not a %1 picture").arg(QLatin1String(format));
    return {};
}

} // namespace

ImageResult decodeWithReader(const QByteArray &bytes, const char *format, QSize scaledTo,
                             DecodeBudget *budget)
{
    applyReaderAllocationLimit();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (const QString why = refusal(reader, bytes, format); !why.isEmpty())
        return ImageResult::failed(why);
    try {
        return readImage(reader, scaledTo, budget);
    } catch (const std::bad_alloc &) {
        return ImageResult::failed(QStringLiteral("there is not enough memory for the picture"));
    }
}

SizeResult checkWithReader(const QByteArray &bytes, const char *format)
{
    applyReaderAllocationLimit();
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    if (const QString why = refusal(reader, bytes, format); !why.isEmpty())
        return {{}, why};
    const QSize size = reader.size();
    if (!size.isValid() || size.isEmpty())
        return {{}, reader.errorString()};
    if (size.width() > MaxPictureSide || size.height() > MaxPictureSide)
        return {{}, QStringLiteral("the picture is too large")};
    return {size, {}};
}

bool isJpegFile(const QByteArray &bytes, PictureKind kind)
{
    if (kind == PictureKind::Jpg || kind == PictureKind::Jif)
        return true;
    if (kind != PictureKind::Other)
        return false;
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    return QImageReader::imageFormat(&buffer) == "jpeg";
}

ImageResult decodeIcon(const QByteArray &bytes, DecodeBudget *budget)
{
    // Reserved word 0, type 1 (icon) or 2 (cursor), then at least one directory entry.
    if (bytes.size() < IconDirectorySize + IconEntrySize)
        return ImageResult::failed(QStringLiteral("Not a readable icon: the file is cut short."));
    const auto *data = reinterpret_cast<const uchar *>(bytes.constData());
    const quint16 reserved = qFromLittleEndian<quint16>(data);
    const quint16 type = qFromLittleEndian<quint16>(data + 2);
    const quint16 count = qFromLittleEndian<quint16>(data + 4);
    if (reserved != 0 || (type != 1 && type != 2) || count == 0
        || bytes.size() < IconDirectorySize + qint64(count) * IconEntrySize)
        return ImageResult::failed(QStringLiteral("Not a readable icon: the icon directory is damaged."));
    if (iconPngRunsPastEnd(bytes, count))
        return ImageResult::failed(QStringLiteral("Not a readable icon: a chunk of the picture runs past its end."));
    ImageResult result = decodeWithReader(bytes, "ico", {}, budget);
    if (!result.ok())
        result.error = QStringLiteral("Not a readable icon: %1.").arg(result.error);
    return result;
}

ImageResult decodeRaster(const QByteArray &bytes, PictureKind kind)
{
    ImageResult result;
    switch (kind) {
    case PictureKind::Bmp:
    case PictureKind::Dib:
    case PictureKind::Rle:
        return decodeBmp(withBmpFileHeader(bytes));
    case PictureKind::Pcx:
        return decodePcx(bytes);
    case PictureKind::Jpg:
    case PictureKind::Jif:
        result = decodeWithReader(bytes, "jpeg");
        break;
    case PictureKind::Gif:
        result = decodeWithReader(bytes, "gif");
        break;
    case PictureKind::Tga:
        return decodeTga(bytes, DecodeBudget::current());
    case PictureKind::Webp:
    case PictureKind::Tiff: {
        const bool webp = kind == PictureKind::Webp;
        const SizeResult declared = webp ? webpDeclaredSize(bytes) : tiffDeclaredSize(bytes);
        result = declared.ok() ? decodeWithReader(bytes, webp ? "webp" : "tiff", {}, DecodeBudget::current())
                               : ImageResult::failed(declared.error);
        break;
    }
    case PictureKind::Other: {
        // Pictures of today's common formats (PNG and the like) are taken by their content.
        QBuffer buffer;
        buffer.setData(bytes);
        buffer.open(QIODevice::ReadOnly);
        const QByteArray format = QImageReader::imageFormat(&buffer);
        static const QList<QByteArray> common = {"png", "jpeg", "gif", "bmp"};
        if (!common.contains(format))
            return ImageResult::failed(QStringLiteral("This kind of picture file is not supported."));
        if (format == "bmp")
            return decodeBmp(bytes);
        result = decodeWithReader(bytes, format.constData());
        break;
    }
    }
    if (!result.ok())
        result.error = QStringLiteral("Not a readable picture: %1.").arg(result.error);
    return result;
}

ImageResult loadRasterFile(const QString &path)
{
    const BytesResult file = readPictureFile(path);
    if (!file.ok())
        return ImageResult::failed(file.error);
    return decodeRaster(file.bytes, pictureKind(path));
}
