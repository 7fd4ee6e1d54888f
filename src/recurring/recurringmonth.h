// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

// What filling a month's cells needs from the recurring-date list.

// Whether an entry line can fall in the month: "@" and "$" entries whose month field is 0 or
// the month, Easter-family entries whose feast falls in the month. Entries without a formula,
// "%" entries, unknown "#" keywords and unknown markers always apply. An "@" or "$" entry
// whose fields do not convert does not apply: it could place nothing.
bool appliesToMonth(const QString &line, int year, int month);

// The lines that apply to the month, in their original order.
QStringList recurringCandidates(const QStringList &lines, int year, int month);

// One name to append to the cell of one day.
struct RecurringPlacement
{
    int day = 0;
    QString name;

    bool operator==(const RecurringPlacement &) const = default;
};

// For each chosen line in order, its name once for each of its days in ascending order.
// Days the month does not have are left out, since no cell shows them.
QList<RecurringPlacement> recurringPlacements(const QStringList &chosenLines, int year, int month);

// One name on one date, for pages whose days are not one month (planners).
struct RecurringDate
{
    QDate date;
    QString name;

    bool operator==(const RecurringDate &) const = default;
};

// For each line in order, its name once for each of its dates from first to last, in
// ascending order; a period may run into the next month or year.
QList<RecurringDate> recurringDatesInPeriod(const QStringList &lines, const QDate &first, const QDate &last);

// The lines with at least one date from first to last, in their original order.
QStringList recurringCandidatesInPeriod(const QStringList &lines, const QDate &first, const QDate &last);
