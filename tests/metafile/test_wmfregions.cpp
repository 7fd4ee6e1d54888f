// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Regions as clips and fills, pattern brushes and run-length encoded bitmaps in Windows
// metafiles.
#include <gtest/gtest.h>

#include "metafile/wmfplayer.h"
#include "wmfwriter.h"

#include <QPainter>
#include <QtEndian>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Green = qRgb(0, 160, 0);

constexpr quint16 PsSolid = 0;
constexpr quint16 PsNull = 5;
constexpr quint16 BsSolid = 0;

QImage play(const QByteArray &bytes, int size = 200)
{
    QImage image(size, size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    WmfPlayer(bytes).play(painter, QRectF(0, 0, size, size));
    return image;
}

// A 100 x 100 window on a 200-pixel image, no pen.
WmfWriter window100()
{
    WmfWriter w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(100, 100);
    w.selectObject(w.createPen(PsNull, 0, 0));
    return w;
}

// A bottom-up BITMAPINFOHEADER with a colour table, then the compressed pixels.
QByteArray runLengthDib(int width, int height, int bits, const QList<QRgb> &colors,
                        const QByteArray &pixels)
{
    QByteArray out(40, '\0');
    auto *d = reinterpret_cast<uchar *>(out.data());
    qToLittleEndian<quint32>(40, d);
    qToLittleEndian<qint32>(width, d + 4);
    qToLittleEndian<qint32>(height, d + 8);
    qToLittleEndian<quint16>(1, d + 12);
    qToLittleEndian<quint16>(quint16(bits), d + 14);
    qToLittleEndian<quint32>(bits == 8 ? 1 : 2, d + 16);   // BI_RLE8, BI_RLE4
    qToLittleEndian<quint32>(quint32(pixels.size()), d + 20);
    qToLittleEndian<quint32>(quint32(colors.size()), d + 32);
    for (const QRgb c : colors) {
        out.append(char(qBlue(c)));
        out.append(char(qGreen(c)));
        out.append(char(qRed(c)));
        out.append('\0');
    }
    return out + pixels;
}

QImage playDib(const QByteArray &dib, int width, int height)
{
    WmfWriter w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(width, height);
    w.stretchDib(0, 0, width, height, 0, 0, width, height, dib);
    return play(w.finish(), 8 * width).scaled(width, height);
}

} // namespace

TEST(WmfRegions, ClipRegionLimitsDrawingToItsRectangles)
{
    WmfWriter w = window100();
    const int region = w.createRegion({QRect(0, 0, 20, 20), QRect(50, 50, 30, 30)});
    w.selectClipRegion(region);
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 100, 100);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(20, 20), Red);
    EXPECT_EQ(image.pixel(130, 130), Red);
    EXPECT_EQ(image.pixel(60, 60), White);    // between the rectangles
    EXPECT_EQ(image.pixel(170, 170), White);  // past the second
    EXPECT_EQ(image.pixel(130, 20), White);
}

TEST(WmfRegions, OffsetClipRgnMovesTheClipByLogicalUnits)
{
    WmfWriter w = window100();
    w.selectClipRegion(w.createRegion({QRect(0, 0, 20, 20)}));
    w.offsetClipRgn(30, 10);   // now (30, 10) to (50, 30): device (60, 20) to (100, 60)
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 100, 100);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(20, 20), White);
    EXPECT_EQ(image.pixel(80, 40), Red);
    EXPECT_EQ(image.pixel(110, 40), White);
}

TEST(WmfRegions, SaveDcKeepsTheClipRegion)
{
    WmfWriter w = window100();
    w.saveDc();
    w.selectClipRegion(w.createRegion({QRect(0, 0, 20, 20)}));
    w.restoreDc(-1);
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 100, 100);
    EXPECT_EQ(play(w.finish()).pixel(150, 150), Red);
}

TEST(WmfRegions, FillRegionUsesItsBrushAndPaintRegionTheSelectedOne)
{
    WmfWriter w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(100, 100);
    w.selectObject(w.createPen(PsSolid, 5, Green));   // regions are never outlined
    const int blue = w.createBrush(BsSolid, Blue);
    w.selectObject(w.createBrush(BsSolid, Red));
    w.fillRegion(w.createRegion({QRect(10, 10, 20, 20)}), blue);
    w.paintRegion(w.createRegion({QRect(60, 60, 20, 20)}));
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(40, 40), Blue);
    EXPECT_EQ(image.pixel(140, 140), Red);
    EXPECT_EQ(image.pixel(19, 40), White);
    EXPECT_EQ(image.pixel(100, 100), White);
}

