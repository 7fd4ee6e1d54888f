// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/recurringnames.h"

#include <ostream>

// Readable failure messages for QString comparisons.
inline void PrintTo(const QString &text, std::ostream *out)
{
    *out << '"' << text.toStdString() << '"';
}

// Fixed names so descriptions can be checked whatever the test machine's locale.
inline RecurringNames englishNames()
{
    return {{"January", "February", "March", "April", "May", "June", "July", "August",
             "September", "October", "November", "December"},
            {"Sun", "Mon", "Tue", "Wed", "Thu", "Fri", "Sat"}};
}

// An entry line as stored: name padded to 120, formula padded to 10.
inline QString entryLine(const QString &name, const QString &formula)
{
    return name.leftJustified(120, QLatin1Char(' ')) + formula.leftJustified(10, QLatin1Char(' '));
}
