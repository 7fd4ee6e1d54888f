// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "bytebuilder.h"
#include "images/bmpfile.h"
#include "images/picture.h"
#include "images/rasterloader.h"

#include <QBuffer>
#include <QFile>
#include <QPainter>
#include <QTemporaryDir>

namespace {

QImage redSquare(int side = 2)
{
    QImage image(side, side, QImage::Format_RGB32);
    image.fill(qRgb(255, 0, 0));
    return image;
}

// A Windows metafile: the 18-byte header and the end record, with a window extent record
// when one is given.
QByteArray plainMetafile(QSize windowExtent = {})
{
    ByteBuilder b;
    const int words = 9 + (windowExtent.isEmpty() ? 0 : 5) + 3;
    b.u16(1).u16(9).u16(0x300).u32(words).u16(0).u32(5).u16(0); // header
    if (!windowExtent.isEmpty())
        b.u32(5).u16(0x020C).u16(windowExtent.height()).u16(windowExtent.width());
    b.u32(3).u16(0); // end of file
    return b.data();
}

QByteArray placeableMetafile()
{
    ByteBuilder b;
    b.u32(0x9AC6CDD7).u16(0).u16(0).u16(0).u16(1440).u16(720).u16(1440).u32(0);
    const QByteArray head = b.data();
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= qFromLittleEndian<quint16>(head.constData() + i);
    b.u16(checksum).bytes(plainMetafile());
    return b.data();
}

QByteArray enhancedMetafile()
{
    ByteBuilder b;
    b.u32(1).u32(88).s32(0).s32(0).s32(99).s32(49);        // header record, device bounds
    b.s32(0).s32(0).s32(2540).s32(1270);                   // frame, hundredths of a mm
    b.bytes(" EMF").u32(0x10000).u32(108).u32(2).u16(1).u16(0); // signature .. handles
    b.u32(0).u32(0).u32(0).s32(1024).s32(768).s32(320).s32(240); // to millimetres
    b.u32(14).u32(20).u32(0).u32(16).u32(20);              // end-of-file record
    return b.data();
}

QByteArray iconFile()
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImage image(16, 8, QImage::Format_ARGB32);
    image.fill(qRgba(0, 0, 255, 255));
    EXPECT_TRUE(image.save(&buffer, "ICO"));
    return bytes;
}

QByteArray shortName(const char *name)
{
    return QByteArray(1, char(qstrlen(name))) + name;
}

} // namespace

