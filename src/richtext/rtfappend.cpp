// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfappend.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"
#include "richtext/rtfwriter.h"

#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>

namespace {

// The format of the character at a position, counting one separator between paragraphs.
QTextCharFormat formatAt(const QTextDocument &document, int position)
{
    QTextCursor cursor(const_cast<QTextDocument *>(&document));
    cursor.setPosition(position);
    cursor.setPosition(position + 1, QTextCursor::KeepAnchor);
    return cursor.charFormat();
}

bool hasSize(const QTextCharFormat &format)
{
    return format.fontPointSize() > 0 || format.hasProperty(QTextFormat::FontPixelSize);
}

// The last character's format; while it has no size, the one before it.
QTextCharFormat lastSizedFormat(const QTextDocument &document)
{
    const int last = document.characterCount() - 2; // the final paragraph separator is not text
    for (int position = last; position >= 0; --position) {
        const QTextCharFormat format = formatAt(document, position);
        if (hasSize(format))
            return format;
    }
    return formatAt(document, std::max(last, 0));
}

} // namespace

QByteArray appendParagraphToRtf(const QByteArray &rtf, const QString &text,
                                const QTextCharFormat &defaultFormat)
{
    QTextDocument document;
    const bool empty = TWPRtfStorage::isEmptyRtf(rtf) || !RtfReader::read(rtf, document);
    if (empty)
        document.clear();
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    if (empty) {
        cursor.setCharFormat(defaultFormat);
        cursor.insertText(text, defaultFormat);
    } else {
        const QTextCharFormat format = lastSizedFormat(document);
        cursor.insertBlock(cursor.blockFormat(), format);
        cursor.insertText(text, format);
    }
    return RtfWriter::write(document);
}
