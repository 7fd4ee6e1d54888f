// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "imageprobes.h"

#include "core/apppaths.h"
#include "metafile/metafilepicture.h"
#include "metafile/wmfplayer.h"
#include "metafile/wmfrecord.h"
#include "wmfwriter.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <random>

using ImageProbes::inkRect;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 160, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);

constexpr quint16 PsSolid = 0;
constexpr quint16 PsDash = 1;
constexpr quint16 PsNull = 5;
constexpr quint16 BsSolid = 0;
constexpr quint16 BsNull = 1;
constexpr quint16 BsHatched = 2;

QImage whiteImage(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

WmfPlayer::Result playInto(QImage &image, const QByteArray &bytes, const QRectF &target,
                           const WmfPlayer::Limits &limits = {})
{
    QPainter painter(&image);
    return WmfPlayer(bytes, limits).play(painter, target);
}

QImage play(const QByteArray &bytes, int width = 200, int height = 200)
{
    QImage image = whiteImage(width, height);
    playInto(image, bytes, QRectF(0, 0, width, height));
    return image;
}

// A writer with a 100 x 100 window and no pen, ready to fill with a brush.
WmfWriter window100()
{
    WmfWriter w;
    w.setWindowOrg(0, 0);
    w.setWindowExt(100, 100);
    w.selectObject(w.createPen(PsNull, 0, 0));
    return w;
}

int countPixels(const QImage &image, const QRect &area, const std::function<bool(QRgb)> &test)
{
    int n = 0;
    const QRect r = area & image.rect();
    for (int y = r.top(); y <= r.bottom(); ++y) {
        for (int x = r.left(); x <= r.right(); ++x)
            n += test(image.pixel(x, y)) ? 1 : 0;
    }
    return n;
}

bool reddish(QRgb c)
{
    return qRed(c) > 150 && qGreen(c) < 100 && qBlue(c) < 100;
}

QImage quadrants()
{
    QImage image(2, 2, QImage::Format_RGB32);
    image.setPixel(0, 0, Red);
    image.setPixel(1, 0, Green);
    image.setPixel(0, 1, Blue);
    image.setPixel(1, 1, Yellow);
    return image;
}

// A metafile that uses most record kinds, for the damage tests.
QByteArray everything()
{
    WmfWriter w;
    w.setPlaceable(0, 0, 1000, 800, 1000);
    w.setWindowOrg(0, 0);
    w.setWindowExt(1000, 800);
    const int pen = w.createPen(PsDash, 1, Blue);
    const int brush = w.createBrush(BsHatched, Red, 3);
    WmfWriter::FontSpec fontSpec;
    fontSpec.height = -60;
    fontSpec.escapement = 450;
    fontSpec.face = "Liberation Sans";
    const int font = w.createFont(fontSpec);
    const int palette = w.createPalette({Red, Green});
    w.selectObject(pen);
    w.selectObject(brush);
    w.selectObject(font);
    w.selectPalette(palette);
    w.saveDc();
    w.intersectClipRect(10, 10, 900, 700);
    w.excludeClipRect(100, 100, 200, 200);
    w.rectangle(10, 10, 500, 400);
    w.roundRect(20, 20, 300, 300, 40, 40);
    w.ellipse(100, 100, 400, 300);
    w.arc(0, 0, 500, 500, {500, 250}, {250, 0});
    w.pie(0, 0, 500, 500, {500, 250}, {250, 0});
    w.chord(0, 0, 500, 500, {500, 250}, {250, 0});
    w.polygon({{0, 0}, {100, 0}, {50, 100}});
    w.polyline({{0, 0}, {100, 0}, {50, 100}});
    w.polyPolygon({{{0, 0}, {100, 0}, {50, 100}}, {{200, 0}, {300, 0}, {250, 100}}});
    w.moveTo(5, 5);
    w.lineTo(600, 600);
    w.restoreDc(-1);
    w.setTextColor(Blue);
    w.setBkMode(2);
    w.textOut(100, 100, "Hello");
    w.extTextOut(100, 300, 6, QRect(90, 290, 300, 80), "World", {30, 30, 30, 30, 30});
    w.setPixel(10, 10, Red);
    w.stretchDib(500, 400, 200, 200, 0, 0, 2, 2, WmfWriter::dib(quadrants(), 8));
    w.dibStretchBlt(700, 400, 200, 200, 0, 0, 2, 2, WmfWriter::dib(quadrants(), 24));
    w.patBlt(0, 700, 100, 100);
    w.deleteObject(brush);
    w.deleteObject(pen);
    return w.finish();
}

} // namespace

