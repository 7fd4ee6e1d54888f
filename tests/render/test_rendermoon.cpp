// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// orvane-render --moon, --week-numbers and --moon-phases.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

#include "renderprocess.h"

namespace {

QJsonObject geometry(const QStringList &arguments)
{
    const RunResult run = render(QStringList{"--geometry"} + arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err.constData();
    return QJsonDocument::fromJson(run.out).object();
}

} // namespace

TEST(RenderMoon, AYearsPhasesAsJson)
{
    const RunResult run = render({"--moon", "--year", "2024"});
    ASSERT_EQ(run.exitCode, 0) << run.err.constData();
    const QJsonArray phases = QJsonDocument::fromJson(run.out).array();
    ASSERT_EQ(phases.size(), 50);
    EXPECT_EQ(phases[0].toObject()["phase"].toString(), "last-quarter");
    EXPECT_EQ(phases[1].toObject(), (QJsonObject{{"phase", "new"}, {"utc", "2024-01-11T11:57:18Z"}}));
    for (const QJsonValue &v : phases)
        EXPECT_TRUE(v.toObject()["utc"].toString().startsWith("2024-"));
    EXPECT_EQ(render({"--moon"}).exitCode, 2) << "needs a year";
}

TEST(RenderMoon, WeekNumbersAndMoonMarksInTheGeometry)
{
    // The renderer takes the phases' local dates in the time zone it inherits.
    qputenv("TZ", "UTC");
    const QStringList page{"--layout", "0", "--month", "1", "--year", "2021"};
    const QJsonObject plain = geometry(page);
    EXPECT_FALSE(plain.contains("weekNumbers")) << "pages without the options keep their geometry";
    EXPECT_FALSE(plain.contains("moonMarks"));
    const QJsonObject iso = geometry(page + QStringList{"--week-numbers", "iso", "--moon-phases"});
    const QJsonArray weeks = iso["weekNumbers"].toArray();
    ASSERT_EQ(weeks.size(), 6); // January 2021 from Sunday: 1-2, 3-9, ... 31
    EXPECT_EQ(weeks[0].toObject()["week"].toInt(), 53);
    EXPECT_EQ(weeks[1].toObject()["week"].toInt(), 1);
    EXPECT_EQ(weeks[0].toObject()["calendar"].toString(), "main");
    // The column lies left of the first cell, which moved right for it.
    const QJsonArray box = weeks[0].toObject()["rect"].toArray();
    const QJsonArray cell = iso["cells"].toArray()[0].toObject()["total"].toArray();
    EXPECT_LT(box[2].toInt(), cell[0].toInt());
    EXPECT_GT(cell[0].toInt(), plain["cells"].toArray()[0].toObject()["total"].toArray()[0].toInt());
    EXPECT_EQ(geometry(page + QStringList{"--week-numbers", "us"})["weekNumbers"].toArray()[0].toObject()["week"].toInt(), 1);

    const QJsonArray moons = iso["moonMarks"].toArray();
    ASSERT_GE(moons.size(), 4);
    QStringList dates;
    for (const QJsonValue &v : moons)
        dates << v.toObject()["date"].toString() + " " + v.toObject()["phase"].toString();
    // January 2021 (UTC): new 13th 05:00, first quarter 20th 21:02, full 28th 19:16, last 6th 09:37.
    EXPECT_TRUE(dates.contains("2021-01-13 new")) << dates.join(", ").toStdString();
    EXPECT_TRUE(dates.contains("2021-01-28 full")) << dates.join(", ").toStdString();
    EXPECT_EQ(render({"--week-numbers", "iso8601", "--geometry"}).exitCode, 2);
}

TEST(RenderMoon, TheOptionsAreSavedWithTheDocument)
{
    QTemporaryDir dir;
    const QString plainFile = dir.filePath("plain.OVF");
    const QString optionsFile = dir.filePath("options.OVF");
    const QStringList page{"--layout", "2", "--month", "5", "--year", "2026"};
    ASSERT_EQ(render(page + QStringList{"--save", plainFile}).exitCode, 0);
    ASSERT_EQ(render(page + QStringList{"--week-numbers", "us", "--moon-phases", "--save", optionsFile}).exitCode, 0);
    const RunResult dump = render({"--dump", optionsFile});
    EXPECT_TRUE(dump.out.contains("WeekNumbers")) << dump.out.constData();
    EXPECT_TRUE(dump.out.contains("MoonPhases"));
    EXPECT_FALSE(render({"--dump", plainFile}).out.contains("WeekNumbers"));
    // Read back, the page has them again.
    const QJsonObject reread = geometry({optionsFile});
    EXPECT_EQ(reread["weekNumbers"].toArray()[0].toObject()["week"].toInt(), 18);
    EXPECT_FALSE(reread["moonMarks"].toArray().isEmpty());
}
