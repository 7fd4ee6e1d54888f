// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "rtfstorage.h"

#include "richtext/rtfparser.h"
#include "richtext/rtfreader.h"

namespace {

// Reads the text as the reader does and watches for anything that would show: a
// character other than a blank, a picture, or a second paragraph.
class ContentProbe : public RtfContentSink
{
public:
    void text(const QString &text, const QTextCharFormat &) override
    {
        for (QChar c : text) {
            if (c != QLatin1Char(' '))
                m_content = true;
        }
    }
    void paragraphEnd(const QTextBlockFormat &, const QTextCharFormat &) override
    {
        if (++m_paragraphs > 1)
            m_content = true;
    }
    void picture(const QImage &, const QSizeF &, const QTextCharFormat &) override
    {
        m_content = true;
    }
    bool satisfied() const override { return m_content; }
    bool wantsImages() const override { return false; }

private:
    bool m_content = false;
    int m_paragraphs = 0;
};

} // namespace

bool TWPRtfStorage::isEmpty() const
{
    return isEmptyRtf(m_rtf);
}

bool TWPRtfStorage::isEmptyRtf(const QByteArray &rtf)
{
    const QByteArrayView text = RtfReader::skipLeadingBlanks(rtf);
    if (text.trimmed().isEmpty())
        return true;
    // A text too large to read is kept as it is rather than taken for empty.
    if (!RtfReader::looksLikeRtf(text) || text.size() > RtfParser::MaxInputBytes)
        return false;
    ContentProbe probe;
    RtfParser(probe).parse(text);
    return !probe.satisfied();
}