TEST(WmfRecord, NamesRecordTypesForDiagnostics)
{
    EXPECT_STREQ(recordName(WmfRecord::Polygon), "META_POLYGON");
    EXPECT_STREQ(recordName(WmfRecord::Eof), "META_EOF");
    EXPECT_EQ(recordName(quint16(0x0A32)), QByteArray("META_EXTTEXTOUT"));
    EXPECT_EQ(recordName(quint16(0x00AA)), QByteArray("META_UNKNOWN(0x00aa)"));
    WmfRecord kind;
    ASSERT_TRUE(wmfRecordKind(0x0324, &kind));
    EXPECT_EQ(kind, WmfRecord::Polygon);
}

TEST(WmfPlayer, FilledRectangleLandsWhereTheWindowSays)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(10, 20, 50, 60);
    const QImage image = play(w.finish());
    // Twice the logical units: (20, 40) to (100, 120).
    EXPECT_EQ(image.pixel(60, 80), Red);
    EXPECT_EQ(image.pixel(21, 41), Red);
    EXPECT_EQ(image.pixel(98, 118), Red);
    EXPECT_EQ(image.pixel(18, 80), White);
    EXPECT_EQ(image.pixel(102, 80), White);
    EXPECT_EQ(image.pixel(60, 38), White);
    EXPECT_EQ(image.pixel(60, 122), White);
    EXPECT_EQ(inkRect(image), QRect(QPoint(20, 40), QPoint(99, 119)));
}

TEST(WmfPlayer, WindowOriginShiftsTheDrawing)
{
    WmfWriter w;
    w.setWindowOrg(1000, 2000);
    w.setWindowExt(100, 100);
    w.selectObject(w.createPen(PsNull, 0, 0));
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(1010, 2020, 1050, 2060);
    EXPECT_EQ(inkRect(play(w.finish())), QRect(QPoint(20, 40), QPoint(99, 119)));
}

TEST(WmfPlayer, PlaceableFrameIsTheWindowWithoutWindowRecords)
{
    WmfWriter w;
    w.setPlaceable(100, 100, 300, 300, 1440);
    w.selectObject(w.createPen(PsNull, 0, 0));
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(100, 100, 200, 200);
    EXPECT_EQ(inkRect(play(w.finish())), QRect(0, 0, 100, 100));
}

TEST(WmfPlayer, StretchesToANonSquareTargetAndOffset)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 50, 100);
    QImage image = whiteImage(400, 200);
    playInto(image, w.finish(), QRectF(50, 20, 300, 100));
    // Three pixels a unit across, one down, from (50, 20).
    EXPECT_EQ(inkRect(image), QRect(50, 20, 150, 100));
}

TEST(WmfPlayer, NegativeExtentTurnsTheYAxisUp)
{
    WmfWriter w;
    w.setWindowOrg(0, 100);
    w.setWindowExt(100, -100);
    w.selectObject(w.createPen(PsNull, 0, 0));
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 50, 25);
    EXPECT_EQ(inkRect(play(w.finish())), QRect(0, 150, 100, 50));
}

TEST(WmfPlayer, PenColourWithAHollowBrush)
{
    WmfWriter w;
    w.setWindowExt(100, 100);
    w.selectObject(w.createPen(PsSolid, 5, Blue));   // ten pixels at twice the size
    w.selectObject(w.createBrush(BsNull, Red));
    w.rectangle(20, 20, 80, 80);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(40, 100), Blue);
    EXPECT_EQ(image.pixel(160, 100), Blue);
    EXPECT_EQ(image.pixel(100, 40), Blue);
    EXPECT_EQ(image.pixel(100, 100), White);
    EXPECT_EQ(image.pixel(20, 100), White);
    EXPECT_EQ(countPixels(image, image.rect(), reddish), 0);
}

TEST(WmfPlayer, PenOfWidthZeroIsOnePixel)
{
    WmfWriter w;
    w.setWindowExt(10, 10);   // twenty pixels a unit
    w.selectObject(w.createPen(PsSolid, 0, Blue));
    w.moveTo(1, 5);
    w.lineTo(9, 5);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(100, 100), Blue);
    EXPECT_EQ(image.pixel(100, 99), White);
    EXPECT_EQ(image.pixel(100, 101), White);
}

