// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>

// One lexical item of an RTF text.
struct RtfToken
{
    enum class Kind {
        End,
        GroupStart,
        GroupEnd,
        ControlWord,
        ControlSymbol,
        HexByte,
        Text,
        Binary
    };

    Kind kind = Kind::End;
    // The control word's letters, the control symbol's character, or the text run.
    QByteArrayView data;
    bool hasParameter = false;
    int parameter = 0;
    unsigned char byte = 0;
};

// Splits RTF into tokens. Never reads past the end of the text: a control word or escape
// cut off by the end is returned as far as it goes, and \bin data longer than the rest of
// the text is shortened to it. Numbers beyond the 32-bit range saturate.
class RtfTokenizer
{
public:
    explicit RtfTokenizer(QByteArrayView text) : m_text(text) {}

    RtfToken next();
    // Reads the raw bytes that follow a \binN word.
    RtfToken binary(int length);
    bool atEnd() const { return m_pos >= m_text.size(); }

    // The value of a hexadecimal digit of either case, or -1 for any other character; for
    // \' escapes and picture data alike.
    static int hexDigitValue(char c);

private:
    RtfToken controlItem();
    RtfToken controlWord();
    RtfToken hexByte();
    RtfToken textRun();
    int number();

    QByteArrayView m_text;
    qsizetype m_pos = 0;
};
