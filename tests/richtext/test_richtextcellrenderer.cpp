// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "imageprobes.h"

#include "richtext/richtextcellrenderer.h"
#include "richtext/rtfunits.h"

#include <QImage>
#include <QPainter>
#include <QTextCursor>
#include <QTextDocument>

using ImageProbes::inkRect;

namespace {

const QByteArray boldRed
        = "{\\rtf1{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red255\\green0\\blue0;}"
          "\\f0\\fs28\\b\\cf1 Meeting at the town hall with the whole committee\\par}";

bool isReddish(QRgb pixel)
{
    return qRed(pixel) > 150 && qGreen(pixel) < 120 && qBlue(pixel) < 120;
}

QImage paintText(RichTextCellRenderer &renderer, const QByteArray &rtf, int zoom, const QSize &page,
                 const QRectF &target, const QSize &imageSize = QSize(300, 200))
{
    QImage image(imageSize, QImage::Format_RGB32);
    image.fill(Qt::white);
    renderer.loadRtf(TWPRtfStorage(rtf));
    renderer.setZoomPercent(zoom);
    renderer.setPageSize(page);
    renderer.setPixelsPerInch(RtfUnits::layoutDpi());
    QPainter painter(&image);
    renderer.paint(painter, target);
    return image;
}

} // namespace

TEST(RichTextCellRenderer, BoldRedTextLandsInsideTheTargetOnly)
{
    RichTextCellRenderer renderer;
    const QRect target(40, 30, 150, 60);
    const QImage image = paintText(renderer, boldRed, 100, target.size(), target);
    int red = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (!target.contains(x, y))
                ASSERT_EQ(pixel, qRgb(255, 255, 255)) << x << "," << y;
            else if (isReddish(pixel))
                ++red;
        }
    }
    // Bold 14-point text fills a good share of two or more lines.
    EXPECT_GT(red, 200);
    EXPECT_LE(inkRect(image).top(), target.top() + 6);
}

TEST(RichTextCellRenderer, HalfZoomDrawsTheSameLinesAtHalfTheSize)
{
    RichTextCellRenderer renderer;
    const QSize page(160, 120);
    const QRect full
            = inkRect(paintText(renderer, boldRed, 100, page, QRectF(QPointF(0, 0), page)));
    const QSize halfPage = page / 2;
    const QRect half = inkRect(
            paintText(renderer, boldRed, 50, halfPage, QRectF(QPointF(0, 0), halfPage)));
    ASSERT_FALSE(full.isEmpty());
    ASSERT_GT(full.height(), 40) << "the text should wrap onto several lines";
    // Same line breaks: every extent halves, give or take the glyphs' rasterising.
    EXPECT_NEAR(half.width(), full.width() / 2.0, 3.0);
    EXPECT_NEAR(half.height(), full.height() / 2.0, 3.0);
}

TEST(RichTextCellRenderer, TextBelowThePageIsCutOff)
{
    RichTextCellRenderer renderer;
    QByteArray longText = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 30; ++i)
        longText += "line\\par ";
    longText += "}";
    const QImage image = paintText(renderer, longText, 100, QSize(100, 50), QRectF(0, 0, 100, 50));
    const QRect ink = inkRect(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.bottom(), 50);
}

TEST(RichTextCellRenderer, KeepsOneLayoutPerTextUpToItsLimit)
{
    RichTextCellRenderer renderer;
    paintText(renderer, boldRed, 100, QSize(100, 50), QRectF(0, 0, 100, 50));
    paintText(renderer, boldRed, 50, QSize(50, 25), QRectF(0, 0, 50, 25));
    EXPECT_EQ(renderer.cachedTexts(), 1);
    for (int i = 0; i < RichTextCellRenderer::CachedTexts + 20; ++i)
        paintText(renderer, "{\\rtf1 text " + QByteArray::number(i) + "}", 100, QSize(20, 20),
                  QRectF(0, 0, 20, 20), QSize(20, 20));
    EXPECT_EQ(renderer.cachedTexts(), int(RichTextCellRenderer::CachedTexts));
}

