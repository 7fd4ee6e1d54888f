// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "richtext/rtfstorage.h"

namespace {

const QByteArray header = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\froman Times New Roman;}}"
                          "{\\colortbl;\\red0\\green0\\blue0;}"
                          "{\\*\\generator Orvane;}\\viewkind4\\uc1\\pard\\f0\\fs32 ";

bool emptyBody(const QByteArray &body)
{
    return TWPRtfStorage(header + body + "}").isEmpty();
}

} // namespace

TEST(RtfStorage, NoTextAndSingleEmptyParagraphAreEmpty)
{
    EXPECT_TRUE(TWPRtfStorage().isEmpty());
    EXPECT_TRUE(TWPRtfStorage(" \r\n").isEmpty());
    EXPECT_TRUE(emptyBody(""));
    EXPECT_TRUE(emptyBody("\\par"));
    EXPECT_TRUE(emptyBody("\\b\\i \\par "));
    EXPECT_TRUE(emptyBody("{\\b }\r\n"));
}

TEST(RtfStorage, VisibleTextPicturesAndSecondParagraphAreContent)
{
    EXPECT_FALSE(emptyBody("Birthday\\par"));
    EXPECT_FALSE(emptyBody("\\'e4\\par"));
    EXPECT_FALSE(emptyBody("\\u8364?\\par"));
    EXPECT_FALSE(emptyBody("\\{\\par"));
    EXPECT_FALSE(emptyBody("\\tab\\par"));
    EXPECT_FALSE(emptyBody("{\\pict\\wmetafile8\\picw10\\pich10 0100}\\par"));
    EXPECT_FALSE(emptyBody("{\\*\\shppict{\\pict\\pngblip 89504e47}}"));
    EXPECT_FALSE(emptyBody("\\par\\par"));
    EXPECT_FALSE(TWPRtfStorage("plain words").isEmpty());
}

TEST(RtfStorage, FontNamesInTablesAreNotText)
{
    // The font table holds letters; they must not count as the cell's text.
    EXPECT_TRUE(TWPRtfStorage("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1 Symbol;}}"
                              "{\\stylesheet{\\s0 Normal;}}{\\info{\\title x}}\\pard\\par}")
                    .isEmpty());
}

TEST(RtfStorage, DamagedTextNeitherCrashesNorHangs)
{
    EXPECT_TRUE(TWPRtfStorage("{\\rtf1\\").isEmpty());
    EXPECT_TRUE(TWPRtfStorage("{\\rtf1 }}}}}").isEmpty());
    EXPECT_TRUE(TWPRtfStorage("{\\rtf1\\'").isEmpty());
    EXPECT_FALSE(TWPRtfStorage("{\\rtf1 " + QByteArray(100000, '{') + "x").isEmpty());
}

TEST(RtfStorage, AssignCopiesTheText)
{
    TWPRtfStorage source(header + "Text\\par}");
    TWPRtfStorage target;
    target.assign(source);
    EXPECT_EQ(target, source);
    source.clear();
    EXPECT_FALSE(target.isEmpty());
}
