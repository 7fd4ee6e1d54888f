// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "richtext/rtfstorage.h"
#include "richtext/rtfwriter.h"
#include "rtftesthelpers.h"

#include <QTextCursor>

using RtfTest::describe;
using RtfTest::read;

namespace {

const QByteArray richSample
        = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}{\\f1\\froman Times New "
          "Roman;}}"
          "{\\colortbl;\\red255\\green0\\blue0;\\red0\\green128\\blue0;\\red255\\green255\\blue0;}"
          "\\pard\\qc\\sb120\\sa60\\f1\\fs32\\b\\cf1 Title\\b0\\cf0\\par"
          "\\pard\\qj\\li360\\ri180\\fi-90\\f0\\fs20 Plain {\\i italic} {\\ul under} {\\strike "
          "struck} "
          "{\\highlight3 marked} {\\cf2\\b green} x\\super 2\\nosupersub\\par"
          "\\pard\\qr M\\'fcnchen \\u937?mega \\'80 \\\\ \\{braces\\} a\\tab b\\line c\\~d\\par"
          "\\pard\\par}";

void expectRoundTrip(const QByteArray &rtf)
{
    const auto first = read(rtf);
    const QByteArray written = RtfWriter::write(*first);
    const auto second = read(written);
    EXPECT_EQ(describe(*second).toStdString(), describe(*first).toStdString())
            << written.constData();
}

} // namespace

TEST(RtfWriter, WritesAnRtfDocument)
{
    QTextDocument document;
    const QByteArray rtf = RtfWriter::write(document);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
    EXPECT_TRUE(rtf.endsWith("}"));
    EXPECT_EQ(rtf.count('{'), rtf.count('}'));
    EXPECT_TRUE(TWPRtfStorage(rtf).isEmpty());
}

TEST(RtfWriter, RoundTripKeepsTextAndFormats)
{
    expectRoundTrip(richSample);
    const auto document = read(RtfWriter::write(*read(richSample)));
    EXPECT_EQ(document->blockCount(), 4);
    EXPECT_TRUE(document->toRawText().contains(
            QString("M\u00fcnchen \u03a9mega \u20ac \\ {braces} a\tb\u2028c\u00a0d")));
}

TEST(RtfWriter, CharactersOutsideTheCodePageAreWrittenAsUnicode)
{
    QTextDocument document;
    QTextCursor(&document).insertText(QString("\u20ac \u03a9 \u00e4 ")
                                      + QString::fromUcs4(U"\U0001F600"));
    const QByteArray rtf = RtfWriter::write(document);
    EXPECT_TRUE(rtf.contains("\\'80"));
    EXPECT_TRUE(rtf.contains("\\u937?"));
    EXPECT_TRUE(rtf.contains("\\'e4"));
    EXPECT_TRUE(rtf.contains("\\u-10179?\\u-8704?"));
    EXPECT_EQ(read(rtf)->toPlainText(), document.toPlainText());
}

TEST(RtfWriter, EmptyParagraphsAndTheirCountSurvive)
{
    expectRoundTrip("{\\rtf1 \\par\\par}");
    expectRoundTrip("{\\rtf1 \\fs40\\par}");
    EXPECT_EQ(read(RtfWriter::write(*read("{\\rtf1 a\\par\\par\\par}")))->blockCount(), 3);
    EXPECT_FALSE(TWPRtfStorage(RtfWriter::write(*read("{\\rtf1 \\par\\par}"))).isEmpty());
}

TEST(RtfWriter, PicturesRoundTripAsPng)
{
    const QByteArray rtf = "{\\rtf1 before{\\pict\\pngblip\\picwgoal720\\pichgoal360 "
            + RtfTest::pngHex(QSize(6, 3), QColor(10, 20, 30)) + "}after}";
    expectRoundTrip(rtf);
    EXPECT_TRUE(RtfWriter::write(*read(rtf)).contains("\\pngblip"));
}

TEST(RtfWriter, FontNamedThroughTheSingleFamilyPropertyIsKept)
{
    QTextDocument document;
    QTextCharFormat format;
    format.setProperty(QTextFormat::FontFamily, QStringLiteral("Courier New"));
    format.setFontPointSize(9);
    QTextCursor(&document).insertText(QStringLiteral("typed"), format);
    const auto again = read(RtfWriter::write(document));
    const QTextCharFormat read = RtfTest::formatAt(*again, 0);
    EXPECT_EQ(read.fontFamilies().toStringList(), QStringList {"Courier New"});
    EXPECT_DOUBLE_EQ(read.fontPointSize(), 9.0);
}
