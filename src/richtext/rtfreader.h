// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

class QTextDocument;

// Loads a stored rich text into a QTextDocument. Pictures become image resources of the
// document; lengths are in layout pixels (see RtfUnits).
class RtfReader
{
public:
    // Replaces the document's content. A text that does not start like RTF is read as
    // plain Windows-1252 text, a paragraph per line. Returns false for damaged RTF; what
    // was read before the damage stays in the document.
    static bool read(QByteArrayView data, QTextDocument &document, QString *error = nullptr);

    // Whether data is RTF once leading blanks, tabs, line ends and backspaces are skipped.
    static bool looksLikeRtf(QByteArrayView data);
    static QByteArrayView skipLeadingBlanks(QByteArrayView data);
};
