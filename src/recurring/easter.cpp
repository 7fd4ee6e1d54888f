// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "easter.h"

namespace {

constexpr int Sunday = 7; // QDate::dayOfWeek()
constexpr int Friday = 5;

int dayIfInMonth(const QDate &date, int month)
{
    return date.isValid() && date.month() == month ? date.day() : 0;
}

// The last day before Easter Sunday that falls on the given weekday.
QDate weekdayBeforeEaster(int year, int qtWeekday)
{
    QDate date = easterSunday(year);
    if (!date.isValid())
        return date;
    date = date.addDays(-1);
    while (date.dayOfWeek() != qtWeekday)
        date = date.addDays(-1);
    return date;
}

} // namespace

QDate easterSunday(int year)
{
    if (year < 1 || year > 9999)
        return QDate();
    const int g = year % 19;
    const int b = 225 - 11 * g;
    int d = ((b - 21) % 30) + 21;
    if (d > 48)
        --d;
    const int e = (year + year / 4 + d + 1) % 7;
    const int q = d + 7 - e;
    return q < 32 ? QDate(year, 3, q) : QDate(year, 4, q - 31);
}

int EasterDay(int year, int month)
{
    return dayIfInMonth(easterSunday(year), month);
}

int GoodFridayDay(int year, int month)
{
    return dayIfInMonth(weekdayBeforeEaster(year, Friday), month);
}

int PalmSundayDay(int year, int month)
{
    return dayIfInMonth(weekdayBeforeEaster(year, Sunday), month);
}
