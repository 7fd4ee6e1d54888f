// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfcodepages.h"

#include "core/win1252.h"

#include <array>
#include <utility>

namespace {

QByteArray decoderName(int codePage)
{
    switch (codePage) {
    case 437: return "IBM437";
    case 850: return "IBM850";
    case 874: return "windows-874";
    case 932: return "Shift_JIS";
    case 936: return "GBK";
    case 949: return "windows-949";
    case 950: return "Big5";
    case 10000: return "macintosh";
    default: break;
    }
    if (codePage >= 1250 && codePage <= 1258)
        return "windows-" + QByteArray::number(codePage);
    return {};
}

// The Symbol font's letters and signs that have a place in Unicode; other bytes keep
// their value.
char16_t symbolCharacter(unsigned char byte)
{
    static const char16_t upper[26] = {u'Α', u'Β', u'Χ', u'Δ', u'Ε', u'Φ', u'Γ', u'Η', u'Ι',
                                       u'ϑ', u'Κ', u'Λ', u'Μ', u'Ν', u'Ο', u'Π', u'Θ', u'Ρ',
                                       u'Σ', u'Τ', u'Υ', u'ς', u'Ω', u'Ξ', u'Ψ', u'Ζ'};
    static const char16_t lower[26] = {u'α', u'β', u'χ', u'δ', u'ε', u'φ', u'γ', u'η', u'ι',
                                       u'ϕ', u'κ', u'λ', u'μ', u'ν', u'ο', u'π', u'θ', u'ρ',
                                       u'σ', u'τ', u'υ', u'ϖ', u'ω', u'ξ', u'ψ', u'ζ'};
    static const std::array<std::pair<unsigned char, char16_t>, 64> signs = {{
        {0x22, u'∀'}, {0x24, u'∃'}, {0x27, u'∋'}, {0x2A, u'∗'}, {0x2D, u'−'}, {0x40, u'≅'},
        {0x5C, u'∴'}, {0x5E, u'⊥'}, {0x7E, u'∼'}, {0xA1, u'ϒ'}, {0xA2, u'′'}, {0xA3, u'≤'},
        {0xA4, u'⁄'}, {0xA5, u'∞'}, {0xA6, u'ƒ'}, {0xA7, u'♣'}, {0xA8, u'♦'}, {0xA9, u'♥'},
        {0xAA, u'♠'}, {0xAB, u'↔'}, {0xAC, u'←'}, {0xAD, u'↑'}, {0xAE, u'→'}, {0xAF, u'↓'},
        {0xB0, u'°'}, {0xB1, u'±'}, {0xB2, u'″'}, {0xB3, u'≥'}, {0xB4, u'×'}, {0xB5, u'∝'},
        {0xB6, u'∂'}, {0xB7, u'•'}, {0xB8, u'÷'}, {0xB9, u'≠'}, {0xBA, u'≡'}, {0xBB, u'≈'},
        {0xBC, u'…'}, {0xBF, u'↵'}, {0xC0, u'ℵ'}, {0xC1, u'ℑ'}, {0xC2, u'ℜ'}, {0xC3, u'℘'},
        {0xC4, u'⊗'}, {0xC5, u'⊕'}, {0xC6, u'∅'}, {0xC7, u'∩'}, {0xC8, u'∪'}, {0xC9, u'⊃'},
        {0xCA, u'⊇'}, {0xCB, u'⊄'}, {0xCC, u'⊂'}, {0xCD, u'⊆'}, {0xCE, u'∈'}, {0xCF, u'∉'},
        {0xD0, u'∠'}, {0xD1, u'∇'}, {0xD5, u'∏'}, {0xD6, u'√'}, {0xD7, u'⋅'}, {0xD8, u'¬'},
        {0xD9, u'∧'}, {0xDA, u'∨'}, {0xE5, u'∑'}, {0xF2, u'∫'},
    }};
    if (byte >= 0x41 && byte <= 0x5A)
        return upper[byte - 0x41];
    if (byte >= 0x61 && byte <= 0x7A)
        return lower[byte - 0x61];
    for (const auto &[code, character] : signs) {
        if (code == byte)
            return character;
    }
    return byte;
}

} // namespace

int RtfTextDecoder::codePageOfCharset(int charset)
{
    switch (charset) {
    case 2: return SymbolCodePage;
    case 77: return 10000;
    case 128: return 932;
    case 129: return 949;
    case 134: return 936;
    case 136: return 950;
    case 161: return 1253;
    case 162: return 1254;
    case 163: return 1258;
    case 177: return 1255;
    case 178: return 1256;
    case 186: return 1257;
    case 204: return 1251;
    case 222: return 874;
    case 238: return 1250;
    default: return 0;
    }
}

bool RtfTextDecoder::isKnownCodePage(int codePage)
{
    return codePage == 1252 || codePage == SymbolCodePage
        || QStringDecoder(decoderName(codePage).constData()).isValid();
}

QStringDecoder &RtfTextDecoder::decoder(int codePage)
{
    auto found = m_decoders.find(codePage);
    if (found == m_decoders.end())
        found = m_decoders.emplace(codePage, QStringDecoder(decoderName(codePage).constData())).first;
    return found->second;
}

QString RtfTextDecoder::decode(QByteArrayView bytes, int codePage, const QString &fontName)
{
    if (codePage == SymbolCodePage) {
        QString text;
        const bool symbolFont = fontName.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0;
        for (char byte : bytes)
            text.append(QChar(symbolFont ? symbolCharacter(uchar(byte)) : char16_t(uchar(byte))));
        return text;
    }
    if (codePage != 1252) {
        QStringDecoder &stateful = decoder(codePage);
        if (stateful.isValid())
            return stateful.decode(bytes);
    }
    return Win1252::toUnicode(bytes.toByteArray());
}
