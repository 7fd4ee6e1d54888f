// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bytebuilder.h"
#include "images/pcxdecoder.h"
#include "images/rasterloader.h"

#include <QColor>

namespace {

struct PcxShape
{
    int bitsPerPixel = 8;
    int planes = 1;
    int width = 1;
    int height = 1;
    int bytesPerLine = 2;
    int encoding = 1;
};

ByteBuilder pcxHeader(const PcxShape &shape, const QByteArray &egaPalette = QByteArray(48, '\0'))
{
    ByteBuilder b;
    b.u8(0x0A).u8(5).u8(shape.encoding).u8(shape.bitsPerPixel); // maker, version, encoding, bits
    b.u16(0).u16(0).u16(shape.width - 1).u16(shape.height - 1); // window
    b.u16(72).u16(72);                                          // resolution
    b.bytes(egaPalette.leftJustified(48, '\0', true));          // 16-colour palette
    b.u8(0).u8(shape.planes).u16(shape.bytesPerLine).u16(1);    // reserved, planes, line, palette
    b.fill(128 - int(b.size()));
    return b;
}

QRgb pixel(const ImageResult &result, int x, int y)
{
    return result.image.pixel(x, y) | 0xFF000000u;
}

QByteArray monoFile()
{
    // Two lines of ten pixels: 1010000000 and all white; 1 is white.
    ByteBuilder b = pcxHeader({1, 1, 10, 2, 2, 1});
    b.u8(0xA0).u8(0x00).u8(0xC2).u8(0xFF);
    return b.data();
}

QByteArray palette256File()
{
    ByteBuilder b = pcxHeader({8, 1, 4, 2, 4, 1});
    // Line one: a run of three 1s, then 2. Line two: four of 200, which has to be a run.
    b.u8(0xC3).u8(1).u8(2).u8(0xC4).u8(200);
    QByteArray palette(768, '\0');
    const auto setEntry = [&palette](int index, int r, int g, int blue) {
        palette[index * 3] = char(r);
        palette[index * 3 + 1] = char(g);
        palette[index * 3 + 2] = char(blue);
    };
    setEntry(1, 10, 20, 30);
    setEntry(2, 200, 100, 50);
    setEntry(200, 1, 2, 3);
    b.u8(0x0C).bytes(palette);
    return b.data();
}

} // namespace

TEST(Pcx, DecodesEachDepthToItsColours)
{
    const ImageResult mono = decodePcx(monoFile());
    ASSERT_TRUE(mono.ok()) << mono.error.toStdString();
    EXPECT_EQ(mono.image.size(), QSize(10, 2));
    EXPECT_EQ(pixel(mono, 0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pixel(mono, 1, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(mono, 2, 0), qRgb(255, 255, 255));
    EXPECT_EQ(pixel(mono, 9, 0), qRgb(0, 0, 0));
    EXPECT_EQ(pixel(mono, 9, 1), qRgb(255, 255, 255));

    // 16 colours: indexes 5, 10 and 15 spread over four bit planes.
    QByteArray ega(48, '\0');
    ega[5 * 3] = char(255), ega[5 * 3 + 2] = char(255);
    ega[10 * 3 + 1] = char(255);
    ega[15 * 3] = ega[15 * 3 + 1] = ega[15 * 3 + 2] = char(170);
    ByteBuilder planar = pcxHeader({1, 4, 3, 1, 2, 1}, ega);
    planar.u8(0xA0).u8(0).u8(0x60).u8(0).u8(0xA0).u8(0).u8(0x60).u8(0);
    const ImageResult sixteen = decodePcx(planar.data());
    ASSERT_TRUE(sixteen.ok()) << sixteen.error.toStdString();
    EXPECT_EQ(pixel(sixteen, 0, 0), qRgb(255, 0, 255));
    EXPECT_EQ(pixel(sixteen, 1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(pixel(sixteen, 2, 0), qRgb(170, 170, 170));

    const ImageResult indexed = decodePcx(palette256File());
    ASSERT_TRUE(indexed.ok()) << indexed.error.toStdString();
    EXPECT_EQ(indexed.image.format(), QImage::Format_RGB32);
    EXPECT_EQ(pixel(indexed, 0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(pixel(indexed, 2, 0), qRgb(10, 20, 30));
    EXPECT_EQ(pixel(indexed, 3, 0), qRgb(200, 100, 50));
    EXPECT_EQ(pixel(indexed, 3, 1), qRgb(1, 2, 3));

    // 24 bits in three planes, stored without run-length encoding.
    ByteBuilder rgb = pcxHeader({8, 3, 2, 1, 2, 0});
    rgb.u8(255).u8(0).u8(0).u8(128).u8(0).u8(255);
    const ImageResult trueColour = decodePcx(rgb.data());
    ASSERT_TRUE(trueColour.ok()) << trueColour.error.toStdString();
    EXPECT_EQ(pixel(trueColour, 0, 0), qRgb(255, 0, 0));
    EXPECT_EQ(pixel(trueColour, 1, 0), qRgb(0, 128, 255));

    // The loader sends .PCX files here by their extension.
    EXPECT_TRUE(decodeRaster(monoFile(), PictureKind::Pcx).ok());
}

TEST(Pcx, RunsMayCrossScanLines)
{
    ByteBuilder b = pcxHeader({8, 1, 2, 2, 2, 1});
    b.u8(0xC4).u8(7);
    QByteArray palette(768, '\0');
    palette[7 * 3 + 1] = char(99);
    b.u8(0x0C).bytes(palette);
    const ImageResult result = decodePcx(b.data());
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(pixel(result, 1, 1), qRgb(0, 99, 0));
}

TEST(Pcx, DamagedFilesGiveErrors)
{
    for (const QByteArray &file : {monoFile(), palette256File()}) {
        for (qsizetype length = 0; length < file.size(); ++length)
            EXPECT_FALSE(decodePcx(file.left(length)).ok()) << "cut at " << length;
    }
    QByteArray wrongMaker = monoFile();
    wrongMaker[0] = 0x0B;
    EXPECT_FALSE(decodePcx(wrongMaker).ok());

    ByteBuilder tooLarge = pcxHeader({1, 1, 20000, 1, 2500, 1});
    tooLarge.fill(4000, 0xFF);
    EXPECT_FALSE(decodePcx(tooLarge.data()).ok());
    ByteBuilder shortLines = pcxHeader({8, 1, 16, 1, 4, 0});
    shortLines.fill(64);
    EXPECT_FALSE(decodePcx(shortLines.data()).ok());
    ByteBuilder twoBits = pcxHeader({2, 1, 4, 1, 2, 0});
    twoBits.fill(2);
    EXPECT_FALSE(decodePcx(twoBits.data()).ok());
    // A huge picture promised by a few bytes is refused before it is allocated.
    ByteBuilder promise = pcxHeader({8, 3, 9000, 9000, 9000, 1});
    promise.u8(0xFF).u8(0);
    EXPECT_FALSE(decodePcx(promise.data()).ok());
}
