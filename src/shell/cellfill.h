// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "recurring/recurringmonth.h"

#include <QList>
#include <QString>
#include <QTextCharFormat>

class TCalendarMain;
struct DefaultFontSetting;

// The character format of the default editor font.
QTextCharFormat defaultEditorFormat(const DefaultFontSetting &font);

// Appends each name as a paragraph to the cell that shows its date (a day planner's dates
// go into its Notes), unless the cell holds it already; a cell whose stored text cannot be
// read is kept as it is, and said. Marks the document modified when anything was appended,
// and reopens the cell editor where it was. True when anything was appended.
bool PutTextOnDates(TCalendarMain &window, const QList<RecurringDate> &dates);

// The command "Fill Calendar with Recurring Dates" of the main window.
void mnuFillCalendarwithRecurringDatesClick(TCalendarMain &window);
// The command "Fill Calendar with Holidays...": the page's own "Holidays of" place, else
// the last one chosen, else the locale's country is offered first.
void mnuFillCalendarwithHolidaysClick(TCalendarMain &window);
