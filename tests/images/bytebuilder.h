// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QtEndian>

// Builds little-endian test files field by field.
class ByteBuilder
{
public:
    ByteBuilder &u8(int value) { m_bytes.append(char(value)); return *this; }
    ByteBuilder &u16(int value) { return raw<quint16>(quint16(value)); }
    ByteBuilder &u32(qint64 value) { return raw<quint32>(quint32(value)); }
    ByteBuilder &s32(int value) { return raw<qint32>(value); }
    ByteBuilder &bytes(const QByteArray &value) { m_bytes.append(value); return *this; }
    ByteBuilder &fill(int count, int value = 0) { m_bytes.append(count, char(value)); return *this; }
    const QByteArray &data() const { return m_bytes; }
    qsizetype size() const { return m_bytes.size(); }

private:
    template<typename T>
    ByteBuilder &raw(T value)
    {
        char buffer[sizeof(T)];
        qToLittleEndian(value, buffer);
        m_bytes.append(buffer, sizeof(T));
        return *this;
    }

    QByteArray m_bytes;
};
