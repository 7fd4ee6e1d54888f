// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfreader.h"

#include "richtext/rtfparser.h"
#include "core/win1252.h"

#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextImageFormat>
#include <QUrl>

namespace {

enum Default : int { PlainTextPointSize = 12 };

// Builds the document paragraph by paragraph. The document starts with one empty
// paragraph; a further one opens only when content follows a paragraph end.
class DocumentBuilder : public RtfContentSink
{
public:
    explicit DocumentBuilder(QTextDocument &document) : m_document(document), m_cursor(&document) {}

    void text(const QString &text, const QTextCharFormat &format) override
    {
        openParagraph();
        m_cursor.insertText(text, format);
    }

    void paragraphEnd(const QTextBlockFormat &format, const QTextCharFormat &mark) override
    {
        openParagraph();
        m_cursor.setBlockFormat(format);
        m_cursor.setBlockCharFormat(mark);
        m_paragraphEnded = true;
    }

    void picture(const QImage &image, const QSizeF &size, const QTextCharFormat &format) override
    {
        if (image.isNull() || size.isEmpty())
            return;
        openParagraph();
        const QString name = QStringLiteral("rtfpicture:%1").arg(++m_pictures);
        m_document.addResource(QTextDocument::ImageResource, QUrl(name), image);
        QTextImageFormat picture;
        picture.merge(format);
        picture.setName(name);
        picture.setWidth(size.width());
        picture.setHeight(size.height());
        m_cursor.insertImage(picture);
    }

private:
    void openParagraph()
    {
        if (m_paragraphEnded)
            m_cursor.insertBlock();
        m_paragraphEnded = false;
    }

    QTextDocument &m_document;
    QTextCursor m_cursor;
    bool m_paragraphEnded = false;
    int m_pictures = 0;
};

void readPlainText(QByteArrayView data, RtfContentSink &sink)
{
    QTextCharFormat format;
    format.setFontPointSize(PlainTextPointSize);
    static const QRegularExpression lineEnd(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = Win1252::toUnicode(data.toByteArray()).split(lineEnd);
    // A line end at the very end closes the last line; it opens no empty one.
    if (lines.size() > 1 && lines.last().isEmpty())
        lines.removeLast();
    for (const QString &line : lines) {
        if (!line.isEmpty())
            sink.text(line, format);
        sink.paragraphEnd(QTextBlockFormat(), format);
    }
}

} // namespace

QByteArrayView RtfReader::skipLeadingBlanks(QByteArrayView data)
{
    qsizetype start = 0;
    while (start < data.size()) {
        const char c = data[start];
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n' && c != '\b')
            break;
        ++start;
    }
    return data.sliced(start);
}

bool RtfReader::looksLikeRtf(QByteArrayView data)
{
    return skipLeadingBlanks(data).startsWith("{\\rtf");
}

bool RtfReader::read(QByteArrayView data, QTextDocument &document, QString *error)
{
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    DocumentBuilder builder(document);
    bool ok = true;
    if (looksLikeRtf(data)) {
        RtfParser parser(builder);
        ok = parser.parse(skipLeadingBlanks(data));
        if (!ok && error)
            *error = parser.errorString();
    } else {
        readPlainText(data, builder);
    }
    document.setUndoRedoEnabled(undo);
    return ok;
}
