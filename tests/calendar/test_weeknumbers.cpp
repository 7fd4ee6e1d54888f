// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/boxgeometry.h"
#include "calendar/caldrawinfo.h"
#include "calendar/drawmonth.h"
#include "calendar/weeknumbers.h"
#include "graphics/canvas.h"

#include <QImage>
#include <QPainter>

#include <chrono>

using PageOptions::WeekNumbers;
namespace chr = std::chrono;

namespace {

// ISO 8601 from its definition: the week of a day is the week of its Thursday, counted from
// the week holding that Thursday's year's first Thursday.
int chronoIsoWeek(const chr::sys_days day)
{
    const chr::weekday wd{day};
    const int fromMonday = int(wd.iso_encoding()) - 1;
    const chr::sys_days thursday = day - chr::days{fromMonday} + chr::days{3};
    const chr::year_month_day ymd{thursday};
    const chr::sys_days january1 = chr::sys_days{ymd.year() / chr::January / 1};
    return int((thursday - january1).count() / 7) + 1;
}

QDate qdate(const chr::sys_days day)
{
    const chr::year_month_day ymd{day};
    return QDate(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())));
}

} // namespace

TEST(WeekNumbers, IsoMatchesTheDefinitionEveryDay1900To2100)
{
    const chr::sys_days first = chr::sys_days{chr::year{1900} / chr::January / 1};
    const chr::sys_days last = chr::sys_days{chr::year{2100} / chr::December / 31};
    int checked = 0;
    for (chr::sys_days day = first; day <= last; day += chr::days{1}, ++checked) {
        const int expected = chronoIsoWeek(day);
        // ISO numbers do not depend on where the page starts its rows.
        ASSERT_EQ(WeekNumber(qdate(day), WeekNumbers::Iso, 1), expected) << qdate(day).toString(Qt::ISODate).toStdString();
        ASSERT_EQ(WeekNumber(qdate(day), WeekNumbers::Iso, 2), expected);
    }
    EXPECT_EQ(checked, 73414);
}

TEST(WeekNumbers, FirstJanuaryCountsFromTheWeekThatHoldsIt)
{
    // 2022 began on a Saturday: Sunday weeks make 2 January week 2, Monday weeks week 1.
    EXPECT_EQ(WeekNumber(QDate(2022, 1, 1), WeekNumbers::FirstJanuary, 1), 1);
    EXPECT_EQ(WeekNumber(QDate(2022, 1, 2), WeekNumbers::FirstJanuary, 1), 2);
    EXPECT_EQ(WeekNumber(QDate(2022, 1, 2), WeekNumbers::FirstJanuary, 2), 1);
    EXPECT_EQ(WeekNumber(QDate(2022, 1, 3), WeekNumbers::FirstJanuary, 2), 2);
    EXPECT_EQ(WeekNumber(QDate(2022, 12, 31), WeekNumbers::FirstJanuary, 1), 53);
    // 2017 began on a Sunday: with Sunday weeks it has 53 weeks, the last one only 31 December.
    EXPECT_EQ(WeekNumber(QDate(2017, 1, 7), WeekNumbers::FirstJanuary, 1), 1);
    EXPECT_EQ(WeekNumber(QDate(2017, 12, 31), WeekNumbers::FirstJanuary, 1), 53);
    EXPECT_EQ(WeekNumber(QDate(2017, 12, 31), WeekNumbers::FirstJanuary, 2), 53);
    // 2024 (leap) began on a Monday; 4 July 2024 is in week 27 either way.
    EXPECT_EQ(WeekNumber(QDate(2024, 7, 4), WeekNumbers::FirstJanuary, 1), 27);
    EXPECT_EQ(WeekNumber(QDate(2024, 7, 4), WeekNumbers::FirstJanuary, 2), 27);
    // Where the customs differ: 1 January 2021 (a Friday) is ISO week 53 of 2020.
    EXPECT_EQ(WeekNumber(QDate(2021, 1, 1), WeekNumbers::Iso, 1), 53);
    EXPECT_EQ(WeekNumber(QDate(2021, 1, 1), WeekNumbers::FirstJanuary, 1), 1);
    EXPECT_EQ(WeekNumber(QDate(2021, 1, 1), WeekNumbers::None, 1), 0);
    EXPECT_EQ(WeekNumber(QDate(), WeekNumbers::Iso, 1), 0);
}

