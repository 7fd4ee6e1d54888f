// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QDate>
#include <QList>
#include <QString>
#include <QTime>

// One event on one day, as a page shows it. A timed event carries its start in the local
// time of the machine (or as written, for floating times); an all-day event, and the days
// after the first of an event that runs past midnight, carry no start.
struct CalendarEvent
{
    QDate date;
    QString summary;
    bool allDay = false;
    QTime start;

    bool hasStart() const { return start.isValid(); }
    friend bool operator==(const CalendarEvent &, const CalendarEvent &) = default;
};

struct CalendarEventsResult
{
    // By day, then all-day before timed, then start, then file order.
    QList<CalendarEvent> events;
    // Why the file could not be read, in words a user understands; empty on success.
    QString error;
    // Events the limits on work per file kept from being followed to the end of the period
    // (rules walked too far from their start, or too many that scan minute by minute): some
    // of their instances may be missing.
    int eventsCut = 0;

    bool ok() const { return error.isEmpty(); }
};

// The events of an iCalendar file (RFC 5545) that fall on the days first..last, with
// recurrences expanded by libical. Cancelled events, to-dos, journal entries and alarms are
// left out. The work is bounded whatever the file holds: rules are started near the period
// where libical allows it and each rule is looked at for a limited number of instances.
namespace CalendarEvents {

inline constexpr qint64 MaxFileBytes = 64LL * 1024 * 1024;

CalendarEventsResult readFile(const QString &path, const QDate &first, const QDate &last);
CalendarEventsResult parse(const QByteArray &bytes, const QDate &first, const QDate &last);

// What to tell the user when events were cut short (eventsCut > 0); empty otherwise.
QString cutShortMessage(int eventsCut);

} // namespace CalendarEvents