TEST(WmfRegions, DamagedRegionsTakeASlotAndDrawNothing)
{
    WmfWriter w = window100();
    // A region whose scan count runs past the record, and one of the wrong type.
    QByteArray cut = QByteArray::fromHex("00000600000000002200ff7f0200000000000a000a00");
    cut += QByteArray::fromHex("0200000005");
    const int first = w.createObject(0x06FF, cut);
    const int second = w.createObject(0x06FF, QByteArray(22, '\0'));
    w.selectClipRegion(first);
    w.selectClipRegion(second);   // not a region: ignored
    const int red = w.createBrush(BsSolid, Red);
    EXPECT_EQ(red, second + 1);
    w.selectObject(red);
    w.rectangle(0, 0, 100, 100);
    const QImage image = play(w.finish());
    // The first region kept what it could read: nothing, so nothing is drawn.
    EXPECT_EQ(image.pixel(100, 100), White);
}

TEST(WmfRegions, PatternBrushesTileTheirBitmaps)
{
    QImage tile(2, 2, QImage::Format_RGB32);
    tile.setPixel(0, 0, Red);
    tile.setPixel(1, 0, Blue);
    tile.setPixel(0, 1, Blue);
    tile.setPixel(1, 1, Red);
    WmfWriter w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(200, 200);
    w.selectObject(w.createPen(PsNull, 0, 0));
    w.selectObject(w.createDibPatternBrush(WmfWriter::dib(tile, 24)));
    w.rectangle(0, 0, 100, 200);
    w.setTextColor(Green);
    w.setBkColor(Blue);
    // Rows of bits: set bits take the background colour, clear ones the text colour.
    w.selectObject(w.createMonochromePatternBrush(2, 2, {0x4000, 0x8000}));
    w.rectangle(100, 0, 200, 200);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(10, 10), Red);
    EXPECT_EQ(image.pixel(11, 10), Blue);
    EXPECT_EQ(image.pixel(10, 11), Blue);
    EXPECT_EQ(image.pixel(11, 11), Red);
    EXPECT_EQ(image.pixel(110, 10), Green);
    EXPECT_EQ(image.pixel(111, 10), Blue);
    EXPECT_EQ(image.pixel(110, 11), Blue);
    EXPECT_EQ(image.pixel(111, 11), Green);
}

TEST(WmfRegions, RunLengthEncodedBitmaps)
{
    // 4 x 3 at 8 bits, bottom row first: a delta that skips a pixel, a run, an absolute
    // run with its padding, and a short last row.
    const QByteArray rle8 = QByteArray::fromHex("00020100"        // delta: right 1
                                                "0301"            // row 0: three of colour 1
                                                "0000"            // end of line
                                                "000302010200"    // row 1: absolute 2 1 2, pad
                                                "0000"            // end of line
                                                "0202"            // row 2: two of colour 2
                                                "0001");          // end of bitmap
    const QImage eight = playDib(runLengthDib(4, 3, 8, {White, Red, Blue}, rle8), 4, 3);
    EXPECT_EQ(eight.pixel(0, 2), White);   // skipped by the delta
    EXPECT_EQ(eight.pixel(1, 2), Red);
    EXPECT_EQ(eight.pixel(3, 2), Red);
    EXPECT_EQ(eight.pixel(0, 1), Blue);
    EXPECT_EQ(eight.pixel(1, 1), Red);
    EXPECT_EQ(eight.pixel(2, 1), Blue);
    EXPECT_EQ(eight.pixel(0, 0), Blue);
    EXPECT_EQ(eight.pixel(1, 0), Blue);
    EXPECT_EQ(eight.pixel(2, 0), White);   // the row ended early

    // 4 x 1 at 4 bits: a run alternating its two nibbles.
    const QImage four = playDib(runLengthDib(4, 1, 4, {White, Red, Blue}, QByteArray::fromHex("04120001")), 4, 1);
    EXPECT_EQ(four.pixel(0, 0), Red);
    EXPECT_EQ(four.pixel(1, 0), Blue);
    EXPECT_EQ(four.pixel(2, 0), Red);
    EXPECT_EQ(four.pixel(3, 0), Blue);
}

TEST(WmfRegions, DamagedRunLengthDataStaysInsideTheBitmap)
{
    // Runs past the row's end, deltas past the top, an absolute run cut short: whatever
    // fits is drawn and nothing is written outside the bitmap.
    const QList<QByteArray> damaged = {
        QByteArray::fromHex("ff01ff01ff01"),
        QByteArray::fromHex("0002ffff0401"),
        QByteArray::fromHex("00ff0102"),
        QByteArray::fromHex("0401000000000000000000000000"),
        QByteArray(),
    };
    for (const QByteArray &pixels : damaged) {
        const QImage image = playDib(runLengthDib(4, 3, 8, {White, Red}, pixels), 4, 3);
        EXPECT_FALSE(image.isNull());
    }
    // Four bits a pixel with RLE8 in the header is refused outright.
    QByteArray mismatched = runLengthDib(4, 1, 8, {White, Red}, QByteArray::fromHex("0401"));
    qToLittleEndian<quint32>(2, reinterpret_cast<uchar *>(mismatched.data()) + 16);
    EXPECT_EQ(playDib(mismatched, 4, 1).pixel(0, 0), White);
}
