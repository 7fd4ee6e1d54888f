// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

// Holds the rich text of one day cell or label as RTF bytes. Copying copies the text.
class TWPRtfStorage
{
public:
    TWPRtfStorage() = default;
    explicit TWPRtfStorage(const QByteArray &rtf) : m_rtf(rtf) {}

    QByteArray rtf() const { return m_rtf; }
    void setRtf(const QByteArray &rtf) { m_rtf = rtf; }
    void assign(const TWPRtfStorage &source) { m_rtf = source.m_rtf; }
    void clear() { m_rtf.clear(); }

    // True for no text at all and for a text that is a single empty paragraph: nothing
    // but formatting, no visible character and no picture.
    bool isEmpty() const;
    static bool isEmptyRtf(const QByteArray &rtf);

    friend bool operator==(const TWPRtfStorage &, const TWPRtfStorage &) = default;

private:
    QByteArray m_rtf;
};
