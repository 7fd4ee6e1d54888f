// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDir>
#include <QFileInfo>
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
