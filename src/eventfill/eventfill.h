// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ical/calendarevents.h"
#include "recurring/recurringmonth.h"

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTextCharFormat>

class PageModel;

// Filling a page's day cells with the events of a calendar file: which days the page shows,
// which cell each event goes into and with what text. The main window's commands (on the
// model of the page they show) and the renderer share it; it needs no widgets.
namespace EventFill {

// The days the page's cells show: the page's month, a week planner's days, a day planner's
// day. Invalid for layouts without day cells.
struct Period
{
    QDate first;
    QDate last;
    bool isValid() const { return first.isValid() && last.isValid(); }
};
Period pagePeriod(const PageModel &page);

// The summary, preceded by the start in the page's time format when there is one.
QString eventText(const CalendarEvent &event);

struct Placement
{
    int cell = 0;
    QString text;
};
// The cell of each event, in the events' order; events on days the page does not show are
// left out. Month pages find the cells of their days in the page's cell table. On day
// planners timed events go into the row of their starting hour and the others, with those
// outside the planner's hours, into "Notes".
QList<Placement> placements(const PageModel &page, const QList<CalendarEvent> &events);

struct FillResult
{
    int appended = 0;
    // Cells whose stored text could not be read: they are left as they were.
    int unreadableCells = 0;
};
// Appends each placement the cell does not hold yet as a paragraph (the format of the text
// there, or emptyCellFormat in an empty cell).
FillResult fillPage(PageModel &page, const QList<Placement> &placements, const QTextCharFormat &emptyCellFormat);
// Recurring dates, as all-day entries, placed and appended as events are: by date, a day
// planner's into its Notes.
FillResult fillRecurringDates(PageModel &page, const QList<RecurringDate> &dates,
                              const QTextCharFormat &emptyCellFormat);
// What to tell the user about cells a fill left alone because their text could not be read;
// empty when there were none.
QString unreadableCellsMessage(int cells);

} // namespace EventFill
