// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

// The command-line report of which recurring dates fall in a month, as JSON: an array with
// one object per entry that applies to the month, in file order:
//   {"line": <number in the file, from 1>, "description": <as listed>, "days": [<ints>]}
// Entries whose formula names no date that can exist are listed in every month, with
// "invalid": true and no days.
QByteArray recurringReportJson(const QStringList &lines, int month, int year);

// The lines of a recurring-date file given on the command line; a missing or unreadable
// file sets *error and gives an empty list.
QStringList loadRecurringReportFile(const QString &path, QString *error);

// An error message for a month or year the report cannot evaluate, empty when both are fine.
QString recurringReportMonthError(int month, int year);
