// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped holiday files (data/Holidays): every country reads whole, the files are the ones
// the generator wrote, and known dates of each kind of rule come out right.
#include <gtest/gtest.h>

#include "recurring/holidaycalendar.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>

#include <map>

namespace {

const QStringList kCountries = {
    // The European Union
    "AT", "BE", "BG", "CY", "CZ", "DE", "DK", "EE", "ES", "FI", "FR", "GR", "HR", "HU", "IE",
    "IT", "LT", "LU", "LV", "MT", "NL", "PL", "PT", "RO", "SE", "SI", "SK",
    "CH", "GB", "IS", "NO", "AR", "AU", "BR", "CA", "IN", "JP", "KR", "MX", "NZ", "US", "ZA"};

// Each calendar read once for all tests.
const HolidayCalendar &calendar(const QString &code)
{
    static std::map<QString, HolidayCalendar> loaded;
    auto found = loaded.find(code);
    if (found == loaded.end()) {
        HolidayCalendar c;
        QString error;
        EXPECT_TRUE(c.load(HolidayFiles::fileOf(code), &error)) << qPrintable(code) << ": " << qPrintable(error);
        found = loaded.emplace(code, std::move(c)).first;
    }
    return found->second;
}

// The holidays of a place ("DE", "DE-BY") on a date, as "kind name" lines.
QStringList on(const QString &place, const QDate &date)
{
    QString country;
    QString region;
    EXPECT_TRUE(HolidayFiles::splitPlace(place, &country, &region));
    QStringList found;
    for (const Holiday &h : calendar(country).holidays(date.year(), region)) {
        if (h.date == date)
            found.append(holidayKindName(h.kind) + QLatin1Char(' ') + h.name);
    }
    return found;
}

bool isPublicHoliday(const QString &place, const QDate &date, const QString &name)
{
    return on(place, date).contains(QStringLiteral("public ") + name);
}

} // namespace

TEST(HolidayData, EveryCountryReadsWithEveryYearAndFitsTheSizeLimit)
{
    qint64 total = 0;
    const QDir folder(HolidayFiles::folder());
    for (const QFileInfo &file : folder.entryInfoList({"*.holidays"}, QDir::Files))
        total += file.size();
    EXPECT_LE(total, 8 * 1024 * 1024);

    for (const QString &code : kCountries) {
        const HolidayCalendar &c = calendar(code);
        ASSERT_EQ(c.countryCode(), code);
        EXPECT_EQ(c.firstYear(), 1970) << qPrintable(code);
        EXPECT_EQ(c.lastYear(), 2100) << qPrintable(code);
        EXPECT_FALSE(c.countryName().isEmpty());
        for (const int year : {1970, 2000, 2027, 2100})
            EXPECT_GE(c.holidays(year).size(), 5) << qPrintable(code) << " " << year;
    }
    EXPECT_EQ(calendar("DE").regions().size(), 16);
    EXPECT_EQ(calendar("CH").regions().size(), 26);
    EXPECT_GE(calendar("US").regions().size(), 50);
    EXPECT_GE(calendar("CA").regions().size(), 13);
    EXPECT_GE(calendar("AU").regions().size(), 8);
    for (const QString region : {"ENG", "NIR", "SCT", "WLS"})
        EXPECT_TRUE(calendar("GB").hasRegion(region)) << qPrintable(region);

    QStringList problems;
    EXPECT_EQ(HolidayFiles::countries(&problems).size(), kCountries.size());
    EXPECT_TRUE(problems.isEmpty()) << qPrintable(problems.join('\n'));
}

