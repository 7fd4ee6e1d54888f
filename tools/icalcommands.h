// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStringList>

struct RenderOptions;
class PageModel;
class QTextCharFormat;

// The editor's default font as a new installation has it: the renderer has no preferences.
QTextCharFormat emptyCellFormat();
// The lines --fill-recurring FILE [--holidays-too] puts on pages; false after a message when
// the list cannot be read.
bool recurringFillLines(const RenderOptions &options, QStringList &lines);

// --ics FILE: prints the events of the --month/--year as JSON; returns the exit status.
int runCalendarEvents(const RenderOptions &options);
// --fill-ics FILE: fills the page's cells as the main window's command does with every
// event chosen; false after a message when the file cannot be read.
bool fillFromCalendarFile(const RenderOptions &options, PageModel &page);
// --fill-recurring FILE [--holidays-too]: fills the page's cells with every entry of the
// recurring-date list that falls on the page's days, as the main window's command does
// with everything chosen; false after a message when the list cannot be read.
bool fillFromRecurringFile(const RenderOptions &options, PageModel &page);
