// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "imageprobes.h"

#include "fakeobjecthost.h"
#include "objects/objectkinds.h"
#include "objects/tgplabel.h"
#include "graphics/canvas.h"
#include "graphics/fontcache.h"
#include "graphics/reportcanvas.h"

#include <QImage>
#include <QPainter>

using ImageProbes::inkRect;

namespace {

const QRgb White = qRgb(255, 255, 255);

struct Label
{
    Label()
    {
        label.setPixelsPerInch(96);
        label.AfterLoad();
        label.setHost(&host);
    }
    FakeObjectHost host;
    TGPLabel label;
};

QImage paint(TGBaseLabel &label, QSize size = {160, 60})
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    label.PaintToCanvas(canvas, 0, 0);
    return image;
}

// The bounding box of the pixels of one colour.
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

} // namespace

TEST(TGPLabel, RotationSwapsTheSidesAndResetsAlignment)
{
    Label l;
    l.label.setBounds(0, 0, 142, 33);
    l.label.SetAlignment(taCenter);
    l.label.SetAngle(90);
    EXPECT_EQ(l.label.Angle(), 90);
    const QSize standing = l.label.boundsRect().size();
    EXPECT_GT(standing.height(), standing.width());
    EXPECT_EQ(l.label.Alignment(), taLeftJustify);
    // 270 keeps a tall label tall; back to 0 swaps again.
    l.label.SetAngle(270);
    EXPECT_EQ(l.label.boundsRect().size(), standing);
    l.label.SetAngle(0);
    EXPECT_GT(l.label.Width(), l.label.Height());

    l.label.SetAngle(45);
    l.label.SetAngle(-90);
    EXPECT_EQ(l.label.Angle(), 0);
}

TEST(TGPLabel, RotationEntriesMarkTheDocumentEvenWithoutResizing)
{
    Label l;
    // Long enough that upside down keeps its width: half of it would be empty.
    l.label.SetCaption(QStringLiteral("A caption of some length"));
    l.label.setBounds(0, 0, 142, 33);
    const QSize flat = l.label.boundsRect().size();
    const int before = l.host.changed;
    ASSERT_TRUE(runMenuEntry(l.label, QStringLiteral("180 Degrees")));
    EXPECT_EQ(l.label.Angle(), 180);
    EXPECT_EQ(l.label.boundsRect().size(), flat);
    EXPECT_GT(l.host.changed, before);
    l.label.PopupAboutToShow();
    EXPECT_TRUE(menuChecked(l.label, QStringLiteral("180 Degrees")));
    runMenuEntry(l.label, "Background Color");
    EXPECT_TRUE(l.label.Transparent());
}

TEST(TGPLabel, FitToTextGrowsButNeverShrinks)
{
    Label l;
    l.label.SetCaption(QStringLiteral("A caption much wider than the label"));
    l.label.setBounds(0, 0, 20, 10);
    l.label.fitToText();
    const CachedFont &font = FontCache::font(TFont(QStringLiteral("Arial"), 10), 96);
    EXPECT_EQ(l.label.Width(), font.width(l.label.Caption() + "     "));
    EXPECT_GE(l.label.Height(), font.height());

    l.label.setBounds(0, 0, 900, 200);
    const QSize wide = l.label.boundsRect().size();
    EXPECT_EQ(wide.width(), 900);
    l.label.fitToText();
    EXPECT_EQ(l.label.boundsRect().size(), wide);

    l.label.SetAngle(90);
    l.label.setBounds(0, 0, 5, 5);
    const QSize turned = l.label.boundsRect().size();
    l.label.fitToText();
    EXPECT_EQ(l.label.boundsRect().size(), turned);
}

TEST(TGPLabel, SizeIsFittedWhenTheTextChangesNotWhenPainted)
{
    Label l;
    l.label.setBounds(0, 0, 142, 120);
    const QSize fitted = l.label.boundsRect().size();
    EXPECT_LT(fitted.height(), 120) << "at most 1.2 lines high";
    const int changes = l.host.changed;
    l.label.setZoomFactor(0.5f);
    QImage image(200, 100, QImage::Format_RGB32);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    l.label.paintOnSurface(canvas);
    l.label.setZoomFactor(1.0f);
    EXPECT_EQ(l.label.boundsRect().size(), fitted) << "painting at another zoom fits nothing";
    EXPECT_EQ(l.host.changed, changes);
    l.label.SetFont(TFont(QStringLiteral("Arial"), 30));
    EXPECT_GT(l.label.Height(), fitted.height()) << "a larger font takes a taller box at once";
}

