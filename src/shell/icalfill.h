// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class TCalendarMain;

// The command "Fill Calendar from &iCalendar File...": asks for an .ics file (starting in
// the folder last used, kept in OV.INI), offers the events on the page's days for choice,
// every one chosen, and appends the chosen ones to their cells as the recurring-date fill
// does. Text already in a cell is not added again. One undo step.
void mnuFillCalendarFromICalendarFileClick(TCalendarMain &window);
