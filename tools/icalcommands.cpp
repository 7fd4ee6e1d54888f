// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icalcommands.h"

#include "renderoptions.h"
#include "recurring/holidaylist.h"
#include "recurring/recurringmonth.h"
#include "recurring/recurringreport.h"
#include "terminaltext.h"

#include "eventfill/eventfill.h"
#include "ical/calendarevents.h"
#include "pagemodel/pagemodel.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

namespace {

void printError(const QString &path, const QString &reason)
{
    printProblem(QStringLiteral("cannot read %1: %2").arg(path, reason));
}

// Events a limit cut short are said on standard error; true when there were some.
bool warnIfCutShort(const QString &path, const CalendarEventsResult &read)
{
    if (read.eventsCut <= 0)
        return false;
    printProblem(QStringLiteral("%1: %2").arg(path, CalendarEvents::cutShortMessage(read.eventsCut)));
    return true;
}

QJsonObject eventJson(const CalendarEvent &event)
{
    return {{QStringLiteral("day"), event.date.day()},
            {QStringLiteral("summary"), event.summary},
            {QStringLiteral("allDay"), event.allDay},
            {QStringLiteral("start"), event.hasStart() ? QJsonValue(event.start.toString(QStringLiteral("HH:mm")))
                                                       : QJsonValue(QJsonValue::Null)}};
}

} // namespace

QTextCharFormat emptyCellFormat()
{
    QTextCharFormat format;
    format.setFontFamilies({QStringLiteral("Arial")});
    format.setFontPointSize(10);
    format.setForeground(Qt::black);
    return format;
}

namespace {

// The page's days for a fill; invalid, after a message, on a layout without day cells.
EventFill::Period fillPeriod(const PageModel &page, const char *option)
{
    const EventFill::Period period = EventFill::pagePeriod(page);
    if (!period.isValid())
        printProblem(QStringLiteral("%1 needs a layout with day cells").arg(QLatin1String(option)));
    return period;
}

void reportUnreadable(const EventFill::FillResult &filled)
{
    if (filled.unreadableCells > 0)
        printProblem(EventFill::unreadableCellsMessage(filled.unreadableCells));
}

} // namespace

int runCalendarEvents(const RenderOptions &options)
{
    const QDate first(*options.year, *options.month, 1);
    const CalendarEventsResult read
        = CalendarEvents::readFile(options.icsFile, first, first.addDays(first.daysInMonth() - 1));
    if (!read.ok()) {
        printError(options.icsFile, read.error);
        return 1;
    }
    // A listing with events cut short is incomplete, and the exit status says so.
    const int status = warnIfCutShort(options.icsFile, read) ? 3 : 0;
    if (read.events.isEmpty()) {
        std::fputs("[]\n", stdout);
        return status;
    }
    QJsonArray events;
    for (const CalendarEvent &event : read.events)
        events.append(eventJson(event));
    const QByteArray json = QJsonDocument(events).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return status;
}

bool fillFromCalendarFile(const RenderOptions &options, PageModel &page)
{
    if (options.fillIcsFiles.isEmpty())
        return true;
    const EventFill::Period period = fillPeriod(page, "--fill-ics");
    if (!period.isValid())
        return false;
    page.UpdateCellTable();
    for (const QString &path : options.fillIcsFiles) {
        const CalendarEventsResult read = CalendarEvents::readFile(path, period.first, period.last);
        if (!read.ok()) {
            printError(path, read.error);
            return false;
        }
        warnIfCutShort(path, read);
        reportUnreadable(EventFill::fillPage(page, EventFill::placements(page, read.events), emptyCellFormat()));
    }
    return true;
}

bool recurringFillLines(const RenderOptions &options, QStringList &lines)
{
    QString error;
    lines = loadRecurringReportFile(options.fillRecurringFile, &error);
    if (!error.isEmpty()) {
        printProblem(error);
        return false;
    }
    if (options.holidaysToo) {
        for (const QString &holiday : holidayLines()) {
            if (!holidayListed(lines, holiday))
                lines.append(holiday);
        }
    }
    return true;
}

bool fillFromRecurringFile(const RenderOptions &options, PageModel &page)
{
    if (options.fillRecurringFile.isEmpty())
        return true;
    const EventFill::Period period = fillPeriod(page, "--fill-recurring");
    if (!period.isValid())
        return false;
    QStringList lines;
    if (!recurringFillLines(options, lines))
        return false;
    page.UpdateCellTable();
    reportUnreadable(EventFill::fillRecurringDates(page, recurringDatesInPeriod(lines, period.first, period.last),
                                                   emptyCellFormat()));
    return true;
}
