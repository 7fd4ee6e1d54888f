// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <Qt>

class QListWidget;
class QListWidgetItem;

// List boxes of recurring dates show each entry's description and keep the stored line,
// unchanged, under RecurringLineRole.
inline constexpr int RecurringLineRole = Qt::UserRole + 1;

QListWidgetItem *makeRecurringItem(const QString &line);
QString recurringItemLine(const QListWidgetItem *item);
// All lines of the list in displayed order.
QStringList recurringListLines(const QListWidget *list);
