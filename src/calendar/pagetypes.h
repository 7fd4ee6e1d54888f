// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Enumerations of the calendar page. Their ordinals are stored in documents.

enum TCalBorderStyle { cbNone, cbAll, cbTop, cbBottom, cbTopBottom };

enum TCalHeadersStyle { dsFirstChar, dsThreeChars, dsWhole };

enum TCalendarLayout {
    loFullCalendar,
    LOFullCalendarLS,
    loFCMinisInTitle,
    loFCMinisInTitleLS,
    loFC6Before6After,
    loFC6Before6AfterLS,
    loFC12After,
    loFC12AfterLS,
    lopMC6Month,
    lopMC6MonthLS,
    loMC12Month,
    loMC12MonthLS,
    loMC24Month,
    loMC24MonthLS,
    loMC48Month,
    loMC48MonthLS,
    loMC60Month,
    loMC60MonthLS,
    loWeek,
    lo2Week,
    loDay10,
    loDay15,
};

constexpr int CalendarLayoutCount = 22;

enum TCalendarOrientation { coPortrait, coLandscape };

enum TCalendarLineLayout { llFull, llHeadersAndCells, llCellsOnly };

enum TMiniCalendarLineLayout { mllFull, mllBoxed, mllMinimal };

enum TCalendarNumberPosition { cnpCenter, cnpUpperRight };

// Days since 30 December 1899; the fraction is the time of day.
using TDateTime = double;

// Paper sizes as the page stores them.
enum PaperSize { PaperLetter = 0, PaperA4 = 1 };

constexpr int CellCount = 42;
constexpr int MaxMiniCount = 60;

// A month shown by a mini calendar.
struct MonthOfYear
{
    int month = 1;
    int year = 1997;
    friend bool operator==(const MonthOfYear &, const MonthOfYear &) = default;
};
