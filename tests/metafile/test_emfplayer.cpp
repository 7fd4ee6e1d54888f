// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "emfwriter.h"
#include "imageprobes.h"

#include "metafile/emfplayer.h"
#include "metafile/emfrecord.h"
#include "metafile/metafilepicture.h"

#include <QPainter>
#include <QtEndian>

#include <functional>
#include <random>

using ImageProbes::inkRect;

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 160, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);

constexpr quint32 PsDash = 1;
constexpr quint32 PsUserStyle = 7;
constexpr quint32 PsEndCapSquare = 0x0100;
constexpr quint32 PsEndCapFlat = 0x0200;
constexpr quint32 PsGeometric = 0x00010000;
constexpr quint32 BsSolid = 0;
constexpr quint32 BsHatched = 2;
constexpr quint32 NullPen = 0x80000008;
constexpr quint32 BlackBrush = 0x80000004;
constexpr quint32 NullBrush = 0x80000005;
constexpr quint32 EmrPolygon = 3;
constexpr quint32 EmrPolyline = 4;
constexpr quint32 EmrPolyBezierTo = 5;
constexpr quint32 EmrPolyPolygon = 8;
constexpr quint32 EmrChord = 46;
constexpr quint32 EmrPie = 47;
constexpr int RgnCopy = 5;
constexpr int RgnAnd = 1;

QImage whiteImage(int width = 200, int height = 200)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

EmfPlayer::Result playInto(QImage &image, const QByteArray &bytes, const QRectF &target,
                           const EmfPlayer::Limits &limits = {})
{
    QPainter painter(&image);
    return EmfPlayer(bytes, limits).play(painter, target);
}

// The 100-pixel picture stretched onto 200 pixels: two image pixels a logical unit.
QImage play(const QByteArray &bytes)
{
    QImage image = whiteImage();
    playInto(image, bytes, QRectF(0, 0, 200, 200));
    return image;
}

