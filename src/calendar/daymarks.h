// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QDate>
#include <QHash>
#include <QString>

// The moon's four principal phases, as marked on a day.
enum class MoonPhase { None, New, FirstQuarter, Full, LastQuarter };

// What a page marks on a day beyond its number.
struct DayMark
{
    QString holiday; // the holiday's name; empty when the day is none
    MoonPhase moon = MoonPhase::None;
};

// The marks of the days a page shows, computed by the page from its options when they or
// the dates shown change, so painting only looks them up.
struct DayMarks
{
    QHash<QDate, DayMark> days;
    TColor holidayColour = Colors::clRed;
    bool colourSundays = false;
    bool holidayNames = false;

    bool isEmpty() const { return days.isEmpty() && !colourSundays; }
    // The mark of a date, or null.
    const DayMark *find(const QDate &date) const
    {
        const auto it = days.constFind(date);
        return it == days.cend() ? nullptr : &it.value();
    }
};
