// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "metafile/metafilepicture.h"

#include <QtEndian>

namespace {

QByteArray placeableMetafile(qint16 right, qint16 bottom, quint16 unitsPerInch)
{
    QByteArray bytes(22 + 18, '\0');
    auto *data = reinterpret_cast<uchar *>(bytes.data());
    qToLittleEndian<quint32>(0x9AC6CDD7, data);
    qToLittleEndian<qint16>(right, data + 10);
    qToLittleEndian<qint16>(bottom, data + 12);
    qToLittleEndian<quint16>(unitsPerInch, data + 14);
    qToLittleEndian<quint16>(1, data + 22);
    qToLittleEndian<quint16>(9, data + 24);
    return bytes;
}

} // namespace

TEST(MetafilePicture, KeepsMetafileBytesOnly)
{
    MetafilePicture picture;
    EXPECT_FALSE(picture.setBytes(QByteArray("not a metafile at all, not even close")));
    EXPECT_FALSE(picture.setBytes(placeableMetafile(100, 100, 1440).left(30)));
    EXPECT_TRUE(picture.isEmpty());

    const QByteArray bytes = placeableMetafile(2000, 1000, 1440);
    ASSERT_TRUE(picture.setBytes(bytes));
    EXPECT_EQ(picture.bytes(), bytes);
    EXPECT_EQ(picture.frame(), QRect(0, 0, 2000, 1000));
    EXPECT_EQ(picture.unitsPerInch(), 1440);

    QByteArray plain(18, '\0');
    qToLittleEndian<quint16>(1, reinterpret_cast<uchar *>(plain.data()));
    qToLittleEndian<quint16>(9, reinterpret_cast<uchar *>(plain.data()) + 2);
    ASSERT_TRUE(picture.setBytes(plain));
    EXPECT_TRUE(picture.frame().isEmpty());
    picture.clear();
    EXPECT_TRUE(picture.isEmpty());
}
