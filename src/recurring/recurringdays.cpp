// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringdays.h"

#include "easter.h"
#include "recurringentry.h"
#include "recurringformula.h"

#include <QDate>

using namespace RecurringFormula;

namespace {

// 1 = Sunday .. 7 = Saturday.
int weekdayOf(int year, int month, int day)
{
    return QDate(year, month, day).dayOfWeek() % 7 + 1;
}

QList<int> dayOfMonthDays(const QString &formula, int year, int month)
{
    const auto fields = readDayOfMonth(formula);
    if (!fields || (fields->month != EachMonth && fields->month != month))
        return {};
    // The 31st of each month falls in the months that have one; the 30th of February never.
    if (fields->day < 1 || fields->day > daysInMonth(year, month))
        return {};
    return {fields->day};
}

int nthWeekday(int year, int month, int weekday, int occurrence)
{
    int count = 0;
    for (int day = 1; day <= daysInMonth(year, month); ++day) {
        if (weekdayOf(year, month, day) == weekday && ++count == occurrence)
            return day;
    }
    return 0;
}

int lastWeekday(int year, int month, int weekday)
{
    for (int day = daysInMonth(year, month); day >= 1; --day) {
        if (weekdayOf(year, month, day) == weekday)
            return day;
    }
    return 0;
}

int specialDay(const Special &fields, int year, int month)
{
    const bool last = fields.occurrence == LastOccurrence;
    const bool nth = fields.occurrence >= 0 && fields.occurrence < LastOccurrence;
    if (fields.weekday == AnyDay)
        return last ? daysInMonth(year, month) : nth ? fields.occurrence + 1 : 0;
    if (fields.weekday < 0 || fields.weekday > 6)
        return 0;
    if (last)
        return lastWeekday(year, month, fields.weekday + 1);
    return nth ? nthWeekday(year, month, fields.weekday + 1, fields.occurrence + 1) : 0;
}

QList<int> specialDays(const QString &formula, int year, int month)
{
    const auto fields = readSpecial(formula);
    if (!fields || (fields->month != EachMonth && fields->month != month))
        return {};
    const int day = specialDay(*fields, year, month);
    return day > 0 ? QList<int>{day} : QList<int>{};
}

QList<int> weekdayDays(const QString &formula, int year, int month)
{
    QList<int> days;
    for (int day = 1; day <= daysInMonth(year, month); ++day) {
        if (hasWeekday(formula, weekdayOf(year, month, day)))
            days.append(day);
    }
    return days;
}

QList<int> feastDays(const QString &formula, int year, int month)
{
    const auto feast = feastOf(formula);
    if (!feast)
        return {};
    int day = 0;
    switch (*feast) {
    case Feast::Easter: day = EasterDay(year, month); break;
    case Feast::GoodFriday: day = GoodFridayDay(year, month); break;
    case Feast::PalmSunday: day = PalmSundayDay(year, month); break;
    }
    return day > 0 ? QList<int>{day} : QList<int>{};
}

} // namespace

int daysInMonth(int year, int month)
{
    static constexpr int lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    if (month < 1 || month > 12)
        return 0;
    const bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
    return month == 2 && leap ? 29 : lengths[month - 1];
}

bool isEvaluableMonth(int year, int month)
{
    return year >= 1 && year <= 9999 && month >= 1 && month <= 12;
}

QList<int> RecurringDays(const QString &formula, int year, int month)
{
    if (!isEvaluableMonth(year, month))
        return {};
    switch (kindOf(formula)) {
    case Kind::DayOfMonth: return dayOfMonthDays(formula, year, month);
    case Kind::Special: return specialDays(formula, year, month);
    case Kind::Weekdays: return weekdayDays(formula, year, month);
    case Kind::Feast: return feastDays(formula, year, month);
    case Kind::None: break;
    }
    return {};
}

QList<int> recurringLineDays(const QString &line, int year, int month)
{
    if (!RecurringEntry::hasFormula(line))
        return {};
    return RecurringDays(RecurringEntry::formula(line), year, month);
}
