// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

// The month and weekday names used in descriptions of recurring dates. They come from the
// system locale, not from the page language, so every list of entries reads the same.
struct RecurringNames
{
    QStringList longMonths;    // 12 names, January first
    QStringList shortWeekdays; // 7 names, Sunday first

    // The system locale's stand-alone long month names and abbreviated weekday names.
    static RecurringNames system();

    // Empty for a month outside 1..12.
    QString month(int month) const;
    // weekday 1 = Sunday .. 7 = Saturday; empty outside that range.
    QString weekday(int weekday) const;
};
