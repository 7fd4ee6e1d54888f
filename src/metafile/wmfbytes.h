// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QRgb>
#include <QtEndian>
#include <QtGlobal>

// Little-endian fields read in order from a span of bytes that may end at any point. A read
// past the end yields 0 and marks the reader failed, so a handler reads all its fields and
// checks ok() once before acting on them.
class WmfBytes
{
public:
    WmfBytes() = default;
    WmfBytes(const uchar *data, qsizetype size) : m_data(data), m_size(size < 0 ? 0 : size) {}

    bool ok() const { return m_ok; }
    qsizetype position() const { return m_pos; }
    qsizetype remaining() const { return m_size - m_pos; }
    bool has(qsizetype bytes) const { return bytes >= 0 && bytes <= remaining(); }
    const uchar *current() const { return m_data + m_pos; }

    quint8 u8() { return take(1) ? m_data[m_pos - 1] : 0; }
    quint16 u16() { return take(2) ? qFromLittleEndian<quint16>(m_data + m_pos - 2) : 0; }
    qint16 s16() { return qint16(u16()); }
    quint32 u32() { return take(4) ? qFromLittleEndian<quint32>(m_data + m_pos - 4) : 0; }
    qint32 s32() { return qint32(u32()); }
    // The next count bytes, or nullptr (and failed) when fewer are left.
    const uchar *bytes(qsizetype count) { return take(count) ? m_data + m_pos - count : nullptr; }
    void skip(qsizetype count) { take(count); }

private:
    bool take(qsizetype count)
    {
        if (!m_ok || !has(count)) {
            m_ok = false;
            return false;
        }
        m_pos += count;
        return true;
    }

    const uchar *m_data = nullptr;
    qsizetype m_size = 0;
    qsizetype m_pos = 0;
    bool m_ok = true;
};

// A ColorRef, as both metafile formats store colours: red, green, blue, and 1 for an index
// into the selected palette (black when the palette has no such entry).
inline QRgb readColorRef(WmfBytes &params, const QList<QRgb> &palette)
{
    const quint8 r = params.u8();
    const quint8 g = params.u8();
    const quint8 b = params.u8();
    const quint8 kind = params.u8();
    if (kind == 0x01) {
        const int index = r | (g << 8);
        return index < palette.size() ? palette.at(index) : qRgb(0, 0, 0);
    }
    return qRgb(r, g, b);
}
