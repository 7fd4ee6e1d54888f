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

// A BMP file of 16- or 32-bit pixels. Without masks it is stored plainly (BI_RGB); with them
// as bit fields, the masks following a 40-byte header or inside a longer one (red, green,
// blue, and alpha from 56 bytes on).
QByteArray bitFieldsBmp(int headerSize, int bits, QSize size, const QList<quint32> &masks,
                        const QByteArray &pixels)
{
    const int masksAfter = headerSize == 40 && !masks.isEmpty() ? 12 : 0;
    const int offset = 14 + headerSize + masksAfter;
    ByteBuilder b;
    b.bytes("BM").u32(offset + pixels.size()).u32(0).u32(offset);
    b.u32(headerSize).s32(size.width()).s32(size.height()).u16(1).u16(bits);
    b.u32(masks.isEmpty() ? 0 : 3).u32(pixels.size()).u32(0).u32(0).u32(0).u32(0);
    const int maskFields = masksAfter ? 3 : std::min(4, (headerSize - 40) / 4);
    for (int i = 0; i < maskFields; ++i)
        b.u32(i < masks.size() ? masks[i] : 0);
    b.fill(offset - int(b.size()));
    b.bytes(pixels);
    return b.data();
}

// Rows of 16-bit pixels, each padded to four bytes.
QByteArray words(const QList<QList<int>> &rows)
{
    ByteBuilder b;
    for (const QList<int> &row : rows) {
        for (int pixel : row)
            b.u16(pixel);
        b.fill(row.size() % 2 * 2);
    }
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
    EXPECT_EQ(at(result, 0, 0), Red); // five bits widened to eight

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

TEST(Bmp, BitFieldChannelsSpanTheFullRange)
{
    // Five bits a channel, stored plainly: 31 is 255, 16 is 132 (16 * 255 / 31, rounded).
    ImageResult result = decodeBmp(bitFieldsBmp(40, 16, {3, 1}, {}, words({{0x7FFF, 0, 0x4210}})));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(at(result, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(at(result, 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(result, 2, 0), qRgb(132, 132, 132));

    // 5-6-5: green's 32 of 63 is 130.
    const QList<quint32> rgb565 = {0xF800, 0x07E0, 0x001F};
    result = decodeBmp(bitFieldsBmp(40, 16, {4, 1}, rgb565, words({{0xFFFF, 0, 0x0400, 0x8410}})));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(at(result, 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(at(result, 2, 0), qRgb(0, 130, 0));
    EXPECT_EQ(at(result, 3, 0), qRgb(132, 130, 132));

    // 4-4-4-4 with the masks in a version 4 header: alpha 8 of 15 is 136.
    result = decodeBmp(bitFieldsBmp(108, 16, {2, 1}, {0x0F00, 0x00F0, 0x000F, 0xF000},
                                    words({{0xFFFF, 0x8F00}})));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), QImage::Format_ARGB32);
    EXPECT_EQ(result.image.pixel(0, 0), qRgba(255, 255, 255, 255));
    EXPECT_EQ(result.image.pixel(1, 0), qRgba(255, 0, 0, 136));

    // Ten bits a channel in 32-bit pixels (version 5 header): 512 of 1023 is 128.
    ByteBuilder wide;
    wide.u32(0x3FFFFFFF).u32(0x20000000).u32(0);
    result = decodeBmp(bitFieldsBmp(124, 32, {3, 1}, {0x3FF00000, 0x000FFC00, 0x000003FF},
                                    wide.data()));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(at(result, 1, 0), qRgb(128, 0, 0));
    EXPECT_EQ(at(result, 2, 0), qRgb(0, 0, 0));
}

TEST(Bmp, BitFieldPicturesKeepTheirLayoutAndSize)
{
    // Bottom-up: the first stored row is the picture's last.
    const QList<quint32> rgb565 = {0xF800, 0x07E0, 0x001F};
    const QByteArray twoRows = bitFieldsBmp(40, 16, {1, 2}, rgb565, words({{0xF800}, {0x001F}}));
    ImageResult result = decodeBmp(twoRows);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Blue);
    EXPECT_EQ(at(result, 0, 1), Red);
    result = decodeBmp(bitFieldsBmp(40, 16, {1, -2}, rgb565, words({{0xF800}, {0x001F}})));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 0, 0), Red);

    // Drawn small, decoded small.
    const QByteArray white = bitFieldsBmp(40, 16, {4, 2}, rgb565, words({{-1, -1, -1, -1}, {-1, -1, -1, -1}}));
    result = decodeBmp(white, QSize(2, 1));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.size(), QSize(2, 1));
    EXPECT_EQ(at(result, 1, 0), qRgb(255, 255, 255));

    // Found by its content under another extension, and without its file header.
    result = decodeRaster(white, PictureKind::Other);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 3, 1), qRgb(255, 255, 255));
    result = decodeRaster(white.mid(14), PictureKind::Dib);
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(at(result, 3, 1), qRgb(255, 255, 255));

    // An alpha mask whose alpha is zero everywhere leaves the picture opaque.
    ByteBuilder pixels;
    pixels.u32(0x00FF0000).u32(0x000000FF);
    result = decodeBmp(bitFieldsBmp(124, 32, {2, 1}, {0xFF0000, 0xFF00, 0xFF, 0xFF000000}, pixels.data()));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(result.image.pixel(0, 0), Red);
    EXPECT_EQ(result.image.pixel(1, 0), Blue);
}

TEST(Bmp, BitFieldsCutShortOrEmpty)
{
    const QByteArray file = bitFieldsBmp(40, 16, {1, 1}, {0xF800, 0x07E0, 0x001F}, words({{0}}));
    const QString cut = decodeBmp(file.left(14 + 40 + 8)).error;
    EXPECT_TRUE(cut.contains("the bit fields are cut short")) << cut.toStdString();
    // Masks that select nothing are channels the picture does not have.
    const ImageResult empty = decodeBmp(bitFieldsBmp(40, 16, {1, 1}, {0, 0, 0}, words({{0xFFFF}})));
    ASSERT_TRUE(empty.ok()) << empty.error.toStdString();
    EXPECT_EQ(at(empty, 0, 0), qRgb(0, 0, 0));
    EXPECT_FALSE(checkBmp(file.chopped(1)).ok());
}
