// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The holidays of a place over any span of days, from the shipped files.
#include <gtest/gtest.h>

#include "recurring/holidayplaces.h"

namespace {

QStringList datesOf(const QList<Holiday> &holidays)
{
    QStringList dates;
    for (const Holiday &h : holidays)
        dates.append(h.date.toString(Qt::ISODate) + QLatin1Char(' ') + h.name);
    return dates;
}

} // namespace

TEST(HolidayPlaces, ASpanAcrossTheYearsEndTakesBothYearsInDateOrder)
{
    // A two-week planner from 21 December 2026 in Scotland: 2 January 2027 is a Saturday, so
    // its holiday moves to Monday the 4th.
    const QList<Holiday> found = HolidayPlaces::between("gb-sct", QDate(2026, 12, 21), QDate(2027, 1, 4));
    const QStringList dates = datesOf(found);
    EXPECT_TRUE(dates.contains("2026-12-25 Christmas Day")) << qPrintable(dates.join('\n'));
    EXPECT_TRUE(dates.contains("2027-01-01 New Year's Day"));
    EXPECT_TRUE(dates.contains("2027-01-04 January 2nd (substitute day)")) << qPrintable(dates.join('\n'));
    for (qsizetype i = 1; i < found.size(); ++i)
        EXPECT_LE(found[i - 1].date, found[i].date);
    for (const Holiday &h : found) {
        EXPECT_GE(h.date, QDate(2026, 12, 21));
        EXPECT_LE(h.date, QDate(2027, 1, 4));
    }
    // England has no 2 January holiday.
    EXPECT_FALSE(datesOf(HolidayPlaces::between("GB-ENG", QDate(2027, 1, 1), QDate(2027, 1, 3)))
                     .join(' ').contains("January 2nd"));
}

TEST(HolidayPlaces, BadPlacesSayWhyAndGiveNothing)
{
    QString error;
    EXPECT_TRUE(HolidayPlaces::between("Bavaria", QDate(2027, 1, 1), QDate(2027, 12, 31), &error).isEmpty());
    EXPECT_TRUE(error.contains("not a country code")) << qPrintable(error);
    error.clear();
    EXPECT_TRUE(HolidayPlaces::between("QQ", QDate(2027, 1, 1), QDate(2027, 12, 31), &error).isEmpty());
    EXPECT_EQ(error, "There are no holidays of QQ.");
    error.clear();
    EXPECT_TRUE(HolidayPlaces::between("DE-ZZ", QDate(2027, 1, 1), QDate(2027, 12, 31), &error).isEmpty());
    EXPECT_EQ(error, "Germany has no region ZZ.");
    // Years beyond the data give nothing, without an error: the page is simply unmarked.
    error.clear();
    EXPECT_TRUE(HolidayPlaces::between("DE", QDate(2150, 1, 1), QDate(2150, 12, 31), &error).isEmpty());
    EXPECT_TRUE(error.isEmpty());
}

TEST(HolidayPlaces, ACountrysFileIsReadOnceAndNamedForPeople)
{
    const auto first = HolidayPlaces::calendarOf("CH");
    ASSERT_TRUE(first);
    EXPECT_EQ(HolidayPlaces::calendarOf("ch").get(), first.get());
    EXPECT_EQ(HolidayPlaces::placeName(*first, "ZH"), QString::fromUtf8("Switzerland \u2013 Canton of Z\u00fcrich"));
    EXPECT_EQ(HolidayPlaces::placeName(*first, QString()), "Switzerland");

    EXPECT_EQ(HolidayPlaces::placeOfLocale(QLocale(QLocale::German, QLocale::Austria)), "AT");
    EXPECT_EQ(HolidayPlaces::placeOfLocale(QLocale(QLocale::Japanese, QLocale::Japan)), "JP");
    EXPECT_TRUE(HolidayPlaces::placeOfLocale(QLocale(QLocale::Thai, QLocale::Thailand)).isEmpty());
    EXPECT_TRUE(HolidayPlaces::placeOfLocale(QLocale::c()).isEmpty());
}
