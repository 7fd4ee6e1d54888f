// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "imageprobes.h"

#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"

#include <QGuiApplication>
#include <QPainter>
#include <QPalette>

#include <cmath>

using ImageProbes::inkRect;

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

QImage whiteImage(int width, int height, int dpi = 96)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    image.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    image.fill(Qt::white);
    return image;
}

} // namespace

TEST(Canvas, RectanglesExcludeTheirRightAndBottomEdges)
{
    QImage image = whiteImage(40, 40);
    {
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        canvas.setBrush(Colors::clBlack);
        canvas.fillRect({10, 10, 20, 15});
        canvas.setClearBrush();
        canvas.fillRect({0, 0, 40, 40});
    }
    EXPECT_EQ(inkRect(image), QRect(10, 10, 10, 5));

    image.fill(Qt::white);
    {
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        canvas.setBrush(Colors::clRed);
        canvas.rectangle({5, 5, 15, 12});
    }
    EXPECT_EQ(inkRect(image), QRect(5, 5, 10, 7));
    EXPECT_EQ(image.pixel(5, 8), Black);
    EXPECT_EQ(image.pixel(14, 8), Black);
    EXPECT_EQ(image.pixel(8, 11), Black);
    EXPECT_EQ(image.pixel(8, 8), qRgb(255, 0, 0));
}

TEST(Canvas, LinesLeaveOutTheirEndPoint)
{
    QImage image = whiteImage(30, 30);
    {
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        canvas.moveTo(2, 3);
        canvas.lineTo(12, 3);
        canvas.lineTo(12, 20);
    }
    EXPECT_EQ(image.pixel(2, 3), Black);
    EXPECT_EQ(image.pixel(11, 3), Black);
    EXPECT_EQ(image.pixel(12, 3), Black); // the start of the second line
    EXPECT_EQ(image.pixel(12, 19), Black);
    EXPECT_EQ(image.pixel(12, 20), White);
    EXPECT_EQ(inkRect(image), QRect(2, 3, 11, 17));
}

TEST(Canvas, SystemColoursComeFromThePalette)
{
    QImage image = whiteImage(4, 4);
    {
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        canvas.setBrush(Colors::clBtnFace);
        canvas.fillRect({0, 0, 4, 4});
    }
    EXPECT_EQ(QColor(image.pixel(1, 1)), QGuiApplication::palette().color(QPalette::Button));
}

TEST(Canvas, AlignedTextStaysInItsRectangle)
{
    const QString text = QStringLiteral("Wed");
    const TFont font(QStringLiteral("Times New Roman"), 16, TFont::Style::Bold);
    struct Case
    {
        Qt::Alignment alignment;
        PageRect rect;
    };
    const Case cases[] = {
        {Qt::AlignHCenter | Qt::AlignVCenter, {20, 20, 180, 80}},
        {Qt::AlignRight | Qt::AlignTop, {20, 20, 180, 80}},
        {Qt::AlignHCenter | Qt::AlignBottom, {20, 20, 180, 80}},
        // Too small for the text: clipped, not shortened.
        {Qt::AlignHCenter | Qt::AlignVCenter, {60, 40, 75, 50}},
    };
    for (const Case &c : cases) {
        QImage image = whiteImage(200, 100);
        {
            QPainter painter(&image);
            Canvas canvas(painter, 96);
            canvas.setFont(font);
            canvas.drawText(c.rect, text, c.alignment);
        }
        const QRect ink = inkRect(image);
        ASSERT_FALSE(ink.isEmpty());
        EXPECT_TRUE(c.rect.toQRect().contains(ink)) << int(c.alignment);
        if (c.alignment & Qt::AlignRight) {
            EXPECT_GE(ink.right(), c.rect.right - 4);
        }
        if (c.alignment & Qt::AlignHCenter && c.rect.width() > 100) {
            EXPECT_LE(std::abs((ink.left() + ink.right()) / 2 - (c.rect.left + c.rect.right) / 2),
                      2);
        }
    }
}