// The tests read the committed files; nothing regenerates them at build time. The manifest
// the generator writes says they are exactly its output, from the pinned package version.
TEST(HolidayData, TheFilesAreTheGeneratorsOutputFromThePinnedPackage)
{
    QFile manifest(HolidayFiles::folder() + "MANIFEST");
    ASSERT_TRUE(manifest.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(manifest.readAll()).split('\n', Qt::SkipEmptyParts);
    ASSERT_FALSE(lines.isEmpty());

    QFile package(QDir(qEnvironmentVariable("ORVANE_SOURCE_DATA"))
                      .filePath("../tools/make-holidays/package.json"));
    ASSERT_TRUE(package.open(QIODevice::ReadOnly));
    const QString pinned = QJsonDocument::fromJson(package.readAll())
                               .object()["dependencies"].toObject()["date-holidays"].toString();
    EXPECT_EQ(lines.first(), "date-holidays\t" + pinned);

    QStringList listed;
    for (const QString &line : lines.mid(1)) {
        const QStringList fields = line.split('\t');
        ASSERT_EQ(fields.size(), 2) << qPrintable(line);
        QFile file(HolidayFiles::folder() + fields[1]);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly)) << qPrintable(fields[1]);
        EXPECT_EQ(QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256).toHex(),
                  fields[0].toLatin1())
            << qPrintable(fields[1]) << " was changed after the generator wrote it";
        listed.append(fields[1]);
    }
    const QStringList shipped = QDir(HolidayFiles::folder()).entryList({"*.holidays"}, QDir::Files);
    EXPECT_EQ(listed.size(), shipped.size());
    for (const QString &file : shipped)
        EXPECT_TRUE(listed.contains(file)) << qPrintable(file) << " is not in the manifest";
}

TEST(HolidayData, GermanFeastsFollowTheirStates)
{
    const QDate corpusChristi(2027, 5, 27);
    EXPECT_TRUE(isPublicHoliday("DE-BY", corpusChristi, "Corpus Christi"));
    EXPECT_TRUE(isPublicHoliday("DE-NW", corpusChristi, "Corpus Christi"));
    EXPECT_FALSE(isPublicHoliday("DE-BE", corpusChristi, "Corpus Christi"));
    EXPECT_FALSE(isPublicHoliday("DE", corpusChristi, "Corpus Christi"));

    const QDate reformation(2027, 10, 31);
    EXPECT_TRUE(isPublicHoliday("DE-SN", reformation, "Reformation Day"));
    EXPECT_TRUE(isPublicHoliday("DE-HH", reformation, "Reformation Day")); // since 2018
    EXPECT_FALSE(isPublicHoliday("DE-HH", QDate(2016, 10, 31), "Reformation Day"));
    EXPECT_FALSE(isPublicHoliday("DE-BY", reformation, "Reformation Day"));
    // 2017 was the 500th year: a public holiday everywhere.
    EXPECT_TRUE(isPublicHoliday("DE-BY", QDate(2017, 10, 31), "Reformation Day"));

    EXPECT_TRUE(isPublicHoliday("DE-SN", QDate(2027, 11, 17), "Day of Prayer and Repentance"));
    EXPECT_TRUE(isPublicHoliday("DE", QDate(2027, 10, 3), "National Holiday"));

    const QList<Holiday> bavaria = calendar("DE").holidays(2027, "BY");
    const auto fronleichnam = std::find_if(bavaria.begin(), bavaria.end(),
                                           [&](const Holiday &h) { return h.date == corpusChristi; });
    ASSERT_NE(fronleichnam, bavaria.end());
    EXPECT_EQ(fronleichnam->localName, "Fronleichnam");
}

TEST(HolidayData, BritishSubstituteDaysAndTheNations)
{
    EXPECT_TRUE(isPublicHoliday("GB-ENG", QDate(2021, 12, 27), "Christmas Day (substitute day)"));
    EXPECT_TRUE(isPublicHoliday("GB-ENG", QDate(2021, 12, 28), "Boxing Day (substitute day)"));
    EXPECT_TRUE(isPublicHoliday("GB-SCT", QDate(2021, 11, 30), "St Andrew\u2019s Day"));
    EXPECT_TRUE(on("GB-ENG", QDate(2021, 11, 30)).isEmpty());
    EXPECT_TRUE(isPublicHoliday("GB-NIR", QDate(2021, 3, 17), "St Patrick\u2019s Day"));
    // The August bank holiday: the first Monday in Scotland, the last elsewhere.
    EXPECT_TRUE(isPublicHoliday("GB-SCT", QDate(2021, 8, 2), "Summer bank holiday"));
    EXPECT_TRUE(isPublicHoliday("GB-WLS", QDate(2021, 8, 30), "Summer bank holiday"));
    EXPECT_FALSE(isPublicHoliday("GB-SCT", QDate(2021, 8, 30), "Summer bank holiday"));
}

