// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/rtfreader.h"

#include <QImage>
#include <QString>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <memory>

namespace RtfTest {

inline std::unique_ptr<QTextDocument> read(const QByteArray &rtf, bool *ok = nullptr)
{
    auto document = std::make_unique<QTextDocument>();
    const bool result = RtfReader::read(rtf, *document);
    if (ok)
        *ok = result;
    return document;
}

// The format of the character at position (0-based, counted over the whole document).
inline QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position + 1);
    return cursor.charFormat();
}

inline QTextBlockFormat blockFormat(const QTextDocument &document, int block)
{
    return document.findBlockByNumber(block).blockFormat();
}

// A PNG of the given size and colour as RTF hex digits.
QByteArray pngHex(const QSize &size, QColor color);

// One line per run: text and character format; one per paragraph: its format. Two
// documents that read the same compare equal.
QString describe(const QTextDocument &document);

} // namespace RtfTest
