// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// WebP and TIFF files: their declared sizes checked by our own reading, then Qt's plugins.
#include <gtest/gtest.h>

#include "bytebuilder.h"
#include "images/decodebudget.h"
#include "images/picture.h"
#include "images/rasterheaders.h"
#include "images/rasterloader.h"

#include <QBuffer>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

namespace {

QByteArray encoded(const QImage &image, const char *format, int quality = -1)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format, quality)) << format;
    return bytes;
}

QImage halves(QSize size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(qRgb(200, 0, 0));
    for (int y = 0; y < size.height(); ++y)
        for (int x = size.width() / 2; x < size.width(); ++x)
            image.setPixel(x, y, qRgb(0, 0, 200));
    return image;
}

// A RIFF WEBP file of one chunk.
QByteArray webp(const char *chunk, const QByteArray &data)
{
    ByteBuilder b;
    b.bytes("RIFF").u32(quint32(4 + 8 + data.size())).bytes("WEBP").bytes(chunk).u32(quint32(data.size()));
    return b.data() + data;
}

// A little-endian TIFF whose one directory holds the entries (tag, type, value).
QByteArray tiff(std::initializer_list<std::array<quint32, 3>> entries)
{
    ByteBuilder b;
    b.bytes("II").u16(42).u32(8).u16(quint16(entries.size()));
    for (const auto &entry : entries)
        b.u16(quint16(entry[0])).u16(quint16(entry[1])).u32(1).u32(entry[2]);
    b.u32(0);
    return b.data();
}

} // namespace

TEST(RasterHeaders, WebpSizesAreReadFromEachKindOfFirstChunk)
{
    // Lossy: frame tag, start code, 14-bit sides; lossless: signature, sides less one in 14
    // bits each; extended: flags, then sides less one in 24 bits each.
    EXPECT_EQ(webpDeclaredSize(webp("VP8 ", QByteArray::fromHex("000000" "9d012a" "2c01" "c800"))).size,
              QSize(300, 200));
    EXPECT_EQ(webpDeclaredSize(webp("VP8L", QByteArray::fromHex("2f" "2b" "c1" "31" "00"))).size, QSize(300, 200));
    EXPECT_EQ(webpDeclaredSize(webp("VP8X", QByteArray::fromHex("00000000" "2b0100" "c70000"))).size,
              QSize(300, 200));

    const struct {
        QByteArray file;
        const char *reason;
    } refused[] = {
        {webp("VP8X", QByteArray::fromHex("00000000" "102700" "000000")), "too large"},
        {webp("VP8 ", QByteArray::fromHex("000000" "9d012a" "0000" "0100")), "empty picture"},
        {webp("VP8 ", QByteArray::fromHex("000000" "112233" "2c01" "c800")), "no start code"},
        {webp("VP8L", QByteArray::fromHex("2f")), "cut short"},
        {webp("ALPH", QByteArray(10, '\0')), "no picture header"},
        {webp("VP8 ", QByteArray::fromHex("000000" "9d012a" "2c01" "c800")).chopped(4), "cut short"},
        {"RIFF\x04\0\0\0JUNK", "not a WebP picture"},
    };
    for (const auto &entry : refused) {
        const SizeResult result = webpDeclaredSize(entry.file);
        EXPECT_FALSE(result.ok()) << entry.reason;
        EXPECT_TRUE(result.error.contains(QLatin1String(entry.reason))) << qPrintable(result.error);
    }
}

TEST(RasterHeaders, TiffSizesAreReadFromTheFirstDirectoryInEitherByteOrder)
{
    EXPECT_EQ(tiffDeclaredSize(tiff({{256, 3, 640}, {257, 4, 480}, {259, 3, 1}})).size, QSize(640, 480));
    const QByteArray big = QByteArray::fromHex("4d4d002a00000008" "0002"
                                               "0100" "0004" "00000001" "00000021"
                                               "0101" "0003" "00000001" "002c0000" "00000000");
    EXPECT_EQ(tiffDeclaredSize(big).size, QSize(33, 44));

    QByteArray outside = tiff({{256, 3, 1}, {257, 3, 1}});
    outside[4] = char(0xF0);
    const struct {
        QByteArray file;
        const char *reason;
    } refused[] = {
        {tiff({{256, 4, 20000}, {257, 4, 10}}), "too large"},
        {tiff({{256, 3, 10}}), "declares no picture size"},
        {tiff({{256, 2, 10}, {257, 3, 10}}), "declares no picture size"},
        {tiff({{256, 3, 10}, {257, 3, 10}}).left(20), "cut short"},
        {outside, "lies outside it"},
        {QByteArray("II+\0\x08\0\0\0", 8), "BigTIFF"},
        {"GIF89a..", "not a TIFF picture"},
    };
    for (const auto &entry : refused) {
        const SizeResult result = tiffDeclaredSize(entry.file);
        EXPECT_FALSE(result.ok()) << entry.reason;
        EXPECT_TRUE(result.error.contains(QLatin1String(entry.reason))) << qPrintable(result.error);
    }
}

TEST(RasterHeaders, WebpAndTiffFilesLoadByTheirExtensionWithinTheLimits)
{
    QTemporaryDir dir;
    const QImage image = halves({60, 40});
    const struct {
        const char *name;
        QByteArray bytes;
    } files[] = {
        {"lossless.webp", encoded(image, "webp", 100)},
        {"scan.TIF", encoded(image, "tiff")},
        {"scan.tiff", encoded(image, "tiff")},
        {"shot.png", encoded(image, "png")},
    };
    for (const auto &file : files) {
        const QString path = dir.filePath(QLatin1String(file.name));
        QFile out(path);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(file.bytes);
        out.close();
        Picture picture;
        ASSERT_TRUE(picture.loadFromFile(path).ok()) << file.name;
        EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
        ASSERT_EQ(picture.size(), QSize(60, 40)) << file.name;
        EXPECT_EQ(picture.image().pixel(5, 20), qRgb(200, 0, 0)) << file.name;
        EXPECT_EQ(picture.image().pixel(55, 20), qRgb(0, 0, 200)) << file.name;
    }
    EXPECT_EQ(QImageReader::allocationLimit(), ReaderAllocationLimitMB);

    // A header declaring more than the document's budget is refused before decoding.
    DecodeBudget budget(1000);
    const DecodeBudget::Scope scope(budget);
    const ImageResult over = decodeRaster(encoded(halves({60, 40}), "tiff"), PictureKind::Tiff);
    EXPECT_TRUE(over.error.contains(budget.exceededMessage())) << qPrintable(over.error);

    // A file whose content is another format fails as one that is not what its name says.
    const ImageResult wrong = decodeRaster(encoded(image, "png"), PictureKind::Webp);
    EXPECT_EQ(wrong.error, QStringLiteral("Not a readable picture: the data is not a WebP picture."));
}
