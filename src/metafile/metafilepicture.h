// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QRect>

class QPainter;

// A Windows or enhanced metafile held as its file bytes, drawn stretched into a rectangle.
class MetafilePicture
{
public:
    MetafilePicture() = default;

    bool isEmpty() const { return m_bytes.isEmpty(); }
    const QByteArray &bytes() const { return m_bytes; }
    // Takes the bytes when they start like a metafile; false (and the picture unchanged)
    // otherwise.
    bool setBytes(const QByteArray &bytes);
    // Takes the bytes of an enhanced metafile (the kind is kept so it can be stored again);
    // false (and the picture unchanged) when they do not start like one.
    bool setEnhancedBytes(const QByteArray &bytes);
    bool isEnhanced() const { return m_enhanced; }
    void clear();

    // The picture's own frame in its logical units from a placeable header; empty when
    // the file has none.
    QRect frame() const { return m_frame; }
    // Logical units per inch of a placeable header, 0 without one.
    int unitsPerInch() const { return m_unitsPerInch; }

    // Draws the picture scaled to fill target (device coordinates of painter): an enhanced
    // metafile's frame, a Windows metafile's window.
    void draw(QPainter &painter, const QRectF &target) const;

    // Whether bytes start like a Windows metafile (placeable or plain header).
    static bool looksLikeMetafile(const QByteArray &bytes);
    // Whether bytes start with an enhanced-metafile header: record type 1, the signature
    // " EMF" at byte 40, and at least 89 bytes in all.
    static bool looksLikeEnhanced(const QByteArray &bytes);

    friend bool operator==(const MetafilePicture &a, const MetafilePicture &b)
    {
        return a.m_bytes == b.m_bytes;
    }

private:
    QByteArray m_bytes;
    QRect m_frame;
    int m_unitsPerInch = 0;
    bool m_enhanced = false;
};