TEST(RichTextCellRenderer, TextBeyondWhatCanShowIsNotLaidOutAndNothingVisibleChanges)
{
    // A cell 150 x 90 at 9 points holds well under a few thousand characters.
    QTextDocument sample;
    sample.setPlainText(QStringLiteral("x"));
    QTextCursor cursor(&sample);
    cursor.select(QTextCursor::Document);
    QTextCharFormat nine;
    nine.setFontPointSize(9);
    cursor.mergeCharFormat(nine);
    const int bound = RichTextCellRenderer::visibleCharacterBound(sample, QSizeF(150, 90));
    EXPECT_GT(bound, 150 / 2);
    EXPECT_LT(bound, 20000);
    // A smaller font lets more show; a larger page too.
    nine.setFontPointSize(4);
    cursor.mergeCharFormat(nine);
    EXPECT_GT(RichTextCellRenderer::visibleCharacterBound(sample, QSizeF(150, 90)), bound);
    EXPECT_GT(RichTextCellRenderer::visibleCharacterBound(sample, QSizeF(300, 180)), bound);

    // Words that wrap over more lines than the cell shows, and one word without a break:
    // long texts draw exactly what their beginnings draw.
    const QByteArray words = QByteArray("lorem ipsum dolor sit amet ").repeated(8000);
    const QByteArray word = QByteArray(200000, 'w');
    for (const QByteArray &body : {words, word}) {
        RichTextCellRenderer whole;
        RichTextCellRenderer start;
        const QSize page(150, 90);
        const QRectF target(0, 0, 150, 90);
        const QImage long_ = paintText(whole, "{\\rtf1\\ansi\\fs18 " + body + "\\par}", 100, page, target);
        const QImage short_ = paintText(start, "{\\rtf1\\ansi\\fs18 " + body.left(3000) + "\\par}", 100, page, target);
        EXPECT_EQ(long_, short_);
        EXPECT_FALSE(inkRect(long_).isEmpty());
    }
}

TEST(RichTextCellRenderer, TellsWhetherTheTextRunsPastThePage)
{
    const auto overflows = [](const QByteArray &rtf, int zoom, QSize page) {
        RichTextCellRenderer renderer;
        renderer.loadRtf(TWPRtfStorage(rtf));
        renderer.setZoomPercent(zoom);
        renderer.setPageSize(page);
        renderer.setPixelsPerInch(RtfUnits::layoutDpi());
        return renderer.textOverflows();
    };
    QByteArray lines = "{\\rtf1\\fs24 ";
    for (int i = 0; i < 12; ++i)
        lines += "line\\par ";
    lines += "}";
    // Twelve 12-point lines need about 220 layout pixels.
    EXPECT_TRUE(overflows(lines, 100, QSize(100, 50)));
    EXPECT_FALSE(overflows(lines, 100, QSize(100, 400)));
    EXPECT_TRUE(overflows(lines, 50, QSize(50, 25))) << "the same at any zoom";
    EXPECT_FALSE(overflows(lines, 50, QSize(50, 200)));
    EXPECT_TRUE(overflows(boldRed, 100, QSize(150, 30))) << "wrapped lines count too";

    // Empty paragraphs after the last words show nothing, so they do not count.
    const QByteArray trailing = "{\\rtf1\\fs24 Party\\par\\par\\par\\par\\par\\par\\par\\par\\par\\par}";
    EXPECT_FALSE(overflows(trailing, 100, QSize(100, 40)));
    EXPECT_TRUE(overflows(trailing, 100, QSize(100, 10)));
    EXPECT_FALSE(overflows("{\\rtf1 }", 100, QSize(100, 10)));

    // Text cut because it could never show is more than shows.
    const QByteArray endless = "{\\rtf1\\ansi\\fs18 " + QByteArray("lorem ipsum ").repeated(4000) + "\\par}";
    EXPECT_TRUE(overflows(endless, 100, QSize(150, 90)));
}