// A writer with no pen and a solid brush of colour, ready to fill.
EmfWriter filling(QRgb color, int width = 100, int height = 100, int left = 0, int top = 0)
{
    EmfWriter w(width, height, left, top);
    w.selectObject(NullPen);
    w.selectObject(w.createBrush(BsSolid, color));
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

bool near(QRgb a, QRgb b, int tolerance = 40)
{
    return std::abs(qRed(a) - qRed(b)) <= tolerance && std::abs(qGreen(a) - qGreen(b)) <= tolerance
           && std::abs(qBlue(a) - qBlue(b)) <= tolerance;
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

// A picture that uses most record kinds, for the damage tests.
QByteArray everything()
{
    EmfWriter w;
    w.setMapMode(8);
    w.setWindowExt(1000, 1000);
    w.setViewportExt(100, 100);
    const int pen = w.extCreatePen(PsGeometric | PsDash, 20, Blue);
    w.selectObject(pen);
    w.selectObject(w.createBrush(BsHatched, Red, 3));
    w.selectObject(w.createFont(-100, QStringLiteral("Liberation Sans"), 300));
    w.saveDc();
    w.modifyWorldTransform(QTransform().rotate(10), 2);
    w.intersectClipRect(QRect(10, 10, 900, 900));
    w.excludeClipRect(QRect(100, 100, 100, 100));
    w.rectangle(QRect(QPoint(10, 10), QPoint(500, 400)));
    w.roundRect(QRect(QPoint(20, 20), QPoint(300, 300)), 40, 40);
    w.ellipse(QRect(QPoint(100, 100), QPoint(400, 300)));
    w.arc(45, QRect(QPoint(0, 0), QPoint(500, 500)), {500, 250}, {250, 0});
    w.arc(EmrPie, QRect(QPoint(0, 0), QPoint(500, 500)), {500, 250}, {250, 0});
    w.arc(EmrChord, QRect(QPoint(0, 0), QPoint(500, 500)), {500, 250}, {250, 0});
    w.poly(EmrPolygon, {{0, 0}, {100, 0}, {50, 100}}, true);
    w.poly(EmrPolyline, {{0, 0}, {100, 0}, {50, 100}});
    w.polyPoly(EmrPolyPolygon, {{{0, 0}, {100, 0}, {50, 100}}, {{200, 0}, {300, 0}, {250, 100}}}, true);
    w.beginPath();
    w.moveTo(5, 5);
    w.lineTo(600, 600);
    w.poly(EmrPolyBezierTo, {{700, 600}, {700, 700}, {600, 700}}, true);
    w.closeFigure();
    w.endPath();
    w.strokeAndFillPath();
    w.restoreDc(-1);
    w.extSelectClipRgn({QRect(0, 0, 60, 60)}, RgnAnd);
    w.setTextColor(Blue);
    w.extTextOut(100, 100, QStringLiteral("Hello"), 2, QRect(90, 90, 300, 80), {30, 30, 30, 30, 30});
    w.setPixel(10, 10, Red);
    w.stretchDiBits(QRect(500, 400, 200, 200), QRect(0, 0, 2, 2), quadrants(), 8);
    w.alphaBlend(QRect(700, 400, 200, 200), quadrants(), 200, false);
    w.patBlt(QRect(0, 700, 100, 100), 0x00F00021);
    w.deleteObject(pen);
    return w.finish();
}

} // namespace

TEST(EmfRecord, NamesRecordTypesForDiagnostics)
{
    EXPECT_EQ(emfRecordName(84), QByteArray("EMR_EXTTEXTOUTW"));
    EXPECT_EQ(emfRecordName(1), QByteArray("EMR_HEADER"));
    EXPECT_EQ(emfRecordName(69), QByteArray("EMR_UNKNOWN(69)"));
    EXPECT_EQ(emfRecordName(5000), QByteArray("EMR_UNKNOWN(5000)"));
}

TEST(EmfPlayer, TheFrameFillsTheTarget)
{
    EmfWriter w = filling(Red);
    w.rectangle(QRect(QPoint(10, 20), QPoint(50, 60)));
    EXPECT_EQ(inkRect(play(w.finish())), QRect(QPoint(20, 40), QPoint(99, 119)));

    // A frame that starts away from the device's origin: its corner is the target's.
    EmfWriter shifted = filling(Red, 100, 100, 50, 50);
    shifted.rectangle(QRect(QPoint(50, 50), QPoint(100, 100)));
    EXPECT_EQ(inkRect(play(shifted.finish())), QRect(0, 0, 100, 100));

    // Stretched onto a wide, offset target.
    QImage image = whiteImage(400, 200);
    playInto(image, w.finish(), QRectF(100, 0, 200, 100));
    EXPECT_EQ(inkRect(image), QRect(QPoint(120, 20), QPoint(199, 59)));

    EmfPlayer player(w.finish());
    ASSERT_TRUE(player.isValid());
    EXPECT_EQ(player.frame(), QRect(QPoint(0, 0), QPoint(10000, 10000)));
}

TEST(EmfPlayer, MapModesWindowsAndViewports)
{
    struct Case
    {
        const char *name;
        std::function<void(EmfWriter &)> setup;
        QRect logical;
        QRect expected;   // in the 200-pixel image
    };
    const Case cases[] = {
        {"anisotropic", [](EmfWriter &w) { w.setMapMode(8); w.setWindowExt(1000, 500); w.setViewportExt(100, 100); },
         QRect(QPoint(0, 0), QPoint(500, 250)), QRect(0, 0, 100, 100)},
        {"isotropic keeps units square", [](EmfWriter &w) { w.setMapMode(7); w.setWindowExt(1000, 500); w.setViewportExt(100, 100); },
         QRect(QPoint(0, 0), QPoint(500, 250)), QRect(0, 0, 100, 50)},
        {"extents ignored in MM_TEXT", [](EmfWriter &w) { w.setWindowExt(1000, 500); w.setViewportExt(100, 100); },
         QRect(QPoint(0, 0), QPoint(50, 25)), QRect(0, 0, 100, 50)},
        {"tenths of a millimetre, y up", [](EmfWriter &w) { w.setMapMode(2); },
         QRect(QPoint(0, -500), QPoint(500, -1000)), QRect(0, 100, 100, 100)},
        {"twips", [](EmfWriter &w) { w.setMapMode(6); w.setViewportOrg(0, 100); },
         QRect(QPoint(0, 0), QPoint(2835, 2835)), QRect(0, 100, 100, 100)},
        {"origins", [](EmfWriter &w) { w.setWindowOrg(100, 100); w.setViewportOrg(10, 10); },
         QRect(QPoint(100, 100), QPoint(150, 150)), QRect(20, 20, 100, 100)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EmfWriter w = filling(Red);
        c.setup(w);
        w.rectangle(c.logical);
        const QRect ink = inkRect(play(w.finish()));
        EXPECT_NEAR(ink.left(), c.expected.left(), 1);
        EXPECT_NEAR(ink.top(), c.expected.top(), 1);
        EXPECT_NEAR(ink.right(), c.expected.right(), 1);
        EXPECT_NEAR(ink.bottom(), c.expected.bottom(), 1);
    }
}

TEST(EmfPlayer, WorldTransforms)
{
    struct Case
    {
        const char *name;
        std::function<void(EmfWriter &)> setup;
        QRect expected;
    };
    const QRect unit(QPoint(0, 0), QPoint(10, 10));
    const Case cases[] = {
        {"set", [](EmfWriter &w) { w.setWorldTransform(QTransform::fromTranslate(10, 20)); }, QRect(20, 40, 20, 20)},
        // Left multiplication applies the new transform first: (p + 10) * 2.
        {"left", [](EmfWriter &w) { w.setWorldTransform(QTransform::fromScale(2, 2));
                                    w.modifyWorldTransform(QTransform::fromTranslate(10, 0), 2); },
         QRect(40, 0, 40, 40)},
        // Right multiplication applies it last: p * 2 + 10.
        {"right", [](EmfWriter &w) { w.setWorldTransform(QTransform::fromScale(2, 2));
                                     w.modifyWorldTransform(QTransform::fromTranslate(10, 0), 3); },
         QRect(20, 0, 40, 40)},
        {"identity", [](EmfWriter &w) { w.setWorldTransform(QTransform::fromScale(2, 2));
                                        w.modifyWorldTransform(QTransform(), 1); },
         QRect(0, 0, 20, 20)},
        {"restored", [](EmfWriter &w) { w.saveDc(); w.setWorldTransform(QTransform::fromScale(3, 3));
                                        w.restoreDc(-1); },
         QRect(0, 0, 20, 20)},
        {"singular refused", [](EmfWriter &w) { w.setWorldTransform(QTransform::fromScale(0, 0)); },
         QRect(0, 0, 20, 20)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        EmfWriter w = filling(Red);
        c.setup(w);
        w.rectangle(unit);
        EXPECT_EQ(inkRect(play(w.finish())), c.expected);
    }

    // A quarter turn: x' = -y, y' = x.
    EmfWriter turned = filling(Red);
    turned.setWorldTransform(QTransform().rotate(90));
    turned.rectangle(QRect(QPoint(10, -60), QPoint(50, -10)));
    const QRect ink = inkRect(play(turned.finish()));
    EXPECT_NEAR(ink.left(), 20, 1);
    EXPECT_NEAR(ink.right(), 119, 1);
    EXPECT_NEAR(ink.top(), 20, 1);
    EXPECT_NEAR(ink.bottom(), 99, 1);
}

TEST(EmfPlayer, GeometricPensScaleAndHaveEndCaps)
{
    const auto line = [](quint32 style, int width, const QList<quint32> &dashes = {}) {
        EmfWriter w;
        w.selectObject(w.extCreatePen(style, width, Blue, dashes));
        w.moveTo(20, 50);
        w.lineTo(80, 50);
        return play(w.finish());
    };
    // Ten units are twenty pixels: the line covers y 90 to 110.
    const QImage flat = line(PsGeometric | PsEndCapFlat, 10);
    EXPECT_EQ(flat.pixel(100, 93), Blue);
    EXPECT_EQ(flat.pixel(100, 85), White);
    EXPECT_EQ(flat.pixel(42, 100), Blue);
    EXPECT_EQ(flat.pixel(36, 100), White);
    // A square cap reaches half the width past the end.
    EXPECT_EQ(line(PsGeometric | PsEndCapSquare, 10).pixel(33, 100), Blue);
    // A cosmetic pen is one pixel wide whatever width it gives.
    EXPECT_EQ(countPixels(line(0, 10), QRect(100, 80, 1, 40), [](QRgb c) { return c != White; }), 1);
    // Dashed geometric pens dash at any width.
    const QImage dashed = line(PsGeometric | PsDash | PsEndCapFlat, 4);
    int changes = 0;
    for (int x = 41; x < 160; ++x)
        changes += (dashed.pixel(x, 100) == White) != (dashed.pixel(x - 1, 100) == White);
    EXPECT_GE(changes, 2);
    // A user style: ten units on, ten off, from the line's start.
    const QImage user = line(PsGeometric | PsUserStyle | PsEndCapFlat, 2, {10, 10});
    EXPECT_EQ(user.pixel(50, 100), Blue);
    EXPECT_EQ(user.pixel(70, 100), White);
    EXPECT_EQ(user.pixel(90, 100), Blue);
}

TEST(EmfPlayer, BrushesHatchesAndStockObjects)
{
    EmfWriter w;
    w.selectObject(NullPen);
    w.setBkMode(2);
    w.setBkColor(Blue);
    w.selectObject(w.createBrush(BsHatched, Red, 0));   // horizontal lines
    w.rectangle(QRect(QPoint(0, 0), QPoint(50, 50)));
    w.selectObject(BlackBrush);
    w.rectangle(QRect(QPoint(50, 0), QPoint(100, 50)));
    w.selectObject(w.createDibPatternBrush(quadrants()));
    w.rectangle(QRect(QPoint(0, 50), QPoint(50, 100)));
    w.selectObject(w.createPen(0, 0, Green));
    w.selectObject(NullBrush);
    w.rectangle(QRect(QPoint(50, 50), QPoint(99, 99)));
    const QImage image = play(w.finish());
    const QRect hatched(10, 10, 80, 80);
    EXPECT_GT(countPixels(image, hatched, [](QRgb c) { return c == Red; }), 100);
    EXPECT_GT(countPixels(image, hatched, [](QRgb c) { return c == Blue; }), 1000);
    EXPECT_EQ(countPixels(image, hatched, [](QRgb c) { return c != Red && c != Blue; }), 0);
    EXPECT_EQ(image.pixel(150, 50), Black);
    EXPECT_EQ(image.pixel(10, 110), Red);
    EXPECT_EQ(image.pixel(11, 110), Green);
    EXPECT_EQ(image.pixel(10, 111), Blue);
    EXPECT_EQ(image.pixel(150, 150), White);   // the hollow brush
    EXPECT_EQ(image.pixel(100, 150), Green);   // its outline
}

TEST(EmfPlayer, PathsAreFilledStrokedOrAbandoned)
{
    const auto triangle = [](EmfWriter &w) {
        w.beginPath();
        w.moveTo(10, 10);
        w.lineTo(90, 10);
        w.lineTo(90, 90);
        w.closeFigure();
        w.endPath();
    };
    EmfWriter filled = filling(Red);
    triangle(filled);
    EXPECT_EQ(play(filled.finish()).pixel(20, 20), White);   // drawn only when filled
    filled.fillPath();
    const QImage fill = play(filled.finish());
    EXPECT_EQ(fill.pixel(160, 60), Red);
    EXPECT_EQ(fill.pixel(60, 160), White);

    EmfWriter stroked;
    stroked.selectObject(stroked.createPen(0, 4, Blue));
    triangle(stroked);
    stroked.strokePath();
    const QImage stroke = play(stroked.finish());
    EXPECT_EQ(stroke.pixel(160, 60), White);
    EXPECT_EQ(stroke.pixel(100, 20), Blue);
    EXPECT_EQ(stroke.pixel(100, 100), Blue);   // the closing diagonal

    EmfWriter abandoned = filling(Red);
    triangle(abandoned);
    abandoned.abortPath();
    abandoned.fillPath();
    EXPECT_EQ(inkRect(play(abandoned.finish())), QRect());

    // Shapes and curves join a path too; 16-bit Béziers continue the figure.
    EmfWriter curves = filling(Red);
    curves.beginPath();
    curves.rectangle(QRect(QPoint(0, 0), QPoint(20, 20)));
    curves.moveTo(50, 50);
    curves.poly(EmrPolyBezierTo, {{90, 50}, {90, 90}, {50, 90}}, true);
    curves.closeFigure();
    curves.endPath();
    curves.strokeAndFillPath();
    const QImage curved = play(curves.finish());
    EXPECT_EQ(curved.pixel(20, 20), Red);
    EXPECT_EQ(curved.pixel(130, 140), Red);
    EXPECT_EQ(curved.pixel(190, 190), White);
}

TEST(EmfPlayer, ClippingByRectanglesRegionsAndPaths)
{
    const auto fillAll = [](EmfWriter &w) { w.rectangle(QRect(QPoint(0, 0), QPoint(100, 100))); };

    EmfWriter rects = filling(Red);
    rects.intersectClipRect(QRect(QPoint(0, 0), QPoint(50, 100)));
    rects.excludeClipRect(QRect(QPoint(10, 10), QPoint(20, 20)));
    fillAll(rects);
    const QImage a = play(rects.finish());
    EXPECT_EQ(a.pixel(50, 100), Red);
    EXPECT_EQ(a.pixel(150, 100), White);
    EXPECT_EQ(a.pixel(30, 30), White);

    // Regions are in the reference device's pixels; RGN_COPY without data clips nothing.
    EmfWriter region = filling(Red);
    region.extSelectClipRgn({QRect(50, 50, 30, 30)}, RgnCopy);
    region.offsetClipRgn(10, 0);
    region.rectangle(QRect(QPoint(0, 0), QPoint(100, 100)));
    region.extSelectClipRgn({}, RgnCopy);
    region.selectObject(region.createBrush(BsSolid, Blue));
    region.rectangle(QRect(QPoint(0, 0), QPoint(10, 10)));
    const QImage b = play(region.finish());
    EXPECT_EQ(b.pixel(140, 140), Red);
    EXPECT_EQ(b.pixel(110, 140), White);   // moved away by the offset
    EXPECT_EQ(b.pixel(150, 50), White);
    EXPECT_EQ(b.pixel(10, 10), Blue);

    // A path as the clip, and SaveDC/RestoreDC taking it back.
    EmfWriter path = filling(Red);
    path.saveDc();
    path.beginPath();
    path.ellipse(QRect(QPoint(0, 0), QPoint(100, 100)));
    path.endPath();
    path.selectClipPath(RgnCopy);
    fillAll(path);
    path.restoreDc(-1);
    path.selectObject(path.createBrush(BsSolid, Blue));
    path.rectangle(QRect(QPoint(90, 90), QPoint(100, 100)));
    const QImage c = play(path.finish());
    EXPECT_EQ(c.pixel(100, 100), Red);
    EXPECT_EQ(c.pixel(5, 5), White);
    EXPECT_EQ(c.pixel(195, 195), Blue);
}

TEST(EmfPlayer, SixteenAndThirtyTwoBitPointsDrawAlike)
{
    const QList<QPoint> square = {{10, 10}, {40, 10}, {40, 40}, {10, 40}};
    const QList<QList<QPoint>> two = {square, {{60, 60}, {90, 60}, {90, 90}, {60, 90}}};
    for (const bool sixteen : {false, true}) {
        SCOPED_TRACE(sixteen ? "16-bit" : "32-bit");
        EmfWriter polygon = filling(Red);
        polygon.poly(EmrPolygon, square, sixteen);
        EXPECT_EQ(inkRect(play(polygon.finish())), QRect(QPoint(20, 20), QPoint(79, 79)));
        EmfWriter polyPolygon = filling(Red);
        polyPolygon.polyPoly(EmrPolyPolygon, two, sixteen);
        const QImage image = play(polyPolygon.finish());
        EXPECT_EQ(image.pixel(50, 50), Red);
        EXPECT_EQ(image.pixel(150, 150), Red);
        EXPECT_EQ(image.pixel(100, 100), White);
        EmfWriter polyline;
        polyline.selectObject(polyline.createPen(0, 0, Blue));
        polyline.poly(EmrPolyline, {{0, 50}, {99, 50}}, sixteen);
        EXPECT_EQ(play(polyline.finish()).pixel(100, 100), Blue);
    }
}

TEST(EmfPlayer, ArcsPiesChordsEllipsesAndRoundRects)
{
    const QRect box(QPoint(0, 0), QPoint(100, 100));
    // From the right to the top: the upper right quarter, counter-clockwise.
    EmfWriter pie = filling(Red);
    pie.arc(EmrPie, box, {100, 50}, {50, 0});
    const QImage p = play(pie.finish());
    EXPECT_EQ(p.pixel(140, 60), Red);
    EXPECT_EQ(p.pixel(60, 140), White);
    EXPECT_EQ(p.pixel(60, 60), White);
    // Clockwise, the same radials take the other three quarters.
    EmfWriter clockwise = filling(Red);
    clockwise.setArcDirection(2);
    clockwise.arc(EmrPie, box, {100, 50}, {50, 0});
    const QImage q = play(clockwise.finish());
    EXPECT_EQ(q.pixel(140, 60), White);
    EXPECT_EQ(q.pixel(60, 140), Red);
    EXPECT_EQ(q.pixel(60, 60), Red);
    // A chord cuts straight between the radials' ends.
    EmfWriter chord = filling(Red);
    chord.arc(EmrChord, box, {100, 50}, {50, 0});
    const QImage c = play(chord.finish());
    EXPECT_EQ(c.pixel(160, 40), Red);
    EXPECT_EQ(c.pixel(130, 70), White);

    EmfWriter shapes = filling(Red);
    shapes.ellipse(QRect(QPoint(0, 0), QPoint(50, 50)));
    shapes.roundRect(QRect(QPoint(50, 50), QPoint(100, 100)), 40, 40);
    const QImage s = play(shapes.finish());
    EXPECT_EQ(s.pixel(50, 50), Red);
    EXPECT_EQ(s.pixel(3, 3), White);
    EXPECT_EQ(s.pixel(150, 150), Red);
    EXPECT_EQ(s.pixel(103, 103), White);
    EXPECT_EQ(s.pixel(150, 103), Red);
}

TEST(EmfPlayer, TextIsPlacedByItsReferencePointAndAlignment)
{
    const auto text = [](quint32 align, int escapement, const QList<int> &dx = {},
                         const QString &string = QStringLiteral("HHHH")) {
        EmfWriter w;
        w.selectObject(w.createFont(-10, QStringLiteral("Liberation Sans"), escapement));
        w.setTextColor(Red);
        w.setBkMode(1);
        w.setTextAlign(align);
        w.extTextOut(50, 50, string, 0, {}, dx);
        return play(w.finish());
    };
    // Top left: the ink lies below and right of (100, 100), twenty pixels high at most.
    const QRect topLeft = inkRect(text(0, 0));
    EXPECT_GE(topLeft.left(), 99);
    EXPECT_GE(topLeft.top(), 99);
    EXPECT_LE(topLeft.bottom(), 121);
    EXPECT_GT(topLeft.width(), 30);
    // Centred on the baseline.
    const QRect centred = inkRect(text(6 | 24, 0));
    EXPECT_NEAR(centred.center().x(), 100, 3);
    EXPECT_LE(centred.bottom(), 101);
    // Upwards.
    const QRect up = inkRect(text(24, 900));
    EXPECT_GT(up.height(), 2 * up.width());
    EXPECT_LE(up.bottom(), 101);
    // The advances spread the characters: two I's forty units apart.
    const QRect spread = inkRect(text(0, 0, {40, 40}, QStringLiteral("II")));
    EXPECT_GT(spread.width(), 75);
    EXPECT_LT(spread.width(), 90);
}

TEST(EmfPlayer, DibBlitsAtEveryDepth)
{
    for (const int bits : {1, 4, 8, 24, 32}) {
        SCOPED_TRACE(bits);
        QImage source = quadrants();
        if (bits == 1) {
            source.setPixel(1, 0, Blue);
            source.setPixel(1, 1, Red);
        }
        EmfWriter w;
        w.stretchDiBits(QRect(0, 0, 100, 100), QRect(0, 0, 2, 2), source, bits);
        const QImage image = play(w.finish());
        EXPECT_EQ(image.pixel(50, 50), source.pixel(0, 0));
        EXPECT_EQ(image.pixel(150, 50), source.pixel(1, 0));
        EXPECT_EQ(image.pixel(50, 150), source.pixel(0, 1));
        EXPECT_EQ(image.pixel(150, 150), source.pixel(1, 1));
    }
    // The source rectangle of a bottom-up DIB counts from its lower left.
    EmfWriter corner;
    corner.stretchDiBits(QRect(0, 0, 100, 100), QRect(0, 0, 1, 1), quadrants(), 24);
    EXPECT_EQ(play(corner.finish()).pixel(100, 100), Blue);

    // Without a source: constants and the brush.
    EmfWriter constants = filling(Green);
    constants.patBlt(QRect(0, 0, 50, 50), 0x00000042);   // BLACKNESS
    constants.patBlt(QRect(50, 0, 50, 50), 0x00F00021);  // PATCOPY
    constants.patBlt(QRect(0, 0, 10, 10), 0x00FF0062);   // WHITENESS
    const QImage c = play(constants.finish());
    EXPECT_EQ(c.pixel(50, 50), Black);
    EXPECT_EQ(c.pixel(150, 50), Green);
    EXPECT_EQ(c.pixel(10, 10), White);

    // AlphaBlend: a constant alpha, and the bitmap's own.
    QImage red(1, 1, QImage::Format_ARGB32);
    red.fill(Red);
    QImage halfRed(1, 1, QImage::Format_ARGB32);
    halfRed.fill(qRgba(255, 0, 0, 128));
    EmfWriter blend;
    blend.alphaBlend(QRect(0, 0, 50, 50), red, 128, false);
    blend.alphaBlend(QRect(50, 0, 50, 50), halfRed, 255, true);
    const QImage b = play(blend.finish());
    EXPECT_TRUE(near(b.pixel(50, 50), qRgb(255, 127, 127), 8)) << std::hex << b.pixel(50, 50);
    EXPECT_TRUE(near(b.pixel(150, 50), qRgb(255, 127, 127), 8)) << std::hex << b.pixel(150, 50);
}

TEST(EmfPlayer, UnknownRecordsAndCommentsAreSkipped)
{
    EmfWriter w = filling(Red);
    w.record(200, QByteArray(12, 'x'));
    w.comment(QByteArray("EMF+") + QByteArray(20, '\x01'));
    w.record(69, {});   // a gap in the record types
    w.rectangle(QRect(QPoint(0, 0), QPoint(10, 10)));
    QImage image = whiteImage();
    const EmfPlayer::Result result = playInto(image, w.finish(), QRectF(0, 0, 200, 200));
    EXPECT_EQ(result.outcome, EmfPlayer::Outcome::Finished);
    EXPECT_EQ(result.skippedRecords, 2);
    EXPECT_EQ(image.pixel(10, 10), Red);
}

TEST(EmfPlayer, DamagedRecordSizesStopPlaybackAfterWhatCameBefore)
{
    EmfWriter w = filling(Red);
    w.rectangle(QRect(QPoint(0, 0), QPoint(50, 50)));
    const QByteArray good = w.finish();
    const qsizetype eof = good.size() - 20;
    const auto withRecordSize = [&](quint32 size, const QByteArray &tail) {
        QByteArray bytes = good.left(eof);
        QByteArray record(8, '\0');
        qToLittleEndian<quint32>(43, record.data());
        qToLittleEndian<quint32>(size, record.data() + 4);
        return bytes + record + tail;
    };
    struct Case
    {
        const char *name;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"size zero", withRecordSize(0, QByteArray(64, '\0'))},
        {"size not a multiple of four", withRecordSize(26, QByteArray(64, '\0'))},
        {"size past the end", withRecordSize(4000, QByteArray(64, '\0'))},
        {"cut inside a record header", good.left(eof + 5)},
        {"cut inside a record", good.left(eof - 4)},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        QImage image = whiteImage();
        const EmfPlayer::Result result = playInto(image, c.bytes, QRectF(0, 0, 200, 200));
        EXPECT_EQ(result.outcome, EmfPlayer::Outcome::BadRecordSize);
        EXPECT_FALSE(result.message.isEmpty());
        if (QByteArray(c.name) != "cut inside a record") {
            EXPECT_EQ(image.pixel(50, 50), Red);
        }
    }
    // Bytes that end at a record boundary without EMR_EOF end the picture.
    QImage image = whiteImage();
    EXPECT_EQ(playInto(image, good.left(eof), QRectF(0, 0, 200, 200)).outcome,
              EmfPlayer::Outcome::Finished);
    EXPECT_EQ(image.pixel(50, 50), Red);
}

TEST(EmfPlayer, HostileCountsOffsetsAndIndexesAreRefused)
{
    const auto longs = [](std::initializer_list<quint32> values) {
        QByteArray out;
        for (const quint32 v : values) {
            char b[4];
            qToLittleEndian<quint32>(v, b);
            out.append(b, 4);
        }
        return out;
    };
    const QByteArray bounds(16, '\0');
    EmfWriter w = filling(Red);
    w.record(3, bounds + longs({0xFFFFFFFF, 1, 2}));                   // polygon count
    w.record(86, bounds + longs({0x40000000}));                        // polygon16 count
    w.record(8, bounds + longs({0xFFFFFFFF, 0xFFFFFFFF, 1}));          // polypolygon counts
    w.record(8, bounds + longs({2, 3, 0xFFFFFFFF, 4, 0, 0}));          // a count past the total
    w.record(56, bounds + longs({2, 0, 0, 5, 5}));                     // polydraw without types
    w.record(81, bounds + longs({0, 0, 0, 0, 1, 1, 0xFFFFFFF0, 40, 200, 4, 0, 0x00CC0020, 10, 10}));
    w.record(81, bounds + longs({0, 0, 0, 0, 1, 1, 80, 0xFFFFFFFF, 80, 4, 0, 0x00CC0020, 10, 10}));
    w.record(84, bounds + longs({1, 0, 0, 10, 10, 0x7FFFFFFF, 76, 0, 0, 0, 0, 0, 0}));   // text
    w.record(84, bounds + longs({1, 0, 0, 10, 10, 4, 0xFFFFFFF0, 0, 0, 0, 0, 0, 76}));
    w.record(75, longs({48, RgnCopy, 32, 1, 0x10000000, 0, 0, 0, 0, 0}));   // region count
    w.record(82, longs({5, 10}));                                      // a font cut short
    w.record(38, longs({0xFFFFFFF0, 0, 1, 0, 0}));                     // a pen past the table
    w.record(37, longs({0x7FFFFFFF}));                                 // select nothing
    w.record(37, longs({0x80000063}));                                 // an unknown stock object
    w.record(34, longs({0x80000000}));                                 // restore a save never made
    w.record(36, longs({0x7F800000, 0, 0, 0x7F800000, 0, 0, 4}));      // an infinite transform
    w.record(31, longs({1, 0, 1, 0}));                                 // scale by 1/0
    w.record(41, longs({50, 50, 0xFFFFFFFF, 0x7FC00000, 0x43B40000})); // angle arc with NaN
    w.rectangle(QRect(QPoint(0, 0), QPoint(100, 100)));
    QImage image = whiteImage();
    const EmfPlayer::Result result = playInto(image, w.finish(), QRectF(0, 0, 200, 200));
    EXPECT_EQ(result.outcome, EmfPlayer::Outcome::Finished) << result.message.toStdString();
    EXPECT_EQ(image.pixel(100, 100), Red);   // playback went on to the last rectangle
}

TEST(EmfPlayer, LimitsBoundPlayback)
{
    EmfWriter w = filling(Red);
    for (int i = 0; i < 20; ++i)
        w.rectangle(QRect(QPoint(i, i), QPoint(i + 10, i + 10)));
    const QByteArray bytes = w.finish();
    QImage image = whiteImage();
    EmfPlayer::Limits few;
    few.maxRecords = 10;
    EXPECT_EQ(playInto(image, bytes, QRectF(0, 0, 200, 200), few).outcome,
              EmfPlayer::Outcome::TooManyRecords);
    EmfPlayer::Limits points;
    points.maxPoints = 30;
    EXPECT_EQ(playInto(image, bytes, QRectF(0, 0, 200, 200), points).outcome,
              EmfPlayer::Outcome::TooManyPoints);
}

// Pixels whose colours differ by more than a quarter in some channel.
int pixelsApart(const QImage &a, const QImage &b)
{
    int count = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            count += !near(a.pixel(x, y), b.pixel(x, y), 64);
    return count;
}

TEST(EmfPlayer, ShapesReachingFarPastThePictureShowTheSameAsNearOnes)
{
    // Far shapes are cut near the image before drawing; a near one (a few thousand pixels
    // long) is drawn whole. What shows of both must be the same: fills, edges, the mitred
    // corner at the start of a closed figure, turned or not.
    constexpr quint32 PsJoinMiter = 0x2000;
    const auto draw = [](int reach, double turn, int shape) {
        EmfWriter w;
        w.selectObject(w.extCreatePen(PsGeometric | PsEndCapFlat | PsJoinMiter, 6, Blue));
        w.selectObject(shape == 1 ? w.createBrush(BsHatched, Red, 3) : w.createBrush(BsSolid, Yellow));
        w.setWorldTransform(QTransform().rotate(turn));
        // Every edge that shows runs the same way whatever the reach.
        const int r = reach;
        switch (shape) {
        case 0: w.rectangle(QRect(QPoint(10, 10), QPoint(60, r))); break;
        case 1: w.poly(EmrPolygon, {{10, 10}, {90, 12}, {90 + r, 12 + 2 * r}, {10, 10 + 2 * r}}); break;
        default:
            w.poly(EmrPolyline, {{10, 90}, {10 + r, 90 - 2 * r}, {90 - r, 90 - 2 * r}, {90, 90}, {90 - 2 * r, 90 - r}});
            break;
        }
        return play(w.finish());
    };
    for (const double turn : {0.0, 20.0}) {
        for (int shape = 0; shape < 3; ++shape) {
            SCOPED_TRACE(testing::Message() << "shape " << shape << " turned " << turn);
            // Half a million units is a million pixels, within the player's coordinate limit.
            const QImage near = draw(900, turn, shape);
            const QImage far = draw(500'000, turn, shape);
            ASSERT_GT(countPixels(near, near.rect(), [](QRgb c) { return c == Blue; }), 400);
            // Slanted edges that end elsewhere are smoothed a little differently.
            EXPECT_EQ(pixelsApart(near, far), 0);
        }
    }
}

TEST(EmfPlayer, RandomDamageNeverCrashesOrHangs)
{
    const QByteArray good = everything();
    QImage reference = whiteImage();
    EXPECT_EQ(playInto(reference, good, QRectF(0, 0, 200, 200)).outcome,
              EmfPlayer::Outcome::Finished);
    EXPECT_NE(inkRect(reference), QRect());
    std::mt19937 random(20261207);
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = good;
        const int flips = 1 + int(random() % 8);
        for (int i = 0; i < flips; ++i)
            bytes[qsizetype(random() % quint32(bytes.size()))] = char(random());
        if (round % 3 == 0)
            bytes.truncate(qsizetype(random() % quint32(bytes.size())));
        QImage image = whiteImage(64, 48);
        QPainter painter(&image);
        EmfPlayer(bytes).play(painter, QRectF(0, 0, 64, 48));
    }
}

TEST(EmfPlayer, NotAnEnhancedMetafile)
{
    QByteArray bytes = everything();
    bytes[40] = 'X';   // the signature
    EXPECT_FALSE(EmfPlayer(bytes).isValid());
    EXPECT_FALSE(EmfPlayer(QByteArray(200, '\0')).isValid());
    EXPECT_FALSE(EmfPlayer(everything().left(60)).isValid());
    QImage image = whiteImage();
    const EmfPlayer::Result result = playInto(image, bytes, QRectF(0, 0, 200, 200));
    EXPECT_EQ(result.outcome, EmfPlayer::Outcome::NotMetafile);
    EXPECT_EQ(inkRect(image), QRect());
}

TEST(EmfPlayer, LeavesThePainterAsItFoundIt)
{
    QImage image = whiteImage();
    QPainter painter(&image);
    painter.translate(5, 7);
    painter.setClipRect(0, 0, 150, 150);
    painter.setPen(Qt::green);
    EmfPlayer(everything()).play(painter, QRectF(0, 0, 100, 100));
    EXPECT_EQ(painter.transform(), QTransform::fromTranslate(5, 7));
    EXPECT_EQ(painter.clipBoundingRect(), QRectF(0, 0, 150, 150));
    EXPECT_EQ(painter.pen().color(), QColor(Qt::green));
}

TEST(EmfPlayer, MetafilePictureDrawsEnhancedMetafiles)
{
    EmfWriter w = filling(Red);
    w.rectangle(QRect(QPoint(0, 0), QPoint(100, 100)));
    MetafilePicture picture;
    ASSERT_TRUE(picture.setEnhancedBytes(w.finish()));
    QImage image = whiteImage();
    {
        QPainter painter(&image);
        picture.draw(painter, QRectF(50, 50, 50, 50));
    }
    EXPECT_EQ(inkRect(image), QRect(50, 50, 50, 50));
}
