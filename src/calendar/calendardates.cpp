// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendardates.h"

#include <cmath>

namespace {

// The day count of 30 December 1899 as a Julian day.
constexpr qint64 DateTimeEpochJulianDay = 2415019;
constexpr qint64 MillisecondsPerDay = 86400000;

qint64 millisecondOfDay(TDateTime value)
{
    if (!std::isfinite(value))
        return 0;
    const double fraction = std::fabs(value - std::trunc(value));
    const auto ms = static_cast<qint64>(std::llround(fraction * MillisecondsPerDay));
    return ms % MillisecondsPerDay;
}

} // namespace

bool IsLeapYear(int year)
{
    return year % 4 == 0 && (year % 100 != 0 || year % 400 == 0);
}

int DaysInMonth(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    return lengths[month - 1] + ((month == 2 && IsLeapYear(year)) ? 1 : 0);
}

int DayOfWeek(const QDate &date)
{
    if (!date.isValid())
        return 0;
    // QDate counts 1 = Monday .. 7 = Sunday.
    return date.dayOfWeek() % 7 + 1;
}

int DayOfWeek(int year, int month, int day)
{
    return DayOfWeek(QDate(year, month, day));
}

MonthOfYear AddMonths(int month, int year, int count)
{
    // Counted in whole months, so a month outside 1..12 is first brought into range.
    const qint64 total = qint64(year) * 12 + (month - 1) + count;
    const qint64 newYear = total >= 0 ? total / 12 : (total - 11) / 12;
    return {static_cast<int>(total - newYear * 12) + 1, static_cast<int>(newYear)};
}

int FirstDayColumn(int year, int month, int startOfWeek)
{
    const int day = DayOfWeek(year, month, 1);
    if (day == 0)
        return 1;
    if (startOfWeek == 1)
        return day;
    return day == 1 ? 7 : day - 1;
}

int DayInCell(int year, int month, int startOfWeek, int cell)
{
    const int day = cell - FirstDayColumn(year, month, startOfWeek) + 1;
    return (day >= 1 && day <= DaysInMonth(year, month)) ? day : 0;
}

int DayNameIndexOfColumn(int column, int startOfWeek)
{
    if (startOfWeek == 1)
        return column + 1;
    return column == 6 ? 1 : column + 2;
}

TDateTime EncodeDate(const QDate &date)
{
    return static_cast<TDateTime>(date.toJulianDay() - DateTimeEpochJulianDay);
}

QDate DateOfDateTime(TDateTime value)
{
    if (!std::isfinite(value) || std::fabs(value) > 1e7)
        return {};
    return QDate::fromJulianDay(static_cast<qint64>(std::trunc(value)) + DateTimeEpochJulianDay);
}

int HourOfDateTime(TDateTime value)
{
    return static_cast<int>(millisecondOfDay(value) / 3600000);
}

int MinuteOfDateTime(TDateTime value)
{
    return static_cast<int>(millisecondOfDay(value) / 60000 % 60);
}

TDateTime EncodeTime(int hour, int minute)
{
    return (hour * 60 + minute) / 1440.0;
}
