// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/boxgeometry.h"
#include "calendar/caldrawinfo.h"
#include "calendar/daymarkdrawing.h"
#include "calendar/drawmonth.h"
#include "graphics/canvas.h"

#include <QImage>
#include <QPainter>
#include <QPicture>

#include <algorithm>
#include <cstdlib>

namespace {

QImage symbol(MoonPhase phase)
{
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    drawMoonSymbol(canvas, phase, {10, 10, 30, 30}, Colors::clBlack);
    return image;
}

bool dark(const QImage &image, int x, int y)
{
    return qGray(image.pixel(x, y)) < 100;
}

} // namespace

TEST(MoonSymbols, EachPhaseHasItsShape)
{
    // Probes inside the disc, clear of its outline: left and right of the centre.
    const QImage fresh = symbol(MoonPhase::New);
    EXPECT_TRUE(dark(fresh, 15, 20) && dark(fresh, 25, 20));
    const QImage full = symbol(MoonPhase::Full);
    EXPECT_TRUE(!dark(full, 15, 20) && !dark(full, 25, 20));
    EXPECT_TRUE(dark(full, 10, 20) || dark(full, 11, 20)) << "the ring";
    const QImage first = symbol(MoonPhase::FirstQuarter);
    EXPECT_TRUE(!dark(first, 15, 20) && dark(first, 25, 20));
    const QImage last = symbol(MoonPhase::LastQuarter);
    EXPECT_TRUE(dark(last, 15, 20) && !dark(last, 25, 20));
    QImage blank(40, 40, QImage::Format_RGB32);
    blank.fill(Qt::white);
    EXPECT_EQ(symbol(MoonPhase::None), blank);
}

// The symbol never covers the day number, whichever way numbers are placed, and stays
// inside its cell.
TEST(MoonSymbols, KeepClearOfTheDayNumber)
{
    for (TCalendarNumberPosition position : {cnpUpperRight, cnpCenter}) {
        const MonthBoxGeometry g
            = layoutMonthBox({50, 50, 766, 1006}, {144, 21, 24, position});
        const PageRect box = g.numberBox(10);
        const PageRect mark = moonMarkRect(box, position, 24);
        ASSERT_GT(mark.width(), 5);
        EXPECT_TRUE(box.contains(mark.left, mark.top) && box.contains(mark.right - 1, mark.bottom - 1));
        // A two-digit number 24 pixels high, about 24 pixels wide.
        const int numberLeft = position == cnpUpperRight ? box.right - 24 : (box.left + box.right) / 2 - 12;
        const int numberTop = position == cnpUpperRight ? box.top : (box.top + box.bottom) / 2 - 12;
        EXPECT_TRUE(mark.right < numberLeft || mark.bottom < numberTop) << int(position);
    }
    // Mini-sized cells get no mark rather than a blot.
    EXPECT_EQ(moonMarkRect({0, 0, 14, 12}, cnpCenter, 9), PageRect());
}

TEST(MoonSymbols, DrawnOnlyWhenAsked)
{
    DayMarks marks;
    marks.days[QDate(2024, 1, 11)].moon = MoonPhase::New;
    const auto paint = [&marks](bool moon) {
        QImage image(500, 500, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        TCalDrawInfo info;
        info.box = {0, 0, 500, 500};
        info.month = 1;
        info.year = 2024;
        info.numberPosition = cnpUpperRight;
        info.cellFont = TFont(QStringLiteral("Liberation Serif"), 12);
        info.marks = &marks;
        info.moonPhases = moon;
        DrawMonth(canvas, info, QString());
        return std::pair{image, info.cells.cell(info.cells.cellOfDay(11)).rTotal};
    };
    const auto [without, cell] = paint(false);
    const auto [with, sameCell] = paint(true);
    EXPECT_EQ(cell, sameCell);
    const PageRect mark = moonMarkRect(
        cell, cnpUpperRight, TFont::lineHeight(TFont(QStringLiteral("Liberation Serif"), 12).pixelSizeAt(96)));
    ASSERT_GT(mark.width(), 5);
    const int cx = (mark.left + mark.right) / 2, cy = (mark.top + mark.bottom) / 2;
    EXPECT_FALSE(dark(without, cx, cy));
    EXPECT_TRUE(dark(with, cx, cy));
}

TEST(MoonSymbols, PixelsOnImagesAreThoseTheShapeGives)
{
    // Images take a copy of the symbol drawn once; other devices (a recorded picture here,
    // paper and PDF in use) get the shape itself. Both must look the same, in every phase,
    // colour and at more than one size, however often asked.
    for (const MoonPhase phase : {MoonPhase::New, MoonPhase::FirstQuarter, MoonPhase::Full, MoonPhase::LastQuarter}) {
        for (const int side : {9, 24}) {
            for (const TColor colour : {Colors::clBlack, Colors::clNavy}) {
                const PageRect square{7, 5, 7 + side, 5 + side};
                QImage copied(40, 40, QImage::Format_RGB32);
                for (int times = 0; times < 2; ++times) {
                    copied.fill(QColor(250, 240, 200));
                    QPainter painter(&copied);
                    Canvas canvas(painter, 96);
                    drawMoonSymbol(canvas, phase, square, colour);
                }
                QPicture shape;
                {
                    QPainter painter(&shape);
                    Canvas canvas(painter, 96);
                    drawMoonSymbol(canvas, phase, square, colour);
                }
                QImage drawn(40, 40, QImage::Format_RGB32);
                drawn.fill(QColor(250, 240, 200));
                {
                    QPainter painter(&drawn);
                    shape.play(&painter);
                }
                int worst = 0;
                for (int y = 0; y < 40; ++y) {
                    for (int x = 0; x < 40; ++x) {
                        const QColor a = copied.pixelColor(x, y);
                        const QColor b = drawn.pixelColor(x, y);
                        worst = std::max({worst, std::abs(a.red() - b.red()), std::abs(a.green() - b.green()),
                                          std::abs(a.blue() - b.blue())});
                    }
                }
                EXPECT_LE(worst, 3) << "phase " << int(phase) << " side " << side;
            }
        }
    }
}
