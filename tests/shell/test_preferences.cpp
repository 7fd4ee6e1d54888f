// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "core/apppaths.h"
#include "core/inifile.h"
#include "shell/preferences.h"

TEST(Preferences, AnEmptyFileGivesEveryDefault)
{
    QTemporaryDir dir;
    QFile empty(dir.filePath(QStringLiteral("OV.INI")));
    empty.open(QIODevice::WriteOnly);
    empty.close();
    const Preferences p = Preferences::load(IniFile(empty.fileName()));
    EXPECT_EQ(zoomFactorFromPercent(p.mainZoomPercent), 0.601f);
    EXPECT_EQ(zoomFactorFromPercent(p.propZoomPercent), 0.301f);
    EXPECT_EQ(p.defaultFont.name, QStringLiteral("Arial"));
    EXPECT_EQ(p.defaultFont.size, 10);
    EXPECT_EQ(p.defaultFont.color, 0);
    EXPECT_FALSE(p.defaultFont.bold || p.defaultFont.italic || p.defaultFont.underline
                 || p.defaultFont.strikeout);
    EXPECT_EQ(p.iconFile, AppPaths::dataFolder() + QStringLiteral("MISC1.ICL"));
    EXPECT_TRUE(p.iconsVisible);
    EXPECT_TRUE(p.hintsOn);
}

TEST(Preferences, EverySettingRoundTrips)
{
    QTemporaryDir dir;
    IniFile ini(dir.filePath(QStringLiteral("OV.INI")));
    Preferences p;
    p.mainZoomPercent = 90;
    p.propZoomPercent = 20;
    p.defaultFont = {QStringLiteral("Liberation Serif"), 14, true, false, true, true, 0x0000FF};
    p.iconFile = QStringLiteral("/opt/icons/BONUS.ICL");
    p.iconsVisible = false;
    p.hintsOn = false;
    ASSERT_TRUE(p.save(ini));
    const Preferences q = Preferences::load(ini);
    EXPECT_EQ(q.mainZoomPercent, 90);
    EXPECT_EQ(q.propZoomPercent, 20);
    EXPECT_EQ(q.defaultFont.name, QStringLiteral("Liberation Serif"));
    EXPECT_EQ(q.defaultFont.size, 14);
    EXPECT_TRUE(q.defaultFont.bold);
    EXPECT_FALSE(q.defaultFont.italic);
    EXPECT_TRUE(q.defaultFont.underline);
    EXPECT_TRUE(q.defaultFont.strikeout);
    EXPECT_EQ(q.defaultFont.color, 0x0000FF);
    EXPECT_EQ(q.iconFile, p.iconFile);
    EXPECT_FALSE(q.iconsVisible);
    EXPECT_FALSE(q.hintsOn);
    EXPECT_EQ(ini.readString(QStringLiteral("Default Font"), QStringLiteral("Strikeout"), QString()),
              QStringLiteral("1"));
}

TEST(Preferences, ZoomPercentagesMapToFactorsOnTheGrid)
{
    EXPECT_EQ(zoomFactorFromPercent(75), 0.701f);
    EXPECT_EQ(percentFromZoomFactor(0.701f), 70);
    EXPECT_EQ(zoomFactorFromPercent(0), 0.201f);
    EXPECT_EQ(zoomFactorFromPercent(29), 0.201f);
    EXPECT_EQ(zoomFactorFromPercent(30), 0.301f);
    EXPECT_EQ(zoomFactorFromPercent(99), 0.901f);
    EXPECT_EQ(zoomFactorFromPercent(100), 1.001f);
    // Above 100 % the steps are 125, 150, 200, 300 and 400 %; between them the lower counts.
    EXPECT_EQ(zoomFactorFromPercent(250), 2.001f);
    EXPECT_EQ(zoomFactorFromPercent(400), 4.001f);
    EXPECT_EQ(zoomFactorFromPercent(1000), 4.001f);
    EXPECT_EQ(percentFromZoomFactor(0.1f), 20);
    EXPECT_EQ(percentFromZoomFactor(1.2f), 100);
    EXPECT_EQ(percentFromZoomFactor(2.5f), 200);
    EXPECT_EQ(percentFromZoomFactor(9.0f), 400);
    // Every factor survives being stored and read back, including after zoom steps of 0.1.
    for (int percent : {20, 30, 40, 50, 60, 70, 80, 90, 100, 125, 150, 200, 300, 400}) {
        const float factor = zoomFactorFromPercent(percent);
        EXPECT_EQ(percentFromZoomFactor(factor), percent);
        EXPECT_EQ(zoomFactorFromPercent(percentFromZoomFactor(factor)), factor);
    }
    float f = 0.601f;
    for (int i = 0; i < 3; ++i)
        f += 0.1f;
    EXPECT_EQ(percentFromZoomFactor(f), 90);
}

TEST(Preferences, ZoomStepsRunFromFiftyToFourHundredPercent)
{
    EXPECT_EQ(nextZoomIn(1.001f), 1.251f);
    EXPECT_EQ(nextZoomIn(3.001f), 4.001f);
    EXPECT_EQ(nextZoomIn(4.001f), 4.001f) << "the top step stays";
    EXPECT_EQ(nextZoomIn(0.201f), 0.301f) << "a stored zoom below 50 % still zooms in";
    EXPECT_EQ(nextZoomIn(1.0f), 1.251f) << "full scale, as saving leaves it, is the 100 % step";
    EXPECT_EQ(nextZoomOut(4.001f), 3.001f);
    EXPECT_EQ(nextZoomOut(1.251f), 1.001f);
    EXPECT_EQ(nextZoomOut(1.0f), 0.901f);
    EXPECT_EQ(nextZoomOut(0.501f), 0.501f) << "zooming out stops at 50 %";
    EXPECT_EQ(nextZoomOut(0.401f), 0.401f);
    EXPECT_EQ(nextZoomOut(2.5f), 2.001f) << "between steps, the lower one first";
}
