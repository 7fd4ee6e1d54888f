// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pageoptions.h"

#include <QDate>

// Week numbers beside the rows of a month grid. Day-of-week numbers and the week start
// follow calendardates.h: 1 = Sunday, any other value Monday.

// The week number of date: ISO 8601 (weeks from Monday, week 1 holds the year's first
// Thursday) or the North American count (week 1 holds 1 January, weeks begin on
// startOfWeek). 0 for None or an invalid date.
int WeekNumber(const QDate &date, PageOptions::WeekNumbers numbering, int startOfWeek);

// The number shown beside row 0..5 of a month grid, 0 for a row without a day of the month.
// An ISO row that starts on Sunday takes the number of its Monday, which it shares six days
// with; a North American row that holds 1 January is week 1 of the new year.
int RowWeekNumber(int year, int month, int startOfWeek, int row,
                  PageOptions::WeekNumbers numbering);

// The width of the week-number column left of a month grid: room for "53" in the day-name
// font (em height headerPixelSize), at most an eighth of the box (a day column's width).
int weekNumberColumnWidth(int headerPixelSize, int boxWidth);
