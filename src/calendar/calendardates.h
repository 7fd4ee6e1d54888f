// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pagetypes.h"

#include <QDate>

// The date rules every calendar on the page and the mini calendar objects share.
// Day-of-week numbers run 1 = Sunday .. 7 = Saturday; a week start of 1 means Sunday,
// any other value Monday.

bool IsLeapYear(int year);
// 28..31 for months 1..12; 0 for a month outside 1..12.
int DaysInMonth(int year, int month);
// 1 = Sunday .. 7 = Saturday for a valid date, 0 otherwise.
int DayOfWeek(int year, int month, int day);
int DayOfWeek(const QDate &date);
// The month and year count months away; count may be negative or zero.
MonthOfYear AddMonths(int month, int year, int count);
// The 1-based column (1..7) of the 1st of the month.
int FirstDayColumn(int year, int month, int startOfWeek);
// The day shown in cell 1..42 of the month grid, or 0 for a blank cell.
int DayInCell(int year, int month, int startOfWeek, int cell);
// The day-name index (1..7) shown above column 0..6.
int DayNameIndexOfColumn(int column, int startOfWeek);

// Conversions between the stored day count and dates.
TDateTime EncodeDate(const QDate &date);
QDate DateOfDateTime(TDateTime value);
// Hour 0..23 and minute of the time part, rounded to the millisecond first.
int HourOfDateTime(TDateTime value);
int MinuteOfDateTime(TDateTime value);
TDateTime EncodeTime(int hour, int minute);
