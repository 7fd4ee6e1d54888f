// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/filebytes.h"
#include "core/inifile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <sys/stat.h>

using FileBytes::Failure;

namespace {

QString writeFile(const QTemporaryDir &dir, const QString &name, const QByteArray &bytes)
{
    const QString path = dir.filePath(name);
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
    return path;
}

} // namespace

TEST(FileBytes, ReadsRegularFilesAndLinksToThemUpToTheLimit)
{
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("a.OVF"), "12345");
    EXPECT_EQ(FileBytes::readRegularFile(path, 5).bytes, QByteArray("12345"));
    const QString link = dir.filePath(QStringLiteral("link.OVF"));
    ASSERT_TRUE(QFile::link(path, link));
    EXPECT_EQ(FileBytes::readRegularFile(link, 5).bytes, QByteArray("12345"));
    const FileBytes::ReadResult large = FileBytes::readRegularFile(path, 4);
    EXPECT_EQ(large.failure, Failure::TooLarge);
    EXPECT_TRUE(large.bytes.isEmpty());
    EXPECT_EQ(FileBytes::readRegularFile(dir.filePath(QStringLiteral("none")), 5).failure,
              Failure::NotFound);
}

TEST(FileBytes, DevicesPipesAndFoldersAreRefusedAtOnce)
{
    QTemporaryDir dir;
    // Endless devices would be read until memory ran out; a pipe without a writer would
    // block for ever. Both are refused before a byte is read.
    for (const char *device : {"/dev/zero", "/dev/urandom"}) {
        const QString link = dir.filePath(QStringLiteral("device-%1.OVF").arg(QFileInfo(device).fileName()));
        ASSERT_TRUE(QFile::link(QString::fromLatin1(device), link));
        const FileBytes::ReadResult read = FileBytes::readRegularFile(link, 1024);
        EXPECT_EQ(read.failure, Failure::NotRegular) << device;
        EXPECT_TRUE(read.bytes.isEmpty());
    }
    const QString fifo = dir.filePath(QStringLiteral("pipe.OVF"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    EXPECT_EQ(FileBytes::readRegularFile(fifo, 1024).failure, Failure::NotRegular);
    const FileBytes::ReadResult folder = FileBytes::readRegularFile(dir.path(), 1024);
    EXPECT_EQ(folder.failure, Failure::Folder);
    EXPECT_EQ(folder.reason, QStringLiteral("it is a folder, not a file"));
}

TEST(FileBytes, SavesNeverReplaceDevicesPipesOrFolders)
{
    QTemporaryDir dir;
    EXPECT_TRUE(FileBytes::unsafeSaveTarget(dir.filePath(QStringLiteral("new.OVF"))).isEmpty());
    const QString file = writeFile(dir, QStringLiteral("old.OVF"), "x");
    EXPECT_TRUE(FileBytes::unsafeSaveTarget(file).isEmpty());
    const QString link = dir.filePath(QStringLiteral("to-null.OVF"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/null"), link));
    EXPECT_FALSE(FileBytes::unsafeSaveTarget(link).isEmpty());
    EXPECT_FALSE(FileBytes::unsafeSaveTarget(dir.path()).isEmpty());

    // The preferences file is neither read from nor written over a device.
    IniFile ini(link);
    EXPECT_EQ(ini.readString(QStringLiteral("Section"), QStringLiteral("Key"), QStringLiteral("none")),
              QStringLiteral("none"));
    EXPECT_FALSE(ini.writeString(QStringLiteral("Section"), QStringLiteral("Key"), QStringLiteral("1")));
    EXPECT_TRUE(QFileInfo(link).isSymLink());
}
