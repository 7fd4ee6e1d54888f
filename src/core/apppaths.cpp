// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "apppaths.h"

#include "core/filebytes.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

#include <cerrno>

#include <unistd.h>

namespace {

QString g_dataOverride;
QString g_userOverride;

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder.append(QLatin1Char('/'));
    return folder;
}

QString programFolder()
{
    const QString dir = QCoreApplication::instance() ? QCoreApplication::applicationDirPath()
                                                     : QDir::currentPath();
    return withSlash(dir);
}

} // namespace

namespace AppPaths {

QString dataFolder()
{
    if (!g_dataOverride.isEmpty())
        return g_dataOverride;
    const QString beside = programFolder() + QStringLiteral("data/");
    if (QFileInfo(beside).isDir())
        return beside;
    const QString installed
        = QDir::cleanPath(programFolder() + QStringLiteral(ORVANE_DATA_FROM_PROGRAM));
    if (QFileInfo(installed).isDir())
        return withSlash(installed);
    return beside;
}

QString userFolder()
{
    if (!g_userOverride.isEmpty())
        return g_userOverride;
    const QFileInfo portableIni(programFolder() + QStringLiteral("OV.INI"));
    if (portableIni.exists() && portableIni.isWritable())
        return programFolder();
    QString base = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (base.isEmpty())
        base = QDir::homePath() + QStringLiteral("/.config");
    const QString folder = withSlash(base) + QStringLiteral("orvane/");
    QDir().mkpath(folder);
    return folder;
}

QString userFolderProblem()
{
    const QString folder = userFolder();
    if (!QFileInfo(folder).isDir())
        return QStringLiteral("the folder %1 cannot be created").arg(folder);
    QString probe;
    const int fd = FileBytes::createSaveTemporary(folder + QStringLiteral("write-check"), &probe);
    if (fd < 0)
        return QStringLiteral("nothing can be written in the folder %1: %2")
            .arg(folder, FileBytes::reasonOfErrno(errno));
    ::close(fd);
    ::unlink(FileBytes::encodeName(probe).constData());
    return QString();
}

QString userFile(const QString &name)
{
    return userFolder() + name;
}

QString dataFile(const QString &name)
{
    return dataFolder() + name;
}

void setDataFolderOverride(const QString &folder)
{
    g_dataOverride = folder.isEmpty() ? QString() : withSlash(folder);
}

void setUserFolderOverride(const QString &folder)
{
    g_userOverride = folder.isEmpty() ? QString() : withSlash(folder);
    if (!g_userOverride.isEmpty())
        QDir().mkpath(g_userOverride);
}

} // namespace AppPaths
