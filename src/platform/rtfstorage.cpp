// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfstorage.h"

#include <QByteArrayView>

#include <vector>

namespace {

bool isRtfSpace(char c)
{
    return c == ' ' || c == '\r' || c == '\n' || c == '\t';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// Groups whose words are document tables or metadata, not text.
bool isTableDestination(QByteArrayView word)
{
    static const char *const names[] = {"fonttbl", "colortbl", "stylesheet", "info",
                                        "listtable", "listoverridetable", "revtbl",
                                        "rsidtbl", "generator", "filetbl", "xmlnstbl"};
    for (const char *name : names) {
        if (word == QByteArrayView(name))
            return true;
    }
    return false;
}

// Pictures count as content wherever they sit, even in an ignorable destination that
// offers them as an alternative form.
bool isPictureWord(QByteArrayView word)
{
    return word == "pict" || word == "object" || word == "shp" || word == "shppict";
}

// Words that put a visible character into the text.
bool isCharacterWord(QByteArrayView word)
{
    return word == "tab" || word == "bullet" || word == "emdash" || word == "endash"
        || word == "lquote" || word == "rquote" || word == "ldblquote" || word == "rdblquote"
        || word == "u";
}

bool isParagraphBreak(QByteArrayView word)
{
    return word == "par" || word == "sect" || word == "page";
}

// Walks the RTF once; group depth is tracked on an explicit stack so deep nesting in a
// damaged text cannot exhaust the call stack.
class RtfScanner
{
public:
    explicit RtfScanner(QByteArrayView text) : m_text(text) {}

    bool hasContent()
    {
        std::vector<bool> skipped{false};
        bool groupStart = false;
        qsizetype pos = 0;
        while (pos < m_text.size()) {
            const char c = m_text[pos];
            if (c == '{') {
                skipped.push_back(skipped.back());
                groupStart = true;
                ++pos;
                continue;
            }
            if (c == '}') {
                if (skipped.size() > 1)
                    skipped.pop_back();
                groupStart = false;
                ++pos;
                continue;
            }
            if (c == '\\') {
                if (controlHasContent(pos, groupStart, skipped))
                    return true;
                groupStart = false;
                continue;
            }
            groupStart = false;
            ++pos;
            if (!skipped.back() && !isRtfSpace(c))
                return true;
        }
        return m_breaks > 1;
    }

private:
    bool controlHasContent(qsizetype &pos, bool groupStart, std::vector<bool> &skipped)
    {
        ++pos;
        if (pos >= m_text.size())
            return false;
        const char c = m_text[pos];
        if (!isLetter(c)) {
            ++pos;
            if (c == '*') {
                skipped.back() = true;
                return false;
            }
            if (c == '\'') {
                // A character by its code; a code cut off by the end of the text is none.
                const bool complete = m_text.size() - pos >= 2;
                pos = qMin(pos + 2, m_text.size());
                return complete && !skipped.back();
            }
            const bool symbol = c == '\\' || c == '{' || c == '}' || c == '~' || c == '_';
            return symbol && !skipped.back();
        }
        const qsizetype start = pos;
        while (pos < m_text.size() && isLetter(m_text[pos]))
            ++pos;
        const QByteArrayView word = m_text.sliced(start, pos - start);
        if (pos < m_text.size() && m_text[pos] == '-')
            ++pos;
        while (pos < m_text.size() && m_text[pos] >= '0' && m_text[pos] <= '9')
            ++pos;
        if (pos < m_text.size() && m_text[pos] == ' ')
            ++pos;
        if (isPictureWord(word))
            return true;
        if (groupStart && isTableDestination(word))
            skipped.back() = true;
        if (skipped.back())
            return false;
        if (isCharacterWord(word))
            return true;
        if (isParagraphBreak(word))
            ++m_breaks;
        return false;
    }

    QByteArrayView m_text;
    int m_breaks = 0;
};

} // namespace

bool TWPRtfStorage::isEmpty() const
{
    return isEmptyRtf(m_rtf);
}

bool TWPRtfStorage::isEmptyRtf(const QByteArray &rtf)
{
    const QByteArray trimmed = rtf.trimmed();
    if (trimmed.isEmpty())
        return true;
    if (!trimmed.startsWith("{\\rtf"))
        return false;
    return !RtfScanner(trimmed).hasContent();
}
