// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "eventfill.h"

#include "calendar/calendardates.h"
#include "calendar/calendarnames.h"
#include "calendar/calendartexts.h"
#include "calendar/layouttable.h"
#include "pagemodel/pagemodel.h"
#include "richtext/rtfappend.h"
#include "richtext/rtfstorage.h"

#include <QMap>
#include <QStringList>

namespace EventFill {

namespace {

int dayPlannerCell(const PageModel &page, const CalendarEvent &event)
{
    const int slotCount = layoutInfo(page.CalendarLayout()).planner.slotCount;
    const TDateTime start = page.DayPlannerStartTime();
    const int firstMinute = HourOfDateTime(start) * 60 + MinuteOfDateTime(start);
    const int minute = event.start.hour() * 60 + event.start.minute();
    if (!event.hasStart() || minute < firstMinute)
        return slotCount + 1;
    const int row = (minute - firstMinute) / 60;
    return row < slotCount ? row + 1 : slotCount + 1;
}

int cellOf(const PageModel &page, const Period &period, const CalendarEvent &event)
{
    if (event.date < period.first || event.date > period.last)
        return 0;
    switch (layoutInfo(page.CalendarLayout()).planner.kind) {
    case PlannerKind::Day:
        return dayPlannerCell(page, event);
    case PlannerKind::Week:
        return int(period.first.daysTo(event.date)) + 1;
    case PlannerKind::NotPlanner:
        break;
    }
    return std::max(page.CellOfDay(event.date.day()), 0);
}

} // namespace

Period pagePeriod(const PageModel &page)
{
    const LayoutInfo &layout = layoutInfo(page.CalendarLayout());
    if (layout.isPlanner()) {
        const QDate first = page.plannerDate();
        return {first, first.addDays(layout.planner.days - 1)};
    }
    if (!layout.hasMainCalendar())
        return {};
    const QDate first(page.MainCalYear(), page.MainCalMonth(), 1);
    return {first, first.addDays(first.daysInMonth() - 1)};
}

QString eventText(const CalendarEvent &event)
{
    if (!event.hasStart())
        return event.summary;
    const QString time = SlotTimeLabel(EncodeTime(event.start.hour(), event.start.minute()),
                                       localeAmText(), localePmText());
    return event.summary.isEmpty() ? time : time + QLatin1Char(' ') + event.summary;
}

QList<Placement> placements(const PageModel &page, const QList<CalendarEvent> &events)
{
    const Period period = pagePeriod(page);
    QList<Placement> found;
    if (!period.isValid())
        return found;
    for (const CalendarEvent &event : events) {
        const QString text = eventText(event);
        const int cell = cellOf(page, period, event);
        if (cell > 0 && !text.isEmpty())
            found.append({cell, text});
    }
    return found;
}

FillResult fillPage(PageModel &page, const QList<Placement> &placements,
                    const QTextCharFormat &emptyCellFormat)
{
    // Each cell is read and written once, however many events it takes.
    QMap<int, QStringList> textsByCell;
    for (const Placement &placement : placements)
        textsByCell[placement.cell].append(placement.text);
    FillResult result;
    for (auto it = textsByCell.cbegin(); it != textsByCell.cend(); ++it) {
        const QByteArray rtf = page.GetCellRtfText(it.key(), TWPRtfStorage()).rtf();
        const RtfAppendResult appended = appendParagraphsToRtf(rtf, it.value(), emptyCellFormat);
        if (appended.unreadable)
            ++result.unreadableCells;
        if (appended.appended > 0)
            page.SetCellRtfText(it.key(), TWPRtfStorage(appended.rtf));
        result.appended += appended.appended;
    }
    return result;
}

FillResult fillRecurringDates(PageModel &page, const QList<RecurringDate> &dates,
                              const QTextCharFormat &emptyCellFormat)
{
    QList<CalendarEvent> events;
    for (const RecurringDate &date : dates)
        events.append({date.date, date.name, true, QTime()});
    return fillPage(page, placements(page, events), emptyCellFormat);
}

QString unreadableCellsMessage(int cells)
{
    if (cells <= 0)
        return QString();
    return QStringLiteral("%1 could not be read, so nothing was added to %2; %3 text is kept as it was.")
        .arg(cells == 1 ? QStringLiteral("The text of one cell") : QStringLiteral("The texts of %1 cells").arg(cells),
             cells == 1 ? QStringLiteral("it") : QStringLiteral("them"),
             cells == 1 ? QStringLiteral("its") : QStringLiteral("their"));
}

} // namespace EventFill
