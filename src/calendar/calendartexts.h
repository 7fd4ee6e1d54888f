// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "calendar/pagetypes.h"

#include <QDate>
#include <QStringList>

// Titles and labels of month calendars and planners, built from a page's name tables.

// A day name shortened for a header label.
QString HeaderLabel(const QString &name, TCalHeadersStyle style);

// The title of a month calendar; a non-empty user title wins.
QString MonthTitle(const CalendarNames &names, const QString &userTitle, int month, int year,
                   bool showYear);

// The title of a week planner covering days days from start.
QString WeekPlannerTitle(const CalendarNames &names, const QString &userTitle,
                         const QDate &start, int days);

// The two label lines of every planner row, the notes row last.
struct PlannerLabels
{
    QStringList first;
    QStringList second;
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
