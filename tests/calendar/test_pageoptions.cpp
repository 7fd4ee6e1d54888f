// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendar/pageoptions.h"

#include <gtest/gtest.h>

using namespace PageOptions;

TEST(PageOptions, OptionsAtTheirDefaultsLeaveTheListEmptySoFilesStayAsTheyWere)
{
    DocumentOptions options;
    setWeekNumbers(options, WeekNumbers::None);
    setMoonPhases(options, false);
    setHolidaysOf(options, QString());
    setHolidayColour(options, Colors::clRed);
    setHolidaySundays(options, false);
    setHolidayNames(options, false);
    setLocaleDates(options, false);
    EXPECT_TRUE(options.isEmpty());

    setMoonPhases(options, true);
    setWeekNumbers(options, WeekNumbers::Iso);
    setMoonPhases(options, false);
    setWeekNumbers(options, WeekNumbers::None);
    EXPECT_TRUE(options.isEmpty()) << "turning an option off removes it";
}

TEST(PageOptions, ValuesReadBackAsSet)
{
    DocumentOptions options;
    setWeekNumbers(options, WeekNumbers::FirstJanuary);
    setMoonPhases(options, true);
    setHolidaysOf(options, QStringLiteral("DE-BY"));
    setHolidayColour(options, Colors::clNavy);
    setHolidaySundays(options, true);
    setHolidayNames(options, true);
    setLocaleDates(options, true);

    EXPECT_EQ(weekNumbers(options), WeekNumbers::FirstJanuary);
    EXPECT_TRUE(moonPhases(options));
    EXPECT_EQ(holidaysOf(options), QStringLiteral("DE-BY"));
    EXPECT_EQ(holidayColour(options), Colors::clNavy);
    EXPECT_TRUE(holidaySundays(options));
    EXPECT_TRUE(holidayNames(options));
    EXPECT_TRUE(localeDates(options));
    setWeekNumbers(options, WeekNumbers::Iso);
    EXPECT_EQ(weekNumbers(options), WeekNumbers::Iso);
}

TEST(PageOptions, ValuesOfAnotherTypeOrUnknownTextReadAsTheDefault)
{
    // A newer version's value or a hand-edited file must not turn an option on by accident.
    DocumentOptions options;
    options.setValue(QStringLiteral("WeekNumbers"), QStringLiteral("roman"));
    options.setValue(QStringLiteral("MoonPhases"), 1);
    options.setValue(QStringLiteral("HolidayColour"), QStringLiteral("red"));
    options.setValue(QStringLiteral("HolidaysOf"), 49);
    EXPECT_EQ(weekNumbers(options), WeekNumbers::None);
    EXPECT_FALSE(moonPhases(options));
    EXPECT_EQ(holidayColour(options), Colors::clRed);
    EXPECT_TRUE(holidaysOf(options).isEmpty());
}
