// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QScopeGuard>
#include <QTemporaryDir>

#include "renderprocess.h"

#include <dirent.h>
#include <unistd.h>

namespace {

// Runs the renderer through the shell, so a name that is not UTF-8 reaches it as the bytes
// printf makes of the script's octal escapes; QProcess would encode a QString as UTF-8.
RunResult renderInShell(const QString &folder, const QString &arguments)
{
    QProcess process;
    process.setWorkingDirectory(folder);
    process.start(QStringLiteral("/bin/sh"),
                  {QStringLiteral("-c"), QStringLiteral("exec \"$0\" ") + arguments,
                   QStringLiteral(ORVANE_RENDER_PROGRAM)});
    return waitForRun(process);
}

QList<QByteArray> namesIn(const QString &folder)
{
    QList<QByteArray> names;
    DIR *directory = ::opendir(QFile::encodeName(folder).constData());
    if (!directory)
        return names;
    while (const dirent *entry = ::readdir(directory)) {
        const QByteArray name(entry->d_name);
        if (name != "." && name != "..")
            names.append(name);
    }
    ::closedir(directory);
    return names;
}

} // namespace

TEST(RenderFileNames, NamesThatAreNotUtf8AreSavedAndOpenedAsTheyAre)
{
    QTemporaryDir dir;
    // QTemporaryDir cannot remove a file whose name Qt decodes lossily.
    const auto removeFile = qScopeGuard([&dir] {
        for (const char *file : {"/Mar\xff\xfe.OVF", "/Mar\xfe.png"})
            ::unlink((QFile::encodeName(dir.path()) + file).constData());
    });
    const QString name = QStringLiteral("\"$(printf 'Mar\\377\\376.OVF')\"");
    const RunResult saved = renderInShell(
        dir.path(), QStringLiteral("--layout 18 --month 3 --year 1998 --save ") + name);
    if (saved.exitCode != 0 && saved.err.contains("Invalid or incomplete multibyte"))
        GTEST_SKIP() << "this file system does not take names that are not UTF-8";
    ASSERT_EQ(saved.exitCode, 0) << saved.err.constData();
    // Exactly that name, and no file under a name with replacement characters.
    EXPECT_EQ(namesIn(dir.path()), QList<QByteArray>{QByteArray("Mar\xff\xfe.OVF")});

    const RunResult opened = renderInShell(dir.path(), name + QStringLiteral(" --geometry"));
    ASSERT_EQ(opened.exitCode, 0) << opened.err.constData();
    EXPECT_TRUE(QJsonDocument::fromJson(opened.out).object().value(QStringLiteral("isPlanner")).toBool());

    const RunResult dumped = renderInShell(dir.path(), QStringLiteral("--dump ") + name);
    EXPECT_EQ(dumped.exitCode, 0) << dumped.err.constData();
    EXPECT_TRUE(dumped.out.contains("CalendarLayout: tagInt8 18"));

    const RunResult image = renderInShell(dir.path(), name + QStringLiteral(" --out \"$(printf 'Mar\\376.png')\""));
    ASSERT_EQ(image.exitCode, 0) << image.err.constData();
    EXPECT_TRUE(namesIn(dir.path()).contains(QByteArray("Mar\xfe.png")));
    EXPECT_EQ(namesIn(dir.path()).size(), 2);
}
