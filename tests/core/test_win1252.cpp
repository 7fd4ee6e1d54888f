// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/win1252.h"

TEST(Win1252, EveryByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(static_cast<char>(b));
    EXPECT_EQ(Win1252::fromUnicode(Win1252::toUnicode(all)), all);
}

TEST(Win1252, AccentedNamesUseTheirCodePageBytes)
{
    EXPECT_EQ(Win1252::fromUnicode(QStringLiteral("M\u00e4rz")), QByteArray("M\xe4rz"));
    EXPECT_EQ(Win1252::toUnicode(QByteArray("Ao\xfbt")), QStringLiteral("Ao\u00fbt"));
    EXPECT_EQ(Win1252::toUnicode(QByteArray("\x80")), QStringLiteral("\u20ac"));
    EXPECT_EQ(Win1252::fromUnicode(QStringLiteral("\u2019")), QByteArray("\x92"));
}

TEST(Win1252, CharactersOutsideTheCodePageAreRefused)
{
    EXPECT_TRUE(Win1252::canEncode(QStringLiteral("Sábado €")));
    EXPECT_FALSE(Win1252::canEncode(QStringLiteral("\u65e5")));
    EXPECT_FALSE(Win1252::canEncode(QChar(0x0100)));
    EXPECT_EQ(Win1252::fromUnicode(QStringLiteral("a\u65e5b")), QByteArray("a?b"));
}
