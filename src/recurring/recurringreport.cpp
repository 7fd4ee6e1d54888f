// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringreport.h"

#include "recurringdays.h"
#include "recurringentry.h"
#include "recurringformula.h"
#include "recurringmonth.h"
#include "recurringstore.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

QByteArray recurringReportJson(const QStringList &lines, int month, int year)
{
    QJsonArray entries;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        const QString &line = lines.at(i);
        const QString formula = RecurringEntry::formula(line);
        // Listed whatever the month, so a mistyped entry is found rather than never shown.
        if (!RecurringFormula::isValidFormula(formula)) {
            entries.append(QJsonObject{
                {QStringLiteral("line"), qint64(i + 1)},
                {QStringLiteral("description"),
                 QStringLiteral("%1 (invalid formula \"%2\")").arg(RecurringEntry::name(line), formula.trimmed())},
                {QStringLiteral("invalid"), true},
                {QStringLiteral("days"), QJsonArray()}});
            continue;
        }
        if (!appliesToMonth(line, year, month))
            continue;
        QJsonArray days;
        for (int day : recurringLineDays(line, year, month))
            days.append(day);
        entries.append(QJsonObject{{QStringLiteral("line"), qint64(i + 1)},
                                   {QStringLiteral("description"), DescribeRecurringEntry(line)},
                                   {QStringLiteral("days"), days}});
    }
    return QJsonDocument(entries).toJson(QJsonDocument::Indented);
}

QStringList loadRecurringReportFile(const QString &path, QString *error)
{
    const RecurringStore::LoadResult result = RecurringStore::loadExisting(path);
    if (error)
        *error = result.error;
    return result.lines;
}

QString recurringReportMonthError(int month, int year)
{
    if (month < 1 || month > 12)
        return QStringLiteral("The month must be between 1 and 12, not %1.").arg(month);
    if (!isEvaluableMonth(year, month))
        return QStringLiteral("The year must be between 1 and 9999, not %1.").arg(year);
    return QString();
}