TEST(Picture, BitmapDataIsALengthAndABmpFile)
{
    Picture picture;
    picture.setBitmap(redSquare());
    const QByteArray data = picture.pictureData();
    const QByteArray bmp = writeBmp(redSquare());
    EXPECT_EQ(data.left(8), shortName("TBitmap"));
    EXPECT_EQ(qFromLittleEndian<quint32>(data.constData() + 8), quint32(bmp.size()));
    EXPECT_EQ(data.mid(12, 2), QByteArray("BM"));
    EXPECT_EQ(qFromLittleEndian<quint32>(data.constData() + 14), quint32(bmp.size()));
    EXPECT_EQ(data.mid(12), bmp);
    EXPECT_EQ(picture.bitmapData(), data.mid(8));

    Picture back;
    ASSERT_TRUE(back.setPictureData(data).ok());
    EXPECT_EQ(back.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(back.size(), QSize(2, 2));
    EXPECT_EQ(back.image().pixel(1, 1), qRgb(255, 0, 0));
    EXPECT_EQ(back.pictureData(), data);

    Picture fromBitmapData;
    ASSERT_TRUE(fromBitmapData.setBitmapData(picture.bitmapData()).ok());
    EXPECT_EQ(fromBitmapData.image().pixel(0, 0), qRgb(255, 0, 0));

    Picture empty;
    empty.setBitmap(QImage());
    EXPECT_EQ(empty.pictureData(), shortName("TBitmap") + QByteArray(4, '\0'));
    EXPECT_TRUE(Picture().pictureData().isEmpty());
    ASSERT_TRUE(back.setPictureData(empty.pictureData()).ok());
    EXPECT_TRUE(back.isEmpty());
    EXPECT_EQ(back.kind(), Picture::Kind::Bitmap);
}

TEST(Picture, MetafilesAndIconsRoundTripByteForByte)
{
    const QByteArray placeable = placeableMetafile();
    const QByteArray enhanced = enhancedMetafile();
    const QByteArray icon = iconFile();
    for (const QByteArray &bytes : {placeable, enhanced}) {
        MetafilePicture metafile;
        ASSERT_TRUE(metafile.setBytes(bytes) || metafile.setEnhancedBytes(bytes));
        Picture picture;
        picture.setMetafile(metafile);
        const QByteArray data = picture.pictureData();
        ByteBuilder expected;
        expected.bytes(shortName("TMetafile")).u32(bytes.size() + 4).bytes(bytes);
        EXPECT_EQ(data, expected.data());
        Picture back;
        ASSERT_TRUE(back.setPictureData(data).ok());
        EXPECT_EQ(back.metafile().bytes(), bytes);
        EXPECT_EQ(back.metafile().isEnhanced(), bytes == enhanced);
        EXPECT_EQ(back.pictureData(), data);
    }
    Picture metafile;
    ASSERT_TRUE(metafile.setPictureData(shortName("TMetafile") + ByteBuilder().u32(enhanced.size() + 4).data() + enhanced).ok());
    EXPECT_EQ(metafile.size(), QSize(96, 48));
    ASSERT_TRUE(metafile.setPictureData(shortName("TMetafile") + ByteBuilder().u32(placeable.size() + 4).data() + placeable).ok());
    EXPECT_EQ(metafile.size(), QSize(96, 48));

    Picture picture;
    ASSERT_TRUE(picture.setIcon(icon).ok());
    EXPECT_EQ(picture.size(), QSize(16, 8));
    EXPECT_EQ(picture.pictureData(), shortName("TIcon") + icon);
    Picture back;
    ASSERT_TRUE(back.setPictureData(picture.pictureData()).ok());
    EXPECT_EQ(back.kind(), Picture::Kind::Icon);
    EXPECT_EQ(back.iconBytes(), icon);
    EXPECT_EQ(back.image().pixel(3, 3), qRgb(0, 0, 255));
}

TEST(Picture, PlainMetafilesGetAPlaceableHeader)
{
    MetafilePicture metafile;
    ASSERT_TRUE(metafile.setBytes(plainMetafile(QSize(192, 96))));
    Picture picture;
    picture.setMetafile(metafile);
    EXPECT_EQ(picture.size(), QSize(192, 96));
    const QByteArray data = picture.pictureData();
    const QByteArray stored = data.mid(14);
    ASSERT_EQ(stored.size(), 22 + metafile.bytes().size());
    const auto word = [&stored](int offset) { return qFromLittleEndian<quint16>(stored.constData() + offset); };
    EXPECT_EQ(qFromLittleEndian<quint32>(stored.constData()), 0x9AC6CDD7u);
    EXPECT_EQ(word(10), 5080);  // two inches at 2540 units an inch
    EXPECT_EQ(word(12), 2540);
    EXPECT_EQ(word(14), 2540);
    quint16 checksum = 0;
    for (int i = 0; i < 20; i += 2)
        checksum ^= word(i);
    EXPECT_EQ(word(20), checksum);
    EXPECT_EQ(stored.mid(22), metafile.bytes());
    Picture back;
    ASSERT_TRUE(back.setPictureData(data).ok());
    EXPECT_EQ(back.size(), QSize(192, 96));
}

TEST(Picture, DamagedBlocksLeaveThePictureUnchanged)
{
    Picture source;
    source.setBitmap(redSquare());
    const QByteArray bitmap = source.pictureData();
    const QByteArray metafile = shortName("TMetafile") + ByteBuilder().u32(placeableMetafile().size() + 4).data()
        + placeableMetafile();
    Picture picture;
    ASSERT_TRUE(picture.setIcon(iconFile()).ok());
    const Picture before = picture;
    int changes = 0;
    picture.setChangeCallback([&changes] { ++changes; });
    for (const QByteArray &data : {bitmap, metafile}) {
        for (qsizetype length = 0; length < data.size(); ++length)
            EXPECT_FALSE(picture.setPictureData(data.left(length)).ok()) << "cut at " << length;
    }
    for (qsizetype length = 0; length < source.bitmapData().size(); ++length)
        EXPECT_FALSE(picture.setBitmapData(source.bitmapData().left(length)).ok());
    EXPECT_FALSE(picture.setPictureData(shortName("TJPEGImage") + bitmap.mid(8)).ok());
    EXPECT_FALSE(picture.setPictureData(QByteArray(1, char(64)) + QByteArray(64, 'T')).ok());
    EXPECT_FALSE(picture.setPictureData(shortName("TMetafile") + ByteBuilder().u32(3).data()).ok());
    EXPECT_FALSE(picture.setPictureData(shortName("TMetafile") + ByteBuilder().u32(8).data() + "abcd").ok());
    EXPECT_FALSE(picture.setPictureData(shortName("TIcon") + "not an icon at all, really not").ok());
    EXPECT_TRUE(picture == before);
    EXPECT_EQ(changes, 0);

    ASSERT_TRUE(picture.setPictureData(bitmap).ok());
    picture = before;
    picture.clear();
    EXPECT_EQ(changes, 3);
}

TEST(Picture, DrawsStretchedIntoTheRectangle)
{
    QImage canvas(20, 20, QImage::Format_RGB32);
    canvas.fill(Qt::white);
    Picture picture;
    picture.setBitmap(redSquare());
    QPainter painter(&canvas);
    picture.draw(painter, QRect(5, 5, 10, 10));
    Picture().draw(painter, QRect(0, 0, 20, 20));
    painter.end();
    EXPECT_EQ(canvas.pixel(5, 5), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(14, 14), qRgb(255, 0, 0));
    EXPECT_EQ(canvas.pixel(4, 4), qRgb(255, 255, 255));
    EXPECT_EQ(canvas.pixel(15, 15), qRgb(255, 255, 255));
}

TEST(Picture, LoadsFilesByExtension)
{
    QTemporaryDir dir;
    const auto write = [&dir](const QString &name, const QByteArray &bytes) {
        QFile file(dir.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    };
    Picture picture;
    ASSERT_TRUE(picture.loadFromFile(write(QStringLiteral("a.wmf"), placeableMetafile())).ok());
    EXPECT_EQ(picture.kind(), Picture::Kind::Metafile);
    ASSERT_TRUE(picture.loadFromFile(write(QStringLiteral("a.emf"), enhancedMetafile())).ok());
    EXPECT_TRUE(picture.metafile().isEnhanced());
    ASSERT_TRUE(picture.loadFromFile(write(QStringLiteral("a.ico"), iconFile())).ok());
    EXPECT_EQ(picture.kind(), Picture::Kind::Icon);
    ASSERT_TRUE(picture.loadFromFile(write(QStringLiteral("a.dib"), writeBmp(redSquare(3)))).ok());
    EXPECT_EQ(picture.kind(), Picture::Kind::Bitmap);
    EXPECT_EQ(picture.size(), QSize(3, 3));

    QByteArray jpeg;
    QBuffer buffer(&jpeg);
    buffer.open(QIODevice::WriteOnly);
    QImage indexed = redSquare(4).convertToFormat(QImage::Format_Indexed8);
    ASSERT_TRUE(indexed.save(&buffer, "JPEG"));
    ASSERT_TRUE(picture.loadFromFile(write(QStringLiteral("photo.JIF"), jpeg)).ok());
    EXPECT_EQ(picture.image().format(), QImage::Format_RGB32);
    EXPECT_EQ(picture.size(), QSize(4, 4));

    const Picture before = picture;
    EXPECT_FALSE(picture.loadFromFile(write(QStringLiteral("bad.bmp"), QByteArray("BM garbage"))).ok());
    EXPECT_FALSE(picture.loadFromFile(write(QStringLiteral("bad.wmf"), QByteArray(40, 'x'))).ok());
    EXPECT_FALSE(picture.loadFromFile(write(QStringLiteral("a.emf.png"), enhancedMetafile())).ok());
    EXPECT_FALSE(picture.loadFromFile(dir.path()).ok());
    EXPECT_TRUE(picture == before);
}

TEST(Picture, APngWhoseChunkRunsPastTheFileIsRefusedBeforeDecoding)
{
    QImage image(8, 6, QImage::Format_RGB32);
    image.fill(Qt::red);
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    ASSERT_TRUE(image.save(&buffer, "PNG"));
    EXPECT_TRUE(decodeWithReader(png, "png").ok());
    // The first chunk after the header (IHDR at 8) claims two gigabytes.
    QByteArray damaged = png;
    const qsizetype second = 8 + 12 + 13;
    damaged[second] = char(0x7F);
    const ImageResult result = decodeWithReader(damaged, "png");
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.image.isNull());
}
