// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "easter.h"

namespace {

constexpr int Sunday = 7; // QDate::dayOfWeek()
constexpr int Friday = 5;
// The first full year of the Gregorian calendar.
constexpr int FirstGregorianYear = 1583;

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

// Gauss's rule with its two exceptions: the Gregorian Easter for every year of the
// Gregorian calendar.
QDate gregorianEasterSunday(int year)
{
    const int a = year % 19;
    const int b = year % 4;
    const int c = year % 7;
    const int k = year / 100;
    const int p = (13 + 8 * k) / 25;
    const int q = k / 4;
    const int m = (15 - p + k - q) % 30;
    const int n = (4 + k - q) % 7;
    const int d = (19 * a + m) % 30;
    const int e = (2 * b + 4 * c + 6 * d + n) % 7;
    if (d == 29 && e == 6)
        return QDate(year, 4, 19);
    if (d == 28 && e == 6 && (11 * m + 11) % 30 < 19)
        return QDate(year, 4, 18);
    return 22 + d + e <= 31 ? QDate(year, 3, 22 + d + e) : QDate(year, 4, d + e - 9);
}

} // namespace

QDate easterSunday(int year)
{
    if (year < 1 || year > 9999)
        return QDate();
    if (year >= FirstGregorianYear)
        return gregorianEasterSunday(year);
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
