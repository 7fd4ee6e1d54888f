// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The holiday file reader: where each holiday applies, and damaged files refused with the
// reason.
#include <gtest/gtest.h>

#include "recurring/holidaycalendar.h"

#include <QFile>
#include <QTemporaryDir>

namespace {

// A country XX with regions A, B and C over 2026-2027.
QByteArray sample(const QByteArray &body2027 = "0101\tp\t0\t*\n0317\tv\t1\tXX,B\n0610\to\t2\t*-A,C\n"
                                              "1224\ts\t2\tA\n",
                  int count = 5)
{
    return "ORVANE-HOLIDAYS\t1\n"
           "country\tXX\tExample\tBeispiel\tde\n"
           "years\t2026\t2027\n"
           "region\tA\tAlpha\n"
           "region\tB\tBeta\tBe\n"
           "region\tC\tGamma\n"
           "name\tNew Year's Day\tNeujahr\n"
           "name\tSpring\n"
           "name\tFeast\tFest\n"
           "year\t2026\n"
           "0101\tp\t0\t*\n"
           "year\t2027\n"
           + body2027 + "end\t" + QByteArray::number(count) + "\n";
}

QStringList datesOf(const HolidayCalendar &c, int year, const QString &region)
{
    QStringList dates;
    for (const Holiday &h : c.holidays(year, region))
        dates.append(h.date.toString("MMdd") + ' ' + holidayKindName(h.kind));
    return dates;
}

// The reason parsing gives, empty when the bytes read.
QString failure(const QByteArray &bytes)
{
    HolidayCalendar c;
    QString error;
    if (c.parse(bytes, &error))
        return QString();
    EXPECT_TRUE(c.isEmpty());
    EXPECT_TRUE(c.holidays(2027).isEmpty());
    return error;
}

QByteArray replaced(QByteArray bytes, const QByteArray &before, const QByteArray &after)
{
    EXPECT_TRUE(bytes.contains(before));
    return bytes.replace(before, after);
}

} // namespace

TEST(HolidayCalendar, EachHolidayAppliesWhereItsLineSays)
{
    HolidayCalendar c;
    QString error;
    ASSERT_TRUE(c.parse(sample(), &error)) << qPrintable(error);
    EXPECT_EQ(c.countryCode(), "XX");
    EXPECT_EQ(c.localCountryName(), "Beispiel");
    EXPECT_EQ(c.language(), "de");
    ASSERT_EQ(c.regions().size(), 3);
    EXPECT_EQ(c.regions()[1].localName, "Be");
    EXPECT_EQ(c.regions()[2].localName, "Gamma");

    // The country as a whole, and each region.
    EXPECT_EQ(datesOf(c, 2027, ""), (QStringList{"0101 public", "0317 observance", "0610 optional"}));
    EXPECT_EQ(datesOf(c, 2027, "A"), (QStringList{"0101 public", "1224 school"}));
    EXPECT_EQ(datesOf(c, 2027, "B"), (QStringList{"0101 public", "0317 observance", "0610 optional"}));
    EXPECT_EQ(datesOf(c, 2027, "C"), (QStringList{"0101 public"}));
    EXPECT_EQ(datesOf(c, 2026, "C"), (QStringList{"0101 public"}));

    const QList<Holiday> year = c.holidays(2027);
    EXPECT_EQ(year[0].name, "New Year's Day");
    EXPECT_EQ(year[0].localName, "Neujahr");
    EXPECT_EQ(year[1].localName, "Spring"); // no local name: the English one

    // Outside what the file holds there is nothing, without failing.
    EXPECT_TRUE(c.holidays(2025).isEmpty());
    EXPECT_TRUE(c.holidays(2028).isEmpty());
    EXPECT_TRUE(c.holidays(2027, "D").isEmpty());
    EXPECT_FALSE(c.hasRegion("D"));
    EXPECT_TRUE(c.hasRegion(""));
}

TEST(HolidayCalendar, TheHeaderAloneListsTheCountry)
{
    HolidayCalendar c;
    QString error;
    // The body is not read, so damage there does not keep the country from the list.
    ASSERT_TRUE(c.parse(sample().left(sample().indexOf("year\t2026")) + "garbage", &error,
                        HolidayCalendar::Scope::Header))
        << qPrintable(error);
    EXPECT_EQ(c.countryName(), "Example");
    EXPECT_EQ(c.regions().size(), 3);
    EXPECT_TRUE(c.holidays(2026).isEmpty());
}

TEST(HolidayCalendar, PlacesAreACountryAndARegion)
{
    QString country;
    QString region;
    ASSERT_TRUE(HolidayFiles::splitPlace("de-by", &country, &region));
    EXPECT_EQ(country, "DE");
    EXPECT_EQ(region, "BY");
    ASSERT_TRUE(HolidayFiles::splitPlace("GB", &country, &region));
    EXPECT_TRUE(region.isEmpty());
    for (const QString bad : {"", "D", "DEU", "DE-", "DE-B Y", "DE-BY-X", "1E", "DE-ÄÖ", "-BY"})
        EXPECT_FALSE(HolidayFiles::splitPlace(bad, &country, &region)) << qPrintable(bad);
}

