// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>

#include <cstdlib>

#include "graphics/fontfamilies.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"

TEST(TColor, StoredValuesAreBlueGreenRed)
{
    EXPECT_EQ(Colors::toQColor(Colors::clRed), QColor(255, 0, 0));
    EXPECT_EQ(Colors::fromQColor(QColor(0x12, 0x34, 0x56)), 0x563412);
    EXPECT_EQ(static_cast<quint32>(Colors::clBtnFace), 0x8000000Fu);
    EXPECT_FALSE(Colors::isSystemColor(Colors::clNone));
    EXPECT_EQ(Colors::toQColor(Colors::clNone).alpha(), 0);
}

TEST(TFont, PixelSizeMatchesTheFontSystem)
{
    for (int ppi : {96, 120}) {
        for (int points = 4; points <= 72; ++points) {
            QFont font(QStringLiteral("Times New Roman"));
            font.setPointSizeF(points * ppi / 96.0);
            EXPECT_EQ(TFont(QStringLiteral("Times New Roman"), points).pixelSizeAt(ppi),
                      QFontInfo(font).pixelSize()) << points << " pt at " << ppi;
        }
    }
}

TEST(TFont, LineHeightMatchesTheSerifSubstituteWithoutDependingOnIt)
{
    QFont substitute(QStringLiteral("Times New Roman"));
    if (QFontInfo(substitute).family() != QLatin1String("Liberation Serif"))
        GTEST_SKIP() << "Liberation Serif is not installed";
    // Exact at the page's own sizes, within a pixel of the font engine's hinting elsewhere.
    for (int points = 6; points <= 72; ++points) {
        substitute.setPointSize(points);
        const int measured = QFontMetrics(substitute).height();
        const int computed = TFont::lineHeight(TFont(QString(), points).pixelSizeAt(96));
        EXPECT_LE(std::abs(computed - measured), 1) << points << " pt";
        if (points == 6 || points == 8 || points == 10 || points == 16 || points == 26) {
            EXPECT_EQ(computed, measured) << points << " pt";
        }
    }
}

TEST(TFont, PixelFontsConvertAndZoomByTruncation)
{
    TFont font(QStringLiteral("Times New Roman"), 16, TFont::Style::Bold);
    EXPECT_EQ(font.zoomed(0.75f, 96).size(), 12);
    EXPECT_EQ(font.zoomed(0.7f, 96).size(), 11);
    font.setPixelHeight(13);
    EXPECT_EQ(font.size(), 0);
    EXPECT_EQ(font.pixelSizeAt(96), 13);
    EXPECT_EQ(font.pointSizeAt(96), 10);
    EXPECT_NE(font, TFont(QStringLiteral("Times New Roman"), 10, TFont::Style::Bold));
}

TEST(FontFamilies, FamiliesThatAreNotInstalledAreDrawnAsTheFontsSystemSays)
{
    // Installed families are themselves; the others take fontconfig's metric-compatible aliases.
    EXPECT_EQ(FontFamilies::drawnWith(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(FontFamilies::describe(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
    const std::pair<const char *, const char *> aliases[] = {{"Arial", "Liberation Sans"},
                                                             {"Times New Roman", "Liberation Serif"},
                                                             {"Courier New", "Liberation Mono"},
                                                             {"Calibri", "Carlito"},
                                                             {"Cambria", "Caladea"}};
    for (const auto &[stored, standIn] : aliases) {
        if (!QFontDatabase::hasFamily(QLatin1String(standIn)))
            continue;
        EXPECT_EQ(FontFamilies::drawnWith(QLatin1String(stored)), QLatin1String(standIn)) << stored;
        EXPECT_EQ(FontFamilies::describe(QLatin1String(stored)),
                  QStringLiteral("%1 (drawn with %2)").arg(QLatin1String(stored), QLatin1String(standIn)));
        // What the page measures is the stand-in's text.
        QFont font{QLatin1String(stored)};
        EXPECT_EQ(QFontInfo(font).family(), QLatin1String(standIn)) << stored;
    }
    EXPECT_TRUE(FontFamilies::drawnWith(QString()).isEmpty());
}
