// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "weeknumbers.h"

#include "calendar/calendardates.h"

#include <algorithm>
#include <cmath>

namespace {

// Days from the week's start to date: 0..6.
int daysIntoWeek(const QDate &date, int startOfWeek)
{
    // QDate counts 1 = Monday .. 7 = Sunday.
    const int monday = date.dayOfWeek() - 1;
    return startOfWeek == 1 ? (monday + 1) % 7 : monday;
}

int firstJanuaryWeek(const QDate &date, int startOfWeek)
{
    const QDate january1(date.year(), 1, 1);
    return (date.dayOfYear() - 1 + daysIntoWeek(january1, startOfWeek)) / 7 + 1;
}

} // namespace

int WeekNumber(const QDate &date, PageOptions::WeekNumbers numbering, int startOfWeek)
{
    if (!date.isValid())
        return 0;
    switch (numbering) {
    case PageOptions::WeekNumbers::Iso: return date.weekNumber();
    case PageOptions::WeekNumbers::FirstJanuary: return firstJanuaryWeek(date, startOfWeek);
    case PageOptions::WeekNumbers::None: break;
    }
    return 0;
}

int RowWeekNumber(int year, int month, int startOfWeek, int row,
                  PageOptions::WeekNumbers numbering)
{
    if (numbering == PageOptions::WeekNumbers::None || row < 0 || row > 5)
        return 0;
    const QDate first(year, month, 1);
    if (!first.isValid())
        return 0;
    const QDate rowStart = first.addDays(7 * row - (FirstDayColumn(year, month, startOfWeek) - 1));
    const QDate rowEnd = rowStart.addDays(6);
    if (rowEnd < first || rowStart > first.addDays(first.daysInMonth() - 1))
        return 0;
    if (numbering == PageOptions::WeekNumbers::Iso)
        return WeekNumber(startOfWeek == 1 ? rowStart.addDays(1) : rowStart, numbering, startOfWeek);
    // The row's last day lies in the new year whenever the row holds 1 January.
    return WeekNumber(rowEnd, numbering, startOfWeek);
}

int weekNumberColumnWidth(int headerPixelSize, int boxWidth)
{
    const int wanted = static_cast<int>(std::trunc(1.6 * headerPixelSize)) + 4;
    return std::max(0, std::min(wanted, boxWidth / 8));
}
