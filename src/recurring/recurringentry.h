// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurringnames.h"

#include <QString>

// One recurring date is one text line: the event name in characters 1 to 120, blank-padded,
// then its formula (see recurringformula.h) from character 121, normally padded to 10
// characters. Lines of 120 characters or less carry no formula; they are listed by their
// text and place nothing.
namespace RecurringEntry {

inline constexpr int NameWidth = 120;
inline constexpr int FormulaWidth = 10;

// Left-justified in a field of exactly `width` characters: blank-padded, cut on the right.
QString padField(const QString &text, int width);

// The stored line for a name and formula. Line breaks in the name become blanks, since one
// would split the entry in two when the list is saved.
QString makeLine(const QString &name, const QString &formula);

// Characters 1 to 120 as stored, with their padding.
QString nameField(const QString &line);
// Characters 1 to 120 trimmed of blanks at both ends.
QString name(const QString &line);
// Everything from character 121 on; empty for a line of 120 characters or less.
QString formula(const QString &line);
bool hasFormula(const QString &line);

} // namespace RecurringEntry

// The number followed by its English suffix: 1st, 2nd, 3rd, 4th, 11th, 21st.
QString OrdinalText(quint16 n);

// The text every list of entries shows, e.g. "Christmas Day (25th of December)".
QString DescribeRecurringEntry(const QString &line);
QString DescribeRecurringEntry(const QString &line, const RecurringNames &names);

// The readable form of an "@", "$" or "%" formula alone; empty when it is unreadable or a
// month or weekday field names no month or weekday.
QString describeFormula(const QString &formula, const RecurringNames &names);
