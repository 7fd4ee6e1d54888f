// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfappend.h"

#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"
#include "richtext/rtfwriter.h"

#include <QSet>
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

// The format without what makes a character an inline picture: text typed in an icon's
// format would come out as copies of the icon.
QTextCharFormat textOnly(QTextCharFormat format)
{
    const QMap<int, QVariant> properties = format.properties();
    for (auto it = properties.cbegin(); it != properties.cend(); ++it) {
        if (it.key() >= QTextFormat::ImageName && it.key() < QTextFormat::FullWidthSelection)
            format.clearProperty(it.key());
    }
    format.setObjectType(QTextFormat::NoObject);
    return format;
}

// The last character's format; while it has no size or is a picture, the one before it.
QTextCharFormat lastSizedFormat(const QTextDocument &document)
{
    const int last = document.characterCount() - 2; // the final paragraph separator is not text
    for (int position = last; position >= 0; --position) {
        const QTextCharFormat format = formatAt(document, position);
        if (hasSize(format) && !format.isImageFormat())
            return format;
    }
    return textOnly(formatAt(document, std::max(last, 0)));
}

QSet<QString> paragraphsOf(const QTextDocument &document)
{
    QSet<QString> texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts.insert(block.text().trimmed());
    return texts;
}

} // namespace

RtfAppendResult appendParagraphsToRtf(const QByteArray &rtf, const QStringList &texts,
                                      const QTextCharFormat &defaultFormat)
{
    QTextDocument document;
    bool empty = TWPRtfStorage::isEmptyRtf(rtf);
    if (!empty && !RtfReader::read(rtf, document))
        return {rtf, 0, true};
    if (empty)
        document.clear();
    QSet<QString> held = empty ? QSet<QString>() : paragraphsOf(document);
    document.setUndoRedoEnabled(false);
    QTextCursor cursor(&document);
    cursor.movePosition(QTextCursor::End);
    const QTextCharFormat format = empty ? defaultFormat : lastSizedFormat(document);
    // One edit block: the document lays itself out once, not after every paragraph.
    cursor.beginEditBlock();
    int appended = 0;
    for (const QString &text : texts) {
        if (held.contains(text.trimmed()))
            continue;
        held.insert(text.trimmed());
        if (empty) {
            cursor.setCharFormat(format);
            empty = false;
        } else {
            cursor.insertBlock(cursor.blockFormat(), format);
        }
        cursor.insertText(text, format);
        ++appended;
    }
    cursor.endEditBlock();
    if (appended == 0)
        return {rtf, 0, false};
    return {RtfWriter::write(document), appended, false};
}