TEST(TGPLabel, TextDialogReplacesTheCaptionAndMarksTheDocument)
{
    Label l;
    l.label.setBounds(0, 0, 400, 40);
    FakeObjectEditors editors;
    editors.labelText = [](QString &text) {
        EXPECT_EQ(text, QStringLiteral("Text"));
        text = QStringLiteral("Hi");
        return true;
    };
    const int before = l.host.changed;
    l.label.EditNew();
    EXPECT_EQ(l.label.Caption(), QStringLiteral("Hi"));
    EXPECT_GT(l.host.changed, before);

    editors.labelText = [](QString &text) {
        text = QStringLiteral("ignored");
        return false;
    };
    EXPECT_FALSE(l.label.EditText());
    EXPECT_EQ(l.label.Caption(), QStringLiteral("Hi"));
}

TEST(TGPLabel, EffectsDialogCopiesTheSampleBackAndReports)
{
    Label l;
    FakeObjectEditors editors;
    editors.effects = [](TGBaseLabel &label) {
        TGPLabel sample;
        sample.SetDepthShadow(4);
        sample.SetDirectionShadow(sdDown);
        sample.SetcolorHighlight(Colors::clRed);
        TFont font = label.Font();
        font.setColor(Colors::clBlue);
        sample.SetFont(font);
        label.assign3DEffects(sample);
        return true;
    };
    const int before = l.host.changed;
    runMenuEntry(l.label, "3D Effects");
    EXPECT_EQ(l.label.DepthShadow(), 4);
    EXPECT_EQ(l.label.DirectionShadow(), sdDown);
    EXPECT_EQ(l.label.colorHighlight(), Colors::clRed);
    EXPECT_EQ(l.label.Font().color(), Colors::clBlue);
    EXPECT_GT(l.host.changed, before);
}

TEST(TGPLabel, FontDialogAppliesTheChoiceAndFits)
{
    Label l;
    l.label.setBounds(0, 0, 10, 10);
    FakeObjectEditors editors;
    editors.fontChoice = [](TFont &font) {
        font.setSize(30);
        return true;
    };
    runMenuEntry(l.label, "Font");
    EXPECT_EQ(l.label.Font().size(), 30);
    EXPECT_GT(l.label.Width(), 10);
}

TEST(TGPLabel, PaintDrawsOnlyTheFaceByDefault)
{
    TGPLabel label;
    label.setPixelsPerInch(96);
    label.setBounds(0, 0, 142, 33);
    const QImage image = paint(label);
    const QRect ink = inkRect(image);
    ASSERT_FALSE(ink.isEmpty());
    // The face starts at the object's corner and its text is one line high.
    EXPECT_LT(ink.left(), 3);
    EXPECT_LE(ink.bottom(), label.layout().face.bottom);
    EXPECT_TRUE(pixelsOf(image, qRgb(128, 128, 128)).isEmpty());
    EXPECT_TRUE(pixelsOf(image, qRgb(0, 255, 255)).isEmpty());
}

TEST(TGPLabel, PaintShiftsShadowAndHighlightCopies)
{
    TGPLabel label;
    label.setPixelsPerInch(96);
    TFont font(QStringLiteral("Arial"), 20);
    label.SetFont(font);
    label.SetCaption(QStringLiteral("I"));
    label.SetDepthShadow(3);
    label.SetcolorShadow(Colors::clRed);
    label.SetDepthHighlight(2);
    label.SetcolorHighlight(Colors::clBlue);
    const QImage image = paint(label);
    const QRect shadow = pixelsOf(image, qRgb(255, 0, 0));
    const QRect highlight = pixelsOf(image, qRgb(0, 0, 255));
    ASSERT_FALSE(shadow.isEmpty());
    ASSERT_FALSE(highlight.isEmpty());
    // The face covers the middle of the "I"; the copies peek out 3 down-right and 2 up-left.
    EXPECT_EQ(shadow.bottom() - highlight.bottom(), 5);
    EXPECT_EQ(shadow.right() - highlight.right(), 5);
    EXPECT_EQ(label.layout().margin, QPoint(2, 2));
}

TEST(TGPLabel, OpaqueBackgroundAndBorder)
{
    TGPLabel label;
    label.setPixelsPerInch(96);
    label.setBounds(0, 0, 100, 22);
    label.SetCaption(QString());
    label.SetTransparent(false);
    label.SetBackColor(Colors::clLime);
    label.SetBorderStyle(bsSingle);
    const QImage image = paint(label);
    const int right = label.Width() - 1;
    const int bottom = label.Height() - 1;
    EXPECT_EQ(image.pixel(0, 0), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(right, bottom), qRgb(0, 0, 0));
    EXPECT_EQ(image.pixel(50, bottom / 2), qRgb(0, 255, 0));
    EXPECT_EQ(image.pixel(right + 1, bottom / 2), White);
}

