// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "englishnames.h"
#include "recurring/holidaylist.h"
#include "recurring/recurringdays.h"
#include "recurring/recurringentry.h"
#include "recurring/recurringformula.h"
#include "recurring/recurringmonth.h"

#include <chrono>

namespace chr = std::chrono;

namespace {

chr::year_month ym(int year, int month)
{
    return chr::year(year) / chr::month(unsigned(month));
}

int lastDay(int year, int month)
{
    return int(unsigned(chr::year_month_day_last(chr::year(year), chr::month_day_last(chr::month(unsigned(month)))).day()));
}

// The days an "$" formula must give, computed with the standard calendar types.
QList<int> expectedSpecial(int occurrence, int weekday, int formulaMonth, int year, int month)
{
    if (formulaMonth != 0 && formulaMonth != month)
        return {};
    if (weekday == 7)
        return occurrence == 5 ? QList<int>{lastDay(year, month)} : QList<int>{occurrence + 1};
    const chr::weekday wd{unsigned(weekday)};
    const chr::year y{year};
    const chr::month m{unsigned(month)};
    if (occurrence == 5) {
        const chr::year_month_weekday_last last{y, m, chr::weekday_last{wd}};
        return {int(unsigned(chr::year_month_day{last}.day()))};
    }
    const chr::year_month_weekday nth{y, m, wd[unsigned(occurrence + 1)]};
    if (!nth.ok())
        return {};
    return {int(unsigned(chr::year_month_day{nth}.day()))};
}

QList<int> expectedWeekdays(unsigned mask, int year, int month)
{
    QList<int> days;
    for (int day = 1; day <= lastDay(year, month); ++day) {
        const chr::weekday wd{chr::sys_days(ym(year, month) / chr::day(unsigned(day)))};
        if (mask & (1u << wd.c_encoding()))
            days.append(day);
    }
    return days;
}

} // namespace

TEST(RecurringDays, EveryNthWeekdayCombinationMatchesTheStandardCalendar)
{
    QList<int> years = {1, 1600, 9999};
    for (int year = 1890; year <= 2110; ++year)
        years.append(year);
    for (int year : years) {
        for (int month = 1; month <= 12; ++month) {
            for (int occurrence = 0; occurrence <= 5; ++occurrence) {
                for (int weekday = 0; weekday <= 7; ++weekday) {
                    for (int formulaMonth : {0, month, month % 12 + 1}) {
                        const QString formula =
                            RecurringFormula::specialFormula({occurrence, weekday, formulaMonth});
                        ASSERT_EQ(RecurringDays(formula, year, month),
                                  expectedSpecial(occurrence, weekday, formulaMonth, year, month))
                            << formula.toStdString() << " " << year << "-" << month;
                    }
                }
            }
        }
    }
}

TEST(RecurringDays, EveryWeekdaySetMatchesTheStandardCalendar)
{
    for (int year : {1900, 2000, 2018, 2023, 2024, 2100}) {
        for (int month = 1; month <= 12; ++month) {
            for (unsigned mask = 1; mask < 128; ++mask) {
                std::array<bool, 7> days{};
                for (int i = 0; i < 7; ++i)
                    days[i] = mask & (1u << i);
                const QString formula = RecurringFormula::weekdaysFormula(days);
                ASSERT_EQ(RecurringDays(formula, year, month), expectedWeekdays(mask, year, month))
                    << formula.toStdString() << " " << year << "-" << month;
            }
        }
    }
}

TEST(RecurringDays, WeekdayDigitsAnywhereInTheTenCharacters)
{
    const QList<int> sundaysAndSaturdays = expectedWeekdays(0b1000001, 2024, 6);
    EXPECT_EQ(RecurringDays(QStringLiteral("%17"), 2024, 6), sundaysAndSaturdays);
    EXPECT_EQ(RecurringDays(QStringLiteral("%7x 1 7   "), 2024, 6), sundaysAndSaturdays);
    // A digit after character 10 does not count; 0, 8 and 9 name no weekday.
    EXPECT_TRUE(RecurringDays(QStringLiteral("%         1"), 2024, 6).isEmpty());
    EXPECT_TRUE(RecurringDays(QStringLiteral("%089"), 2024, 6).isEmpty());
}

TEST(RecurringDays, DayOfTheMonth)
{
    EXPECT_EQ(RecurringDays(QStringLiteral("@1225     "), 2024, 12), QList<int>{25});
    EXPECT_TRUE(RecurringDays(QStringLiteral("@1225"), 2024, 11).isEmpty());
    EXPECT_EQ(RecurringDays(QStringLiteral("@0015"), 2024, 7), QList<int>{15});
    // Only days the month has: the 31st of each month skips February, the 29th of
    // February comes in leap years, a day 0 never.
    EXPECT_TRUE(RecurringDays(QStringLiteral("@0231"), 2023, 2).isEmpty());
    EXPECT_TRUE(RecurringDays(QStringLiteral("@0031"), 2024, 4).isEmpty());
    EXPECT_EQ(RecurringDays(QStringLiteral("@0031"), 2024, 5), QList<int>{31});
    EXPECT_EQ(RecurringDays(QStringLiteral("@0229"), 2024, 2), QList<int>{29});
    EXPECT_TRUE(RecurringDays(QStringLiteral("@0229"), 2023, 2).isEmpty());
    EXPECT_TRUE(RecurringDays(QStringLiteral("@0200"), 2024, 2).isEmpty());
    EXPECT_TRUE(RecurringDays(QStringLiteral("@02x1"), 2023, 2).isEmpty());
}