TEST(WmfPlayer, PolygonFillModeDecidesTheStarsCentre)
{
    const QList<QPoint> star = {{50, 0}, {79, 90}, {2, 35}, {98, 35}, {21, 90}};
    for (const int mode : {1, 2}) {
        WmfWriter w = window100();
        w.selectObject(w.createBrush(BsSolid, Red));
        w.setPolyFillMode(mode);
        w.polygon(star);
        const QImage image = play(w.finish());
        EXPECT_EQ(image.pixel(100, 50), Red) << "a point";
        EXPECT_EQ(image.pixel(100, 100), mode == 2 ? Red : White) << "mode " << mode;
    }
}

TEST(WmfPlayer, PolyPolygonHolesFollowTheFillMode)
{
    for (const int mode : {1, 2}) {
        WmfWriter w = window100();
        w.selectObject(w.createBrush(BsSolid, Red));
        w.setPolyFillMode(mode);
        w.polyPolygon({{{10, 10}, {90, 10}, {90, 90}, {10, 90}}, {{40, 40}, {60, 40}, {60, 60}, {40, 60}}});
        const QImage image = play(w.finish());
        EXPECT_EQ(image.pixel(40, 40), Red);
        EXPECT_EQ(image.pixel(100, 100), mode == 2 ? Red : White);
    }
}

TEST(WmfPlayer, HatchedBrushesDrawLinesOnTheBackground)
{
    // HS_HORIZONTAL on an opaque green background: whole rows of red and of green.
    WmfWriter w = window100();
    w.setBkColor(Green);
    w.selectObject(w.createBrush(BsHatched, Red, 0));
    w.rectangle(0, 0, 100, 100);
    QImage image = play(w.finish());
    int redRows = 0;
    int greenRows = 0;
    for (int y = 50; y < 66; ++y) {
        const QRgb c = image.pixel(50, y);
        EXPECT_EQ(image.pixel(120, y), c);
        redRows += c == Red ? 1 : 0;
        greenRows += c == Green ? 1 : 0;
    }
    EXPECT_EQ(redRows + greenRows, 16);
    EXPECT_GE(redRows, 2);
    EXPECT_GE(greenRows, 8);

    // HS_FDIAGONAL (2) runs down to the right, HS_BDIAGONAL (3) up to the right; with a
    // transparent background the white below shows between the lines.
    for (const int hatch : {2, 3}) {
        WmfWriter d = window100();
        d.setBkMode(1);
        d.selectObject(d.createBrush(BsHatched, Red, hatch));
        d.rectangle(0, 0, 100, 100);
        image = play(d.finish());
        int down = 0;
        int up = 0;
        for (int y = 40; y < 80; ++y) {
            for (int x = 40; x < 80; ++x) {
                if (image.pixel(x, y) != Red)
                    continue;
                down += image.pixel(x + 1, y + 1) == Red ? 1 : 0;
                up += image.pixel(x + 1, y - 1) == Red ? 1 : 0;
            }
        }
        EXPECT_GT(countPixels(image, QRect(40, 40, 40, 40), [](QRgb c) { return c == White; }),
                  1000);
        if (hatch == 2)
            EXPECT_GT(down, 10 * (up + 1)) << "HS_FDIAGONAL";
        else
            EXPECT_GT(up, 10 * (down + 1)) << "HS_BDIAGONAL";
    }
}

TEST(WmfPlayer, DibIsDrawnStretched)
{
    for (const int bits : {1, 4, 8, 24, 32}) {
        QImage source = quadrants();
        if (bits == 1) {
            source.setPixel(1, 0, White);
            source.setPixel(0, 1, White);
            source.setPixel(1, 1, Red);
        }
        WmfWriter w = window100();
        w.stretchDib(0, 0, 100, 100, 0, 0, 2, 2, WmfWriter::dib(source, bits));
        const QImage image = play(w.finish());
        EXPECT_EQ(image.pixel(50, 50), source.pixel(0, 0)) << bits;
        EXPECT_EQ(image.pixel(150, 50), source.pixel(1, 0)) << bits;
        EXPECT_EQ(image.pixel(50, 150), source.pixel(0, 1)) << bits;
        EXPECT_EQ(image.pixel(150, 150), source.pixel(1, 1)) << bits;
    }
}

