// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "richtext/rtfwriter.h"
#include "rtftesthelpers.h"

using RtfTest::blockFormat;
using RtfTest::read;

namespace {

QString textOf(const QByteArray &rtf)
{
    return read(rtf)->toPlainText();
}

} // namespace

TEST(RtfCodePages, TheDocumentsCodePageDecodesItsBytes)
{
    // Central European: s and a with their marks.
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg1250 \\'9a\\'b9 x}"), QString::fromUtf16(u"šą x"));
    // Without a code page the text is Windows Western.
    EXPECT_EQ(textOf("{\\rtf1\\ansi \\'9a\\'80}"), QString::fromUtf16(u"š€"));
    // An unknown code page is no reason to lose the text.
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\ansicpg99999 \\'e9}"), QString::fromUtf16(u"é"));
}

TEST(RtfCodePages, AFontsCharacterSetWinsOverTheDocuments)
{
    const QByteArray fonts = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0 Arial;}"
                             "{\\f1\\fcharset204 Arial Cyr;}{\\f2\\fcharset161 Arial Greek;}"
                             "{\\f3\\fcharset162 Arial Tur;}{\\f4\\fcharset186 Arial Baltic;}"
                             "{\\f5\\fcharset177 Arial Hebrew;}{\\f6\\fcharset178 Arial Arabic;}"
                             "{\\f7\\fcharset128 MS Mincho;}}";
    EXPECT_EQ(textOf(fonts + "\\'e9{\\f1 \\'cc\\'e8\\'f0}\\'e9}"), QString::fromUtf16(u"éМирé"));
    EXPECT_EQ(textOf(fonts + "{\\f2 \\'e1\\'e2}}"), QString::fromUtf16(u"αβ"));
    EXPECT_EQ(textOf(fonts + "{\\f3 \\'fe\\'f0}}"), QString::fromUtf16(u"şğ"));
    EXPECT_EQ(textOf(fonts + "{\\f4 \\'e0}}"), QString::fromUtf16(u"ą"));
    EXPECT_EQ(textOf(fonts + "{\\f5 \\'e0}}"), QString::fromUtf16(u"א"));
    EXPECT_EQ(textOf(fonts + "{\\f6 \\'c7}}"), QString::fromUtf16(u"ا"));
    // Two-byte characters may come as two escapes.
    EXPECT_EQ(textOf(fonts + "{\\f7 \\'82\\'a0}}"), QString::fromUtf16(u"あ"));
}

TEST(RtfCodePages, TheSymbolFontGivesGreekAndSignsOtherSymbolFontsTheirBytes)
{
    const QByteArray fonts = "{\\rtf1\\ansi{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}"
                             "{\\f2\\fcharset2 Wingdings;}}";
    EXPECT_EQ(textOf(fonts + "{\\f1 abW\\'b1\\'a5}}"), QString::fromUtf16(u"αβΩ±∞"));
    EXPECT_EQ(textOf(fonts + "{\\f2 J\\'fc}}"), QString::fromUtf16(u"J\u00fc"));
}

TEST(RtfCodePages, TabStopsAreReadAndWrittenBack)
{
    const QByteArray rtf = "{\\rtf1\\ansi\\pard\\tx1440\\tqr\\tx4320\\tqc\\tx2880 a\\tab b\\tab c\\par}";
    auto document = read(rtf);
    const QList<QTextOption::Tab> tabs = blockFormat(*document, 0).tabPositions();
    ASSERT_EQ(tabs.size(), 3);
    EXPECT_EQ(tabs[0].type, QTextOption::LeftTab);
    EXPECT_EQ(tabs[1].type, QTextOption::RightTab);
    EXPECT_EQ(tabs[2].type, QTextOption::CenterTab);
    EXPECT_NEAR(tabs[1].position, 3 * tabs[0].position, 0.01);

    const QByteArray written = RtfWriter::write(*document);
    EXPECT_TRUE(written.contains("\\tx1440\\tqr\\tx4320\\tqc\\tx2880")) << written.constData();
    const QList<QTextOption::Tab> again = blockFormat(*read(written), 0).tabPositions();
    ASSERT_EQ(again.size(), 3);
    EXPECT_EQ(again[1].type, QTextOption::RightTab);
}

TEST(RtfCodePages, ListsShowTheirNumbersAndTablesBecomeTabbedParagraphs)
{
    EXPECT_EQ(textOf("{\\rtf1\\ansi{\\pntext 1.\\tab}first\\par{\\listtext\\'95\\tab}second\\par}"),
              QString::fromUtf16(u"1.\tfirst\n•\tsecond"));
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\trowd\\cellx1000\\cellx2000 a\\cell b\\cell\\row"
                     "\\trowd\\cellx1000\\cellx2000 c\\cell d\\cell\\row}"),
              QString::fromUtf16(u"a\tb\nc\td"));
}
