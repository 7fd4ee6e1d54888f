// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/documentoptions.h"
#include "graphics/tcolor.h"

#include <QString>

#include <optional>

// The page options of Orvane's own, read and written by name in a page's DocumentOptions.
// An option at its default is not stored, so a page that uses none keeps an empty list and
// its file stays as older versions wrote it.
namespace PageOptions {

// Week numbers left of the month grids: ISO 8601, or counting from the week that holds
// 1 January (the North American custom).
enum class WeekNumbers { None, Iso, FirstJanuary };

// The numbering's name in files and on the command line: "iso", "us" or "none".
QString weekNumbersName(WeekNumbers numbers);
// The numbering a name stands for; none for a name that is none of them.
std::optional<WeekNumbers> weekNumbersNamed(const QString &name);

WeekNumbers weekNumbers(const DocumentOptions &options);
void setWeekNumbers(DocumentOptions &options, WeekNumbers numbers);

// The four principal phases of the moon drawn in the day cells.
bool moonPhases(const DocumentOptions &options);
void setMoonPhases(DocumentOptions &options, bool on);

// The country and region whose holidays the page marks ("DE", "DE-BY"); empty for none.
QString holidaysOf(const DocumentOptions &options);
void setHolidaysOf(DocumentOptions &options, const QString &code);
// The colour of holiday day numbers (red by default).
TColor holidayColour(const DocumentOptions &options);
void setHolidayColour(DocumentOptions &options, TColor colour);
// Sundays' day numbers in the holiday colour too.
bool holidaySundays(const DocumentOptions &options);
void setHolidaySundays(DocumentOptions &options, bool on);
// The holiday's name small in its cell.
bool holidayNames(const DocumentOptions &options);
void setHolidayNames(DocumentOptions &options, bool on);

// Titles, planner labels, times and short day names as the page's language writes them.
// New pages have it on; documents without it keep the texts older versions showed.
bool localeDates(const DocumentOptions &options);
void setLocaleDates(DocumentOptions &options, bool on);
// The language the page's names were chosen in, as a BCP 47 name ("de", "pt-BR"); empty
// when the page never chose one.
QString language(const DocumentOptions &options);
void setLanguage(DocumentOptions &options, const QString &name);

} // namespace PageOptions
