// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>
#include <QStringDecoder>

#include <map>

// Turns the 8-bit text of RTF into Unicode in the code page that applies to it: the
// document's (\ansicpg) or that of the current font's character set (\fcharset).
// Decoders keep their state between calls, so a two-byte character written as two
// escapes is read whole.
class RtfTextDecoder
{
public:
    // The code page of the symbol character set: bytes are glyph numbers of the font.
    enum : int { SymbolCodePage = 42 };

    // The code page of a font character set; 0 when the set has none of its own (ANSI,
    // default) and the document's code page applies.
    static int codePageOfCharset(int charset);
    // Whether text in that code page can be read.
    static bool isKnownCodePage(int codePage);

    // fontName matters only for the symbol code page: the Symbol font's letters are
    // Greek and mathematical signs, other symbol fonts keep their byte values.
    QString decode(QByteArrayView bytes, int codePage, const QString &fontName);

private:
    QStringDecoder &decoder(int codePage);

    std::map<int, QStringDecoder> m_decoders;
};