TEST(WmfPlayer, StretchDibSourceStartsAtTheLowerLeftOfABottomUpDib)
{
    WmfWriter w = window100();
    w.stretchDib(0, 0, 100, 100, 0, 0, 1, 1, WmfWriter::dib(quadrants(), 24));
    EXPECT_EQ(play(w.finish()).pixel(100, 100), Blue);

    // DIBStretchBlt copies from a bitmap selected into a device context: from the top.
    WmfWriter b = window100();
    b.dibStretchBlt(0, 0, 100, 100, 1, 0, 1, 1, WmfWriter::dib(quadrants(), 24));
    EXPECT_EQ(play(b.finish()).pixel(100, 100), Green);
}

TEST(WmfPlayer, NegativeDestinationMirrorsTheDib)
{
    WmfWriter w = window100();
    w.dibStretchBlt(100, 0, -100, 100, 0, 0, 2, 2, WmfWriter::dib(quadrants(), 24));
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(50, 50), Green);
    EXPECT_EQ(image.pixel(150, 50), Red);
}

TEST(WmfPlayer, MirroredDibPartlyOffTheImage)
{
    // Upside down (a negative height) and half above the image: the rows left show the
    // top of the bitmap, the first run of this once wrote outside the image.
    WmfWriter w = window100();
    w.dibStretchBlt(0, 20, 100, -40, 0, 0, 2, 2, WmfWriter::dib(quadrants(), 24));
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(50, 20), Red);
    EXPECT_EQ(image.pixel(150, 20), Green);
    EXPECT_EQ(image.pixel(50, 60), White);
}

TEST(WmfPlayer, TextIsDrawnInTheTextColour)
{
    WmfWriter w = window100();
    WmfWriter::FontSpec fontSpec;
    fontSpec.height = -20;   // forty pixels
    fontSpec.weight = 700;
    fontSpec.face = "Liberation Sans";
    w.selectObject(w.createFont(fontSpec));
    w.setTextColor(Red);
    w.setBkMode(1);
    w.textOut(10, 10, "HHH");
    const QImage image = play(w.finish());
    const QRect ink = inkRect(image);
    EXPECT_GE(ink.left(), 20);
    EXPECT_GE(ink.top(), 20);
    EXPECT_LE(ink.bottom(), 62);
    EXPECT_GT(ink.width(), 60);
    EXPECT_GT(countPixels(image, ink, [](QRgb c) { return c == Red; }), 300);
    EXPECT_EQ(countPixels(image, image.rect(),
                          [](QRgb c) { return c != White && qGreen(c) > qRed(c); }),
              0);
}

TEST(WmfPlayer, TextAlignmentAndEscapement)
{
    WmfWriter w = window100();
    WmfWriter::FontSpec fontSpec;
    fontSpec.height = -10;
    fontSpec.escapement = 900;   // upwards
    fontSpec.face = "Liberation Sans";
    w.selectObject(w.createFont(fontSpec));
    w.setBkMode(1);
    w.setTextAlign(0x0018);   // baseline
    w.textOut(50, 90, "HHHHHH");
    const QRect ink = inkRect(play(w.finish()));
    EXPECT_GT(ink.height(), 2 * ink.width());
    EXPECT_LE(ink.bottom(), 181);
    EXPECT_LE(ink.right(), 101);   // the glyphs lie left of a baseline running up

    // TA_CENTER centres the text on its reference point.
    WmfWriter c = window100();
    fontSpec.escapement = 0;
    c.selectObject(c.createFont(fontSpec));
    c.setBkMode(1);
    c.setTextAlign(0x0006);
    c.textOut(50, 40, "HHHH");
    const QRect centred = inkRect(play(c.finish()));
    EXPECT_NEAR(centred.center().x(), 100, 3);
}

TEST(WmfPlayer, ExtTextOutOpaqueRectangleAndSpacing)
{
    WmfWriter w = window100();
    WmfWriter::FontSpec fontSpec;
    fontSpec.height = -10;
    fontSpec.face = "Liberation Sans";
    w.selectObject(w.createFont(fontSpec));
    w.setBkColor(Yellow);
    w.setBkMode(1);
    w.extTextOut(10, 50, 2, QRect(5, 45, 90, 20), "I I", {20, 20, 20});
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(15, 95), Yellow);
    EXPECT_EQ(image.pixel(185, 125), Yellow);
    EXPECT_EQ(image.pixel(5, 95), White);
    // The second I stands 40 units (80 pixels) right of the first.
    const auto ink = [](QRgb c) { return qRed(c) < 100; };
    EXPECT_GT(countPixels(image, QRect(100, 90, 20, 40), ink), 10);
    EXPECT_GT(countPixels(image, QRect(20, 90, 20, 40), ink), 10);
    EXPECT_EQ(countPixels(image, QRect(50, 90, 40, 40), ink), 0);
}

