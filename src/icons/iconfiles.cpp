// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconfiles.h"

#include "core/apppaths.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace IconFiles {

namespace {

constexpr int kMaxBonusName = 64;

} // namespace

QString resolve(const QString &path)
{
    if (path.isEmpty() || QFileInfo::exists(path))
        return path;
    const QFileInfo info(path);
    const QString folder = info.path();
    // The root and the current folder exist, which ends the climb.
    const QString realFolder = folder == path ? folder : resolve(folder);
    const QDir dir(realFolder);
    if (!dir.exists())
        return path;
    const QString name = info.fileName();
    const QStringList entries = dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString &entry : entries) {
        if (entry.compare(name, Qt::CaseInsensitive) == 0)
            return dir.filePath(entry);
    }
    return path;
}

QString dataFile(const QString &name)
{
    return resolve(AppPaths::dataFolder() + name);
}

bool sameFile(const QString &a, const QString &b)
{
    return QDir::cleanPath(a).compare(QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
}

QString menuName(const QString &file)
{
    const QString name = QFileInfo(file).completeBaseName().toUpper();
    if (name == QLatin1String("ACTIVITY"))
        return QStringLiteral("ACTIVITIES");
    if (name == QLatin1String("HOLIDAY"))
        return QStringLiteral("HOLIDAYS");
    if (name == QLatin1String("MISC1"))
        return QStringLiteral("MISCELLANEOUS #1");
    if (name == QLatin1String("MISC2"))
        return QStringLiteral("MISCELLANEOUS #2");
    return name;
}

QList<BonusSet> bonusSets(const QString &folder)
{
    QList<BonusSet> sets;
    const QDir dir(folder);
    // Name filters match without regard to case, so "*.ICL" files count too.
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.icl")}, QDir::Files);
    for (const QFileInfo &file : files) {
        QString caption = file.fileName().left(kMaxBonusName);
        caption.truncate(caption.indexOf(QLatin1Char('.')) < 0 ? caption.size()
                                                               : caption.indexOf(QLatin1Char('.')));
        // Each item keeps the file it was made from: a name with more dots, or a longer one,
        // would not lead back to it from its caption.
        sets.append({caption, file.absoluteFilePath()});
    }
    std::stable_sort(sets.begin(), sets.end(), [](const BonusSet &a, const BonusSet &b) {
        return a.caption.compare(b.caption, Qt::CaseInsensitive) < 0;
    });
    return sets;
}

QStringList nameFilters(const QString &filter)
{
    QStringList result;
    const QStringList parts = filter.split(QLatin1Char('|'));
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        const QStringList patterns = parts.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts);
        result.append(parts.at(i) + QStringLiteral(" (") + patterns.join(QLatin1Char(' '))
                      + QLatin1Char(')'));
    }
    return result;
}

} // namespace IconFiles
