// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "englishnames.h"
#include "recurring/recurringstore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace RecurringStore;

namespace {

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

} // namespace

TEST(RecurringStore, LinesSplitAtLineFeedsAndCrLf)
{
    EXPECT_EQ(parseLines(""), QStringList());
    EXPECT_EQ(parseLines("a\r\nb\r\n"), (QStringList{"a", "b"}));
    EXPECT_EQ(parseLines("a\nb"), (QStringList{"a", "b"}));
    EXPECT_EQ(parseLines("a\r\n\r\nb\n"), (QStringList{"a", "", "b"}));
    // A CR that does not end a line is text, also at the very end.
    EXPECT_EQ(parseLines("a\rb\r\nc\r"), (QStringList{"a\rb", "c\r"}));
    EXPECT_EQ(parseLines("a\r\r\n"), (QStringList{"a\r"}));
    EXPECT_EQ(parseLines(QByteArray("x\0y\n", 4)), (QStringList{QString::fromUtf16(u"x\0y", 3)}));
}

TEST(RecurringStore, SavedBytesAreWindows1252WithCrLf)
{
    const QStringList lines = {entryLine(QStringLiteral("Fête"), QStringLiteral("@0714")),
                               QStringLiteral("odd\tline\r"), QString()};
    EXPECT_EQ(serializeLines(lines),
              QByteArray("F\xEAte").leftJustified(120, ' ') + QByteArray("@0714     \r\n")
                  + "odd\tline\r\r\n\r\n");
    // Whatever was stored reads back unchanged.
    EXPECT_EQ(parseLines(serializeLines(lines)), lines);
}

TEST(RecurringStore, MissingTooLargeAndUnreadableFiles)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OVRECUR.DAX"));
    const LoadResult missing = load(path);
    EXPECT_TRUE(missing.ok());
    EXPECT_TRUE(missing.lines.isEmpty());
    EXPECT_FALSE(loadExisting(path).ok());

    writeBytes(path, QByteArray(MaxFileSize + 1, 'x'));
    const LoadResult large = load(path);
    EXPECT_FALSE(large.ok());
    EXPECT_TRUE(large.error.contains(QStringLiteral("too large")));

    // A folder where the file should be cannot be read either.
    const QString folder = dir.filePath(QStringLiteral("folder"));
    QDir().mkpath(folder);
    EXPECT_FALSE(load(folder).ok());
}

TEST(RecurringStore, SaveReplacesTheFileAndReportsFailure)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("OVRECUR.DAX"));
    writeBytes(path, "old\r\n");
    EXPECT_EQ(save(path, {QStringLiteral("new")}), QString());
    EXPECT_EQ(readBytes(path), QByteArray("new\r\n"));
    const QString error = save(dir.filePath(QStringLiteral("no/such/folder/OVRECUR.DAX")), {});
    EXPECT_FALSE(error.isEmpty());
}

TEST(Conversion, OldLinesBecomeDayOfMonthEntries)
{
    EXPECT_EQ(convertOldLine(QStringLiteral("1225Christmas")),
              QStringLiteral("Christmas").leftJustified(120) + QStringLiteral("@1225      "));
    EXPECT_EQ(convertOldLine(QStringLiteral("1225Christmas")).size(), 131);
    // The name is at most 150 characters of the old line, then cut to 120.
    EXPECT_EQ(convertOldLine(QStringLiteral("0101") + QString(200, QLatin1Char('n'))),
              QString(120, QLatin1Char('n')) + QStringLiteral("@0101      "));
    // Short lines convert without a crash; their formula is unreadable.
    EXPECT_EQ(convertOldLine(QStringLiteral("12")), QString(120, QLatin1Char(' ')) + QStringLiteral("@12        "));
}

TEST(Conversion, WritesTheNewFileAndRemovesTheOld)
{
    QTemporaryDir dir;
    const QString oldPath = dir.filePath(QStringLiteral("OVRECUR.DAT"));
    const QString newPath = dir.filePath(QStringLiteral("OVRECUR.DAX"));
    EXPECT_FALSE(convertOldFile(oldPath, newPath).converted);
    EXPECT_FALSE(QFileInfo::exists(newPath));

    writeBytes(oldPath, "1225Christmas\r\n0704Independence\n");
    const ConversionResult result = convertOldFile(oldPath, newPath);
    EXPECT_TRUE(result.converted);
    EXPECT_TRUE(result.error.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(oldPath));
    EXPECT_EQ(load(newPath).lines, (QStringList{convertOldLine(QStringLiteral("1225Christmas")),
                                                convertOldLine(QStringLiteral("0704Independence"))}));
}

TEST(Conversion, AnExistingListIsKeptAndNotDuplicated)
{
    QTemporaryDir dir;
    const QString oldPath = dir.filePath(QStringLiteral("OVRECUR.DAT"));
    const QString newPath = dir.filePath(QStringLiteral("OVRECUR.DAX"));
    const QString mine = entryLine(QStringLiteral("Birthday"), QStringLiteral("@0512"));
    const QString christmas = convertOldLine(QStringLiteral("1225Christmas"));
    ASSERT_EQ(save(newPath, {mine, christmas.toUpper()}), QString());
    writeBytes(oldPath, "1225Christmas\r\n0101New Year\r\n");

    ASSERT_TRUE(convertOldFile(oldPath, newPath).converted);
    EXPECT_EQ(load(newPath).lines,
              (QStringList{mine, christmas.toUpper(), convertOldLine(QStringLiteral("0101New Year"))}));
    EXPECT_FALSE(QFileInfo::exists(oldPath));
}

TEST(Conversion, AFailureKeepsBothFiles)
{
    QTemporaryDir dir;
    const QString oldPath = dir.filePath(QStringLiteral("OVRECUR.DAT"));
    // The new list's place is taken by a folder, so it cannot be read or written.
    const QString newPath = dir.filePath(QStringLiteral("OVRECUR.DAX"));
    QDir().mkpath(newPath);
    writeBytes(oldPath, "1225Christmas\r\n");
    const ConversionResult result = convertOldFile(oldPath, newPath);
    EXPECT_FALSE(result.converted);
    EXPECT_FALSE(result.error.isEmpty());
    EXPECT_EQ(readBytes(oldPath), QByteArray("1225Christmas\r\n"));
}

TEST(RecurringStore, ListsOfEndlessLinesPipesAndDevicesAreRefused)
{
    QTemporaryDir dir;
    // Line feeds alone: small as a file, but every line would become an entry.
    const QString feeds = dir.filePath(QStringLiteral("feeds.DAX"));
    writeBytes(feeds, QByteArray(MaxLines, '\n'));
    const LoadResult many = load(feeds);
    EXPECT_FALSE(many.ok());
    EXPECT_TRUE(many.lines.isEmpty());
    EXPECT_TRUE(many.error.contains(QStringLiteral("lines")));
    writeBytes(feeds, QByteArray(MaxLines - 1, '\n'));
    EXPECT_TRUE(load(feeds).ok());

    const QString pipe = dir.filePath(QStringLiteral("pipe.DAX"));
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    EXPECT_FALSE(load(pipe).ok());
    const QString zero = dir.filePath(QStringLiteral("zero.DAX"));
    ASSERT_TRUE(QFile::link(QStringLiteral("/dev/zero"), zero));
    EXPECT_FALSE(load(zero).ok());
    EXPECT_FALSE(save(zero, {QStringLiteral("line")}).isEmpty());
    EXPECT_TRUE(QFileInfo(zero).isSymLink());
}
