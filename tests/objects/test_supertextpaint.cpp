// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// What the special-effects text paints and prints, probed pixel by pixel.
#include <gtest/gtest.h>

#include "fakeobjecthost.h"
#include "objects/tgsupertext.h"
#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"

#include <QImage>
#include <QPainter>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);

// Two full blocks give a solid rectangle of letter to probe.
const QString Blocks = QStringLiteral("\u2588\u2588");

// A text of solid blocks in a plain font, filled red, without an outline.
void makeBlocks(TGSuperText &text, QSize size = {200, 90})
{
    text.setPixelsPerInch(96);
    text.SetCaption(Blocks);
    text.SetFont(TFont(QStringLiteral("DejaVu Sans"), 36, {}, Colors::clRed));
    text.SetSurfaceType(stNormal);
    text.SetOutlineStyle(psClear);
    text.SetBorderStyle(bsSingle);
    text.setBounds(0, 0, size.width(), size.height());
}

QImage paint(TGSuperText &text, QSize size = {220, 100})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(White);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    text.PaintToCanvas(canvas, 0, 0);
    return image;
}

QRect pixelsOf(const QImage &image, QRgb colour)
{
    QRect box;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixel(x, y) == colour)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool bluish(QRgb pixel)
{
    return qBlue(pixel) > 200 && qRed(pixel) < 60;
}

bool yellowish(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 60;
}

} // namespace

TEST(SuperTextPaint, LettersShadowAndOutlineLieWhereTheLayoutPutsThem)
{
    TGSuperText text;
    makeBlocks(text);
    QImage image = paint(text);
    const QRect face = pixelsOf(image, Red);
    ASSERT_FALSE(face.isEmpty());
    EXPECT_GE(face.left(), 5) << "the text starts five pixels in";
    EXPECT_LE(face.left(), 12);
    EXPECT_EQ(image.pixel(0, 45), Black) << "the frame";

    text.SetShadowDepth(4);
    text.SetShadowcolor(Colors::clLime);
    image = paint(text);
    const QRect shadow = pixelsOf(image, Green);
    ASSERT_FALSE(shadow.isEmpty());
    EXPECT_EQ(shadow.bottomRight(), pixelsOf(image, Red).bottomRight() + QPoint(4, 4));
    EXPECT_EQ(pixelsOf(image, Red).topLeft(), face.topLeft()) << "the face stays on top";

    text.SetShadowOrientation(sdNone);
    text.SetOutlineStyle(psSolid);
    text.SetOutlineWidth(3);
    image = paint(text);
    EXPECT_TRUE(pixelsOf(image, Green).isEmpty());
    const QRect inner = pixelsOf(image, Red);
    EXPECT_EQ(image.pixel(face.left(), face.center().y()), Black) << "the outline covers the edge";
    EXPECT_GT(inner.left(), face.left());
}

TEST(SuperTextPaint, HollowLettersShowOnlyTheirOutline)
{
    TGSuperText text;
    makeBlocks(text);
    text.SetSurfaceType(stBrushTransparent);
    EXPECT_EQ(text.OutlineStyle(), psSolid);
    const QImage image = paint(text);
    EXPECT_TRUE(pixelsOf(image, Red).isEmpty());
    const QRect ink = pixelsOf(image, Black);
    EXPECT_GT(ink.width(), 40);
}

TEST(SuperTextPaint, GradientsAndTexturesFillTheLetters)
{
    TGSuperText text;
    makeBlocks(text, {120, 60});
    text.SetSurfaceType(stGradientFill);
    QImage image = paint(text);
    // Blue at the object's left, yellow at its right: the letters show the part they cover.
    const int row = 30;
    int first = -1;
    int last = -1;
    for (int x = 2; x < 118; ++x) {
        const QRgb pixel = image.pixel(x, row);
        if (pixel != White && first < 0)
            first = x;
        if (pixel != White)
            last = x;
    }
    ASSERT_GT(last, first + 20);
    EXPECT_GT(qBlue(image.pixel(first + 2, row)), qBlue(image.pixel(last - 2, row)));
    EXPECT_LT(qRed(image.pixel(first + 2, row)), qRed(image.pixel(last - 2, row)));

    // A texture of 10 x 10, red on the left and green on the right, tiles from the corner.
    QImage tile(10, 10, QImage::Format_RGB32);
    tile.fill(Red);
    for (int y = 0; y < 10; ++y) {
        for (int x = 5; x < 10; ++x)
            tile.setPixel(x, y, Green);
    }
    text.SetSurfaceType(stBrushImage);
    text.SetImage(tile);
    // One block: two would leave a blended seam between them.
    text.SetCaption(QStringLiteral("\u2588"));
    image = paint(text);
    first = pixelsOf(image, Red).left();
    last = pixelsOf(image, Green).right();
    for (int x = first + 2; x < last - 2; ++x)
        EXPECT_EQ(image.pixel(x, row), x % 10 < 5 ? Red : Green) << "x " << x;

    // At 60 % the tiles shrink to 6 x 6.
    text.setZoomFactor(0.6f);
    image = paint(text);
    const QRect letters = pixelsOf(image, Red) | pixelsOf(image, Green);
    ASSERT_FALSE(letters.isEmpty());
    const int middle = letters.center().y();
    for (int x = letters.left() + 3; x < letters.right() - 3; ++x)
        EXPECT_EQ(image.pixel(x, middle), x % 6 < 3 ? Red : Green) << "x " << x;
}

