// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringmonth.h"

#include "easter.h"
#include "recurringdays.h"
#include "recurringentry.h"
#include "recurringformula.h"

using namespace RecurringFormula;

namespace {

bool feastFallsInMonth(const QString &formula, int year, int month)
{
    const auto feast = feastOf(formula);
    if (!feast)
        return true;
    switch (*feast) {
    case Feast::Easter: return EasterDay(year, month) > 0;
    case Feast::GoodFriday: return GoodFridayDay(year, month) > 0;
    case Feast::PalmSunday: return PalmSundayDay(year, month) > 0;
    }
    return true;
}

} // namespace

bool appliesToMonth(const QString &line, int year, int month)
{
    if (!RecurringEntry::hasFormula(line))
        return true;
    const QString formula = RecurringEntry::formula(line);
    switch (kindOf(formula)) {
    case Kind::DayOfMonth:
    case Kind::Special: {
        const auto monthValue = monthField(formula);
        return monthValue && (*monthValue == EachMonth || *monthValue == month);
    }
    case Kind::Feast:
        return feastFallsInMonth(formula, year, month);
    case Kind::Weekdays:
    case Kind::None:
        break;
    }
    return true;
}

QStringList recurringCandidates(const QStringList &lines, int year, int month)
{
    QStringList candidates;
    for (const QString &line : lines) {
        if (appliesToMonth(line, year, month))
            candidates.append(line);
    }
    return candidates;
}

QList<RecurringPlacement> recurringPlacements(const QStringList &chosenLines, int year, int month)
{
    QList<RecurringPlacement> placements;
    const int length = daysInMonth(year, month);
    for (const QString &line : chosenLines) {
        const QString name = RecurringEntry::name(line);
        for (int day : recurringLineDays(line, year, month)) {
            if (day >= 1 && day <= length)
                placements.append({day, name});
        }
    }
    return placements;
}

QList<RecurringDate> recurringDatesInPeriod(const QStringList &lines, const QDate &first, const QDate &last)
{
    QList<RecurringDate> dates;
    if (!first.isValid() || !last.isValid() || last < first)
        return dates;
    for (const QString &line : lines) {
        const QString name = RecurringEntry::name(line);
        // Pages show at most a few weeks; the months they touch are evaluated in turn.
        for (QDate month(first.year(), first.month(), 1); month <= last; month = month.addMonths(1)) {
            if (!isEvaluableMonth(month.year(), month.month()))
                continue;
            for (int day : recurringLineDays(line, month.year(), month.month())) {
                const QDate date(month.year(), month.month(), day);
                if (date >= first && date <= last)
                    dates.append({date, name});
            }
        }
    }
    return dates;
}

QStringList recurringCandidatesInPeriod(const QStringList &lines, const QDate &first, const QDate &last)
{
    QStringList candidates;
    for (const QString &line : lines) {
        if (!recurringDatesInPeriod({line}, first, last).isEmpty())
            candidates.append(line);
    }
    return candidates;
}
