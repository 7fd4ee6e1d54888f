// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pagetypes.h"
#include "graphics/pagerect.h"

// Geometry inside one zoomed box: the painter, hit testing and the tests all use these
// functions, so a cell lies exactly where it is drawn.

// A page-pixel rectangle at a zoom, each coordinate truncated.
PageRect zoomRect(const PageRect &rect, float zoom);

// Text measures a month box needs, already at the zoomed font sizes.
struct MonthBoxMetrics
{
    // Trunc(PPI x 1.5 x zoom) for the main calendar, 0 for minis.
    int minTitleHeight = 0;
    // Em height in pixels of the day-name font.
    int headerPixelSize = 0;
    // Line height of the cell font ("9"), which upper-right numbers leave free above text.
    int cellLineHeight = 0;
    TCalendarNumberPosition numberPosition = cnpCenter;
    // The week-number column left of the grid; 0 for none.
    int weekNumberWidth = 0;
};

struct MonthBoxGeometry
{
    PageRect frame;      // (X0, Y0, X1 - 1, Y1 - 1), stroked as the border
    PageRect title;      // the title band, also the title hit rectangle
    PageRect dayBand;    // the day-name band, also the day-name hit rectangle
    int columnWidth = 0;
    int cellTop = 0;     // the day-name band's bottom
    int rowHeight = 0;
    int numberInsetLeft = 1;
    int numberInsetRight = 1;
    int freeTopOffset = 0; // 0 means cells have no free rectangle
    int weekColumnWidth = 0; // the week-number column left of the grid; 0 for none

    // Columns 0..6, rows 0..5, cells 1..42.
    int gridLeft() const { return frame.left + weekColumnWidth; }
    PageRect dayLabelBox(int column) const;
    // Where row's week number is drawn; empty without a week-number column.
    PageRect weekNumberBox(int row) const;
    PageRect numberBox(int cell) const;
    PageRect freeRect(int cell) const;
    // Grid lines: rows 0..6 (the seventh at the frame's bottom), columns 0..7.
    int rowLineY(int row) const;
    int columnLineX(int column) const;
};

MonthBoxGeometry layoutMonthBox(const PageRect &box, const MonthBoxMetrics &metrics);

struct PlannerBoxGeometry
{
    PageRect frame;
    PageRect title;       // also the title hit rectangle
    PageRect body;
    PageRect labelColumn;
    int rows = 0;
    int rowHeight = 0;

    // Rows 0..rows - 1.
    PageRect upperLabel(int row) const;
    PageRect lowerLabel(int row) const;
    PageRect cellRect(int row) const;
    int rowLineY(int line) const;
};

// rows includes the notes row; titleLineHeight is the line height of the zoomed title font.
PlannerBoxGeometry layoutPlannerBox(const PageRect &box, int rows, int titleLineHeight);
