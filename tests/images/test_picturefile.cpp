// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "images/picturefile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

TEST(PictureFile, KindFollowsTheTextAfterTheLastDot)
{
    const struct {
        const char *path;
        PictureKind kind;
    } cases[] = {
        {"a.jpg", PictureKind::Jpg},           {"A.GIF", PictureKind::Gif},
        {"x.Jif", PictureKind::Jif},           {"x.bmp", PictureKind::Bmp},
        {"x.dib", PictureKind::Dib},           {"x.rle", PictureKind::Rle},
        {"x.tga", PictureKind::Tga},           {"x.pcx", PictureKind::Pcx},
        {"a.b.JPG", PictureKind::Jpg},         {"a.jpg.txt", PictureKind::Other},
        {"noextension", PictureKind::Other},   {"/some/folder.bmp/picture", PictureKind::Other},
        {"/some/dir.v2/clip.Pcx", PictureKind::Pcx}, {"C:\\Art.old\\clip.tga", PictureKind::Tga},
        {"trailing.", PictureKind::Other},     {"x.jpeg", PictureKind::Other},
        {"x.wmf", PictureKind::Other},         {"", PictureKind::Other},
        {"x.WebP", PictureKind::Webp},         {"x.tif", PictureKind::Tiff},
        {"x.TIFF", PictureKind::Tiff},         {"x.svg", PictureKind::Other},
        {"x.png", PictureKind::Other},
    };
    for (const auto &entry : cases)
        EXPECT_EQ(pictureKind(QString::fromUtf8(entry.path)), entry.kind) << entry.path;
    EXPECT_EQ(int(pictureKind(QStringLiteral("x.pcx"))), 8);
    EXPECT_EQ(int(pictureKind(QStringLiteral("x.tif"))), 10);
    EXPECT_EQ(pictureExtension(QStringLiteral("/a.b/c.d.wMf")), QStringLiteral("WMF"));
}

TEST(PictureFile, ReadsOnlyRegularFilesWithinTheLimit)
{
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString fifo = dir.filePath(QStringLiteral("pipe.bmp"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    BytesResult result = readPictureFile(fifo);
    EXPECT_FALSE(result.ok());
    EXPECT_TRUE(result.error.contains(QStringLiteral("not a regular file"))) << result.error.toStdString();

    result = readPictureFile(dir.path());
    EXPECT_TRUE(result.error.contains(QStringLiteral("folder"))) << result.error.toStdString();
    EXPECT_FALSE(readPictureFile(dir.filePath(QStringLiteral("missing.bmp"))).ok());
    EXPECT_FALSE(readPictureFile(QStringLiteral("/dev/zero")).ok());

    const QString file = dir.filePath(QStringLiteral("ten.bmp"));
    QFile out(file);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write("0123456789");
    out.close();
    result = readPictureFile(file, 10);
    EXPECT_TRUE(result.ok());
    EXPECT_EQ(result.bytes, QByteArray("0123456789"));
    EXPECT_FALSE(readPictureFile(file, 9).ok());
}