TEST(ReportCanvas, InchesBecomeDevicePixels)
{
    QImage sheet = whiteImage(300, 300, 100);
    QPainter painter(&sheet);
    ReportCanvas report(painter, QMarginsF(0.25, 0.2, 0.25, 0.3));
    EXPECT_DOUBLE_EQ(report.xDpi(), 100);
    EXPECT_DOUBLE_EQ(report.topWaste(), 0.2);
    EXPECT_EQ(report.inchRectToPixels(QRectF(QPointF(0.5, 1.0), QPointF(1.25, 2.0))),
              (PageRect{50, 100, 125, 200}));
    EXPECT_EQ(report.penPixels(3), 3);
    EXPECT_EQ(report.penPixels(-5), 1);
    report.setPen(Colors::clBlack, psSolid, -5);
    EXPECT_EQ(report.penWidth(), -5);
    report.setFont(QStringLiteral("Times New Roman"), 12, false, false, false, Colors::clBlack);
    // 12 points at 100 dpi: an em of 17 pixels, a line a little more.
    EXPECT_GT(report.lineHeight(), 0.17);
    EXPECT_LT(report.lineHeight(), 0.25);
    EXPECT_NEAR(report.textWidth(QStringLiteral("MMMM")),
                report.canvas().textWidth(QStringLiteral("MMMM")) / 100.0, 1e-9);
}

TEST(ReportCanvas, ShapesAndTextAtInchPositions)
{
    QImage sheet = whiteImage(300, 300, 100);
    {
        QPainter painter(&sheet);
        ReportCanvas report(painter);
        report.setPen(Colors::clBlack, psSolid, 1);
        report.setBrush(Colors::clWhite, false);
        report.rectangle(0.5, 0.5, 1.5, 1.0);
        report.setBrush(Colors::clRed);
        report.fillRect(2.0, 2.0, 2.5, 2.5);
        report.moveTo(0.1, 2.9);
        report.lineTo(1.1, 2.9);
    }
    EXPECT_EQ(sheet.pixel(50, 75), Black);
    EXPECT_EQ(sheet.pixel(149, 75), Black);
    EXPECT_EQ(sheet.pixel(100, 75), White);
    EXPECT_EQ(sheet.pixel(200, 200), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(250, 250), White);
    EXPECT_EQ(sheet.pixel(10, 290), Black);
    EXPECT_EQ(sheet.pixel(110, 290), White);

    struct Case
    {
        int align; // -1 right, 0 centre, 1 left
        int expectLeft;
        int expectRight;
    };
    for (const Case c : {Case{1, 100, -1}, Case{-1, -1, 100}, Case{0, -1, -1}}) {
        QImage text = whiteImage(300, 100, 100);
        QPainter painter(&text);
        ReportCanvas report(painter);
        report.setFont(QStringLiteral("Arial"), 14, true, false, false, Colors::clBlack);
        const QString word = QStringLiteral("HHH");
        if (c.align > 0)
            report.printLeft(word, 1.0, 0.2);
        else if (c.align < 0)
            report.printRight(word, 1.0, 0.2);
        else
            report.printCenter(word, 1.5, 0.2);
        painter.end();
        const QRect ink = inkRect(text);
        EXPECT_GE(ink.top(), 20);
        EXPECT_LE(ink.top(), 20 + report.lineHeight() * 100);
        if (c.expectLeft >= 0) {
            EXPECT_NEAR(ink.left(), c.expectLeft, 3);
        }
        if (c.expectRight >= 0) {
            EXPECT_NEAR(ink.right(), c.expectRight, 3);
        }
        if (c.align == 0) {
            EXPECT_NEAR((ink.left() + ink.right()) / 2.0, 150, 2);
        }
    }
}

TEST(ReportCanvas, TextCursorAdvancesAndTextClipsPaths)
{
    QImage sheet = whiteImage(400, 200, 100);
    {
        QPainter painter(&sheet);
        ReportCanvas report(painter);
        report.setFont(QStringLiteral("Arial"), 48, true, false, false, Colors::clBlack);
        report.beginPath();
        report.gotoXY(0.2, 0.2);
        report.print(QStringLiteral("I"));
        report.print(QStringLiteral("I"));
        report.endPath();
        report.selectClipPath();
        report.setBrush(Colors::clRed);
        report.fillRect(0, 0, 4, 2);
        report.removeClip();
        report.setBrush(Colors::clBlue);
        report.fillRect(3.5, 1.5, 4, 2);
    }
    const QRect ink = inkRect(sheet.copy(0, 0, 340, 200));
    ASSERT_FALSE(ink.isEmpty());
    // Only the two letters were filled: red inside their outlines, white between them.
    EXPECT_GE(ink.left(), 20);
    EXPECT_LT(ink.width(), 120);
    int columnsWithRed = 0;
    for (int x = ink.left(); x <= ink.right(); ++x) {
        bool red = false;
        for (int y = ink.top(); y <= ink.bottom(); ++y)
            red = red || sheet.pixel(x, y) == qRgb(255, 0, 0);
        columnsWithRed += red ? 1 : 0;
    }
    EXPECT_LT(columnsWithRed, ink.width());
    EXPECT_EQ(sheet.pixel(380, 180), qRgb(0, 0, 255));
}
