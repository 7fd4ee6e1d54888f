// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringnames.h"

#include <QLocale>

RecurringNames RecurringNames::system()
{
    const QLocale locale = QLocale::system();
    RecurringNames names;
    for (int m = 1; m <= 12; ++m)
        names.longMonths.append(locale.standaloneMonthName(m, QLocale::LongFormat));
    // Qt counts Monday = 1 .. Sunday = 7; the lists here start on Sunday.
    names.shortWeekdays.append(locale.standaloneDayName(7, QLocale::ShortFormat));
    for (int d = 1; d <= 6; ++d)
        names.shortWeekdays.append(locale.standaloneDayName(d, QLocale::ShortFormat));
    return names;
}

QString RecurringNames::month(int month) const
{
    return month >= 1 && month <= longMonths.size() ? longMonths.at(month - 1) : QString();
}

QString RecurringNames::weekday(int weekday) const
{
    return weekday >= 1 && weekday <= shortWeekdays.size() ? shortWeekdays.at(weekday - 1)
                                                           : QString();
}
