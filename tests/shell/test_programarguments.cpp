// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "core/filebytes.h"
#include "shell/programarguments.h"

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(ProgramArguments, HelpAndVersionAreAnsweredBeforeTheWindowStarts)
{
    const ProgramArguments version = earlyProgramArguments({"orvane", "-platform", "xcb", "--version"});
    EXPECT_EQ(version.output, QStringLiteral("orvane " ORVANE_VERSION "\n"));
    EXPECT_TRUE(earlyProgramArguments({"orvane", "-h"}).output.startsWith("Usage: orvane"));
    EXPECT_TRUE(earlyProgramArguments({"orvane", "Plan.OVF"}).output.isEmpty());
    EXPECT_TRUE(earlyProgramArguments({"orvane", "--", "--version"}).output.isEmpty())
        << "after -- a file may be named like an option";
}

TEST(ProgramArguments, TheDocumentIsMadeAbsoluteForAnotherRunningCopy)
{
    const ProgramArguments relative = parseProgramArguments({"orvane", "cal/June.OVF"});
    EXPECT_TRUE(relative.error.isEmpty());
    EXPECT_EQ(relative.documentPath, QDir::current().absoluteFilePath(QStringLiteral("cal/June.OVF")));
    EXPECT_EQ(parseProgramArguments({"orvane", "--", "--odd.OVF"}).documentPath,
              QDir::current().absoluteFilePath(QStringLiteral("--odd.OVF")));
    EXPECT_TRUE(parseProgramArguments({"orvane"}).documentPath.isEmpty());

    EXPECT_FALSE(parseProgramArguments({"orvane", "a.OVF", "b.OVF"}).error.isEmpty());
    EXPECT_FALSE(parseProgramArguments({"orvane", "--frobnicate"}).error.isEmpty());
}

TEST(ProgramArguments, ARelativeNameThatIsNotUtf8FindsItsFile)
{
    QTemporaryDir dir;
    // QTemporaryDir cannot remove names that are not UTF-8.
    const auto cleanUp = qScopeGuard([&dir] {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString(), ignored);
    });
    const QByteArray folder = QFile::encodeName(dir.path()) + "/d\xe9j\xe0";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    const QByteArray file = folder + "/caf\xe9.OVF";
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);
    const QString previous = QDir::currentPath();
    // The working folder's name is not UTF-8 either.
    ASSERT_EQ(::chdir(folder.constData()), 0);
    const ProgramArguments arguments = parseProgramArguments({"orvane", FileBytes::decodeName("./caf\xe9.OVF")});
    QDir::setCurrent(previous);
    EXPECT_TRUE(arguments.error.isEmpty());
    EXPECT_EQ(FileBytes::encodeName(arguments.documentPath), file);
    EXPECT_TRUE(FileBytes::exists(arguments.documentPath));
}
