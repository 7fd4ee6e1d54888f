// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "datafolders.h"

#include "core/apppaths.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

namespace DataFolders {

namespace {

QString withSlash(QString folder)
{
    if (!folder.endsWith(QLatin1Char('/')))
        folder.append(QLatin1Char('/'));
    return folder;
}

// $XDG_DATA_HOME, else ~/.local/share: the XDG base-directory default.
QString userDataHome()
{
    const QString home = qEnvironmentVariable("XDG_DATA_HOME");
    return QDir::isAbsolutePath(home) ? home : QDir::homePath() + QStringLiteral("/.local/share");
}

QStringList systemDataDirs()
{
    QString dirs = qEnvironmentVariable("XDG_DATA_DIRS");
    if (dirs.isEmpty())
        dirs = QStringLiteral("/usr/local/share/:/usr/share/");
    QStringList absolute;
    for (const QString &dir : dirs.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (QDir::isAbsolutePath(dir))
            absolute << dir;
    }
    return absolute;
}

// The program's shipped subfolder, whatever the case of its name.
QString programSubfolder(const QString &kind)
{
    const QDir data(AppPaths::dataFolder());
    for (const QString &sub : data.entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (sub.compare(kind, Qt::CaseInsensitive) == 0)
            return withSlash(data.filePath(sub));
    }
    return {};
}

int priority(Origin origin)
{
    switch (origin) {
    case Origin::User: return 0;
    case Origin::System: return 1;
    case Origin::Program: break;
    }
    return 2;
}

} // namespace

QString userFolder(const QString &kind)
{
    return withSlash(userDataHome()) + QStringLiteral("orvane/") + kind + QLatin1Char('/');
}

QList<Folder> folders(const QString &kind)
{
    QList<Folder> found;
    QSet<QString> seen;
    const auto add = [&found, &seen](const QString &path, Origin origin) {
        const QFileInfo info(path);
        if (path.isEmpty() || !info.isDir())
            return;
        const QString canonical = info.canonicalFilePath();
        if (seen.contains(canonical))
            return;
        seen.insert(canonical);
        found.append({withSlash(path), origin});
    };
    add(programSubfolder(kind), Origin::Program);
    add(userFolder(kind), Origin::User);
    for (const QString &dir : systemDataDirs())
        add(withSlash(dir) + QStringLiteral("orvane/") + kind, Origin::System);
    return found;
}

QList<File> files(const QString &kind, const QStringList &nameFilters)
{
    QList<File> all;
    for (const Folder &folder : folders(kind)) {
        const QDir dir(folder.path);
        // Name filters match without regard to case, so "*.wls" finds "FLOWERS.WLS" too.
        for (const QString &name : dir.entryList(nameFilters, QDir::Files | QDir::Readable))
            all.append({name, dir.filePath(name), folder.origin, false});
    }
    std::stable_sort(all.begin(), all.end(), [](const File &a, const File &b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : priority(a.origin) < priority(b.origin);
    });
    for (qsizetype i = 1; i < all.size(); ++i) {
        if (all[i].name.compare(all[i - 1].name, Qt::CaseInsensitive) == 0)
            all[i].replaced = true;
    }
    return all;
}

QString find(const QString &kind, const QString &fileName)
{
    if (fileName.isEmpty() || fileName.contains(QLatin1Char('/')) || fileName == QLatin1String(".")
        || fileName == QLatin1String(".."))
        return {};
    QString best;
    int bestPriority = 3;
    for (const Folder &folder : folders(kind)) {
        const QDir dir(folder.path);
        for (const QString &name : dir.entryList(QDir::Files)) {
            if (name.compare(fileName, Qt::CaseInsensitive) == 0 && priority(folder.origin) < bestPriority) {
                best = dir.filePath(name);
                bestPriority = priority(folder.origin);
            }
        }
    }
    return best;
}

} // namespace DataFolders
