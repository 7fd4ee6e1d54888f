// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidaylist.h"

#include "recurringentry.h"

#include <algorithm>
#include <iterator>

namespace {

struct Holiday
{
    const char *name;
    const char *formula;
};

// The spelling "April Fools's Day" is the program's own and users' files hold it.
constexpr Holiday kHolidays[] = {
    {"April Fools's Day", "@0401"},
    {"Armed Forces Day", "$2 6 5"},
    {"Christmas Day", "@1225"},
    {"Daylight Savings time begins", "$1 0 3"},
    {"Daylight Savings Time ends", "$0 0 11"},
    {"Easter", "#EASTER"},
    {"Father's Day", "$2 0 6"},
    {"Flag Day", "@0614"},
    {"Good Friday", "#GOODFRIDAY"},
    {"Groundhog Day", "@0202"},
    {"Halloween", "@1031"},
    {"Independence Day", "@0704"},
    {"Labor Day", "$0 1 9"},
    {"Lincoln's Birthday", "@0212"},
    {"Martin Luther King Day", "$2 1 1"},
    {"Memorial Day", "$5 1 5"},
    {"Mother's Day", "$1 0 5"},
    {"New Year's Day", "@0101"},
    {"Palm Sunday", "#PALMSUNDAY"},
    {"President's Day", "$2 1 2"},
    {"St. Patrick's Day", "@0317"},
    {"Thanksgiving Day", "$3 4 11"},
    {"United Nations Day", "@1024"},
    {"Valentine's Day", "@0214"},
    {"Veterans Day", "@1111"},
    {"Washington's Birthday", "@0222"},
};

constexpr int KeywordWidth = 11;

// Formulas the list held before: the clock rules changed in 2007 (from the first Sunday in
// April and the last in October), and users' lists keep the lines they copied then.
constexpr Holiday kEarlierFormulas[] = {
    {"Daylight Savings time begins", "$0 0 4"},
    {"Daylight Savings Time ends", "$5 0 10"},
};

QString formulaOf(const QString &line)
{
    return RecurringEntry::formula(line).trimmed();
}

bool sameName(const QString &line, const char *name)
{
    return RecurringEntry::name(line).compare(QLatin1String(name), Qt::CaseInsensitive) == 0;
}

// Whether line is an earlier version of the built-in holiday.
bool isEarlierVersion(const QString &line, const QString &holiday)
{
    return std::any_of(std::begin(kEarlierFormulas), std::end(kEarlierFormulas), [&](const Holiday &earlier) {
        return sameName(line, earlier.name) && sameName(holiday, earlier.name)
            && formulaOf(line) == QLatin1String(earlier.formula);
    });
}

} // namespace

QStringList holidayLines()
{
    QStringList lines;
    for (const Holiday &holiday : kHolidays) {
        const QString formula = QString::fromLatin1(holiday.formula);
        const int width = formula.startsWith(QLatin1Char('#')) ? KeywordWidth
                                                               : RecurringEntry::FormulaWidth;
        lines.append(RecurringEntry::padField(QString::fromLatin1(holiday.name),
                                              RecurringEntry::NameWidth)
                     + RecurringEntry::padField(formula, width));
    }
    return lines;
}

bool holidayListed(const QStringList &lines, const QString &holiday)
{
    return std::any_of(lines.begin(), lines.end(), [&holiday](const QString &line) {
        return line.compare(holiday, Qt::CaseInsensitive) == 0 || isEarlierVersion(line, holiday);
    });
}