TEST(WmfPlayer, SaveDcAndRestoreDc)
{
    WmfWriter w = window100();
    const int red = w.createBrush(BsSolid, Red);
    const int blue = w.createBrush(BsSolid, Blue);
    w.selectObject(red);
    w.saveDc();
    w.selectObject(blue);
    w.setWindowExt(50, 50);
    w.intersectClipRect(0, 0, 1, 1);
    w.restoreDc(-1);
    w.rectangle(0, 0, 50, 50);
    const QImage image = play(w.finish());
    // Red brush, the 100-unit window and no clipping are back.
    EXPECT_EQ(inkRect(image), QRect(0, 0, 100, 100));
    EXPECT_EQ(image.pixel(50, 50), Red);

    // An absolute RestoreDC returns to the n-th saved state and drops the later ones.
    WmfWriter a = window100();
    a.selectObject(a.createBrush(BsSolid, Red));
    a.saveDc();   // 1: red
    a.selectObject(a.createBrush(BsSolid, Blue));
    a.saveDc();   // 2: blue
    a.selectObject(a.createBrush(BsSolid, Green));
    a.restoreDc(1);
    a.restoreDc(-1);   // nothing saved any more: ignored
    a.rectangle(0, 0, 50, 50);
    EXPECT_EQ(play(a.finish()).pixel(50, 50), Red);
}

TEST(WmfPlayer, DeletedObjectsFreeTheirSlotsForTheNextObject)
{
    WmfWriter w = window100();   // the pen is object 0
    const int red = w.createBrush(BsSolid, Red);
    const int blue = w.createBrush(BsSolid, Blue);
    ASSERT_EQ(red, 1);
    ASSERT_EQ(blue, 2);
    w.deleteObject(red);
    const int green = w.createBrush(BsSolid, Green);
    ASSERT_EQ(green, 1);   // the writer follows the same rule as the player
    w.selectObject(1);
    w.rectangle(0, 0, 50, 50);
    w.deleteObject(blue);
    w.selectObject(blue);   // deleted: ignored, the brush stays green
    w.selectObject(500);    // never existed
    w.selectObject(0xFFFF);
    w.rectangle(50, 50, 100, 100);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(50, 50), Green);
    EXPECT_EQ(image.pixel(150, 150), Green);
}

TEST(WmfPlayer, ObjectsWithoutAUseStillTakeTheirSlot)
{
    WmfWriter w = window100();
    QByteArray region(22, '\0');
    ASSERT_EQ(w.createObject(0x06FF, region), 1);   // META_CREATEREGION
    const int red = w.createBrush(BsSolid, Red);
    ASSERT_EQ(red, 2);
    w.selectObject(1);   // the region: nothing happens
    w.selectObject(red);
    w.rectangle(0, 0, 50, 50);
    EXPECT_EQ(play(w.finish()).pixel(50, 50), Red);
}

TEST(WmfPlayer, ClipRectangles)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.intersectClipRect(0, 0, 50, 100);
    w.excludeClipRect(10, 10, 20, 20);
    w.rectangle(0, 0, 100, 100);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(50, 100), Red);
    EXPECT_EQ(image.pixel(150, 100), White);
    EXPECT_EQ(image.pixel(30, 30), White);
    EXPECT_EQ(image.pixel(50, 30), Red);
}

TEST(WmfPlayer, ClippingStaysInsideThePaintersOwnClip)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.excludeClipRect(0, 0, 10, 10);
    w.rectangle(0, 0, 100, 100);
    QImage image = whiteImage(200, 200);
    {
        QPainter painter(&image);
        painter.setClipRect(0, 0, 100, 200);
        WmfPlayer(w.finish()).play(painter, QRectF(0, 0, 200, 200));
        EXPECT_EQ(painter.clipRegion(), QRegion(0, 0, 100, 200));
    }
    EXPECT_EQ(image.pixel(50, 100), Red);
    EXPECT_EQ(image.pixel(150, 100), White);
    EXPECT_EQ(image.pixel(5, 5), White);
}

