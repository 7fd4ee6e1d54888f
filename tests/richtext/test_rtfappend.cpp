// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QTextBlock>
#include <QTextDocument>

#include "richtext/rtfappend.h"
#include "richtext/rtfreader.h"

namespace {

void readBack(const QByteArray &rtf, QTextDocument &document)
{
    EXPECT_TRUE(RtfReader::read(rtf, document)) << rtf.constData();
}

QTextCharFormat lastFormat(const QTextDocument &document)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.movePosition(QTextCursor::End);
    return cursor.charFormat();
}

} // namespace

TEST(RtfAppend, AnEmptyCellTakesTheDefaultFontInItsOneParagraph)
{
    QTextCharFormat defaultFormat;
    defaultFormat.setFontFamilies({QStringLiteral("Liberation Serif")});
    defaultFormat.setFontPointSize(14);
    defaultFormat.setFontItalic(true);
    for (const QByteArray &empty : {QByteArray(), QByteArray("{\\rtf1\\ansi\\pard\\par}")}) {
        const QByteArray rtf = appendParagraphsToRtf(empty, {QStringLiteral("Flag Day")}, defaultFormat).rtf;
        QTextDocument document;
        readBack(rtf, document);
        EXPECT_EQ(document.blockCount(), 1) << rtf.constData();
        EXPECT_EQ(document.toPlainText(), QStringLiteral("Flag Day"));
        EXPECT_EQ(lastFormat(document).fontPointSize(), 14);
        EXPECT_TRUE(lastFormat(document).fontItalic());
    }
}

TEST(RtfAppend, NewParagraphsFollowTheFormatOfTheTextBefore)
{
    QTextCharFormat defaultFormat;
    defaultFormat.setFontPointSize(9);
    const QByteArray cell("{\\rtf1\\ansi{\\colortbl;\\red0\\green0\\blue255;}\\pard\\qc\\b\\fs32\\cf1 Lunch\\par}");
    const RtfAppendResult once = appendParagraphsToRtf(cell, {QStringLiteral("Palm Sunday"), QStringLiteral("Tea")}, defaultFormat);
    EXPECT_EQ(once.appended, 2);
    // What the cell holds already is not added again, and the bytes stay as they are.
    const RtfAppendResult twice = appendParagraphsToRtf(once.rtf, {QStringLiteral(" Palm Sunday ")}, defaultFormat);
    EXPECT_EQ(twice.appended, 0);
    EXPECT_EQ(twice.rtf, once.rtf);
    QTextDocument document;
    readBack(twice.rtf, document);
    ASSERT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Lunch\nPalm Sunday\nTea"));
    const QTextCharFormat format = lastFormat(document);
    EXPECT_EQ(format.fontPointSize(), 16);
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(format.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}

TEST(RtfAppend, TextAfterAnIconIsTextNotCopiesOfTheIcon)
{
    // A cell holding a name and an icon: the new paragraph takes the name's format.
    const QByteArray png = QByteArray::fromBase64(
        "iVBORw0KGgoAAAANSUhEUgAAAAEAAAABCAYAAAAfFcSJAAAADUlEQVR42mP8z8DwHwAFBQIAX8jx0gAAAABJRU5ErkJggg==");
    const QByteArray cell = "{\\rtf1\\ansi\\pard\\fs24 Omas Geburtstag {\\pict\\pngblip\\picw1\\pich1 " + png.toHex() + "}\\par}";
    QTextCharFormat defaultFormat;
    defaultFormat.setFontPointSize(9);
    const RtfAppendResult result = appendParagraphsToRtf(cell, {QStringLiteral("6:00 PM Chorprobe")}, defaultFormat);
    ASSERT_EQ(result.appended, 1);
    QTextDocument document;
    readBack(result.rtf, document);
    ASSERT_EQ(document.blockCount(), 2);
    EXPECT_EQ(document.lastBlock().text(), QStringLiteral("6:00 PM Chorprobe"));
    int pictures = 0;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it)
            pictures += it.fragment().charFormat().isImageFormat() ? it.fragment().length() : 0;
    }
    EXPECT_EQ(pictures, 1);
    EXPECT_EQ(lastFormat(document).fontPointSize(), 12);

    // A cell holding only the icon: the text still comes out as text.
    const QByteArray onlyIcon = "{\\rtf1\\ansi\\pard{\\pict\\pngblip\\picw1\\pich1 " + png.toHex() + "}\\par}";
    QTextDocument second;
    readBack(appendParagraphsToRtf(onlyIcon, {QStringLiteral("Chorprobe")}, defaultFormat).rtf, second);
    EXPECT_EQ(second.lastBlock().text(), QStringLiteral("Chorprobe"));
}

TEST(RtfAppend, AStoredTextThatCannotBeReadIsKeptAsItIs)
{
    // Cut off inside a group: the reader refuses it.
    const QByteArray damaged = "{\\rtf1\\ansi\\pard Important {\\b note";
    QTextDocument probe;
    ASSERT_FALSE(RtfReader::read(damaged, probe));
    const RtfAppendResult result = appendParagraphsToRtf(damaged, {QStringLiteral("Flag Day")}, QTextCharFormat());
    EXPECT_TRUE(result.unreadable);
    EXPECT_EQ(result.appended, 0);
    EXPECT_EQ(result.rtf, damaged);
}
