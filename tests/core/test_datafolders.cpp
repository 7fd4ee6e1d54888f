// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/apppaths.h"
#include "core/datafolders.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

// A program's data folder, a user's data home and a system data folder, each with files of
// a kind; the environment and the program's data folder come back afterwards.
class Folders
{
public:
    Folders()
        : m_home(qgetenv("XDG_DATA_HOME")), m_dirs(qgetenv("XDG_DATA_DIRS"))
    {
        qputenv("XDG_DATA_HOME", path("home").toLocal8Bit());
        // The program's own folder lies where a system folder would find it too.
        qputenv("XDG_DATA_DIRS", (path("system") + QStringLiteral(":") + path("usr/share")).toLocal8Bit());
        AppPaths::setDataFolderOverride(path("usr/share/orvane") + QLatin1Char('/'));
    }
    ~Folders()
    {
        qputenv("XDG_DATA_HOME", m_home);
        qputenv("XDG_DATA_DIRS", m_dirs);
        AppPaths::setDataFolderOverride(qEnvironmentVariable("ORVANE_SOURCE_DATA"));
    }
    QString path(const char *sub) const { return m_root.path() + QLatin1Char('/') + QLatin1String(sub); }
    QString put(const char *file)
    {
        const QString full = path(file);
        QDir().mkpath(full.section(QLatin1Char('/'), 0, -2));
        QFile out(full);
        EXPECT_TRUE(out.open(QIODevice::WriteOnly));
        return full;
    }

private:
    QTemporaryDir m_root;
    QByteArray m_home;
    QByteArray m_dirs;
};

} // namespace

TEST(DataFolders, TheUsersItemsComeAfterTheProgramsAndWinOnTheirNames)
{
    Folders f;
    const QString shipped = f.put("usr/share/orvane/BORDERS/Flowers.wls");
    f.put("usr/share/orvane/BORDERS/Holly.wls");
    const QString mine = f.put("home/orvane/Borders/flowers.WLS");
    f.put("home/orvane/Borders/Stars.wls");
    f.put("home/orvane/Borders/notes.txt");
    const QString system = f.put("system/orvane/Borders/Waves.wls");

    const QList<DataFolders::Folder> folders = DataFolders::folders(QStringLiteral("Borders"));
    ASSERT_EQ(folders.size(), 3) << "the program's folder is not listed again as a system one";
    EXPECT_EQ(folders[0].origin, DataFolders::Origin::Program);
    EXPECT_EQ(folders[1].origin, DataFolders::Origin::User);
    EXPECT_EQ(folders[2].origin, DataFolders::Origin::System);
    EXPECT_EQ(DataFolders::userFolder(QStringLiteral("Borders")), f.path("home/orvane/Borders/"));

    const QList<DataFolders::File> files = DataFolders::files(QStringLiteral("Borders"), {QStringLiteral("*.wls")});
    QStringList seen;
    for (const DataFolders::File &file : files)
        seen << file.name + (file.replaced ? QStringLiteral(" replaced") : QString());
    EXPECT_EQ(seen, (QStringList{"flowers.WLS", "Flowers.wls replaced", "Holly.wls", "Stars.wls", "Waves.wls"}));
    EXPECT_EQ(files[0].origin, DataFolders::Origin::User);

    EXPECT_EQ(DataFolders::find(QStringLiteral("Borders"), QStringLiteral("FLOWERS.wls")), mine);
    EXPECT_EQ(DataFolders::find(QStringLiteral("Borders"), QStringLiteral("waves.wls")), system);
    EXPECT_TRUE(DataFolders::find(QStringLiteral("Borders"), QStringLiteral("../Borders/Holly.wls")).isEmpty());
    EXPECT_TRUE(DataFolders::find(QStringLiteral("Borders"), QStringLiteral("Gone.wls")).isEmpty());
    // Taken away, the user's file gives the program's back.
    QFile::remove(mine);
    EXPECT_EQ(DataFolders::find(QStringLiteral("Borders"), QStringLiteral("Flowers.wls")), shipped);
}

TEST(DataFolders, WithoutTheVariablesTheUsersFolderIsUnderHome)
{
    const QByteArray home = qgetenv("XDG_DATA_HOME");
    qunsetenv("XDG_DATA_HOME");
    EXPECT_EQ(DataFolders::userFolder(QStringLiteral("ClipArt")),
              QDir::homePath() + QStringLiteral("/.local/share/orvane/ClipArt/"));
    // A relative value is not a place to look, as the variables' rules say.
    qputenv("XDG_DATA_HOME", "relative/share");
    EXPECT_EQ(DataFolders::userFolder(QStringLiteral("ClipArt")),
              QDir::homePath() + QStringLiteral("/.local/share/orvane/ClipArt/"));
    qputenv("XDG_DATA_HOME", home);
}
