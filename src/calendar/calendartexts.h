// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "calendar/localedates.h"
#include "calendar/pagetypes.h"

#include <QDate>
#include <QList>
#include <QStringList>

#include <optional>

// Titles and labels of month calendars and planners, built from a page's name tables.

// A day name shortened for a header label.
QString HeaderLabel(const QString &name, TCalHeadersStyle style);

// The title of a month calendar; a non-empty user title wins.
QString MonthTitle(const CalendarNames &names, const QString &userTitle, int month, int year,
                   bool showYear);

// The title of a week planner covering days days from start.
QString WeekPlannerTitle(const CalendarNames &names, const QString &userTitle,
                         const QDate &start, int days);

// The two label lines of every planner row, the notes row last, and the day each row's
// cell carries (0 for none).
struct PlannerLabels
{
    QStringList first;
    QStringList second;
    QList<int> days;

    friend bool operator==(const PlannerLabels &, const PlannerLabels &) = default;
};

PlannerLabels WeekPlannerLabels(const CalendarNames &names, const QDate &start, int days,
                                TCalHeadersStyle style);
// The day a week planner row's cell carries, read back from its second label line.
int RowDayNumber(const QString &secondLine);

QString DayPlannerTitle(const CalendarNames &names, const QString &userTitle, const QDate &day);
PlannerLabels DayPlannerLabels(TDateTime startTime, int slotCount, const QString &amText,
                               const QString &pmText);
// "h:mm ampm": 12-hour clock without a leading zero.
QString SlotTimeLabel(TDateTime time, const QString &amText, const QString &pmText);

// The texts of one page: the forms above from its names, or, given the language it writes
// its dates in, those of LocaleDates. A user title wins over every title.
class PageTexts
{
public:
    PageTexts(const CalendarNames &names, const std::optional<QLocale> &locale);

    QString monthTitle(const QString &userTitle, int month, int year, bool showYear) const;
    QString weekPlannerTitle(const QString &userTitle, const QDate &start, int days) const;
    QString dayPlannerTitle(const QString &userTitle, const QDate &day) const;
    PlannerLabels weekPlannerLabels(const QDate &start, int days, TCalHeadersStyle style) const;
    PlannerLabels dayPlannerLabels(TDateTime startTime, int slotCount) const;
    // The header of day 1..7 (Sunday first).
    QString dayLabel(int index, TCalHeadersStyle style) const;

private:
    CalendarNames m_names;
    std::optional<LocaleDates> m_dates;
};