TEST(WmfPlayer, ArcsPiesAndChords)
{
    // Counter-clockwise from three o'clock to twelve o'clock: the upper right quarter.
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.pie(0, 0, 100, 100, {100, 50}, {50, 0});
    QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(140, 60), Red);
    EXPECT_EQ(image.pixel(60, 60), White);
    EXPECT_EQ(image.pixel(60, 140), White);
    EXPECT_EQ(image.pixel(140, 140), White);

    WmfWriter c = window100();
    c.selectObject(c.createBrush(BsSolid, Red));
    c.chord(0, 0, 100, 100, {100, 50}, {50, 0});
    image = play(c.finish());
    EXPECT_EQ(image.pixel(170, 30), Red);
    EXPECT_EQ(image.pixel(110, 90), White);   // the inner side of the chord line

    WmfWriter a;
    a.setWindowExt(100, 100);
    a.selectObject(a.createPen(PsSolid, 2, Blue));
    a.arc(0, 0, 100, 100, {0, 50}, {100, 50});   // the lower half
    image = play(a.finish());
    EXPECT_EQ(image.pixel(100, 199), Blue);
    EXPECT_EQ(countPixels(image, QRect(0, 0, 200, 90), [](QRgb c) { return c != White; }), 0);
}

TEST(WmfPlayer, EllipseRoundRectAndPixel)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.ellipse(0, 0, 100, 50);
    w.roundRect(0, 50, 100, 100, 40, 40);
    w.setPixel(99, 0, Blue);
    const QImage image = play(w.finish());
    EXPECT_EQ(image.pixel(100, 50), Red);
    EXPECT_EQ(image.pixel(3, 3), White);
    EXPECT_EQ(image.pixel(100, 150), Red);
    EXPECT_EQ(image.pixel(2, 198), White);
    EXPECT_EQ(image.pixel(198, 0), Blue);
}

TEST(WmfPlayer, Rop2NopDrawsNothing)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.setRop2(11);
    w.rectangle(0, 0, 100, 100);
    w.setRop2(13);
    w.rectangle(0, 0, 10, 10);
    EXPECT_EQ(inkRect(play(w.finish())), QRect(0, 0, 20, 20));
}

TEST(WmfPlayer, UnknownRecordsAreSkippedBySize)
{
    WmfWriter w = window100();
    w.record(0x0999, QByteArray(40, '\x55'));
    w.record(0x0626, QByteArray(10, '\x01'));   // an escape
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 50, 50);
    QImage image = whiteImage(200, 200);
    const WmfPlayer::Result result = playInto(image, w.finish(), QRectF(0, 0, 200, 200));
    EXPECT_EQ(result.outcome, WmfPlayer::Outcome::Finished);
    EXPECT_EQ(result.skippedRecords, 2);
    EXPECT_EQ(image.pixel(50, 50), Red);
}

TEST(WmfPlayer, TracesEveryRecord)
{
    WmfWriter w = window100();
    w.rectangle(0, 0, 1, 1);
    QStringList names;
    WmfPlayer player(w.finish());
    player.setTrace([&names](qsizetype, quint16 function, quint32) {
        names << QString::fromLatin1(recordName(function));
    });
    QImage image = whiteImage(10, 10);
    QPainter painter(&image);
    player.play(painter, QRectF(0, 0, 10, 10));
    EXPECT_EQ(names, QStringList({"META_SETWINDOWORG", "META_SETWINDOWEXT", "META_CREATEPENINDIRECT",
                                  "META_SELECTOBJECT", "META_RECTANGLE", "META_EOF"}));
}

TEST(WmfPlayer, RecordSizesThatDoNotFitStopPlayback)
{
    WmfWriter w = window100();
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 50, 50);
    const QByteArray good = w.finish();
    // The EOF record's size word becomes 0, then huge.
    for (const quint32 size : {0u, 1u, 0x7FFFFFFFu, 0xFFFFFFFFu}) {
        QByteArray bad = good;
        qToLittleEndian<quint32>(size, bad.data() + bad.size() - 6);
        QImage image = whiteImage(200, 200);
        const WmfPlayer::Result result = playInto(image, bad, QRectF(0, 0, 200, 200));
        EXPECT_EQ(result.outcome, WmfPlayer::Outcome::BadRecordSize) << size;
        EXPECT_FALSE(result.message.isEmpty());
        EXPECT_EQ(image.pixel(50, 50), Red) << "what came before is drawn";
    }
}

TEST(WmfPlayer, LimitsBoundPlayback)
{
    WmfWriter w = window100();
    for (int i = 0; i < 50; ++i)
        w.polygon({{0, 0}, {10, 0}, {10, 10}, {0, 10}});
    QImage image = whiteImage(20, 20);
    WmfPlayer::Limits limits;
    limits.maxRecords = 20;
    EXPECT_EQ(playInto(image, w.finish(), QRectF(0, 0, 20, 20), limits).outcome,
              WmfPlayer::Outcome::TooManyRecords);
    limits = {};
    limits.maxPoints = 100;
    EXPECT_EQ(playInto(image, w.finish(), QRectF(0, 0, 20, 20), limits).outcome,
              WmfPlayer::Outcome::TooManyPoints);
    EXPECT_EQ(playInto(image, w.finish(), QRectF(0, 0, 20, 20)).outcome,
              WmfPlayer::Outcome::Finished);
}

