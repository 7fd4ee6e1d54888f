// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "apppaths.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

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