TEST(RecurringDays, AnyDayAndFifthOccurrences)
{
    EXPECT_EQ(RecurringDays(QStringLiteral("$0 7 0"), 2024, 5), QList<int>{1});
    EXPECT_EQ(RecurringDays(QStringLiteral("$3 7 0"), 2024, 5), QList<int>{4});
    EXPECT_EQ(RecurringDays(QStringLiteral("$5 7 0"), 2023, 2), QList<int>{28});
    EXPECT_EQ(RecurringDays(QStringLiteral("$5 7 0"), 2024, 2), QList<int>{29});
    EXPECT_EQ(RecurringDays(QStringLiteral("$5 7 0"), 1900, 2), QList<int>{28});
    EXPECT_EQ(RecurringDays(QStringLiteral("$5 7 0"), 2000, 2), QList<int>{29});
    // Fifth Saturday of each month: June 2024 has five, July 2024 four.
    EXPECT_EQ(RecurringDays(QStringLiteral("$4 6 0"), 2024, 6), QList<int>{29});
    EXPECT_TRUE(RecurringDays(QStringLiteral("$4 6 0"), 2024, 7).isEmpty());
}

TEST(RecurringDays, OutOfRangeFieldsAndMonthsGiveNothing)
{
    for (const char *formula : {"$6 1 0", "$-1 1 0", "$0 8 0", "$0 -1 0", "$6 7 0", "@1301", "",
                                "!0101", "#XMAS", "$0 1", "%"})
        EXPECT_TRUE(RecurringDays(QLatin1String(formula), 2024, 3).isEmpty()) << formula;
    EXPECT_TRUE(RecurringDays(QStringLiteral("%1234567"), 2024, 13).isEmpty());
    EXPECT_TRUE(RecurringDays(QStringLiteral("%1234567"), 0, 1).isEmpty());
    EXPECT_TRUE(RecurringDays(QStringLiteral("$5 7 0"), 10000, 1).isEmpty());
    EXPECT_TRUE(recurringLineDays(QStringLiteral("no formula here"), 2024, 1).isEmpty());
    EXPECT_TRUE(recurringLineDays(QString(120, QLatin1Char('@')), 2024, 1).isEmpty());
}

TEST(AppliesToMonth, MonthFieldsFeastsAndLinesWithoutFormula)
{
    EXPECT_TRUE(appliesToMonth(entryLine("Xmas", "@1225"), 2024, 12));
    EXPECT_FALSE(appliesToMonth(entryLine("Xmas", "@1225"), 2024, 11));
    EXPECT_TRUE(appliesToMonth(entryLine("Rent", "@0001"), 2024, 11));
    EXPECT_TRUE(appliesToMonth(entryLine("Thanks", "$3 4 11"), 2024, 11));
    EXPECT_FALSE(appliesToMonth(entryLine("Thanks", "$3 4 11"), 2024, 10));
    EXPECT_TRUE(appliesToMonth(entryLine("Gym", "%2"), 2024, 10));
    EXPECT_TRUE(appliesToMonth(QStringLiteral("short"), 2024, 10));
    EXPECT_TRUE(appliesToMonth(entryLine("Odd", "#SOMETHING"), 2024, 10));
    EXPECT_TRUE(appliesToMonth(entryLine("Odd", "!"), 2024, 10));
    // Unreadable day-of-month and nth-weekday entries could place nothing.
    EXPECT_FALSE(appliesToMonth(entryLine("Broken", "@xx01"), 2024, 10));
    EXPECT_FALSE(appliesToMonth(entryLine("Broken", "$3 4"), 2024, 11));
}

TEST(Candidates, HolidaysForDecemberAndMarch2018)
{
    const QStringList holidays = holidayLines();
    QStringList december;
    for (const QString &line : recurringCandidates(holidays, 2024, 12))
        december.append(RecurringEntry::name(line));
    EXPECT_EQ(december, QStringList{QStringLiteral("Christmas Day")});

    QStringList march;
    for (const QString &line : recurringCandidates(holidays, 2018, 3))
        march.append(RecurringEntry::name(line));
    EXPECT_EQ(march, (QStringList{QStringLiteral("Daylight Savings time begins"), QStringLiteral("Good Friday"),
                                  QStringLiteral("Palm Sunday"), QStringLiteral("St. Patrick's Day")}));
    const QList<RecurringPlacement> placements =
        recurringPlacements(recurringCandidates(holidays, 2018, 3), 2018, 3);
    EXPECT_EQ(placements, (QList<RecurringPlacement>{{11, QStringLiteral("Daylight Savings time begins")},
                                                      {30, QStringLiteral("Good Friday")},
                                                      {25, QStringLiteral("Palm Sunday")},
                                                      {17, QStringLiteral("St. Patrick's Day")}}));
}

TEST(Placements, EachDayInOrderAndNothingBeyondTheMonth)
{
    const QStringList chosen = {entryLine("  Weekend  ", "%17"), entryLine("Late", "@0231"),
                                entryLine("Early", "@0200"), entryLine("Rent", "@0001"),
                                QStringLiteral("no formula")};
    const QList<RecurringPlacement> placements = recurringPlacements(chosen, 2023, 2);
    QList<RecurringPlacement> expected;
    for (int day : expectedWeekdays(0b1000001, 2023, 2))
        expected.append({day, QStringLiteral("Weekend")});
    expected.append({1, QStringLiteral("Rent")});
    EXPECT_EQ(placements, expected);
}
