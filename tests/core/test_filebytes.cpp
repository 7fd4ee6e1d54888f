// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/filebytes.h"
#include "core/inifile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <cstdio>
#include <cstring>

#include <dirent.h>
#include <sys/file.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <sys/stat.h>
#include <unistd.h>

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

TEST(FileBytes, ReadingASmallFileNeedsNoMemoryForTheLimit)
{
    // Documents are read with a limit of hundreds of megabytes; a small one must not need
    // that much memory, which a system with a memory limit would not give.
    QTemporaryDir dir;
    const QString path = writeFile(dir, QStringLiteral("small.OVF"), QByteArray(1000, 'x'));
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        long pages = 0;
        if (FILE *statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1)
                pages = 0;
            std::fclose(statm);
        }
        const rlim_t room = rlim_t(pages) * rlim_t(::sysconf(_SC_PAGESIZE)) + (rlim_t(64) << 20);
        const rlimit limit{room, room};
        if (pages == 0 || ::setrlimit(RLIMIT_AS, &limit) != 0)
            ::_exit(2);
        try {
            const FileBytes::ReadResult read = FileBytes::readRegularFile(path, qint64(1) << 30);
            ::_exit(read.ok() && read.bytes.size() == 1000 ? 0 : 1);
        } catch (...) {
            ::_exit(3);
        }
    }
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0);
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

TEST(FileBytes, NamesThatAreNotUtf8SurviveTheRoundTrip)
{
    const QByteArray utf8("Kalender/Dezember \xc3\xa4\xf0\x9f\x93\x85.OVF");
    EXPECT_EQ(FileBytes::decodeName(utf8), QFile::decodeName(utf8));
    EXPECT_EQ(FileBytes::encodeName(FileBytes::decodeName(utf8)), utf8);
    // Stray bytes, a cut sequence, an overlong slash and an encoded surrogate: none is UTF-8.
    for (const QByteArray &name : {QByteArray("a\xff\xfe.OVF"), QByteArray("cut\xe2\x82"),
                                   QByteArray("over\xc0\xaflong"), QByteArray("\xed\xa0\x80x")}) {
        const QString decoded = FileBytes::decodeName(name);
        EXPECT_EQ(FileBytes::encodeName(decoded), name) << name.toHex().constData();
        EXPECT_NE(QFile::encodeName(decoded), name);
    }
    // The second half of a real surrogate pair is a character, not an escaped byte.
    const QString emoji = QString::fromUtf8("\xf0\x9f\x92\x80");
    EXPECT_EQ(FileBytes::encodeName(emoji), emoji.toUtf8());
}

TEST(FileBytes, ReplacingAFileKeepsItsNameBytesPermissionsAndLinks)
{
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path()) + "/old\xff\xfe.OVF";
    const QString path = FileBytes::decodeName(native);
    // QTemporaryDir cannot remove a file whose name Qt decodes lossily.
    const auto removeFile = qScopeGuard([&native] { ::unlink(native.constData()); });
    ASSERT_TRUE(FileBytes::replaceFile(path, "first").isEmpty());
    struct stat status {};
    if (::stat(native.constData(), &status) != 0)
        GTEST_SKIP() << "this file system does not take names that are not UTF-8";
    EXPECT_EQ(FileBytes::readRegularFile(path, 100).bytes, QByteArray("first"));

    ASSERT_EQ(::chmod(native.constData(), 0640), 0);
    const QString link = dir.filePath(QStringLiteral("link.OVF"));
    ASSERT_EQ(::symlink(native.constData(), QFile::encodeName(link).constData()), 0);
    EXPECT_TRUE(FileBytes::replaceFile(link, "second").isEmpty());
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    ASSERT_EQ(::stat(native.constData(), &status), 0);
    EXPECT_EQ(status.st_mode & 0777, 0640u);
    EXPECT_EQ(FileBytes::readRegularFile(path, 100).bytes, QByteArray("second"));
    // Nothing is left beside them, no temporary file. (Qt's own listing cannot see the
    // file, whose name it decodes lossily, so the folder is read by its bytes.)
    int entries = 0;
    if (DIR *folder = ::opendir(QFile::encodeName(dir.path()).constData())) {
        while (const dirent *entry = ::readdir(folder))
            entries += std::strcmp(entry->d_name, ".") != 0 && std::strcmp(entry->d_name, "..") != 0;
        ::closedir(folder);
    }
    EXPECT_EQ(entries, 2);

    const QString missingFolder = dir.filePath(QStringLiteral("none/new.OVF"));
    EXPECT_EQ(FileBytes::replaceFile(missingFolder, "x"), QStringLiteral("the folder does not exist"));
}

