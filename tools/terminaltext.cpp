// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "terminaltext.h"

#include <algorithm>
#include <cstdio>

namespace {

bool needsEscape(char32_t c, bool keepLines)
{
    if (keepLines && (c == '\n' || c == '\t'))
        return false;
    if (c < 0x20 || (c >= 0x7F && c <= 0x9F))
        return true;
    // Bidirectional embeddings, overrides and isolates.
    return (c >= 0x202A && c <= 0x202E) || (c >= 0x2066 && c <= 0x2069);
}

} // namespace

QString terminalText(const QString &text, bool keepLines)
{
    // Every character that needs it lies in the Basic Multilingual Plane, so UTF-16 units
    // are looked at one by one; text without any is handed back without a copy.
    const auto escaped = [keepLines](QChar c) { return needsEscape(c.unicode(), keepLines); };
    if (std::none_of(text.cbegin(), text.cend(), escaped))
        return text;
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        if (!escaped(c))
            out += c;
        else if (c.unicode() < 0x100)
            out += QStringLiteral("\\x") + QString::number(c.unicode(), 16).toUpper().rightJustified(2, QLatin1Char('0'));
        else
            out += QStringLiteral("\\u") + QString::number(c.unicode(), 16).toUpper();
    }
    return out;
}

void printProblem(const QString &message)
{
    // Messages that list several things keep their lines.
    std::fprintf(stderr, "orvane-render: %s\n", terminalText(message, true).toLocal8Bit().constData());
}

int failWith(const QString &message)
{
    printProblem(message);
    return 1;
}
