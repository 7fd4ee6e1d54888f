// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/boxgeometry.h"
#include "calendar/celltable.h"
#include "graphics/tfont.h"

namespace {

MonthBoxMetrics mainMetrics(TCalendarNumberPosition position)
{
    // 16-point day names and cells at 96 PPI: 21-pixel em, 24-pixel lines.
    return {144, 21, TFont::lineHeight(21), position};
}

} // namespace

TEST(BoxGeometry, ZoomTruncatesEachCoordinate)
{
    EXPECT_EQ(zoomRect({50, 50, 766, 1006}, 0.7f), (PageRect{34, 34, 536, 704}));
    EXPECT_EQ(zoomRect({-5, 3, 9, 15}, 0.5f), (PageRect{-2, 1, 4, 7}));
}

TEST(BoxGeometry, MainMonthBox)
{
    const MonthBoxGeometry g = layoutMonthBox({50, 50, 766, 1006}, mainMetrics(cnpUpperRight));
    EXPECT_EQ(g.frame, (PageRect{50, 50, 765, 1005}));
    EXPECT_EQ(g.title, (PageRect{50, 51, 765, 213})); // Trunc(0.17 x 955) = 162
    EXPECT_EQ(g.dayBand, (PageRect{50, 214, 765, 245}));
    EXPECT_EQ(g.columnWidth, 102);
    EXPECT_EQ(g.rowHeight, 126);
    EXPECT_EQ(g.dayLabelBox(6), (PageRect{663, 214, 763, 245}));
    EXPECT_EQ(g.numberBox(1), (PageRect{55, 246, 146, 370}));
    EXPECT_EQ(g.freeRect(1), (PageRect{55, 270, 146, 370}));
    EXPECT_EQ(g.numberBox(42), (PageRect{667, 876, 758, 1000}));
    EXPECT_EQ(g.rowLineY(6), 1005);
    EXPECT_EQ(g.columnLineX(7), 765);
    const MonthBoxGeometry centred = layoutMonthBox({50, 50, 766, 1006}, mainMetrics(cnpCenter));
    EXPECT_EQ(centred.numberBox(1), (PageRect{51, 246, 151, 370}));
    EXPECT_TRUE(centred.freeRect(1).isAllZero());
}

TEST(BoxGeometry, LowTitleBandTakesTheMinimum)
{
    const MonthBoxGeometry g = layoutMonthBox({0, 0, 1000, 480}, mainMetrics(cnpCenter));
    EXPECT_EQ(g.title.height(), 144); // Trunc(0.17 x 479) = 81 is below 1.5 inches
    const MonthBoxGeometry mini = layoutMonthBox({0, 0, 1000, 480}, {0, 11, 12, cnpCenter});
    EXPECT_EQ(mini.title.height(), 81);
    EXPECT_EQ(mini.dayBand.height(), 16);
}

TEST(BoxGeometry, NarrowMiniCellsAreFivePixelsWide)
{
    const MonthBoxGeometry g = layoutMonthBox({10, 10, 60, 80}, {0, 8, 9, cnpCenter});
    ASSERT_EQ(g.columnWidth, 7);
    for (int cell = 1; cell <= 42; ++cell)
        EXPECT_EQ(g.numberBox(cell).width(), 5) << cell;
}

TEST(BoxGeometry, PlannerBox)
{
    const PlannerBoxGeometry g = layoutPlannerBox({50, 50, 766, 1006}, 8, 39);
    EXPECT_EQ(g.title, (PageRect{55, 51, 760, 90}));
    EXPECT_EQ(g.body, (PageRect{50, 91, 765, 1005}));
    EXPECT_EQ(g.rowHeight, 114);
    EXPECT_EQ(g.labelColumn, (PageRect{51, 92, 157, 1004}));
    EXPECT_EQ(g.upperLabel(0), (PageRect{51, 92, 157, 149}));
    EXPECT_EQ(g.lowerLabel(0), (PageRect{51, 149, 157, 206}));
    EXPECT_EQ(g.cellRect(0), (PageRect{161, 95, 761, 201}));
    EXPECT_EQ(g.cellRect(6), (PageRect{161, 779, 761, 885}));
    EXPECT_EQ(g.cellRect(7),
              (PageRect{161, 893, 761, 1001})); // the notes row reaches the body's end
    EXPECT_EQ(g.rowLineY(1), 205);
}

TEST(CellTable, MonthCellsHitTestingAndDays)
{
    CellTable table;
    const MonthBoxGeometry g = layoutMonthBox({50, 50, 766, 1006}, mainMetrics(cnpUpperRight));
    table.fillMonth(g, 1997, 1, 1);
    EXPECT_EQ(table.titleRect(), g.title);
    EXPECT_EQ(table.daysRect(), g.dayBand);
    EXPECT_EQ(table.cell(4).iDay, 1);
    EXPECT_EQ(table.cellOfDay(0), 1);
    EXPECT_EQ(table.cellOfDay(31), 34);
    EXPECT_EQ(table.cellOfDay(32), -1);
    // Left and top edges belong to a cell, right and bottom edges do not.
    EXPECT_EQ(table.cellAtPoint(55, 246), 1);
    EXPECT_EQ(table.cellAtPoint(146, 246), 0);
    EXPECT_EQ(table.cellAtPoint(55, 370), 0);
    EXPECT_EQ(table.cellAtPoint(157, 246), 2);
    EXPECT_EQ(table.cell(0), CellRecord());
    EXPECT_EQ(table.cell(43), CellRecord());
    table.clearRects();
    EXPECT_EQ(table.cellAtPoint(55, 246), 0);
    EXPECT_EQ(table.cell(4).iDay, 1);
}

TEST(CellTable, PlannerFillsItsRowsOnly)
{
    CellTable table;
    table.fillMonth(layoutMonthBox({50, 50, 766, 1006}, mainMetrics(cnpUpperRight)), 1997, 1, 1);
    const CellRecord stale = table.cell(20);
    const PlannerBoxGeometry g = layoutPlannerBox({50, 50, 766, 1006}, 8, 39);
    table.fillPlanner(g, {6, 7, 8, 9, 10, 11, 12, 0});
    EXPECT_EQ(table.cell(1).rTotal, g.cellRect(0));
    EXPECT_EQ(table.cell(1).rFree, g.cellRect(0));
    EXPECT_EQ(table.cell(7).iDay, 12);
    EXPECT_EQ(table.cell(8).iDay, 0);
    EXPECT_EQ(table.cell(20), stale);
    EXPECT_TRUE(table.daysRect().isAllZero());
}