TEST(FileBytes, SavesNeverReplaceLinksThatLeadNowhere)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path());
    const QString dangling = dir.filePath(QStringLiteral("dangling.OVF"));
    const QString loop = dir.filePath(QStringLiteral("loop.OVF"));
    ASSERT_EQ(::symlink((folder + "/gone.OVF").constData(), QFile::encodeName(dangling).constData()), 0);
    ASSERT_EQ(::symlink((folder + "/loop.OVF").constData(), QFile::encodeName(loop).constData()), 0);
    EXPECT_EQ(FileBytes::replaceFile(dangling, "x"), QStringLiteral("it is a link to a file that does not exist"));
    EXPECT_EQ(FileBytes::replaceFile(loop, "x"), QStringLiteral("it is a link that leads round in a loop"));
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_TRUE(QFileInfo(loop).isSymLink());
    // A link to a device says what it leads to, not that something is missing.
    const QString device = dir.filePath(QStringLiteral("device.OVF"));
    ASSERT_EQ(::symlink("/dev/null", QFile::encodeName(device).constData()), 0);
    EXPECT_EQ(FileBytes::replaceFile(device, "x"),
              QStringLiteral("it is not a regular file (a device, pipe or socket) and is left as it is"));
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("gone.OVF"))));
}

namespace {

// The names in a folder that a save in progress (or a killed one) writes.
QStringList saveTemporaries(const QTemporaryDir &dir)
{
    return QDir(dir.path()).entryList({QStringLiteral(".orvane-save-*")}, QDir::Files | QDir::Hidden);
}

} // namespace

TEST(FileBytes, WhatAKilledSaveLeftIsRemovedByTheNextSaveIntoItsFolder)
{
    QTemporaryDir dir;
    const QString document = dir.filePath(QStringLiteral("Family.OVF"));
    // A save in another process that dies before it renames its file, as a kill would
    // leave it; it waits for a word on a pipe first, so its file is seen while it lives.
    int toChild[2];
    int fromChild[2];
    ASSERT_EQ(::pipe(toChild), 0);
    ASSERT_EQ(::pipe(fromChild), 0);
    const pid_t child = ::fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        QString name;
        const int fd = FileBytes::createSaveTemporary(document, &name);
        char ready = fd >= 0 ? 'y' : 'n';
        (void)::write(fromChild[1], &ready, 1);
        char go = 0;
        (void)::read(toChild[0], &go, 1);
        ::_exit(0);
    }
    char ready = 0;
    ASSERT_EQ(::read(fromChild[0], &ready, 1), 1);
    ASSERT_EQ(ready, 'y');
    ASSERT_EQ(saveTemporaries(dir).size(), 1);
    EXPECT_TRUE(saveTemporaries(dir).front().endsWith(QStringLiteral("-Family.OVF")));

    // While its writer lives, a save beside it leaves it alone.
    ASSERT_TRUE(FileBytes::replaceFile(dir.filePath(QStringLiteral("Other.OVF")), "x").isEmpty());
    EXPECT_EQ(saveTemporaries(dir).size(), 1);

    (void)::write(toChild[1], "g", 1);
    int status = 0;
    ASSERT_EQ(::waitpid(child, &status, 0), child);
    // Files that merely look like an older save's leftovers are the user's and stay.
    writeFile(dir, QStringLiteral("Family.OVF.k3j9x2"), "mine");
    ASSERT_TRUE(FileBytes::replaceFile(dir.filePath(QStringLiteral("Other.OVF")), "y").isEmpty());
    EXPECT_TRUE(saveTemporaries(dir).isEmpty());
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("Family.OVF.k3j9x2"))));
    for (int fd : {toChild[0], toChild[1], fromChild[0], fromChild[1]})
        ::close(fd);
}

TEST(FileBytes, TemporaryNamesStayWithinTheFileSystemLimit)
{
    QTemporaryDir dir;
    const QString longName = QString(240, QLatin1Char('n')) + QStringLiteral(".OVF");
    EXPECT_TRUE(FileBytes::replaceFile(dir.filePath(longName), "long").isEmpty());
    EXPECT_EQ(FileBytes::readRegularFile(dir.filePath(longName), 10).bytes, QByteArray("long"));
    EXPECT_TRUE(saveTemporaries(dir).isEmpty());
}
