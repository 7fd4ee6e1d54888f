// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "recurringdialogs/countryholidays.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>

namespace {

QStringList shown(const TCountryHolidays &dialog)
{
    QStringList lines;
    for (int row = 0; row < dialog.list()->count(); ++row)
        lines.append(dialog.list()->item(row)->text());
    return lines;
}

} // namespace

TEST(CountryHolidays, TheListFollowsTheCountryRegionAndNames)
{
    const QList<HolidayFiles::Country> countries = HolidayFiles::countries();
    ASSERT_GE(countries.size(), 40);
    TCountryHolidays dialog(countries, QDate(2027, 5, 1), QDate(2027, 5, 31), "ch-zh", true);
    EXPECT_EQ(dialog.place(), "CH-ZH");
    EXPECT_TRUE(shown(dialog).join('\n').contains("Auffahrt")) << qPrintable(shown(dialog).join('\n'));

    dialog.localNamesBox()->setChecked(false);
    EXPECT_TRUE(shown(dialog).join('\n').contains("Ascension Day"));

    // Another country starts on the whole country, with its own regions.
    dialog.countryBox()->setCurrentIndex(dialog.countryBox()->findData("GB"));
    EXPECT_EQ(dialog.place(), "GB");
    EXPECT_GE(dialog.regionBox()->findData("SCT"), 1);
    EXPECT_TRUE(shown(dialog).join('\n').contains("Early May bank holiday"));
    const QList<RecurringDate> chosen = dialog.chosenDates();
    ASSERT_FALSE(chosen.isEmpty());
    for (const RecurringDate &date : chosen) {
        EXPECT_GE(date.date, QDate(2027, 5, 1));
        EXPECT_LE(date.date, QDate(2027, 5, 31));
    }
    EXPECT_TRUE(chosen.contains(RecurringDate{QDate(2027, 5, 31), "Spring bank holiday"}));
}

TEST(CountryHolidays, AnUnknownPlaceStartsOnTheFirstCountry)
{
    const QList<HolidayFiles::Country> countries = HolidayFiles::countries();
    ASSERT_FALSE(countries.isEmpty());
    TCountryHolidays dialog(countries, QDate(2027, 1, 1), QDate(2027, 1, 31), "not a place", false);
    EXPECT_EQ(dialog.place(), countries.first().code);
}
