// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "selectrecurringdates.h"

TSelectRecurringDates::TSelectRecurringDates(const QStringList &lines, QWidget *parent)
    : CheckMarkListDialog(QStringLiteral("Dates"), parent)
{
    setObjectName(QStringLiteral("SelectRecurringDates"));
    setWindowTitle(QStringLiteral("Select Recurring Dates To Use"));
    setLines(lines);
    AllClick();
}
