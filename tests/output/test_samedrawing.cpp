// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "images/picture.h"
#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgsupertext.h"
#include "output/pageoutput.h"
#include "page/calpanel32.h"

#include <QBuffer>
#include <QPainter>
#include <QPrinter>
#include "graphics/reportcanvas.h"
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

// A page with every kind of object and a text in a day cell, in strong colours so that
// what is drawn stands out from the page's black lines.
void fillPage(TCalendarPanel32 &page)
{
    page.ResetToDefaults(QDate(2027, 1, 1));
    page.UpdateCellTable();
    page.SetCellRtfText(page.CellOfDay(13),
                        TWPRtfStorage("{\\rtf1{\\colortbl;\\red200\\green0\\blue0;}\\fs28\\cf1 Choir practice at six\\par}"));
    auto label = std::make_unique<TGPLabel>();
    label->SetCaption(QStringLiteral("Family"));
    label->SetFont(TFont(QStringLiteral("Liberation Sans"), 28, TFont::Style::Bold, 0x0000C0));
    label->setBounds(160, 250, 240, 60);
    label->SetDepthShadow(4);
    label->SetDepthHighlight(2);
    page.appendObject(std::move(label));
    // As the drawing tools make them: opaque, with a border.
    auto made = createToolLabel(TFont(QStringLiteral("Liberation Serif"), 12, {}, 0x000000));
    made->SetCaption(QStringLiteral("Birthday"));
    made->setBounds(160, 330, 200, 50);
    label = std::move(made);
    page.appendObject(std::move(label));
    auto rich = std::make_unique<TGPRichBaseLabel>();
    rich->SetRTFText(TWPRtfStorage("{\\rtf1{\\colortbl;\\red0\\green128\\blue0;}\\fs32\\cf1 Summer {\\b holidays}\\par}"));
    rich->setBounds(420, 250, 260, 60);
    rich->SetTransparent(false);
    rich->SetBorderStyle(bsSingle);
    page.appendObject(std::move(rich));
    auto plain = std::make_unique<TGPRichBaseLabel>();
    plain->SetRTFText(TWPRtfStorage("{\\rtf1 Family {\\b dinner}\\par}"));
    plain->setBounds(420, 330, 200, 40);
    page.appendObject(std::move(plain));
    auto title = std::make_unique<TGSuperText>();
    title->SetCaption(QStringLiteral("January"));
    title->setBounds(300, 560, 300, 80);
    page.appendObject(std::move(title));
    // Typed longer than the box drawn for it, so the box widens; and as a document may hold
    // one, narrower than its caption, so both cut it at the same letter.
    auto typed = std::make_unique<TGSuperText>(TGSuperText::ToolObject{});
    typed->SetFont(TFont(QStringLiteral("Liberation Sans"), 28, TFont::Style::Bold, 0x000000));
    typed->SetCaption(QStringLiteral("Happy holidays"));
    typed->setBounds(60, 700, 120, 60);
    typed->fitToText();
    page.appendObject(std::move(typed));
    auto cut = std::make_unique<TGSuperText>();
    cut->SetFont(TFont(QStringLiteral("Liberation Sans"), 28, TFont::Style::Bold, 0x000000));
    cut->SetSurfaceType(stNormal);
    cut->SetCaption(QStringLiteral("Anniversary"));
    cut->setBounds(420, 700, 130, 60);
    page.appendObject(std::move(cut));
    QImage pixels(64, 48, QImage::Format_RGB32);
    pixels.fill(QColor(20, 120, 200));
    Picture picture;
    picture.setBitmap(pixels);
    auto image = std::make_unique<TGImage>();
    image->SetPicture(picture);
    image->setBounds(60, 560, 128, 96);
    page.appendObject(std::move(image));
    auto calendar = std::make_unique<TGFlatCalendar>(QDate(2027, 2, 1));
    calendar->setBounds(700, 540, 160, 130);
    page.appendObject(std::move(calendar));
}

