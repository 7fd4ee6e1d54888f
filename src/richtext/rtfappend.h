// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTextCharFormat>

// Appends text to a rich text as a new paragraph. The new paragraph takes the character
// format of the last character that has a font size (counting one separator between
// paragraphs); an empty text is filled in its single paragraph with defaultFormat.
QByteArray appendParagraphToRtf(const QByteArray &rtf, const QString &text,
                                const QTextCharFormat &defaultFormat);