TEST(HolidayCalendar, DamagedFilesAreRefusedWithTheReason)
{
    ASSERT_TRUE(failure(sample()).isEmpty()) << qPrintable(failure(sample()));
    const QByteArray good = sample();

    EXPECT_EQ(failure(""), "it is not a holiday file");
    EXPECT_EQ(failure("PK\3\4 something else"), "it is not a holiday file");
    EXPECT_EQ(failure(replaced(good, "HOLIDAYS\t1", "HOLIDAYS\t2")),
              "line 1: it is a holiday file of version 2; this program reads version 1");
    // Cut short anywhere: in a line, after a whole line, before the last years.
    EXPECT_EQ(failure(good.left(good.size() - 2)), "line 17: the end line holds no count");
    EXPECT_EQ(failure(good.left(good.indexOf("0317") + 6)),
              "line 14: a holiday line is not a date, a kind, a name and the regions");
    EXPECT_EQ(failure(good.left(good.indexOf("end\t"))), "it ends before its end line: it was cut short");
    EXPECT_EQ(failure(good.left(good.indexOf("year\t2027")) + "end\t1\n"), "line 12: the file ends before year 2027");
    EXPECT_EQ(failure(replaced(good, "end\t5", "end\t6")), "line 17: the end line counts 6 holidays, the file holds 5");
    EXPECT_EQ(failure(good + "0101\tp\t0\t*\n"), "line 18: there is more after the end line");

    EXPECT_EQ(failure(sample("0229\tp\t0\t*\n", 2)), "line 13: '0229' is no date of 2027");
    EXPECT_EQ(failure(sample("1301\tp\t0\t*\n", 2)), "line 13: '1301' is no date of 2027");
    EXPECT_EQ(failure(sample("101\tp\t0\t*\n", 2)), "line 13: '101' is no date of 2027");
    EXPECT_EQ(failure(sample("0102\tp\t0\t*\n0101\tp\t0\t*\n", 3)), "line 14: 0101 comes after a later date");
    EXPECT_EQ(failure(sample("0101\tx\t0\t*\n", 2)), "line 13: 'x' is no kind of holiday");
    EXPECT_EQ(failure(sample("0101\tp\t3\t*\n", 2)), "line 13: '3' is no number of a name");
    EXPECT_EQ(failure(sample("0101\tp\t-1\t*\n", 2)), "line 13: '-1' is no number of a name");
    EXPECT_EQ(failure(sample("0101\tp\t0\tA,D\n", 2)), "line 13: the file has no region 'D'");
    EXPECT_EQ(failure(sample("0101\tp\t0\t*-XX\n", 2)), "line 13: the file has no region 'XX'");
    EXPECT_EQ(failure(sample("0101\tp\t0\tA,,B\n", 2)), "line 13: 'A,,B' is no list of regions");
    EXPECT_EQ(failure(sample("0101\tp\t0\t*A\n", 2)), "line 13: '*A' is no list of regions");
    EXPECT_EQ(failure(sample("0101\tp\t0\n", 2)),
              "line 13: a holiday line is not a date, a kind, a name and the regions");

    EXPECT_EQ(failure(replaced(good, "year\t2027", "year\t2028")), "line 12: year 2028 is past the last year, 2027");
    EXPECT_EQ(failure(replaced(good, "year\t2026", "year\t2027")), "line 10: year 2026 should be here");
    EXPECT_EQ(failure(replaced(good, "years\t2026\t2027", "years\t2027\t2026")),
              "line 3: the years line is missing or its years are out of order (at most 1000 years from 1 to 9999)");
    EXPECT_EQ(failure(replaced(good, "region\tC\tGamma", "region\tB\tGamma")), "line 6: the region code 'B' is used twice");
    EXPECT_EQ(failure(replaced(good, "region\tC\tGamma", "region\tXX\tGamma")), "line 6: the region code 'XX' is used twice");
    EXPECT_EQ(failure(replaced(good, "region\tC\tGamma", "region\tc\tGamma")),
              "line 6: a region line is not a code and one or two names");
    EXPECT_EQ(failure(replaced(good, "name\tSpring\n", "name\tSpring\nregion\tD\tDelta\n")),
              "line 9: a region comes after the names");
    EXPECT_EQ(failure(replaced(good, "name\tSpring", "name\tSp\x01ring")), "line 8: a name line is not one or two names");
    EXPECT_EQ(failure(replaced(good, "name\tSpring", "name\tSpr\xffing")), "line 8: the text is not UTF-8");
    EXPECT_EQ(failure(replaced(good, "country\tXX", "country\tX")),
              "line 2: the country line is not a code, two names and a language");
    EXPECT_EQ(failure(replaced(good, "\n0317", "\r\n0317")), "line 13: '*\r' is no list of regions");
    EXPECT_EQ(failure(replaced(good, "year\t2027\n", "year\t2027\n\n")), "line 13: an empty line");
}

TEST(HolidayCalendar, FilesAreReadOnlyWhenRegularAndSmallEnough)
{
    QTemporaryDir dir;
    HolidayCalendar c;
    QString error;
    EXPECT_FALSE(c.load(dir.filePath("none.holidays"), &error));
    EXPECT_EQ(error, "the file does not exist");
    EXPECT_FALSE(c.load(dir.path(), &error));
    EXPECT_FALSE(error.isEmpty());

    QFile big(dir.filePath("big.holidays"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(sample());
    big.write(QByteArray(HolidayCalendar::kMaxFileSize, '\n'));
    big.close();
    EXPECT_FALSE(c.load(big.fileName(), &error));
    EXPECT_EQ(error, "it is larger than 4 MB, too large for a holiday file");
    EXPECT_EQ(failure(sample() + QByteArray(HolidayCalendar::kMaxFileSize, '\n')),
              "it is larger than 4 MB, too large for a holiday file");

    QFile good(dir.filePath("XX.holidays"));
    ASSERT_TRUE(good.open(QIODevice::WriteOnly));
    good.write(sample());
    good.close();
    EXPECT_TRUE(c.load(good.fileName(), &error)) << qPrintable(error);
    EXPECT_EQ(c.holidays(2027, "B").size(), 3);
}