TEST(WmfPlayer, DamagedFilesNeverCrash)
{
    const QByteArray full = everything();
    {
        QImage image = whiteImage(100, 80);
        EXPECT_EQ(playInto(image, full, QRectF(0, 0, 100, 80)).outcome,
                  WmfPlayer::Outcome::Finished);
    }
    // Truncated at every byte: no header, or a record cut off (or none cut, at a record's
    // end), never anything else.
    QImage image = whiteImage(50, 40);
    const qsizetype headerEnd = 22 + 18;
    for (qsizetype n = 0; n < full.size(); ++n) {
        const WmfPlayer::Outcome outcome =
            playInto(image, full.left(n), QRectF(0, 0, 50, 40)).outcome;
        if (n < headerEnd)
            EXPECT_EQ(outcome, WmfPlayer::Outcome::NotMetafile) << n;
        else
            EXPECT_TRUE(outcome == WmfPlayer::Outcome::BadRecordSize
                        || outcome == WmfPlayer::Outcome::Finished)
                << n;
    }

    // Every 16-bit word in turn replaced by values that break sizes, counts and indexes.
    for (qsizetype at = 0; at + 1 < full.size(); at += 2) {
        for (const quint16 value : {quint16(0), quint16(0x7FFF), quint16(0x8000), quint16(0xFFFF)}) {
            QByteArray bad = full;
            qToLittleEndian<quint16>(value, bad.data() + at);
            playInto(image, bad, QRectF(0, 0, 50, 40));
        }
    }

    // Random bytes flipped.
    std::mt19937 random(1234);
    for (int round = 0; round < 300; ++round) {
        QByteArray bad = full;
        for (int k = 0; k < 8; ++k)
            bad[qsizetype(random() % quint32(bad.size()))] = char(random());
        playInto(image, bad, QRectF(0, 0, 50, 40));
    }
}

TEST(WmfPlayer, HostileCountsAndBitmapsAreRefused)
{
    // A polygon claiming 32767 points with four of them present.
    WmfWriter w = window100();
    QByteArray polygon;
    polygon.append("\xff\x7f", 2);
    polygon.append(QByteArray(16, '\x10'));
    w.record(0x0324, polygon);
    // A PolyPolygon whose counts overflow 16 bits when added up.
    QByteArray polys;
    polys.append("\x04\x00", 2);
    for (int i = 0; i < 4; ++i)
        polys.append("\xff\xff", 2);
    w.record(0x0538, polys);
    // A DIB claiming 60000 x 60000 at 32 bits with no pixels behind it, and one with a
    // height of INT_MIN.
    for (const qint32 height : {60000, std::numeric_limits<qint32>::min()}) {
        QByteArray dib(40, '\0');
        qToLittleEndian<quint32>(40, dib.data());
        qToLittleEndian<qint32>(60000, dib.data() + 4);
        qToLittleEndian<qint32>(height, dib.data() + 8);
        qToLittleEndian<quint16>(1, dib.data() + 12);
        qToLittleEndian<quint16>(32, dib.data() + 14);
        w.stretchDib(0, 0, 100, 100, 0, 0, 60000 & 0x7FFF, 100, dib);
    }
    // A colour table larger than the record.
    QByteArray table = WmfWriter::dib(quadrants(), 8);
    qToLittleEndian<quint32>(60000, table.data() + 32);
    w.stretchDib(0, 0, 100, 100, 0, 0, 2, 2, table);
    // Text longer than its record.
    w.record(0x0521, QByteArray("\x00\x40" "ab", 4));
    w.record(0x0A32, QByteArray("\x00\x00\x00\x00\xff\x7f\x06\x00", 8));
    // A font and a pen cut short.
    EXPECT_EQ(w.createObject(0x02FB, QByteArray("\x10", 1)), 1);
    EXPECT_EQ(w.createObject(0x02FA, QByteArray()), 2);
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(0, 0, 10, 10);
    QImage image = whiteImage(200, 200);
    const WmfPlayer::Result result = playInto(image, w.finish(), QRectF(0, 0, 200, 200));
    EXPECT_EQ(result.outcome, WmfPlayer::Outcome::Finished);
    // Nothing but the final rectangle was drawn, and it used the brush in slot 3 (the pen,
    // the cut-short font and pen took 0 to 2).
    EXPECT_EQ(inkRect(image), QRect(0, 0, 20, 20));
    EXPECT_EQ(image.pixel(10, 10), Red);
}

