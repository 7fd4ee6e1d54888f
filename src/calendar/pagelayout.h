// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pagetypes.h"
#include "graphics/pagerect.h"

#include <array>

// What the page layout depends on. Margins are inches in single precision, as stored.
struct PageLayoutInput
{
    TCalendarLayout layout = loFullCalendar;
    int paperSize = PaperLetter;
    float leftMargin = 0.25f;
    float topMargin = 0.25f;
    float rightMargin = 0.25f;
    float bottomMargin = 0.25f;
    bool hasBorder = false;
    int ppi = 96;
    int month = 1;
    int year = 1997;
    // Layouts without a main calendar keep the previous calendar box.
    PageRect previousCalendarRect;
};

// The page's rectangles in unzoomed page pixels.
struct PageLayout
{
    int pageWidth = 0;
    int pageHeight = 0;
    TCalendarOrientation orientation = coPortrait;
    PageRect marginRect;
    PageRect calendarRect;
    std::array<PageRect, MaxMiniCount> miniRects{};
    std::array<MonthOfYear, MaxMiniCount> miniMonths{};
    int miniCount = 0;
    bool showMainCalendar = false;
    bool showMiniCalendars = false;
    bool isPlanner = false;

    // Minis are numbered 1..60.
    PageRect miniRect(int index) const;
    MonthOfYear miniMonth(int index) const;
};

// Trunc(PPI x inches), the inches rounded to single precision first.
int InchToPixels(int ppi, float inches);

PageLayout computePageLayout(const PageLayoutInput &input);

// Fills rects[first - 1 .. last - 1] from a rows x cols grid over area, row by row.
void DivideIntoGrid(int rows, int cols, const PageRect &area, int first, int last,
                    std::array<PageRect, MaxMiniCount> &rects);
