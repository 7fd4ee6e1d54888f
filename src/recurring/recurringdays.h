// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>

// Gregorian month length; 0 for a month outside 1..12.
int daysInMonth(int year, int month);

// Months that can be evaluated: years 1 to 9999, months 1 to 12. Other months get no days.
bool isEvaluableMonth(int year, int month);

// The days of the month on which a formula (characters 121 on of an entry line) falls, in
// ascending order, only days the month has. Unreadable formulas give none.
QList<int> RecurringDays(const QString &formula, int year, int month);

// RecurringDays for a whole entry line.
QList<int> recurringLineDays(const QString &line, int year, int month);
