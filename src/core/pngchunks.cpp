// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pngchunks.h"

#include <QtEndian>

bool pngChunkRunsPastEnd(const QByteArray &bytes)
{
    static constexpr char Signature[] = "\x89PNG\r\n\x1a\n";
    constexpr qsizetype SignatureSize = 8;
    constexpr qsizetype ChunkOverhead = 12; // length, type, CRC
    if (!bytes.startsWith(QByteArrayView(Signature, SignatureSize)))
        return false;
    qsizetype at = SignatureSize;
    while (at < bytes.size()) {
        if (bytes.size() - at < ChunkOverhead)
            return true;
        const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
        if (length > quint64(bytes.size() - at - ChunkOverhead))
            return true;
        // Whatever follows the end chunk is never read.
        if (QByteArrayView(bytes).sliced(at + 4, 4) == "IEND")
            return false;
        at += ChunkOverhead + qsizetype(length);
    }
    return false;
}
