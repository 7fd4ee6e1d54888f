// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bytebuilder.h"
#include "images/bmpfile.h"
#include "images/rasterloader.h"

namespace {

// A BMP file with a 40-byte info header; palette entries are 0x00RRGGBB.
QByteArray bmpFile(int bits, int width, int height, int compression, const QList<QRgb> &palette,
                   const QByteArray &pixels)
{
    const int offset = 14 + 40 + int(palette.size()) * 4;
    ByteBuilder b;
    b.bytes("BM").u32(offset + pixels.size()).u32(0).u32(offset);
    b.u32(40).s32(width).s32(height).u16(1).u16(bits).u32(compression).u32(pixels.size());
    b.u32(0).u32(0).u32(palette.size()).u32(0);
    for (QRgb colour : palette)
        b.u32(colour & 0xFFFFFF);
    b.bytes(pixels);
    return b.data();
}

QRgb at(const ImageResult &result, int x, int y)
{
    return result.image.pixel(x, y) | 0xFF000000u;
}

const QRgb Red = qRgb(255, 0, 0), Green = qRgb(0, 255, 0), Blue = qRgb(0, 0, 255);

} // namespace

TEST(Bmp, DecodesEveryDepthAndLayout)
{
    // Bottom-up: the first stored row is the picture's last.
    const QByteArray oneBit = bmpFile(1, 3, 2, 0, {qRgb(0, 0, 0), Red},
                                      QByteArray::fromHex("40000000" "a0000000"));
    ImageResult result = decodeBmp(oneBit);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(at(result, 0, 0), Red);
    EXPECT_EQ(at(result, 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(result, 1, 1), Red);

    result = decodeBmp(bmpFile(4, 3, 1, 0, {Red, Green, Blue}, QByteArray::fromHex("12000000")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Green);
    EXPECT_EQ(at(result, 1, 0), Blue);
    EXPECT_EQ(at(result, 2, 0), Red);

    result = decodeBmp(bmpFile(8, 2, 1, 0, {Red, Green, Blue}, QByteArray::fromHex("02010000")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Blue);
    EXPECT_EQ(at(result, 1, 0), Green);

    // RLE8: three of index 1, then the end of the picture.
    result = decodeBmp(bmpFile(8, 3, 1, 1, {Red, Green}, QByteArray::fromHex("03010001")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 2, 0), Green);
    // RLE4: four pixels alternating indexes 2 and 1.
    result = decodeBmp(bmpFile(4, 4, 1, 2, {Red, Green, Blue}, QByteArray::fromHex("04210001")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Blue);
    EXPECT_EQ(at(result, 1, 0), Green);

    // 16 bits, five per channel: pure red is 0x7C00.
    result = decodeBmp(bmpFile(16, 1, 1, 0, {}, QByteArray::fromHex("007c0000")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_GE(qRed(at(result, 0, 0)), 240); // five bits widened to eight
    EXPECT_EQ(qGreen(at(result, 0, 0)), 0);

    // Top-down 24 bits: the first stored row is the top one.
    result = decodeBmp(bmpFile(24, 1, -2, 0, {}, QByteArray::fromHex("0000ff00" "ff000000")));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Red);
    EXPECT_EQ(at(result, 0, 1), Blue);
}

TEST(Bmp, ReadsDeviceIndependentBitmapsWithoutFileHeader)
{
    const QByteArray file = bmpFile(8, 2, 1, 0, {Red, Green, Blue}, QByteArray::fromHex("02010000"));
    const QByteArray dib = file.mid(14);
    EXPECT_EQ(withBmpFileHeader(dib), file);
    const ImageResult result = decodeRaster(dib, PictureKind::Dib);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Blue);
}

TEST(Bmp, DamagedFilesGiveErrors)
{
    const QByteArray file = bmpFile(24, 2, 2, 0, {}, QByteArray(16, '\x40'));
    ASSERT_TRUE(decodeBmp(file).ok());
    for (qsizetype length = 0; length < file.size(); ++length)
        EXPECT_FALSE(decodeBmp(file.left(length)).ok()) << "cut at " << length;

    EXPECT_FALSE(decodeBmp(bmpFile(24, 20000, 1, 0, {}, QByteArray(60000, '\0'))).ok());
    EXPECT_FALSE(decodeBmp(bmpFile(24, 0, 1, 0, {}, QByteArray(4, '\0'))).ok());
    EXPECT_FALSE(decodeBmp(bmpFile(7, 1, 1, 0, {}, QByteArray(4, '\0'))).ok());
    EXPECT_FALSE(decodeBmp(bmpFile(24, 1, 1, 1, {}, QByteArray(4, '\0'))).ok()); // RLE8 at 24 bits
    EXPECT_FALSE(decodeBmp(bmpFile(8, 1, -1, 1, {Red}, QByteArray(4, '\0'))).ok()); // top-down RLE
    QByteArray farOffset = file;
    farOffset[10] = char(200);
    EXPECT_FALSE(decodeBmp(farOffset).ok());
}

TEST(Bmp, WritesFixedBytesThatReadBack)
{
    QImage image(2, 1, QImage::Format_RGB32);
    image.setPixel(0, 0, Red);
    image.setPixel(1, 0, Blue);
    const QByteArray bytes = writeBmp(image);
    const QByteArray expected = ByteBuilder()
        .bytes("BM").u32(62).u32(0).u32(54)
        .u32(40).u32(2).u32(1).u16(1).u16(24).u32(0).u32(8).u32(0).u32(0).u32(0).u32(0)
        .bytes(QByteArray::fromHex("0000ff" "ff0000" "0000"))
        .data();
    EXPECT_EQ(bytes.toHex(), expected.toHex());

    QImage translucent(3, 2, QImage::Format_ARGB32);
    translucent.fill(qRgba(10, 20, 30, 128));
    translucent.setPixel(2, 1, qRgba(0, 0, 255, 255));
    const QByteArray withAlpha = writeBmp(translucent);
    EXPECT_EQ(withAlpha.size(), 54 + 3 * 4 * 2);
    const ImageResult back = decodeBmp(withAlpha);
    ASSERT_TRUE(back.ok()) << back.error.toStdString();
    EXPECT_EQ(back.image.size(), QSize(3, 2));
    EXPECT_EQ(at(back, 2, 1), Blue);
    EXPECT_EQ(at(back, 0, 0), qRgb(10, 20, 30));
    EXPECT_TRUE(writeBmp(QImage()).isEmpty());
}