TEST(HolidayData, AmericanObservedDaysAndStateHolidays)
{
    EXPECT_TRUE(isPublicHoliday("US", QDate(2021, 7, 5), "Independence Day (substitute day)"));
    EXPECT_TRUE(isPublicHoliday("US", QDate(2020, 7, 3), "Independence Day (substitute day)"));
    EXPECT_TRUE(isPublicHoliday("US-CA", QDate(2020, 7, 3), "Independence Day (substitute day)"));
    EXPECT_TRUE(isPublicHoliday("US", QDate(2027, 11, 25), "Thanksgiving Day"));
    EXPECT_TRUE(on("US-TX", QDate(2020, 3, 2)).contains("observance Texas Independence Day"));
    EXPECT_TRUE(on("US-NY", QDate(2020, 3, 2)).isEmpty());
    // Juneteenth became a federal holiday in 2021.
    EXPECT_TRUE(isPublicHoliday("US", QDate(2022, 6, 20), "Juneteenth (substitute day)"));
    EXPECT_FALSE(isPublicHoliday("US", QDate(2019, 6, 19), "Juneteenth"));
}

TEST(HolidayData, FeastsOfOtherCalendarsAndOfEaster)
{
    // Japan's equinox days follow the sun, with a substitute Monday.
    EXPECT_TRUE(isPublicHoliday("JP", QDate(2024, 3, 20), "Spring Equinox Day"));
    EXPECT_TRUE(isPublicHoliday("JP", QDate(2024, 9, 22), "Autumnal Equinox Day"));
    EXPECT_TRUE(isPublicHoliday("JP", QDate(2025, 9, 23), "Autumnal Equinox Day"));
    EXPECT_TRUE(isPublicHoliday("JP", QDate(2027, 3, 21), "Spring Equinox Day"));
    EXPECT_EQ(calendar("JP").holidays(2027)[0].localName, "元日");
    // Korea's lunar feasts: Seollal is the day before, the day and the day after.
    for (const int day : {9, 10, 11})
        EXPECT_TRUE(isPublicHoliday("KR", QDate(2024, 2, day), "Korean New Year")) << day;
    EXPECT_FALSE(isPublicHoliday("KR", QDate(2025, 1, 31), "Korean New Year"));
    for (const int day : {28, 29, 30})
        EXPECT_TRUE(isPublicHoliday("KR", QDate(2025, 1, day), "Korean New Year")) << day;
    for (const int day : {16, 17, 18})
        EXPECT_TRUE(isPublicHoliday("KR", QDate(2024, 9, day), "Korean Thanksgiving")) << day;
    EXPECT_TRUE(isPublicHoliday("KR", QDate(2024, 5, 15), "Buddha's Birthday"));
    // Easter, western and orthodox.
    EXPECT_TRUE(isPublicHoliday("DE", QDate(2027, 3, 29), "Easter Monday"));
    EXPECT_TRUE(isPublicHoliday("GR", QDate(2027, 5, 3), "Easter Monday"));
    EXPECT_TRUE(isPublicHoliday("RO", QDate(2027, 5, 3), "Easter Monday"));
    EXPECT_TRUE(isPublicHoliday("IN", QDate(2027, 3, 26), "Good Friday"));
    EXPECT_TRUE(on("BR", QDate(2027, 2, 9)).contains("bank Carnival"));
    // Others that move: Matariki follows the stars, Iceland's first day of summer the weekday.
    EXPECT_TRUE(isPublicHoliday("NZ", QDate(2027, 6, 25), "Matariki"));
    EXPECT_TRUE(isPublicHoliday("IS", QDate(2027, 4, 22), "First Day of Summer"));
    EXPECT_TRUE(isPublicHoliday("AU-VIC", QDate(2027, 11, 2), "Melbourne Cup"));
    EXPECT_FALSE(isPublicHoliday("AU-NSW", QDate(2027, 11, 2), "Melbourne Cup"));
    EXPECT_TRUE(isPublicHoliday("CA-QC", QDate(2027, 6, 24), "National Holiday"));
    EXPECT_TRUE(isPublicHoliday("MX", QDate(2027, 2, 1), "Constitution Day"));
    EXPECT_TRUE(isPublicHoliday("CH", QDate(2027, 8, 1), "Bundesfeiertag"));
}
