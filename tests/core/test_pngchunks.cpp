// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/pngchunks.h"

#include <QtEndian>

namespace {

const QByteArray Signature("\x89PNG\r\n\x1a\n", 8);

QByteArray chunk(const char *type, const QByteArray &data)
{
    QByteArray bytes(4, '\0');
    qToBigEndian<quint32>(quint32(data.size()), bytes.data());
    return bytes + type + data + QByteArray(4, '\0'); // the CRC is not looked at
}

} // namespace

TEST(PngChunks, EveryChunkMustLieWithinTheData)
{
    const QByteArray whole = Signature + chunk("IHDR", QByteArray(13, '\1'))
                           + chunk("IDAT", QByteArray(40, '\2')) + chunk("IEND", {});
    EXPECT_FALSE(pngChunkRunsPastEnd(whole));
    // Bytes after the end chunk are never read, however they look.
    EXPECT_FALSE(pngChunkRunsPastEnd(whole + "\xff\xff\xff\xff"));
    // Cut inside a chunk's data, inside its length field, or a length of two gigabytes.
    EXPECT_TRUE(pngChunkRunsPastEnd(whole.left(whole.size() - 30)));
    EXPECT_TRUE(pngChunkRunsPastEnd(whole.left(Signature.size() + 2)));
    QByteArray huge = whole;
    qToBigEndian<quint32>(0x7FFFFFF0, huge.data() + Signature.size() + 25);
    EXPECT_TRUE(pngChunkRunsPastEnd(huge));
    // Data that is not PNG is left to its own reader.
    EXPECT_FALSE(pngChunkRunsPastEnd(QByteArray("\xff\xd8\xff\xe0 JPEG", 10)));
    EXPECT_FALSE(pngChunkRunsPastEnd({}));
}