TEST(WeekNumbers, RowsOfAMonthGrid)
{
    // January 2021 from Sunday: row 0 is 27 Dec .. 2 Jan, ISO takes its Monday (28 Dec: 53).
    EXPECT_EQ(RowWeekNumber(2021, 1, 1, 0, WeekNumbers::Iso), 53);
    EXPECT_EQ(RowWeekNumber(2021, 1, 1, 1, WeekNumbers::Iso), 1);
    // From Monday: row 0 is 28 Dec .. 3 Jan, also ISO 53.
    EXPECT_EQ(RowWeekNumber(2021, 1, 2, 0, WeekNumbers::Iso), 53);
    // The North American row that holds 1 January is week 1, even in December's grid.
    EXPECT_EQ(RowWeekNumber(2021, 1, 1, 0, WeekNumbers::FirstJanuary), 1);
    EXPECT_EQ(RowWeekNumber(2020, 12, 1, 4, WeekNumbers::FirstJanuary), 1);
    EXPECT_EQ(RowWeekNumber(2020, 12, 1, 3, WeekNumbers::FirstJanuary), 52);
    // Rows without a day of the month have no number; None numbers nothing.
    EXPECT_EQ(RowWeekNumber(2021, 2, 2, 4, WeekNumbers::Iso), 0); // February 2021 fills 4 rows
    EXPECT_EQ(RowWeekNumber(2021, 2, 2, 3, WeekNumbers::Iso), 8);
    EXPECT_EQ(RowWeekNumber(2021, 1, 1, 2, WeekNumbers::None), 0);
    EXPECT_EQ(RowWeekNumber(2021, 13, 1, 2, WeekNumbers::Iso), 0);
}

TEST(WeekNumbers, TheColumnExistsOnlyWithTheOption)
{
    MonthBoxMetrics plain{144, 21, 24, cnpUpperRight};
    const MonthBoxGeometry without = layoutMonthBox({50, 50, 766, 1006}, plain);
    EXPECT_EQ(without.weekColumnWidth, 0);
    EXPECT_EQ(without.weekNumberBox(0), PageRect());
    MonthBoxMetrics numbered = plain;
    numbered.weekNumberWidth = weekNumberColumnWidth(21, 716);
    EXPECT_EQ(numbered.weekNumberWidth, 37);
    const MonthBoxGeometry with = layoutMonthBox({50, 50, 766, 1006}, numbered);
    // The grid moves right by the column and its columns narrow to fit the same frame.
    EXPECT_EQ(with.gridLeft(), 87);
    EXPECT_EQ(with.columnWidth, (715 - 37) / 7);
    EXPECT_EQ(with.columnLineX(0), 87);
    EXPECT_LE(with.columnLineX(6) + with.columnWidth, with.frame.right);
    EXPECT_EQ(with.weekNumberBox(2), (PageRect{51, with.cellTop + 2 * with.rowHeight + 1, 86,
                                               with.cellTop + 3 * with.rowHeight - 1}));
    EXPECT_EQ(with.title, without.title);
    EXPECT_EQ(with.dayBand, without.dayBand);
    EXPECT_EQ(with.rowHeight, without.rowHeight);
    // A small box gives the column at most a day column's share.
    EXPECT_EQ(weekNumberColumnWidth(11, 112), 14);
}

// Painting with the option off is exactly what it was; with it on, the numbers are drawn
// in the column and nothing of them lies in the grid.
TEST(WeekNumbers, PaintedOnlyWithTheOption)
{
    const auto paint = [](WeekNumbers numbers) {
        QImage image(400, 400, QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        TCalDrawInfo info;
        info.box = {0, 0, 400, 400};
        info.month = 1;
        info.year = 2021;
        info.headerFont = TFont(QStringLiteral("Liberation Serif"), 10, TFont::Style::Bold);
        info.cellFont = TFont(QStringLiteral("Liberation Serif"), 10);
        info.cellBorder = cbAll;
        info.weekNumbers = numbers;
        DrawMonth(canvas, info, QString());
        return std::pair{image, info.cells};
    };
    const auto [plain, plainCells] = paint(WeekNumbers::None);
    const auto [numbered, numberedCells] = paint(WeekNumbers::Iso);
    EXPECT_NE(plain, numbered);
    // The cells shift right by the column.
    EXPECT_GT(numberedCells.cell(1).rTotal.left, plainCells.cell(1).rTotal.left + 20);
    int ink = 0;
    const int columnRight = numberedCells.cell(1).rTotal.left - 2;
    for (int y = numberedCells.cell(1).rTotal.top; y < numberedCells.cell(7).rTotal.bottom; ++y) {
        for (int x = 2; x < columnRight; ++x)
            ink += qGray(numbered.pixel(x, y)) < 128;
    }
    EXPECT_GT(ink, 10) << "row 0's number";
}
