// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QTextCharFormat>

class TCalendarMain;
struct DefaultFontSetting;

// The character format of the default editor font.
QTextCharFormat defaultEditorFormat(const DefaultFontSetting &font);

// Appends text as a new paragraph to the cell that shows the day; nothing when no cell
// shows it. Marks the document modified and reopens the cell editor where it was.
void PuttextOnDay(TCalendarMain &window, int day, const QString &text);

// The command "Fill Calendar with Recurring Dates" of the main window.
void mnuFillCalendarwithRecurringDatesClick(TCalendarMain &window);
