// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>

#include <libical/ical.h>

// Times of libical values as the adapter needs them: with their zone resolved, compared as
// instants, and shown in the machine's local time. Internal to the ical library.
namespace IcalTimes {

// The time of a DTSTART, DTEND, RECURRENCE-ID or EXDATE property, with the zone its TZID
// names when the calendar, the built-in zones or libical's own zone names know it; a TZID
// nobody knows leaves the time floating.
icaltimetype propertyTime(icalcomponent *calendar, icalproperty *property);
// The zone a property's TZID names, or null.
icaltimezone *zoneOfProperty(icalcomponent *calendar, icalproperty *property);

// libical keeps a zone's changes up to this year (on 64-bit systems): the first conversion in a
// zone stores every change of its observances up to here.
constexpr int LastChangeYear = 2582;

// Brings time from one zone to another as icaltimezone_convert_time does. Times after the last
// year libical keeps a zone's changes for are converted at the same place of an earlier
// 400-year cycle; libical would work the whole zone out again for each of them.
void convert(icaltimetype &time, icaltimezone *from, icaltimezone *to);

// UTC and zoned times name one instant; floating times and dates do not.
bool isAbsolute(const icaltimetype &time);
// Seconds that order and identify the times of one event: the instant of absolute times,
// the written wall time of the others.
qint64 key(const icaltimetype &time);
// Whether the written date exists and, for a timed value, the written time too (a leap
// second is taken).
bool isRealTime(const icaltimetype &time);
// The wall date as written, whatever the zone; invalid for out-of-range values.
QDate writtenDate(const icaltimetype &time);
// A timed value in the machine's local time (absolute times) or as written (floating).
QDateTime localDateTime(const icaltimetype &time);
// Midnight of date as a value of the same kind, zone and date-ness as like.
icaltimetype wallMidnight(const QDate &date, const icaltimetype &like);

} // namespace IcalTimes