TEST(TGPLabel, TurnedTextStaysInsideTheNarrowObject)
{
    TGPLabel label;
    label.setPixelsPerInch(96);
    label.SetCaption(QStringLiteral("Vertical"));
    label.SetAngle(90);
    const QImage image = paint(label, {60, 160});
    const QRect ink = inkRect(image);
    ASSERT_FALSE(ink.isEmpty());
    EXPECT_LT(ink.width(), ink.height());
    EXPECT_LT(ink.right(), label.Width());
    EXPECT_LT(ink.bottom(), label.Height());
}

TEST(TGPLabel, PrintsStretchedIntoItsInchRectangle)
{
    TGPLabel label;
    label.setPixelsPerInch(96);
    label.SetCaption(QString());
    label.SetTransparent(false);
    label.SetBackColor(Colors::clBlue);
    label.setBounds(96, 48, 96, 24);
    // Settle the height the text needs before working out where the paper shows it.
    label.layout();
    const int height = label.Height();
    QImage page(500, 300, QImage::Format_RGB32);
    page.setDotsPerMeterX(7559); // 192 dots per inch
    page.setDotsPerMeterY(7559);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ReportCanvas report(painter);
        label.PrintTo(report, 0.5, 0.25);
    }
    // From (1.5, 0.75) inches, one inch wide, at 192 dots per inch.
    const int top = 144;
    const int bottom = int(((48.0 + height) / 96 + 0.25) * 192);
    const QRgb blue = qRgb(0, 0, 255);
    EXPECT_EQ(page.pixel(290, top + 2), blue);
    EXPECT_EQ(page.pixel(477, bottom - 3), blue);
    EXPECT_EQ(page.pixel(285, (top + bottom) / 2), White);
    EXPECT_EQ(page.pixel(483, (top + bottom) / 2), White);
    EXPECT_EQ(page.pixel(350, top - 3), White);
    EXPECT_EQ(page.pixel(350, bottom + 3), White);
}

TEST(ObjectFactory, ToolLabelIsOpaqueFramedAndInThePageFont)
{
    const TFont pageFont(QStringLiteral("Times New Roman"), 12, TFont::Style::Bold);
    std::unique_ptr<TGGraphicControl> object = toolObject("TGPLabel", pageFont);
    auto *label = dynamic_cast<TGPLabel *>(object.get());
    ASSERT_TRUE(label);
    EXPECT_EQ(label->Caption(), QStringLiteral("Enter text..."));
    EXPECT_EQ(label->Font().name(), pageFont.name());
    EXPECT_EQ(label->Font().size(), 20);
    EXPECT_TRUE(label->Font().bold());
    EXPECT_FALSE(label->Transparent());
    EXPECT_EQ(label->BorderStyle(), bsSingle);
    EXPECT_FALSE(label->popupMenu().empty());
    EXPECT_FALSE(toolObject("TGMystery", pageFont));
    EXPECT_FALSE(createObjectOfClass(QStringLiteral("TGMystery")));
    EXPECT_EQ(createObjectOfClass(QStringLiteral("TGPLabel"))->className(), "TGPLabel");
}

TEST(TGPLabel, PrintedTextLandsInsideTheLabel)
{
    TGPLabel label;
    label.setPixelsPerInch(96);
    label.SetFont(TFont(QStringLiteral("Arial"), 20));
    label.SetCaption(QStringLiteral("WWW"));
    label.setBounds(96, 96, 120, 40);
    label.layout();
    QImage page(400, 400, QImage::Format_RGB32);
    page.setDotsPerMeterX(7559); // 192 dots per inch
    page.setDotsPerMeterY(7559);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ReportCanvas report(painter);
        label.PrintTo(report, 0.0, 0.0);
    }
    const QRect ink = inkRect(page);
    ASSERT_FALSE(ink.isEmpty());
    const QRect paper(192, 192, 2 * label.Width(), 2 * label.Height());
    EXPECT_TRUE(paper.contains(ink)) << ink.x() << "," << ink.y() << " " << ink.width() << "x"
                                     << ink.height();
    // Three capital Ws at twice the screen size fill most of the text's width.
    const CachedFont &font = FontCache::font(label.Font(), 96);
    EXPECT_GT(ink.width(), font.width(QStringLiteral("WWW")));
}
