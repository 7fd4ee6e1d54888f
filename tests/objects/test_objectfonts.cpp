// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Object fonts as records store them: a height in pixels at the screen's resolution.
#include <gtest/gtest.h>

#include "graphics/tfont.h"

#include <climits>

TEST(ObjectFontHeight, PointSizesBecomeNegativeCharacterHeights)
{
    EXPECT_EQ(TFont(QStringLiteral("Arial"), 10).height(96), -13);
    EXPECT_EQ(TFont(QStringLiteral("Arial"), 8).height(96), -11);
    EXPECT_EQ(TFont(QStringLiteral("Arial"), 7).height(96), -9);
    EXPECT_EQ(TFont(QStringLiteral("Arial"), 10).height(120), -17);
}

TEST(ObjectFontHeight, StoredHeightsReadBackExactly)
{
    for (int height : {-1, -2, -6, -11, -13, -27, -200}) {
        TFont font;
        font.setHeight(height);
        EXPECT_EQ(font.height(96), height);
        EXPECT_EQ(font.height(144), height) << "a pixel height ignores the resolution";
    }
    TFont font;
    font.setHeight(-13);
    EXPECT_EQ(font.pointSizeAt(96), 10);
}

TEST(ObjectFontHeight, CellHeightsAndDamagedValues)
{
    TFont cell;
    cell.setHeight(15);
    const int em = cell.pixelHeight();
    EXPECT_LE(TFont::lineHeight(em), 15);
    EXPECT_GT(TFont::lineHeight(em + 1), 15);

    TFont huge;
    huge.setHeight(INT_MIN);
    EXPECT_GT(huge.pixelHeight(), 0);
    EXPECT_LE(huge.pixelHeight(), 1 << 20);
    huge.setHeight(INT_MAX);
    EXPECT_GT(huge.pixelHeight(), 0);

    TFont zero;
    zero.setHeight(0);
    EXPECT_GT(zero.pixelSizeAt(96), 0);
}
