// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fontfamilies.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QHash>

namespace FontFamilies {

QString drawnWith(const QString &family)
{
    if (family.isEmpty() || QFontDatabase::hasFamily(family))
        return family;
    // Asking the fonts system is slow next to drawing: the answer stays the same while the
    // program runs.
    static QHash<QString, QString> known;
    const auto found = known.constFind(family.toLower());
    if (found != known.constEnd())
        return *found;
    QString drawn = QFontInfo(QFont(family)).family();
    // Qt names a family that several foundries make as "Z003 [urw]".
    if (const qsizetype bracket = drawn.indexOf(QLatin1String(" ["));
        bracket > 0 && drawn.endsWith(QLatin1Char(']')))
        drawn.truncate(bracket);
    known.insert(family.toLower(), drawn);
    return drawn;
}

QString describe(const QString &family)
{
    const QString drawn = drawnWith(family);
    if (drawn.compare(family, Qt::CaseInsensitive) == 0)
        return family;
    return QStringLiteral("%1 (drawn with %2)").arg(family, drawn);
}

} // namespace FontFamilies
