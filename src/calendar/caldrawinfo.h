// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "calendar/celltable.h"
#include "calendar/daymarks.h"
#include "calendar/pageoptions.h"
#include "calendar/pagetypes.h"
#include "graphics/pagerect.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"

#include <QLocale>

#include <optional>

// Everything one month calendar or planner is drawn from, already at the zoom (fonts in
// whole points at the canvas's resolution, the box in device pixels). The drawing
// routines write the cell records and hit rectangles back into cells.
struct TCalDrawInfo
{
    TColor backgroundColor = Colors::clWhite;
    TColor titleBGColor = Colors::clWhite;
    int minTitleHeight = 0;
    int month = 1;
    int year = 1997;
    int day = 1;
    PageRect box;
    TCalendarNumberPosition numberPosition = cnpCenter;
    int startOfWeek = 1;
    TCalBorderStyle frameBorder = cbNone;
    TFont titleFont;
    bool showYear = true;
    TFont headerFont;
    TCalBorderStyle headerBorder = cbNone;
    TCalHeadersStyle headerStyle = dsFirstChar;
    TColor headerBGColor = Colors::clWhite;
    TFont cellFont;
    TCalBorderStyle cellBorder = cbNone;
    CalendarNames names;
    // The language titles, labels and times are written in; none for the classic texts.
    std::optional<QLocale> dateLocale;
    CellTable cells;
    // Planners: days of a week planner, hourly slots of a day planner, the first slot.
    int plannerDays = 7;
    int plannerSlots = 10;
    TDateTime plannerStartTime = 0;
    // Drawn on a report canvas: text is fitted and placed as printed pages place it.
    bool printed = false;
    // Holidays and moon phases to mark, owned by the page; null for none.
    const DayMarks *marks = nullptr;
    // Week numbers left of a month grid; the moon's phases in the day cells (main calendars
    // and planners only: a mini calendar's cells have no room for them).
    PageOptions::WeekNumbers weekNumbers = PageOptions::WeekNumbers::None;
    bool moonPhases = false;
};
