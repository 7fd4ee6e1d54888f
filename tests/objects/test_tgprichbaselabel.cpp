// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakeobjecthost.h"
#include "imageprobes.h"

#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"
#include "objects/objectkinds.h"
#include "objects/tgprichbaselabel.h"

#include <QPainter>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QRgb Page = qRgb(200, 230, 255);

const TWPRtfStorage Words(QByteArray(
    "{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\f0\\fs24 one two three four five six seven "
    "eight nine ten eleven twelve thirteen fourteen\\par}"));

// Paints the label at (0, 0) of an image of the given size filled with the page colour.
QImage painted(TGPRichBaseLabel &label, QSize size = {})
{
    QImage image(size.isEmpty() ? label.boundsRect().size() : size, QImage::Format_RGB32);
    image.fill(Page);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    label.PaintObject(canvas);
    return image;
}

// Ink is anything but the page colour and white.
QRect inkOf(const QImage &image)
{
    QRect ink;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != Page && image.pixel(x, y) != White)
                ink |= QRect(x, y, 1, 1);
    return ink;
}

TGPRichBaseLabel &prepared(TGPRichBaseLabel &label, int width, int height, float zoom = 1.0f)
{
    label.setPixelsPerInch(96);
    label.setZoomFactor(zoom);
    label.setBounds(0, 0, width, height);
    return label;
}

} // namespace

TEST(TGPRichBaseLabel, TheTextIsLaidOutOnThePageOfTheObjectAtZoomOne)
{
    EXPECT_EQ(TGPRichBaseLabel::pageTwips({95, 17}, 0.5f, 96), QSize(2850, 510));
    EXPECT_EQ(TGPRichBaseLabel::pageTwips({190, 34}, 1.0f, 96), QSize(2850, 510));
    EXPECT_EQ(TGPRichBaseLabel::zoomPercent(0.6f), 60);

    // The same words start the second line at both zooms: the half-size drawing's ink is
    // the full-size one halved.
    TGPRichBaseLabel full;
    prepared(full, 190, 80).SetRTFText(Words);
    full.SetBorderStyle(bsNone);
    TGPRichBaseLabel half;
    prepared(half, 95, 40, 0.5f).SetRTFText(Words);
    half.SetBorderStyle(bsNone);
    const QRect large = inkOf(painted(full));
    const QRect small = inkOf(painted(half));
    ASSERT_FALSE(large.isEmpty());
    EXPECT_GT(large.height(), 30) << "the text must wrap onto several lines";
    EXPECT_NEAR(small.height(), large.height() / 2.0, 3);
    EXPECT_NEAR(small.width(), large.width() / 2.0, 4);
}

TEST(TGPRichBaseLabel, TransparentShowsThePageAndABackgroundColourMakesItOpaque)
{
    FakeObjectHost host;
    FakeObjectEditors editors;
    TGPRichBaseLabel label;
    label.setHost(&host);
    prepared(label, 120, 40).SetRTFText(Words);
    label.AfterLoad();
    QImage image = painted(label);
    EXPECT_EQ(image.pixel(0, 0), Black);     // the border
    EXPECT_EQ(image.pixel(60, 38), Page);    // between the lines and letters
    EXPECT_FALSE(inkOf(image).isEmpty());

    editors.colorChoice = [](TColor &color) {
        color = 0x00FFFF;   // yellow
        return true;
    };
    ASSERT_TRUE(runMenuEntry(label, QStringLiteral("Background Color")));
    EXPECT_FALSE(label.Transparent());
    EXPECT_EQ(label.BGColor(), 0x00FFFF);
    EXPECT_GT(host.changed, 0);
    image = painted(label);
    EXPECT_EQ(image.pixel(60, 38), qRgb(255, 255, 0));
}

TEST(TGPRichBaseLabel, TextBeyondTheObjectIsCutAtItsBottom)
{
    TGPRichBaseLabel label;
    prepared(label, 60, 20).SetRTFText(Words);
    label.SetBorderStyle(bsNone);
    const QImage image = painted(label, {60, 200});
    const QRect ink = inkOf(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LE(ink.bottom(), 19);
}

TEST(TGPRichBaseLabel, MenuEntriesAndEditing)
{
    FakeObjectHost host;
    FakeObjectEditors editors;
    TGPRichBaseLabel label;
    label.setHost(&host);
    prepared(label, 190, 33);
    label.AfterLoad();
    const QStringList captions = menuCaptions(label.popupMenu());
    EXPECT_EQ(captions.mid(captions.size() - 5),
              QStringList({"-", "Transparent", "Background Color", "Border", "Edit"}));
    label.PopupAboutToShow();
    EXPECT_TRUE(menuChecked(label, QStringLiteral("Transparent")));
    EXPECT_TRUE(menuChecked(label, QStringLiteral("Border")));
    ASSERT_TRUE(runMenuEntry(label, QStringLiteral("Border")));
    ASSERT_TRUE(runMenuEntry(label, QStringLiteral("Transparent")));
    label.PopupAboutToShow();
    EXPECT_FALSE(menuChecked(label, QStringLiteral("Border")));
    EXPECT_FALSE(menuChecked(label, QStringLiteral("Transparent")));

    const int before = host.changed;
    editors.richText = [](TWPRtfStorage &text) {
        text = Words;
        return true;
    };
    ASSERT_TRUE(label.EditAction);
    label.EditAction();
    EXPECT_EQ(label.RTFText(), Words);
    EXPECT_GT(host.changed, before);

    editors.richText = nullptr;
    EXPECT_FALSE(label.Edit());
    EXPECT_EQ(label.RTFText(), Words);
}

TEST(TGPRichBaseLabel, TheToolMakesAnOpaqueFramedLabel)
{
    auto object = toolObject("TGPRichBaseLabel");
    auto *label = dynamic_cast<TGPRichBaseLabel *>(object.get());
    ASSERT_TRUE(label);
    EXPECT_FALSE(label->Transparent());
    EXPECT_EQ(label->BorderStyle(), bsSingle);
    EXPECT_EQ(label->boundsRect().size(), QSize(190, 33));
    EXPECT_TRUE(label->EditAction);
}

TEST(TGPRichBaseLabel, PrintsItsTextIntoItsInchRectangle)
{
    TGPRichBaseLabel label;
    prepared(label, 96, 48).SetRTFText(TWPRtfStorage(
        QByteArray("{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\cf1\\fs48 WWWW\\par}")));
    label.setBounds(96, 0, 96, 48);
    label.SetBorderStyle(bsNone);
    QImage page(300, 120, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ReportCanvas report(painter);
        label.PrintTo(report, 0.5, 0.25);
    }
    // (1.5, 0.25) to (2.5, 0.75) inches at 96 dots per inch: red ink there and nowhere else.
    QRect red;
    for (int y = 0; y < page.height(); ++y)
        for (int x = 0; x < page.width(); ++x)
            if (qRed(page.pixel(x, y)) > 200 && qGreen(page.pixel(x, y)) < 80)
                red |= QRect(x, y, 1, 1);
    ASSERT_FALSE(red.isEmpty());
    EXPECT_GE(red.left(), 144);
    EXPECT_GE(red.top(), 24);
    EXPECT_LE(red.right(), 240);
    EXPECT_LE(red.bottom(), 72);
}