// What is drawn in a part of a page: where, how much and in what colour.
struct Ink {
    QRect box;
    int count = 0;
    QColor mean;
};

Ink inkIn(const QImage &image, const QRect &area)
{
    Ink ink;
    qint64 red = 0, green = 0, blue = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            // Antialiased fringes are left out: they differ between renderers.
            if (qRed(pixel) + qGreen(pixel) + qBlue(pixel) > 3 * 200)
                continue;
            ink.box |= QRect(x, y, 1, 1);
            ++ink.count;
            red += qRed(pixel);
            green += qGreen(pixel);
            blue += qBlue(pixel);
        }
    }
    if (ink.count > 0)
        ink.mean = QColor(int(red / ink.count), int(green / ink.count), int(blue / ink.count));
    return ink;
}

// The page as the PDF shows it, rasterised at the page's own resolution.
QImage pdfAsImage(TCalendarPanel32 &page, const QTemporaryDir &dir)
{
    const QString pdftoppm = QStandardPaths::findExecutable(QStringLiteral("pdftoppm"));
    EXPECT_FALSE(pdftoppm.isEmpty()) << "pdftoppm (poppler-utils) is needed to read the PDF back";
    QString error;
    const QString pdf = dir.filePath(QStringLiteral("page.pdf"));
    EXPECT_TRUE(PageOutput::savePdf(page.model(), 1, pdf, &error)) << error.toStdString();
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess::execute(pdftoppm, {QStringLiteral("-r"), QString::number(page.pixelsPerInch()),
                                 QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, stem});
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

void expectSameInk(const QImage &image, const QImage &pdf, const QRect &area, const char *what)
{
    const Ink shown = inkIn(image, area);
    const Ink printed = inkIn(pdf, area);
    ASSERT_GT(shown.count, 20) << what << ": nothing drawn in the image";
    // The printed page places its lines and titles a few pixels differently and fits its
    // cells a little differently; the objects and texts themselves must be where, as
    // large and as coloured as in the image.
    constexpr int Slack = 4;
    EXPECT_LE(std::abs(shown.box.left() - printed.box.left()), Slack) << what;
    EXPECT_LE(std::abs(shown.box.top() - printed.box.top()), Slack) << what;
    EXPECT_LE(std::abs(shown.box.width() - printed.box.width()), qMax(Slack, shown.box.width() / 12)) << what;
    EXPECT_LE(std::abs(shown.box.height() - printed.box.height()), qMax(Slack, shown.box.height() / 12)) << what;
    EXPECT_GT(printed.count, shown.count * 3 / 4) << what;
    EXPECT_LT(printed.count, shown.count * 4 / 3) << what;
    for (const auto channel : {&QColor::red, &QColor::green, &QColor::blue})
        EXPECT_LE(std::abs((shown.mean.*channel)() - (printed.mean.*channel)()), 40) << what;
}

} // namespace

TEST(SameDrawing, EveryObjectAndCellTextPrintsToPdfAsTheImageShowsIt)
{
    TCalendarPanel32 page;
    fillPage(page);
    const QImage image = page.RenderToBitmap().convertToFormat(QImage::Format_RGB32);
    // As the window does it: shown at 60 %, then printed at full scale with the screen's
    // painting suspended.
    page.SetZoom(0.6f);
    page.RenderToBitmap();
    page.SetZoom(1.0f);
    page.SetPrinting(true);
    page.SetPaintSuspended(true);
    QTemporaryDir dir;
    const QImage pdf = pdfAsImage(page, dir);
    ASSERT_EQ(pdf.size(), image.size());

    const PageRect cell = page.computeCellTable().cell(page.CellOfDay(13)).rFree;
    expectSameInk(image, pdf, cell.toQRect().adjusted(2, 2, -2, -2), "cell text");
    for (const auto &object : page.objects()) {
        const QRect area = object->boundsRect().adjusted(-3, -3, 3, 3);
        expectSameInk(image, pdf, area, qPrintable(object->className()));
    }
}