TEST(WmfPlayer, NotAMetafile)
{
    QImage image = whiteImage(10, 10);
    EXPECT_EQ(playInto(image, QByteArray("hello, world, not a metafile"), QRectF(0, 0, 10, 10)).outcome,
              WmfPlayer::Outcome::NotMetafile);
    EXPECT_EQ(playInto(image, QByteArray(), QRectF(0, 0, 10, 10)).outcome,
              WmfPlayer::Outcome::NotMetafile);
}

TEST(WmfPlayer, LeavesThePainterAsItFoundIt)
{
    QImage image = whiteImage(100, 100);
    QPainter painter(&image);
    painter.setPen(QPen(Qt::green, 3));
    painter.setBrush(Qt::yellow);
    painter.translate(10, 10);
    WmfPlayer(everything()).play(painter, QRectF(0, 0, 80, 80));
    EXPECT_EQ(painter.pen(), QPen(Qt::green, 3));
    EXPECT_EQ(painter.brush(), QBrush(Qt::yellow));
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(10, 10));
    EXPECT_FALSE(painter.hasClipping());
}

TEST(WmfPlayer, MetafilePictureDrawsThroughThePlayer)
{
    WmfWriter w;
    w.setPlaceable(0, 0, 100, 100, 1000);
    w.selectObject(w.createPen(PsNull, 0, 0));
    w.selectObject(w.createBrush(BsSolid, Red));
    w.rectangle(50, 50, 100, 100);
    MetafilePicture picture;
    ASSERT_TRUE(picture.setBytes(w.finish()));
    QImage image = whiteImage(100, 100);
    {
        QPainter painter(&image);
        picture.draw(painter, QRectF(0, 0, 100, 100));
    }
    EXPECT_EQ(inkRect(image), QRect(50, 50, 50, 50));
}

TEST(ShippedBorders, DecorateOnlyTheOuterBandOfTheMarginBox)
{
    const QDir folder(AppPaths::dataFolder() + QStringLiteral("Borders"));
    const QStringList files = folder.entryList({QStringLiteral("*.wpo"), QStringLiteral("*.wls")},
                                               QDir::Files, QDir::Name);
    ASSERT_GE(files.size(), 20);
    for (const QString &name : files) {
        SCOPED_TRACE(name.toStdString());
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        ASSERT_TRUE(MetafilePicture::looksLikeMetafile(bytes));
        // The margin box of a Letter page at 100 pixels an inch.
        const bool landscape = name.endsWith(QLatin1String(".wls"));
        QImage image = whiteImage(landscape ? 1000 : 750, landscape ? 750 : 1000);
        const WmfPlayer::Result result = playInto(image, bytes, QRectF(image.rect()));
        EXPECT_EQ(result.outcome, WmfPlayer::Outcome::Finished);
        EXPECT_EQ(result.skippedRecords, 0);
        // The calendar starts 0.47 inch inside the box: nothing is drawn there.
        const QRect inside = image.rect().adjusted(45, 45, -45, -45);
        EXPECT_EQ(countPixels(image, inside, [](QRgb c) { return c != White; }), 0);
        // Every corner and the middle of every side carry decoration.
        const int w = image.width();
        const int h = image.height();
        const auto inked = [&image](const QRect &r) {
            return countPixels(image, r, [](QRgb c) { return c != White; }) > 20;
        };
        EXPECT_TRUE(inked(QRect(0, 0, 45, 45)));
        EXPECT_TRUE(inked(QRect(w - 45, 0, 45, 45)));
        EXPECT_TRUE(inked(QRect(0, h - 45, 45, 45)));
        EXPECT_TRUE(inked(QRect(w - 45, h - 45, 45, 45)));
        EXPECT_TRUE(inked(QRect(w / 2 - 40, 0, 80, 45)));
        EXPECT_TRUE(inked(QRect(w / 2 - 40, h - 45, 80, 45)));
        EXPECT_TRUE(inked(QRect(0, h / 2 - 40, 45, 80)));
        EXPECT_TRUE(inked(QRect(w - 45, h / 2 - 40, 45, 80)));
    }
}
