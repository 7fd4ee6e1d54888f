// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/calendardates.h"

#include <chrono>

namespace {

namespace chr = std::chrono;

// Weekday by the standard library's civil calendar, 1 = Sunday.
int chronoDayOfWeek(int year, unsigned month, unsigned day)
{
    const chr::year_month_day date{chr::year(year), chr::month(month), chr::day(day)};
    return static_cast<int>(chr::weekday(chr::sys_days(date)).c_encoding()) + 1;
}

int chronoDaysInMonth(int year, unsigned month)
{
    const chr::year_month_day_last last{chr::year(year), chr::month_day_last(chr::month(month))};
    return static_cast<int>(static_cast<unsigned>(last.day()));
}

} // namespace

TEST(CalendarDates, AgreeWithTheCivilCalendarFrom1900To2100)
{
    for (int year = 1900; year <= 2100; ++year) {
        EXPECT_EQ(IsLeapYear(year), chr::year(year).is_leap()) << year;
        for (int month = 1; month <= 12; ++month) {
            const int length = chronoDaysInMonth(year, unsigned(month));
            ASSERT_EQ(DaysInMonth(year, month), length) << year << "-" << month;
            const int firstDay = chronoDayOfWeek(year, unsigned(month), 1);
            ASSERT_EQ(DayOfWeek(year, month, 1), firstDay);
            for (int start : {1, 2}) {
                int expectedCell = start == 1 ? firstDay : (firstDay + 5) % 7 + 1;
                ASSERT_EQ(FirstDayColumn(year, month, start), expectedCell);
                for (int cell = 1; cell <= 42; ++cell) {
                    const int day = cell - expectedCell + 1;
                    ASSERT_EQ(DayInCell(year, month, start, cell),
                              day >= 1 && day <= length ? day : 0);
                }
            }
        }
    }
}

TEST(CalendarDates, LeapYearsAndMonthEnds)
{
    EXPECT_EQ(DaysInMonth(1996, 2), 29);
    EXPECT_EQ(DaysInMonth(2000, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
    EXPECT_EQ(DaysInMonth(1997, 2), 28);
    EXPECT_EQ(DaysInMonth(1997, 0), 0);
    EXPECT_EQ(DaysInMonth(1997, 13), 0);
}

TEST(CalendarDates, GridPlacesFirstAndLastDays)
{
    // January 1997 starts on a Wednesday.
    EXPECT_EQ(DayInCell(1997, 1, 1, 4), 1);
    EXPECT_EQ(DayInCell(1997, 1, 1, 34), 31);
    EXPECT_EQ(DayInCell(1997, 1, 1, 35), 0);
    EXPECT_EQ(DayInCell(1997, 1, 2, 3), 1);
    // March 1997 starts on a Saturday and needs the sixth row.
    EXPECT_EQ(FirstDayColumn(1997, 3, 1), 7);
    EXPECT_EQ(DayInCell(1997, 3, 1, 37), 31);
    // February 2009 fills exactly four rows with a Sunday start.
    EXPECT_EQ(DayInCell(2009, 2, 1, 1), 1);
    EXPECT_EQ(DayInCell(2009, 2, 1, 28), 28);
    EXPECT_EQ(DayInCell(2009, 2, 1, 29), 0);
    // With a Monday start a month beginning on Sunday puts the 1st in cell 7.
    EXPECT_EQ(FirstDayColumn(2009, 3, 2), 7);
    EXPECT_EQ(FirstDayColumn(2009, 3, 5), 7) << "any start other than 1 is Monday";
}

TEST(CalendarDates, DayNameColumns)
{
    EXPECT_EQ(DayNameIndexOfColumn(0, 1), 1);
    EXPECT_EQ(DayNameIndexOfColumn(0, 2), 2);
    EXPECT_EQ(DayNameIndexOfColumn(5, 2), 7);
    EXPECT_EQ(DayNameIndexOfColumn(6, 2), 1);
}

TEST(CalendarDates, AddMonthsStepsAcrossYears)
{
    EXPECT_EQ(AddMonths(1, 1997, -1), (MonthOfYear{12, 1996}));
    EXPECT_EQ(AddMonths(12, 1997, 1), (MonthOfYear{1, 1998}));
    EXPECT_EQ(AddMonths(5, 1997, 0), (MonthOfYear{5, 1997}));
    EXPECT_EQ(AddMonths(1, 1998, -7), (MonthOfYear{6, 1997}));
    EXPECT_EQ(AddMonths(1, 1998, 59), (MonthOfYear{12, 2002}));
    EXPECT_EQ(AddMonths(3, 2000, -27), (MonthOfYear{12, 1997}));
}

TEST(CalendarDates, StoredDayCountsAndTimes)
{
    EXPECT_EQ(EncodeDate(QDate(1899, 12, 30)), 0.0);
    EXPECT_EQ(EncodeDate(QDate(1997, 1, 6)), 35436.0);
    EXPECT_EQ(DateOfDateTime(35436.75), QDate(1997, 1, 6));
    EXPECT_EQ(HourOfDateTime(EncodeTime(20, 0)), 20);
    EXPECT_EQ(MinuteOfDateTime(35436.0 + EncodeTime(13, 45)), 45);
    EXPECT_FALSE(DateOfDateTime(1e300).isValid());
}
