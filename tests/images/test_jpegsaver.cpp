// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "images/jpegsaver.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QTemporaryDir>

#include <unistd.h>

namespace {

QImage sample()
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(qRgb(200, 40, 40));
    return image;
}

QStringList entries(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
}

} // namespace

TEST(JpegSaver, WritesAJpegAndNothingElse)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("page.jpg"));
    const ImageStatus status = saveJpeg(sample(), path);
    ASSERT_TRUE(status.ok()) << status.error.toStdString();
    QImageReader reader(path);
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage back = reader.read();
    EXPECT_EQ(back.size(), QSize(40, 30));
    EXPECT_NEAR(qRed(back.pixel(20, 15)), 200, 12);
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("page.jpg")});

    // Saving again replaces the file in place.
    ASSERT_TRUE(saveJpeg(sample().scaled(10, 10), path).ok());
    EXPECT_EQ(QImageReader(path).size(), QSize(10, 10));
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("page.jpg")});
}

TEST(JpegSaver, FailedSavesLeaveNothingBehind)
{
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(plain.open(QIODevice::WriteOnly));
    plain.close();
    EXPECT_FALSE(saveJpeg(sample(), dir.filePath(QStringLiteral("plain/page.jpg"))).ok());
    EXPECT_FALSE(saveJpeg(sample(), dir.filePath(QStringLiteral("missing/page.jpg"))).ok());
    EXPECT_FALSE(saveJpeg(QImage(), dir.filePath(QStringLiteral("empty.jpg"))).ok());
    EXPECT_EQ(entries(dir.path()), QStringList{QStringLiteral("plain")});

    // Permissions do not stop the superuser, so this part needs an ordinary user.
    if (::geteuid() != 0) {
        const QString locked = dir.filePath(QStringLiteral("locked"));
        ASSERT_TRUE(QDir().mkdir(locked));
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::ExeOwner);
        EXPECT_FALSE(saveJpeg(sample(), locked + QStringLiteral("/page.jpg")).ok());
        EXPECT_TRUE(entries(locked).isEmpty());
        QFile::setPermissions(locked, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
}
