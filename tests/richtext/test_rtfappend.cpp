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
        const QByteArray rtf = appendParagraphToRtf(empty, QStringLiteral("Flag Day"), defaultFormat);
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
    QByteArray rtf = appendParagraphToRtf(cell, QStringLiteral("Palm Sunday"), defaultFormat);
    rtf = appendParagraphToRtf(rtf, QStringLiteral("Palm Sunday"), defaultFormat);
    QTextDocument document;
    readBack(rtf, document);
    ASSERT_EQ(document.blockCount(), 3);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("Lunch\nPalm Sunday\nPalm Sunday"));
    const QTextCharFormat format = lastFormat(document);
    EXPECT_EQ(format.fontPointSize(), 16);
    EXPECT_EQ(format.fontWeight(), QFont::Bold);
    EXPECT_EQ(format.foreground().color(), QColor(0, 0, 255));
    EXPECT_EQ(document.lastBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignHCenter);
}
