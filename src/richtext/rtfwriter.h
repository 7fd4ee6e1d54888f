// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QColor>
#include <QStringList>

#include <vector>

class QTextBlock;
class QTextCharFormat;
class QTextDocument;
class QTextFragment;
class QTextImageFormat;

// Writes a QTextDocument as RTF in the dialect RtfReader reads: a font and a colour
// table, each paragraph with its alignment, indents and spacing, each run with its
// character format, characters outside Windows-1252 as \uN, pictures as PNG data.
class RtfWriter
{
public:
    static QByteArray write(const QTextDocument &document);

private:
    explicit RtfWriter(const QTextDocument &document) : m_document(document) {}

    QByteArray run();
    QByteArray header() const;
    void writeText(const QString &text, QByteArray &out) const;
    void writeBlock(const QTextBlock &block);
    void writeFragment(const QTextFragment &fragment);
    void writePicture(const QTextImageFormat &format);
    QByteArray characterFormat(const QTextCharFormat &format);
    QString familyOf(const QTextCharFormat &format) const;
    int fontIndex(const QString &family);
    int colorIndex(const QColor &color);

    const QTextDocument &m_document;
    QByteArray m_body;
    QStringList m_fonts;
    std::vector<QColor> m_colors;
};
