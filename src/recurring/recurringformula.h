// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// The formula of a recurring date: a marker character followed by fields at fixed positions.
//   "@MMDD"      day DD of month MM (00 = each month), two digits each
//   "$O W M "    occurrence O (0..4 = 1st..5th, 5 = last) of weekday W (0..6 = Sunday..Saturday,
//                7 = any day) in month M (0 = each month), each left-justified in two characters
//   "%digits"    every weekday whose number (1 = Sunday .. 7 = Saturday) appears
//   "#KEYWORD"   a feast tied to Easter
// Stored files are read without range checks; only the formula dialog enforces ranges.
namespace RecurringFormula {

enum class Kind { None, DayOfMonth, Special, Weekdays, Feast };
enum class Feast { Easter, GoodFriday, PalmSunday };

inline constexpr int LastOccurrence = 5;
inline constexpr int AnyDay = 7;
inline constexpr int EachMonth = 0;

struct DayOfMonth
{
    int month = EachMonth;
    int day = 1;
};

struct Special
{
    int occurrence = 0;
    int weekday = 0; // 0 = Sunday .. 6 = Saturday, AnyDay
    int month = EachMonth;
};

Kind kindOf(const QString &formula);

// The two characters starting at 1-based position `position`, trimmed and read as a decimal
// integer; nothing when they are empty or not a number.
std::optional<int> readField(const QString &formula, int position);

// Both fields must convert, otherwise the whole formula is unreadable.
std::optional<DayOfMonth> readDayOfMonth(const QString &formula);
std::optional<Special> readSpecial(const QString &formula);
// The month field of an "@" or "$" formula; nothing when that formula is unreadable.
std::optional<int> monthField(const QString &formula);

// Whether a formula names dates that can exist: a day of a month that month has in some
// year (the 29th of February, never the 30th), fields in their ranges, a known feast.
// Weekday sets and entries without a formula are always valid.
bool isValidFormula(const QString &formula);

// Whether the digit of weekday (1 = Sunday .. 7 = Saturday) occurs in positions 2 to 10.
bool hasWeekday(const QString &formula, int weekday);

// The feast named by positions 1 to 11, trimmed and compared without regard to case.
std::optional<Feast> feastOf(const QString &formula);
QString feastKeyword(Feast feast);

QString dayOfMonthFormula(const DayOfMonth &fields);
QString specialFormula(const Special &fields);
// days[0] is Sunday .. days[6] Saturday; the digits come out in ascending order.
QString weekdaysFormula(const std::array<bool, 7> &days);

} // namespace RecurringFormula