TEST(SuperTextPaint, TextThatCannotBeShownBecomesACrossedBox)
{
    TGSuperText text;
    makeBlocks(text, {60, 40});
    text.SetCaption(QString());
    QImage image = paint(text);
    // The object grew to one line of the font, and the diagonals cross in its middle.
    EXPECT_EQ(image.pixel(30, text.Height() / 2), Black);
    EXPECT_EQ(image.pixel(30, text.Height() / 2 + 8), White);
    EXPECT_TRUE(pixelsOf(image, Red).isEmpty());

    // Too narrow for even one block: the same box.
    text.SetCaption(Blocks);
    text.setBounds(0, 0, 20, 60);
    image = paint(text);
    EXPECT_TRUE(pixelsOf(image, Red).isEmpty());
    EXPECT_EQ(image.pixel(10, text.Height() / 2), Black);

    // Wider, the caption is cut to one block instead of wrapping.
    text.setBounds(0, 0, 200, 60);
    const int both = pixelsOf(paint(text), Red).width();
    text.setBounds(0, 0, 5 + both * 3 / 4, 60);
    image = paint(text);
    const QRect one = pixelsOf(image, Red);
    ASSERT_FALSE(one.isEmpty());
    EXPECT_LT(one.width(), both * 3 / 4);
    EXPECT_EQ(one.height(), pixelsOf(paint(text), Red).height()) << "on one line";
}

TEST(SuperTextPaint, BackgroundAndSuspendedPainting)
{
    FakeObjectHost host;
    TGSuperText text;
    makeBlocks(text);
    text.setHost(&host);
    text.SetControlTransparent(false);
    text.SetBGColor(Colors::clAqua);
    QImage image = paint(text);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 255));
    EXPECT_EQ(image.pixel(0, 2), Black);

    // The screen shows nothing while the surface suspends painting; printing and export,
    // which run just then, draw the object all the same.
    host.paintSuspended = true;
    QImage screen(220, 100, QImage::Format_RGB32);
    screen.fill(White);
    {
        QPainter painter(&screen);
        Canvas canvas(painter, 96);
        text.paintOnSurface(canvas);
    }
    EXPECT_EQ(screen.pixel(2, 2), White);
    image = paint(text);
    EXPECT_EQ(image.pixel(2, 2), qRgb(0, 255, 255));
}

TEST(SuperTextPaint, PrintingDrawsAtThePrintersResolution)
{
    TGSuperText text;
    makeBlocks(text);
    text.setBounds(48, 24, 200, 90);
    text.SetShadowDepth(2);
    text.SetShadowcolor(Colors::clLime);
    // Two inches by one and a half at 192 dots an inch: twice the screen's pixels.
    QImage sheet(384, 288, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(192 / 0.0254));
    sheet.setDotsPerMeterY(qRound(192 / 0.0254));
    sheet.fill(White);
    {
        QPainter painter(&sheet);
        ReportCanvas report(painter);
        text.PrintTo(report, 0.25, 0.0);
    }
    const QImage screen = paint(text);
    const QRect onScreen = pixelsOf(screen, Red);
    const QRect printed = pixelsOf(sheet, Red);
    ASSERT_FALSE(printed.isEmpty());
    // Half an inch and a quarter inch in, then twice the screen's offsets.
    EXPECT_NEAR(printed.left(), 48 + 96 + 2 * onScreen.left(), 6);
    EXPECT_NEAR(printed.width(), 2 * onScreen.width(), 8);
    EXPECT_NEAR(printed.height(), 2 * onScreen.height(), 8);
    EXPECT_FALSE(pixelsOf(sheet, Green).isEmpty()) << "the shadow is printed";
    EXPECT_EQ(sheet.pixel(48 + 96, 48 + 20), Black) << "the frame";

    text.SetSurfaceType(stGradientFill);
    text.SetShadowDepth(0);
    sheet.fill(White);
    {
        QPainter painter(&sheet);
        ReportCanvas report(painter);
        text.PrintTo(report, 0.25, 0.0);
    }
    const int row = printed.center().y();
    int first = -1;
    int last = -1;
    for (int x = 100; x < 384; ++x) {
        if (sheet.pixel(x, row) != White && sheet.pixel(x, row) != Black) {
            if (first < 0)
                first = x;
            last = x;
        }
    }
    ASSERT_GT(last, first);
    EXPECT_TRUE(bluish(sheet.pixel(first + 3, row)));
    EXPECT_FALSE(yellowish(sheet.pixel(first + 3, row)));
}

