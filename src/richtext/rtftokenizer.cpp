// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtftokenizer.h"

#include <limits>

namespace {

// The format's own limits: control words are at most 32 letters, parameters at most 10
// digits; anything longer is damage and ends the word.
enum class Limit { WordLetters = 32, ParameterDigits = 10 };

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int RtfTokenizer::hexDigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

RtfToken RtfTokenizer::next()
{
    // Line ends in RTF are formatting of the file, not text.
    while (m_pos < m_text.size() && (m_text[m_pos] == '\r' || m_text[m_pos] == '\n'))
        ++m_pos;
    if (m_pos >= m_text.size())
        return {};
    const char c = m_text[m_pos];
    if (c == '{') {
        ++m_pos;
        return {RtfToken::Kind::GroupStart, {}};
    }
    if (c == '}') {
        ++m_pos;
        return {RtfToken::Kind::GroupEnd, {}};
    }
    if (c == '\\')
        return controlItem();
    return textRun();
}

RtfToken RtfTokenizer::binary(int length)
{
    const qsizetype available = m_text.size() - m_pos;
    const qsizetype count = qBound(qsizetype(0), qsizetype(length), available);
    RtfToken token {RtfToken::Kind::Binary, m_text.sliced(m_pos, count)};
    m_pos += count;
    return token;
}

RtfToken RtfTokenizer::controlItem()
{
    ++m_pos;
    if (m_pos >= m_text.size())
        return {};
    const char c = m_text[m_pos];
    if (isLetter(c))
        return controlWord();
    if (c == '\'')
        return hexByte();
    ++m_pos;
    // A backslash before a line end is an old spelling of \par.
    if (c == '\r' || c == '\n')
        return {RtfToken::Kind::ControlWord, QByteArrayView("par")};
    return {RtfToken::Kind::ControlSymbol, m_text.sliced(m_pos - 1, 1)};
}

RtfToken RtfTokenizer::controlWord()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size() && isLetter(m_text[m_pos])
           && m_pos - start < qsizetype(Limit::WordLetters))
        ++m_pos;
    RtfToken token {RtfToken::Kind::ControlWord, m_text.sliced(start, m_pos - start)};
    if (m_pos < m_text.size() && (m_text[m_pos] == '-' || isDigit(m_text[m_pos]))) {
        token.hasParameter = true;
        token.parameter = number();
    }
    // One space ends the word and belongs to it.
    if (m_pos < m_text.size() && m_text[m_pos] == ' ')
        ++m_pos;
    return token;
}

int RtfTokenizer::number()
{
    const bool negative = m_text[m_pos] == '-';
    if (negative)
        ++m_pos;
    qint64 value = 0;
    int digits = 0;
    while (m_pos < m_text.size() && isDigit(m_text[m_pos])) {
        if (digits++ < int(Limit::ParameterDigits))
            value = value * 10 + (m_text[m_pos] - '0');
        ++m_pos;
    }
    value = negative ? -value : value;
    return int(qBound(qint64(std::numeric_limits<int>::min()), value,
                      qint64(std::numeric_limits<int>::max())));
}

RtfToken RtfTokenizer::hexByte()
{
    ++m_pos;
    int value = 0;
    int digits = 0;
    while (digits < 2 && m_pos < m_text.size() && hexDigitValue(m_text[m_pos]) >= 0) {
        value = value * 16 + hexDigitValue(m_text[m_pos]);
        ++m_pos;
        ++digits;
    }
    if (digits == 0)
        return {RtfToken::Kind::Text, QByteArrayView()};
    RtfToken token {RtfToken::Kind::HexByte, {}};
    token.byte = static_cast<unsigned char>(value);
    return token;
}

RtfToken RtfTokenizer::textRun()
{
    const qsizetype start = m_pos;
    while (m_pos < m_text.size()) {
        const char c = m_text[m_pos];
        if (c == '{' || c == '}' || c == '\\' || c == '\r' || c == '\n')
            break;
        ++m_pos;
    }
    return {RtfToken::Kind::Text, m_text.sliced(start, m_pos - start)};
}
