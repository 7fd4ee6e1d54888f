// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-render --holidays-of: the holidays of a country or region in a year as JSON.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

QJsonArray holidaysOf(const QString &place, const QString &year)
{
    const RunResult run = render({"--holidays-of", place, "--year", year});
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.constData();
    return QJsonDocument::fromJson(run.out).array();
}

QJsonObject on(const QJsonArray &list, const QString &date)
{
    for (const QJsonValue &v : list) {
        if (v.toObject()["date"].toString() == date)
            return v.toObject();
    }
    return {};
}

} // namespace

TEST(RenderHolidays, ARegionsHolidaysAreListedByDateWithBothNames)
{
    const QJsonArray bavaria = holidaysOf("DE-BY", "2027");
    ASSERT_GT(bavaria.size(), 20);
    EXPECT_EQ(bavaria.first().toObject(), (QJsonObject{{"date", "2027-01-01"}, {"name", "New Year's Day"},
                                                       {"localName", "Neujahr"}, {"type", "public"}}));
    EXPECT_EQ(on(bavaria, "2027-05-27")["localName"].toString(), "Fronleichnam");
    for (qsizetype i = 1; i < bavaria.size(); ++i)
        EXPECT_LE(bavaria[i - 1].toObject()["date"].toString(), bavaria[i].toObject()["date"].toString());
    // Berlin keeps no Corpus Christi; lower case names the same places.
    EXPECT_TRUE(on(holidaysOf("de-be", "2027"), "2027-05-27").isEmpty());
    EXPECT_EQ(on(holidaysOf("US", "2021"), "2021-07-05")["name"].toString(), "Independence Day (substitute day)");
}

TEST(RenderHolidays, UnknownPlacesAndYearsFailWithWhatIsKnown)
{
    const RunResult country = render({"--holidays-of", "XX", "--year", "2027"});
    EXPECT_EQ(country.exitCode, 1);
    EXPECT_TRUE(country.err.contains("no holidays are known for XX; the countries are AR, AT")) << country.err.constData();
    const RunResult region = render({"--holidays-of", "DE-XX", "--year", "2027"});
    EXPECT_EQ(region.exitCode, 1);
    EXPECT_TRUE(region.err.contains("has no region XX; its regions are BB, BE, BW, BY")) << region.err.constData();
    const RunResult year = render({"--holidays-of", "GB-SCT", "--year", "2101"});
    EXPECT_EQ(year.exitCode, 1);
    EXPECT_TRUE(year.err.contains("known for 1970 to 2100")) << year.err.constData();

    EXPECT_EQ(render({"--holidays-of", "DE"}).exitCode, 2);
    EXPECT_EQ(render({"--holidays-of", "DE_BY", "--year", "2027"}).exitCode, 2);
    EXPECT_TRUE(render({"--holidays-of", "DE", "--year", "2027"}).out.startsWith("["));
}

TEST(RenderHolidays, HolidayColouringMarksThePagesHolidaysAndIsSavedWithThePage)
{
    // A sheet of six minis from December shows Memorial Day in its last month; days that are
    // observances only (Valentine's Day) are not days off and stay unmarked.
    const RunResult sheet = render({"--layout", "8", "--month", "12", "--year", "2026", "--holiday-colouring",
                                    "us", "--geometry"});
    ASSERT_EQ(sheet.exitCode, 0) << sheet.err.constData();
    QStringList dates;
    for (const QJsonValue &v : QJsonDocument::fromJson(sheet.out).object()["holidays"].toArray())
        dates.append(v.toObject()["date"].toString());
    EXPECT_EQ(dates, (QStringList{"2026-12-25", "2027-01-01", "2027-01-18", "2027-02-15", "2027-05-31"}));

    // A German month page names the holidays in German, in the cells that show them.
    QTemporaryDir dir;
    const QString saved = dir.filePath("bavaria.ovf");
    const RunResult month = render({"--layout", "0", "--month", "12", "--year", "2026", "--language", "german",
                                    "--holiday-colouring", "DE-BY", "--holiday-names", "--save", saved});
    ASSERT_EQ(month.exitCode, 0) << month.err.constData();
    const QJsonObject reread = QJsonDocument::fromJson(render({saved, "--geometry"}).out).object();
    const QJsonArray holidays = reread["holidays"].toArray();
    ASSERT_FALSE(holidays.isEmpty());
    const QJsonObject christmas = on(holidays, "2026-12-25");
    EXPECT_EQ(christmas["name"].toString(), "1. Weihnachtstag");
    const QJsonObject cell = reread["cells"].toArray()[christmas["cell"].toInt() - 1].toObject();
    EXPECT_EQ(cell["date"].toString(), "2026-12-25");
    // The option goes away again, and a page without it lists no marks.
    const RunResult off = render({saved, "--holiday-colouring", "none", "--geometry"});
    EXPECT_FALSE(QJsonDocument::fromJson(off.out).object().contains("holidays"));
}

TEST(RenderHolidays, HolidayColouringRefusesPlacesWithoutData)
{
    const RunResult unknown = render({"--holiday-colouring", "XX", "--geometry"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("There are no holidays of XX")) << unknown.err.constData();
    const RunResult region = render({"--holiday-colouring", "DE-XX", "--geometry"});
    EXPECT_EQ(region.exitCode, 2);
    EXPECT_TRUE(region.err.contains("Germany has no region XX")) << region.err.constData();
    EXPECT_EQ(render({"--holiday-names", "--geometry"}).exitCode, 2);
}
