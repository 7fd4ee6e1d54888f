// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "calendar/pagetypes.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"

#include <QString>

// How one kind of month calendar looks: the page's main calendar or its mini calendars.
struct MonthStyle {
    TFont titleFont;
    // The main calendar's title band; the mini calendars fill their whole box with it.
    TColor titleBGColor = Colors::clWhite;
    TFont headersFont;
    TColor headersBGColor = Colors::clWhite;
    TCalHeadersStyle headersStyle = dsThreeChars;
    TFont cellFont;
    bool showYear = true;

    bool operator==(const MonthStyle &) const = default;
};

// The strokes of a month calendar. They follow from the line layouts when those change,
// and documents store them one by one, so they are kept apart from the compared settings.
struct MonthBorders {
    TCalBorderStyle frame = cbAll;
    TCalBorderStyle headers = cbAll;
    TCalBorderStyle cell = cbAll;

    bool operator==(const MonthBorders &) const = default;
};

// The page settings that the properties dialog edits, compares and copies back.
struct PageSettings {
    int paperSize = PaperLetter;
    TCalendarLayout calendarLayout = loFullCalendar;
    TCalendarOrientation orientation = coPortrait;
    float leftMargin = 0.25f;
    float topMargin = 0.25f;
    float rightMargin = 0.25f;
    float bottomMargin = 0.25f;
    int day = 0;
    int month = 1;
    int year = 1997;
    int startOfWeek = 1;
    TDateTime dayPlannerStart = 0;
    CalendarNames names;
    TCalendarLineLayout lineLayout = llFull;
    TMiniCalendarLineLayout miniLineLayout = mllFull;
    MonthStyle main;
    // The mini calendars start with first letters for day names.
    MonthStyle mini = [] {
        MonthStyle style;
        style.headersStyle = dsFirstChar;
        return style;
    }();
    QString userTitle;
    QString borderFile;

    bool operator==(const PageSettings &) const = default;
};
