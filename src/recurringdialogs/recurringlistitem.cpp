// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringlistitem.h"

#include "recurring/recurringentry.h"

#include <QListWidget>

QListWidgetItem *makeRecurringItem(const QString &line)
{
    auto *item = new QListWidgetItem(DescribeRecurringEntry(line));
    item->setData(RecurringLineRole, line);
    return item;
}

QString recurringItemLine(const QListWidgetItem *item)
{
    return item ? item->data(RecurringLineRole).toString() : QString();
}

QStringList recurringListLines(const QListWidget *list)
{
    QStringList lines;
    for (int row = 0; row < list->count(); ++row)
        lines.append(recurringItemLine(list->item(row)));
    return lines;
}
