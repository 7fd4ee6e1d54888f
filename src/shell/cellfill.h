// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextCharFormat>

class TCalendarMain;
struct DefaultFontSetting;

// The character format of the default editor font.
QTextCharFormat defaultEditorFormat(const DefaultFontSetting &font);

enum class PutTextOutcome { Appended, AlreadyThere, NoCell, Unreadable };

// Appends text as a new paragraph to the cell that shows the day, unless the cell holds that
// paragraph already, no cell shows the day, or the cell's stored text cannot be read (it is
// then kept as it is). Marks the document modified when it appends, and reopens the cell
// editor where it was.
PutTextOutcome PuttextOnDay(TCalendarMain &window, int day, const QString &text);

// The command "Fill Calendar with Recurring Dates" of the main window.
void mnuFillCalendarwithRecurringDatesClick(TCalendarMain &window);
