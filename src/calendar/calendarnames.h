// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

#include <array>
#include <optional>

// A page's own month names (January first) and day names (Sunday first).
struct CalendarNames
{
    std::array<QString, 12> months;
    std::array<QString, 7> days;

    // Index 1..12 and 1..7; any other index gives an empty string.
    QString month(int index) const;
    QString day(int index) const;

    friend bool operator==(const CalendarNames &, const CalendarNames &) = default;
};

class QLocale;

// The built-in languages, in the order the properties dialog offers them.
enum class CalendarLanguage { English, French, German, Italian, Spanish };

CalendarNames languageNames(CalendarLanguage language);
// The built-in language a locale speaks, if it is one of them.
std::optional<CalendarLanguage> calendarLanguageOf(const QLocale &locale);
// The user's long month and day names from the system locale.
CalendarNames localeNames();
// A locale's long month and day names as they stand alone (as headings).
CalendarNames localeNames(const QLocale &locale);
// The paper new calendars start on: Letter where the locale's country uses it (and for
// a locale without a country), A4 everywhere else. Returns a PaperSize.
int localePaperSize(const QLocale &locale);
// The locale's morning and afternoon designators.
QString localeAmText();
QString localePmText();
