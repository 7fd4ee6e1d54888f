// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "getholidays.h"

#include "recurring/holidaylist.h"
#include "recurring/recurringstore.h"

#include <algorithm>

TGetHolidays::TGetHolidays(QWidget *parent)
    : CheckMarkListDialog(QStringLiteral("Holidays"), parent)
{
    setObjectName(QStringLiteral("GetHolidays"));
    setWindowTitle(QStringLiteral("Holidays"));
    QStringList lines = holidayLines();
    std::stable_sort(lines.begin(), lines.end(), RecurringStore::lessIgnoringCase);
    setLines(lines);
}
