// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakeobjecthost.h"

#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"
#include "images/picture.h"
#include "objects/tgimage.h"
#include "svgfiles.h"

#include <QBuffer>
#include <QPainter>
#include <QPdfWriter>

namespace {

const QRgb Red = qRgb(255, 0, 0);
const QRgb Green = qRgb(0, 255, 0);
const QRgb Blue = qRgb(0, 0, 255);
const QRgb Yellow = qRgb(255, 255, 0);
const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);

// Four coloured quadrants: red top left, green top right, blue bottom left, yellow bottom
// right, so any mirroring shows in the corners.
Picture quadrants(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool right = x >= width / 2;
            const bool bottom = y >= height / 2;
            image.setPixel(x, y, bottom ? (right ? Yellow : Blue) : (right ? Green : Red));
        }
    }
    Picture picture;
    picture.setBitmap(image);
    return picture;
}

TGImage &prepared(TGImage &image, int width, int height)
{
    image.setPixelsPerInch(96);
    image.setBounds(0, 0, width, height);
    return image;
}

QImage painted(TGImage &object)
{
    QImage image(object.Width(), object.Height(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    object.PaintObject(canvas);
    return image;
}

struct Corners {
    QRgb topLeft, topRight, bottomLeft, bottomRight;
};

Corners corners(const QImage &image, int inset = 3)
{
    const int r = image.width() - 1 - inset;
    const int b = image.height() - 1 - inset;
    return {image.pixel(inset, inset), image.pixel(r, inset), image.pixel(inset, b),
            image.pixel(r, b)};
}

} // namespace

TEST(TGImage, ABitmapAlwaysFillsTheObject)
{
    TGImage object;
    prepared(object, 105, 105);
    object.SetPicture(quadrants(32, 32));
    for (bool stretch : {true, false}) {
        object.setSizingFlags(stretch, false);
        const Corners c = corners(painted(object), 1);
        EXPECT_EQ(c.topLeft, Red);
        EXPECT_EQ(c.topRight, Green);
        EXPECT_EQ(c.bottomLeft, Blue);
        EXPECT_EQ(c.bottomRight, Yellow);
    }
}

TEST(TGImage, FlipAndReverseMirrorTheBitmap)
{
    TGImage object;
    prepared(object, 60, 40);
    object.SetPicture(quadrants(20, 20));
    object.SetFlip(true);
    Corners c = corners(painted(object));
    EXPECT_EQ(c.topLeft, Blue);
    EXPECT_EQ(c.bottomRight, Green);
    object.SetFlip(false);
    object.SetReverse(true);
    c = corners(painted(object));
    EXPECT_EQ(c.topLeft, Green);
    EXPECT_EQ(c.bottomRight, Blue);
    // Both together turn it half round.
    object.SetFlip(true);
    c = corners(painted(object));
    EXPECT_EQ(c.topLeft, Yellow);
    EXPECT_EQ(c.topRight, Blue);
    EXPECT_EQ(c.bottomLeft, Green);
    EXPECT_EQ(c.bottomRight, Red);
}

TEST(TGImage, AnEmptyPictureIsAFramedWhiteBoxAndBorderFramesAPicture)
{
    TGImage object;
    prepared(object, 30, 20);
    QImage empty = painted(object);
    EXPECT_EQ(empty.pixel(0, 0), Black);
    EXPECT_EQ(empty.pixel(29, 19), Black);
    EXPECT_EQ(empty.pixel(15, 10), White);

    object.SetPicture(quadrants(10, 10));
    EXPECT_EQ(painted(object).pixel(0, 0), Red);
    object.SetBorderStyle(bsSingle);
    const QImage framed = painted(object);
    EXPECT_EQ(framed.pixel(0, 0), Black);
    EXPECT_EQ(framed.pixel(29, 10), Black);
    EXPECT_EQ(framed.pixel(2, 2), Red);
}

TEST(TGImage, AutoSizeFollowsThePictureAtTheZoomAndStretchEndsIt)
{
    FakeObjectHost host;
    TGImage object;
    object.setHost(&host);
    object.setZoomFactor(0.8f);
    prepared(object, 105, 105);
    object.SetPicture(quadrants(40, 30));
    EXPECT_EQ(object.boundsRect().size(), QSize(105, 105));
    object.SetAutoSize(true);
    EXPECT_FALSE(object.Stretch());
    EXPECT_EQ(object.boundsRect().size(), QSize(32, 24));
    EXPECT_GT(host.changed, 0);

    object.SetStretch(true);
    EXPECT_FALSE(object.AutoSize());
    EXPECT_EQ(object.boundsRect().size(), QSize(32, 24));
    object.setBounds(0, 0, 50, 50);
    EXPECT_EQ(object.boundsRect().size(), QSize(50, 50));
}

TEST(TGImage, AutoSizeWithoutAPictureKeepsTheBounds)
{
    TGImage object;
    prepared(object, 70, 40);
    object.SetAutoSize(true);
    EXPECT_EQ(object.boundsRect().size(), QSize(70, 40));
}

TEST(TGImage, OpaqueOnlyForABitmapOfTheObjectsSize)
{
    TGImage object;
    prepared(object, 40, 30);
    object.SetPicture(quadrants(40, 30));
    EXPECT_TRUE(object.isOpaque());
    object.SetPicture(quadrants(20, 30));
    EXPECT_FALSE(object.isOpaque());
}

TEST(TGImage, MenuEntriesTogglePropertiesAndMirroringNeedsABitmap)
{
    TGImage object;
    prepared(object, 40, 30);
    object.AfterLoad();
    const QStringList captions = menuCaptions(object.popupMenu());
    const int tail = captions.indexOf(QStringLiteral("Load Image From Disk"));
    ASSERT_GT(tail, 0);
    EXPECT_EQ(captions.mid(tail - 1),
              QStringList({"-", "Load Image From Disk", "-", "Border", "Stretch to Fit",
                           "AutoSize", "Flip", "Reverse"}));

    object.PopupAboutToShow();
    EXPECT_FALSE(findMenuEntry(object.popupMenu(), QStringLiteral("Flip"))->enabled);
    EXPECT_TRUE(menuChecked(object, QStringLiteral("Stretch to Fit")));

    object.SetPicture(quadrants(8, 8));
    ASSERT_TRUE(runMenuEntry(object, QStringLiteral("Flip")));
    ASSERT_TRUE(runMenuEntry(object, QStringLiteral("AutoSize")));
    ASSERT_TRUE(runMenuEntry(object, QStringLiteral("Border")));
    object.PopupAboutToShow();
    EXPECT_TRUE(object.Flip());
    EXPECT_TRUE(findMenuEntry(object.popupMenu(), QStringLiteral("Flip"))->enabled);
    EXPECT_TRUE(menuChecked(object, QStringLiteral("Flip")));
    EXPECT_TRUE(menuChecked(object, QStringLiteral("AutoSize")));
    EXPECT_FALSE(menuChecked(object, QStringLiteral("Stretch to Fit")));
    EXPECT_EQ(object.BorderStyle(), bsSingle);
}

TEST(TGImage, LoadingFromDiskTakesThePictureAndBothOptionsAsChosen)
{
    FakeObjectHost host;
    FakeObjectEditors editors;
    TGImage object;
    object.setHost(&host);
    prepared(object, 105, 105);
    editors.imageBrowser = [](Picture &picture, bool &stretch, bool &autoSize) {
        EXPECT_TRUE(stretch);
        EXPECT_FALSE(autoSize);
        picture = quadrants(50, 40);
        stretch = false;
        autoSize = true;
        return true;
    };
    EXPECT_TRUE(object.LoadImageFromDisk());
    EXPECT_EQ(object.picture().size(), QSize(50, 40));
    EXPECT_TRUE(object.AutoSize());
    EXPECT_EQ(object.boundsRect().size(), QSize(50, 40));
    EXPECT_GT(host.changed, 0);

    editors.imageBrowser = nullptr;
    EXPECT_FALSE(object.LoadImageFromDisk());
    EXPECT_EQ(object.picture().size(), QSize(50, 40));
}

TEST(TGImage, PrintsTheMirroredCopyOrTheBitmapIntoItsInchRectangle)
{
    TGImage object;
    prepared(object, 96, 48);
    object.setBounds(96, 0, 96, 48);
    object.SetPicture(quadrants(16, 16));
    const auto print = [&object] {
        QImage page(300, 100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        ReportCanvas report(painter);
        object.PrintTo(report, 0.5, 0.25);
        return page;
    };
    // (1.5, 0.25) to (2.5, 0.75) inches at 96 dots per inch.
    QImage page = print();
    EXPECT_EQ(page.pixel(146, 26), Red);
    EXPECT_EQ(page.pixel(143, 26), White);
    EXPECT_EQ(page.pixel(236, 68), Yellow);
    object.SetFlip(true);
    object.SetReverse(true);
    page = print();
    EXPECT_EQ(page.pixel(146, 26), Yellow);
    EXPECT_EQ(page.pixel(236, 68), Red);
}

TEST(TGImage, AnSvgDrawingIsDrawnAndPrintedAsVectorsAndLikeAMetafileIsNotMirrored)
{
    Picture drawing;
    ASSERT_TRUE(drawing.setSourceFile(SvgFiles::halves(), Picture::SourceFormat::Svg).ok());
    TGImage object;
    prepared(object, 200, 100);
    object.AfterLoad();
    object.SetPicture(drawing);
    EXPECT_FALSE(object.isOpaque());
    object.SetFlip(true);
    object.SetReverse(true);
    object.PopupAboutToShow();
    EXPECT_FALSE(findMenuEntry(object.popupMenu(), QStringLiteral("Flip"))->enabled);
    EXPECT_FALSE(findMenuEntry(object.popupMenu(), QStringLiteral("Reverse"))->enabled);

    // At four times the zoom the one-unit stripe is four pixels with sharp edges.
    object.setZoomFactor(4.0f);
    const QImage shown = painted(object);
    ASSERT_EQ(shown.size(), QSize(800, 400));
    EXPECT_EQ(shown.pixel(197, 200), SvgFiles::kLeft.rgb());
    EXPECT_EQ(shown.pixel(199, 200), Black);
    EXPECT_EQ(shown.pixel(200, 200), Black);
    EXPECT_EQ(shown.pixel(202, 200), SvgFiles::kLeft.rgb());
    EXPECT_EQ(shown.pixel(700, 200), SvgFiles::kRight.rgb()) << "not mirrored";

    object.setZoomFactor(1.0f);
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(600);
    {
        QPainter painter(&writer);
        ReportCanvas report(painter);
        object.PrintTo(report, 0.5, 0.5);
    }
    EXPECT_FALSE(pdf.contains("/Subtype /Image"));
    EXPECT_LT(pdf.size(), 20000);
}
