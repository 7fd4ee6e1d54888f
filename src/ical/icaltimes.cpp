// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "icaltimes.h"

namespace IcalTimes {

namespace {

// The Gregorian calendar repeats its dates and weekdays every 400 years, and so do the rules
// of real zones.
constexpr int GregorianCycleYears = 400;

} // namespace

void convert(icaltimetype &time, icaltimezone *from, icaltimezone *to)
{
    const int cycles = time.year > LastChangeYear
        ? (time.year - LastChangeYear + GregorianCycleYears - 1) / GregorianCycleYears
        : 0;
    time.year -= cycles * GregorianCycleYears;
    icaltimezone_convert_time(&time, from, to);
    time.year += cycles * GregorianCycleYears;
}

icaltimezone *zoneOfProperty(icalcomponent *calendar, icalproperty *property)
{
    icalparameter *parameter = icalproperty_get_first_parameter(property, ICAL_TZID_PARAMETER);
    const char *tzid = parameter ? icalparameter_get_tzid(parameter) : nullptr;
    if (!tzid || !*tzid)
        return nullptr;
    if (icaltimezone *zone = calendar ? icalcomponent_get_timezone(calendar, tzid) : nullptr)
        return zone;
    // Many files name Olson zones without a VTIMEZONE of their own.
    if (icaltimezone *zone = icaltimezone_get_builtin_timezone(tzid))
        return zone;
    return icaltimezone_get_builtin_timezone_from_tzid(tzid);
}

icaltimetype propertyTime(icalcomponent *calendar, icalproperty *property)
{
    icaltimetype time = icaltime_null_time();
    switch (icalproperty_isa(property)) {
    case ICAL_DTSTART_PROPERTY: time = icalproperty_get_dtstart(property); break;
    case ICAL_DTEND_PROPERTY: time = icalproperty_get_dtend(property); break;
    case ICAL_RECURRENCEID_PROPERTY: time = icalproperty_get_recurrenceid(property); break;
    case ICAL_EXDATE_PROPERTY: time = icalproperty_get_exdate(property); break;
    default: return time;
    }
    if (icaltime_is_null_time(time) || !icaltime_is_valid_time(time))
        return icaltime_null_time();
    if (!icaltime_is_utc(time) && !time.is_date) {
        if (icaltimezone *zone = zoneOfProperty(calendar, property))
            time = icaltime_set_timezone(&time, zone);
    }
    return time;
}

bool isAbsolute(const icaltimetype &time)
{
    return !time.is_date && (icaltime_is_utc(time) || time.zone != nullptr);
}

qint64 key(const icaltimetype &time)
{
    icaltimetype written = time;
    if (isAbsolute(time) && !icaltime_is_utc(time)) {
        // libical's own conversion to seconds gives up before 1902; its zone arithmetic does not.
        convert(written, const_cast<icaltimezone *>(time.zone), icaltimezone_get_utc_timezone());
    }
    const QDate date = writtenDate(written);
    if (!date.isValid())
        return 0;
    const QTime clock = written.is_date ? QTime(0, 0)
                                        : QTime(written.hour, written.minute, qMin(written.second, 59));
    return QDateTime(date, clock, Qt::UTC).toSecsSinceEpoch();
}

QDate writtenDate(const icaltimetype &time)
{
    if (time.year < 1 || time.year > 9999)
        return {};
    return QDate(time.year, time.month, time.day);
}

bool isRealTime(const icaltimetype &time)
{
    if (!writtenDate(time).isValid())
        return false;
    return time.is_date
        || (time.hour >= 0 && time.hour < 24 && time.minute >= 0 && time.minute < 60 && time.second >= 0
            && time.second <= 60);
}

QDateTime localDateTime(const icaltimetype &time)
{
    const QDate date = writtenDate(time);
    if (!date.isValid() || time.is_date)
        return {};
    if (isAbsolute(time))
        return QDateTime::fromSecsSinceEpoch(key(time)).toLocalTime();
    // Floating times are wall times wherever they are read: keep them off any zone's rules.
    return QDateTime(date, QTime(time.hour, time.minute, qMin(time.second, 59)), Qt::UTC);
}

icaltimetype wallMidnight(const QDate &date, const icaltimetype &like)
{
    icaltimetype time = icaltime_null_time();
    time.year = date.year();
    time.month = date.month();
    time.day = date.day();
    time.is_date = like.is_date;
    time.zone = like.zone;
    return time;
}

} // namespace IcalTimes
