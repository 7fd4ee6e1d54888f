// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>

struct RtfAppendResult
{
    // The new rich text; the stored bytes themselves when nothing was appended.
    QByteArray rtf;
    int appended = 0;
    // The stored text could not be read, so nothing was added and it stays as it was.
    bool unreadable = false;
};

// Appends each text that the rich text does not hold yet as a paragraph of its own (compared
// by plain text, blanks at either end ignored), reading and writing the rich text once. A
// new paragraph takes the character format of the last character that has a font size (an
// icon's picture is not a format for text); an empty text is filled, starting in its single
// paragraph, with defaultFormat.
RtfAppendResult appendParagraphsToRtf(const QByteArray &rtf, const QStringList &texts,
                                      const QTextCharFormat &defaultFormat);
