// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "recurring/easter.h"

namespace {

// The anonymous Gregorian algorithm (Meeus), independent of the formula under test.
QDate gregorianEaster(int y)
{
    const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
    const int f = (b + 8) / 25, g = (b - f + 1) / 3;
    const int h = (19 * a + b - d - g + 15) % 30;
    const int i = c / 4, k = c % 4;
    const int l = (32 + 2 * e + 2 * i - h - k) % 7;
    const int m = (a + 11 * h + 22 * l) / 451;
    const int month = (h + l - 7 * m + 114) / 31;
    const int day = (h + l - 7 * m + 114) % 31 + 1;
    return QDate(y, month, day);
}

} // namespace

TEST(Easter, KnownDates)
{
    EXPECT_EQ(easterSunday(1997), QDate(1997, 3, 30));
    EXPECT_EQ(easterSunday(2000), QDate(2000, 4, 23));
    EXPECT_EQ(easterSunday(2008), QDate(2008, 3, 23));
    EXPECT_EQ(easterSunday(2018), QDate(2018, 4, 1));
    EXPECT_EQ(easterSunday(2024), QDate(2024, 3, 31));
}

TEST(Easter, GregorianFrom1900To2099)
{
    for (int year = 1900; year <= 2099; ++year) {
        const QDate easter = easterSunday(year);
        ASSERT_EQ(easter, gregorianEaster(year)) << year;
        ASSERT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
        ASSERT_EQ(GoodFridayDay(year, easter.addDays(-2).month()), easter.addDays(-2).day()) << year;
        ASSERT_EQ(PalmSundayDay(year, easter.addDays(-7).month()), easter.addDays(-7).day()) << year;
    }
}

TEST(Easter, GregorianForEveryGregorianYearAndAlwaysASunday)
{
    // The short formula of old gave Saturdays here (27 March 2100, 18 April 2150).
    EXPECT_EQ(easterSunday(2100), QDate(2100, 3, 28));
    EXPECT_EQ(easterSunday(2150), QDate(2150, 4, 12));
    EXPECT_EQ(easterSunday(1899), QDate(1899, 4, 2));
    EXPECT_EQ(easterSunday(1818), QDate(1818, 3, 22)); // the earliest possible date
    EXPECT_EQ(easterSunday(1943), QDate(1943, 4, 25)); // the latest possible date
    for (int year = 1583; year <= 9999; ++year) {
        const QDate easter = easterSunday(year);
        ASSERT_EQ(easter, gregorianEaster(year)) << year;
        ASSERT_EQ(easter.dayOfWeek(), Qt::Sunday) << year;
    }
    EXPECT_EQ(PalmSundayDay(2100, 3), 21);
    EXPECT_EQ(GoodFridayDay(2100, 3), 26);
    // Before the Gregorian calendar the old formula stays, in March or April.
    for (int year = 1; year < 1583; ++year) {
        const QDate easter = easterSunday(year);
        ASSERT_TRUE(easter.isValid() && (easter.month() == 3 || easter.month() == 4)) << year;
    }
    EXPECT_FALSE(easterSunday(0).isValid());
    EXPECT_FALSE(easterSunday(10000).isValid());
    EXPECT_EQ(EasterDay(0, 4), 0);
}

TEST(Easter, FeastsFallInTheirOwnMonth)
{
    // 2018: Palm Sunday and Good Friday in March, Easter on 1 April.
    EXPECT_EQ(PalmSundayDay(2018, 3), 25);
    EXPECT_EQ(GoodFridayDay(2018, 3), 30);
    EXPECT_EQ(EasterDay(2018, 3), 0);
    EXPECT_EQ(EasterDay(2018, 4), 1);
    EXPECT_EQ(PalmSundayDay(2018, 4), 0);
    EXPECT_EQ(GoodFridayDay(2018, 4), 0);
    EXPECT_EQ(EasterDay(2018, 12), 0);
}
