// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "core/apppaths.h"

TEST(AppPaths, UserFolderFollowsXdgConfigHome)
{
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    ASSERT_FALSE(config.isEmpty());
    const QString folder = AppPaths::userFolder();
    EXPECT_EQ(QDir(folder).canonicalPath(), QDir(config + QStringLiteral("/orvane")).canonicalPath());
    EXPECT_TRUE(QFileInfo(folder).isDir());
    EXPECT_TRUE(folder.endsWith(QLatin1Char('/')));
    EXPECT_EQ(AppPaths::userFile(QStringLiteral("OV.INI")), folder + QStringLiteral("OV.INI"));
}

TEST(AppPaths, OverridesWinAndCanBeCleared)
{
    QTemporaryDir dir;
    const QString before = AppPaths::userFolder();
    AppPaths::setUserFolderOverride(dir.path());
    EXPECT_EQ(AppPaths::userFolder(), dir.path() + QLatin1Char('/'));
    AppPaths::setUserFolderOverride(QString());
    EXPECT_EQ(AppPaths::userFolder(), before);
}

TEST(AppPaths, AUserFolderThatCannotBeMadeOrWrittenIsNamed)
{
    QTemporaryDir dir;
    const QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    const auto restore = qScopeGuard([&config] { qputenv("XDG_CONFIG_HOME", config.toLocal8Bit()); });
    EXPECT_TRUE(AppPaths::userFolderProblem().isEmpty());
    // A file where the configuration folder should be: no one, not even root, makes it.
    QFile blocker(dir.filePath(QStringLiteral("config")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(blocker.fileName()));
    EXPECT_EQ(AppPaths::userFolderProblem(),
              QStringLiteral("the folder %1/orvane/ cannot be created").arg(blocker.fileName()));
    // The check leaves nothing behind in a usable folder.
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(dir.path()));
    EXPECT_TRUE(AppPaths::userFolderProblem().isEmpty());
    EXPECT_EQ(QDir(dir.filePath(QStringLiteral("orvane"))).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
              QStringList());
}