TEST(SuperTextPaint, RepaintsShowEveryChangeAndAPageBelowATransparentObject)
{
    TGSuperText text;
    makeBlocks(text);
    const QRect red = pixelsOf(paint(text), Red);
    ASSERT_FALSE(red.isEmpty());
    // Each change of what shows must show at the next paint, though paints are reused.
    text.SetFont(TFont(QStringLiteral("DejaVu Sans"), 36, {}, Colors::clLime));
    EXPECT_TRUE(pixelsOf(paint(text), Red).isEmpty());
    EXPECT_EQ(pixelsOf(paint(text), Green), red);
    text.SetCaption(QStringLiteral("\u2588"));
    EXPECT_LT(pixelsOf(paint(text), Green).width(), red.width());
    text.SetOutlineStyle(psSolid);
    text.SetOutlineWidth(4);
    text.SetOutlineColor(Colors::clRed);
    EXPECT_FALSE(pixelsOf(paint(text), Red).isEmpty()) << "the outline shows";
    text.setBounds(0, 0, 120, 90);
    EXPECT_EQ(pixelsOf(paint(text), Black).right(), 119) << "the frame follows the new size";

    // Where a transparent object without a border paints nothing, the page stays.
    text.SetBorderStyle(bsNone);
    QImage page(220, 100, QImage::Format_RGB32);
    page.fill(qRgb(10, 20, 30));
    {
        QPainter painter(&page);
        Canvas canvas(painter, 96);
        text.PaintToCanvas(canvas, 0, 0);
    }
    EXPECT_EQ(page.pixel(118, 2), qRgb(10, 20, 30));
}

TEST(SuperTextPaint, ACaptionEditedLongerThanItsBoxWidensTheBoxOnScreenAndInPrint)
{
    FakeObjectHost host;
    FakeObjectEditors editors;
    TGSuperText text;
    text.setHost(&host);
    text.AfterLoad();
    makeBlocks(text, {80, 90});
    const int twoBlocks = pixelsOf(paint(text, {400, 100}), Red).width();
    ASSERT_GT(twoBlocks, 30);

    // The box the user drew holds two blocks; the caption typed into it holds six.
    editors.superText = [](TGSuperText &preview, QString &) {
        preview.SetCaption(Blocks + Blocks + Blocks);
        return true;
    };
    const int changes = host.changed;
    ASSERT_TRUE(text.EditProperties());
    EXPECT_GT(text.Width(), 80);
    EXPECT_EQ(text.Height(), 90) << "only the width was short";
    EXPECT_GT(host.changed, changes);
    const QRect shown = pixelsOf(paint(text, {400, 100}), Red);
    EXPECT_NEAR(shown.width(), 3 * twoBlocks, 6) << "all six blocks show";
    EXPECT_LT(shown.right(), text.Width() - 1) << "with room before the frame";

    QImage sheet(800, 200, QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(192 / 0.0254));
    sheet.setDotsPerMeterY(qRound(192 / 0.0254));
    sheet.fill(White);
    {
        QPainter painter(&sheet);
        ReportCanvas report(painter);
        text.PrintTo(report, 0.0, 0.0);
    }
    EXPECT_NEAR(pixelsOf(sheet, Red).width(), 2 * shown.width(), 12) << "printed whole as well";

    // A larger font through the Font entry widens it again; one that fits changes nothing.
    editors.fontChoice = [](TFont &font) {
        font.setSize(54);
        return true;
    };
    const int before = text.Width();
    ASSERT_TRUE(text.EditFont());
    EXPECT_GT(text.Width(), before);
    EXPECT_NEAR(pixelsOf(paint(text, {600, 120}), Red).width(), 3 * twoBlocks * 3 / 2, 12);
    const QRect wide = text.boundsRect();
    editors.fontChoice = [](TFont &font) {
        font.setSize(20);
        return true;
    };
    ASSERT_TRUE(text.EditFont());
    EXPECT_EQ(text.boundsRect().width(), wide.width()) << "a box never shrinks to its text";
}
