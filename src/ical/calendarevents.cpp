// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarevents.h"

#include "icaltimes.h"

#include "core/filebytes.h"

#include <algorithm>
#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <set>

namespace {

// next() calls per rule and per file. Rules with COUNT cannot be started late, so these also
// bound how far such a rule is followed from its DTSTART. The file's allowance grows with its
// events, so the work stays in proportion to the file: an ordinary event takes a step or
// two per week of the period, and a file of fifty thousand of them expands completely.
constexpr int MaxStepsPerRule = 10000;
constexpr qint64 MaxStepsPerFile = 100000;
constexpr qint64 StepsPerEvent = 50;
// Rules finer than a day that filter by hour, day or month make libical walk every minute
// between two instances; only a few of them are followed per file, for fewer steps.
constexpr int MaxScanningRules = 4;
constexpr int MaxScanningSteps = 1000;
// How long before the period an instance may start and still reach into it.
constexpr int MaxLookbackDays = 366;
// Zones lie up to 14 hours either side of UTC; two days cover the difference to local time.
constexpr int ZoneSlackDays = 2;
// The first time libical converts a time of a zone the file defines, it stores one change for
// every instance of the zone's observance rules from their start to IcalTimes::LastChangeYear:
// a rule changing the offset every minute would make hundreds of millions. Real
// zones change a few times a year; rules that would make more changes than a zone or the
// file's zones together may hold, or cost more steps to estimate than the file has left, are
// dropped before any conversion, and their observance keeps only its first change.
constexpr int ZoneSampleYears = 10;
constexpr int MaxChangesPerZone = 10000;
constexpr int MaxZoneChangesPerFile = 200000;
constexpr int MaxZoneStepsPerFile = 100000;

struct ComponentDeleter
{
    void operator()(icalcomponent *component) const { icalcomponent_free(component); }
};
using ComponentPointer = std::unique_ptr<icalcomponent, ComponentDeleter>;

struct IteratorDeleter
{
    void operator()(icalrecur_iterator *iterator) const { icalrecur_iterator_free(iterator); }
};
using IteratorPointer = std::unique_ptr<icalrecur_iterator, IteratorDeleter>;

// One instance of an event: its start, and its length in seconds (timed) or days (all-day).
struct Occurrence
{
    icaltimetype start;
    qint64 seconds = 0;
    int days = 1;
};

bool hasParts(const short *parts)
{
    return parts[0] != ICAL_RECURRENCE_ARRAY_MAX;
}

int longestMonth(const icalrecurrencetype &rule)
{
    if (!hasParts(rule.by_month))
        return 31;
    int longest = 0;
    for (int i = 0; i < ICAL_BY_MONTH_SIZE && rule.by_month[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        const int month = icalrecurrencetype_month_month(rule.by_month[i]);
        if (month >= 1 && month <= 12)
            longest = std::max(longest, QDate(2024, month, 1).daysInMonth());
    }
    return longest;
}

// libical searches to the end of its range for a day of the month no listed month has
// (BYMONTH=2;BYMONTHDAY=30), a quarter of a second for each call.
bool dayOfMonthPossible(const icalrecurrencetype &rule)
{
    if (!hasParts(rule.by_month_day))
        return true;
    const int longest = longestMonth(rule);
    for (int i = 0; i < ICAL_BY_MONTHDAY_SIZE && rule.by_month_day[i] != ICAL_RECURRENCE_ARRAY_MAX; ++i) {
        const int day = std::abs(int(rule.by_month_day[i]));
        if (day >= 1 && day <= longest)
            return true;
    }
    return false;
}

bool filtersDays(const icalrecurrencetype &rule)
{
    return hasParts(rule.by_month) || hasParts(rule.by_week_no) || hasParts(rule.by_year_day)
        || hasParts(rule.by_month_day) || hasParts(rule.by_day);
}

bool isSubDaily(const icalrecurrencetype &rule)
{
    return rule.freq == ICAL_SECONDLY_RECURRENCE || rule.freq == ICAL_MINUTELY_RECURRENCE
        || rule.freq == ICAL_HOURLY_RECURRENCE;
}

// A start a whole number of intervals after DTSTART, at or before from: for rules finer than a
// day, whose instances keep the phase of DTSTART, it yields the same instances from there on.
icaltimetype alignedStart(const icalrecurrencetype &rule, const icaltimetype &dtstart,
                          const icaltimetype &from)
{
    const qint64 unit = rule.freq == ICAL_HOURLY_RECURRENCE ? 3600
                      : rule.freq == ICAL_MINUTELY_RECURRENCE ? 60 : 1;
    const qint64 step = unit * std::max(1, int(rule.interval));
    icaltimetype start = dtstart;
    start.zone = nullptr;
    icaltimetype target = from;
    target.zone = nullptr;
    const qint64 offset = (IcalTimes::key(target) - IcalTimes::key(start)) / step * step;
    icaltime_adjust(&start, int(offset / 86400), 0, 0, int(offset % 86400));
    start.zone = dtstart.zone;
    return start;
}

QString summaryOf(icalcomponent *event)
{
    // A paragraph holds one line; line breaks of the summary become spaces.
    return QString::fromUtf8(icalcomponent_get_summary(event)).simplified();
}

bool isCancelled(icalcomponent *event)
{
    return icalcomponent_get_status(event) == ICAL_STATUS_CANCELLED;
}

QByteArray uidOf(icalcomponent *event)
{
    return QByteArray(icalcomponent_get_uid(event));
}

// The EXDATEs of an event, read once: a date excludes the instance on that day, a date-time
// the instance at that time.
struct Exclusions
{
    std::set<QDate> days;
    std::set<qint64> times;

    bool contains(const QDate &day, qint64 key) const { return days.count(day) || times.count(key); }
};

class EventCollector
{
public:
    EventCollector(const QDate &first, const QDate &last) : m_first(first), m_last(last) {}

    // Sets the file's allowance of steps from the number of its events.
    void allowStepsFor(qint64 events) { m_stepBudget = MaxStepsPerFile + StepsPerEvent * events; }
    void addCalendar(icalcomponent *calendar);
    QList<CalendarEvent> takeEvents();
    int eventsCut() const { return m_eventsCut; }

private:
    void tameZones(icalcomponent *calendar);
    int estimateChanges(const icalrecurrencetype &rule, const icaltimetype &start, int most);
    std::optional<Occurrence> firstOccurrence(icalcomponent *event) const;
    void addEvent(icalcomponent *event, const std::set<qint64> &overridden);
    void expandRule(icalproperty *property, const Occurrence &first, QList<Occurrence> &found);
    bool worthExpanding(const icalrecurrencetype &rule);
    void addRecurrenceDates(icalcomponent *event, const Occurrence &first, QList<Occurrence> &found) const;
    Exclusions exclusionsOf(icalcomponent *event) const;
    QDate earliestStart(const Occurrence &occurrence) const;
    bool mayReachPeriod(const Occurrence &occurrence) const;
    void place(const Occurrence &occurrence, const QString &summary);

    icalcomponent *m_calendar = nullptr;
    QDate m_first;
    QDate m_last;
    qint64 m_steps = 0;
    qint64 m_stepBudget = MaxStepsPerFile;
    // Events whose later instances a limit kept from being looked at.
    int m_eventsCut = 0;
    int m_scanningRules = 0;
    int m_zoneSteps = 0;
    int m_zoneChangesLeft = MaxZoneChangesPerFile;
    QList<CalendarEvent> m_events;
};

// The changes an observance rule makes up to the year libical expands zones to, estimated from
// its first years so that a sane zone costs a few steps: rules repeat from year to year, and
// one that changes several times a day (sub-daily, or more than one hour, minute or second)
// is never sane. An estimate above most gives most + 1.
int EventCollector::estimateChanges(const icalrecurrencetype &rule, const icaltimetype &start, int most)
{
    const auto several = [](const short *parts) { return hasParts(parts) && parts[1] != ICAL_RECURRENCE_ARRAY_MAX; };
    if (isSubDaily(rule) || several(rule.by_hour) || several(rule.by_minute) || several(rule.by_second)
        || !dayOfMonthPossible(rule))
        return most + 1;
    if (start.year > IcalTimes::LastChangeYear)
        return 0;
    const IteratorPointer iterator(icalrecur_iterator_new(rule, start));
    if (!iterator)
        return 0;
    const int lastSampleYear = std::min(IcalTimes::LastChangeYear, start.year + ZoneSampleYears - 1);
    const qint64 samples = (IcalTimes::LastChangeYear - start.year) / ZoneSampleYears + 1;
    qint64 count = 0;
    while (m_zoneSteps < MaxZoneStepsPerFile) {
        ++m_zoneSteps;
        const icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next))
            return int(count); // the rule ends within its sample
        if (next.year > lastSampleYear)
            return int(std::min<qint64>(count * samples, most + 1));
        if (++count * samples > most)
            return most + 1;
    }
    return most + 1;
}

void EventCollector::tameZones(icalcomponent *calendar)
{
    for (icalcomponent *zone = icalcomponent_get_first_component(calendar, ICAL_VTIMEZONE_COMPONENT); zone;
         zone = icalcomponent_get_next_component(calendar, ICAL_VTIMEZONE_COMPONENT)) {
        int changesLeft = MaxChangesPerZone;
        QList<std::pair<icalcomponent *, icalproperty *>> dropped;
        for (icalcomponent *observance = icalcomponent_get_first_component(zone, ICAL_ANY_COMPONENT); observance;
             observance = icalcomponent_get_next_component(zone, ICAL_ANY_COMPONENT)) {
            icalproperty *startProperty = icalcomponent_get_first_property(observance, ICAL_DTSTART_PROPERTY);
            const icaltimetype start = startProperty ? icalproperty_get_dtstart(startProperty) : icaltime_null_time();
            // A start that does not exist can make the iterator search for ever.
            const bool startExists = !icaltime_is_null_time(start) && IcalTimes::isRealTime(start);
            for (icalproperty *rule = icalcomponent_get_first_property(observance, ICAL_RRULE_PROPERTY); rule;
                 rule = icalcomponent_get_next_property(observance, ICAL_RRULE_PROPERTY)) {
                const int most = std::min(changesLeft, m_zoneChangesLeft);
                const int changes = startExists ? estimateChanges(icalproperty_get_rrule(rule), start, most) : most + 1;
                if (changes > most) {
                    dropped.append({observance, rule});
                } else {
                    changesLeft -= changes;
                    m_zoneChangesLeft -= changes;
                }
            }
        }
        for (const auto &[observance, rule] : dropped) {
            icalcomponent_remove_property(observance, rule);
            icalproperty_free(rule);
        }
    }
}

void EventCollector::addCalendar(icalcomponent *calendar)
{
    m_calendar = calendar;
    tameZones(calendar);
    // Instances moved or changed by a RECURRENCE-ID component stand on their own; the
    // rule's instance they replace is left out.
    std::map<QByteArray, std::set<qint64>> overridden;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        if (icalproperty *id = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY)) {
            const icaltimetype time = IcalTimes::propertyTime(calendar, id);
            if (!icaltime_is_null_time(time))
                overridden[uidOf(event)].insert(IcalTimes::key(time));
        }
    }
    const std::set<qint64> none;
    for (icalcomponent *event = icalcomponent_get_first_component(calendar, ICAL_VEVENT_COMPONENT);
         event; event = icalcomponent_get_next_component(calendar, ICAL_VEVENT_COMPONENT)) {
        const bool isOverride = icalcomponent_get_first_property(event, ICAL_RECURRENCEID_PROPERTY);
        const auto found = overridden.find(uidOf(event));
        addEvent(event, isOverride || found == overridden.end() ? none : found->second);
    }
}

std::optional<Occurrence> EventCollector::firstOccurrence(icalcomponent *event) const
{
    icalproperty *startProperty = icalcomponent_get_first_property(event, ICAL_DTSTART_PROPERTY);
    if (!startProperty)
        return std::nullopt;
    Occurrence first{IcalTimes::propertyTime(m_calendar, startProperty)};
    // libical takes a start like the 30th of February as written, and its iterator then
    // never finds the next instance of a minutely or secondly rule.
    if (icaltime_is_null_time(first.start) || !IcalTimes::isRealTime(first.start))
        return std::nullopt;
    if (icalproperty *endProperty = icalcomponent_get_first_property(event, ICAL_DTEND_PROPERTY)) {
        const icaltimetype end = IcalTimes::propertyTime(m_calendar, endProperty);
        if (!icaltime_is_null_time(end) && first.start.is_date) {
            first.days = int(std::clamp<qint64>(
                IcalTimes::writtenDate(first.start).daysTo(IcalTimes::writtenDate(end)), 1, MaxLookbackDays));
        } else if (!icaltime_is_null_time(end)) {
            first.seconds = std::max<qint64>(0, IcalTimes::key(end) - IcalTimes::key(first.start));
        }
    } else if (icalproperty *duration = icalcomponent_get_first_property(event, ICAL_DURATION_PROPERTY)) {
        const qint64 seconds = std::max(0, icaldurationtype_as_int(icalproperty_get_duration(duration)));
        if (first.start.is_date)
            first.days = int(std::clamp<qint64>(seconds / 86400, 1, MaxLookbackDays));
        else
            first.seconds = seconds;
    }
    // An all-day event without an end lasts its day; a timed one is a moment.
    first.seconds = std::min<qint64>(first.seconds, qint64(MaxLookbackDays) * 86400);
    return first;
}

void EventCollector::addEvent(icalcomponent *event, const std::set<qint64> &overridden)
{
    if (isCancelled(event))
        return;
    const std::optional<Occurrence> first = firstOccurrence(event);
    if (!first)
        return;
    // DTSTART is always the first instance, whether the rule yields it or not.
    QList<Occurrence> found{*first};
    for (icalproperty *rule = icalcomponent_get_first_property(event, ICAL_RRULE_PROPERTY); rule;
         rule = icalcomponent_get_next_property(event, ICAL_RRULE_PROPERTY))
        expandRule(rule, *first, found);
    addRecurrenceDates(event, *first, found);
    const QString summary = summaryOf(event);
    const Exclusions excluded = exclusionsOf(event);
    std::set<qint64> seen;
    for (const Occurrence &occurrence : found) {
        const qint64 key = IcalTimes::key(occurrence.start);
        if (!mayReachPeriod(occurrence) || !seen.insert(key).second || overridden.count(key)
            || excluded.contains(IcalTimes::writtenDate(occurrence.start), key))
            continue;
        place(occurrence, summary);
    }
}

bool EventCollector::worthExpanding(const icalrecurrencetype &rule)
{
    if (!dayOfMonthPossible(rule))
        return false;
    if (!isSubDaily(rule))
        return true;
    const bool dayFilters = filtersDays(rule);
    const bool scans = dayFilters || hasParts(rule.by_hour)
                    || (rule.freq == ICAL_SECONDLY_RECURRENCE && hasParts(rule.by_minute));
    if (!scans)
        return true;
    // Every second of a month is millions of steps; and a rule with COUNT would be walked
    // from its DTSTART, however long ago.
    if ((rule.freq == ICAL_SECONDLY_RECURRENCE && (dayFilters || hasParts(rule.by_hour)))
        || (rule.count != 0 && dayFilters))
        return false;
    if (++m_scanningRules <= MaxScanningRules)
        return true;
    ++m_eventsCut;
    return false;
}

void EventCollector::expandRule(icalproperty *property, const Occurrence &first, QList<Occurrence> &found)
{
    icalrecurrencetype rule = icalproperty_get_rrule(property);
    if (rule.freq == ICAL_NO_RECURRENCE || !worthExpanding(rule))
        return;
    // libical steps through wall times; comparing them without their zone saves converting
    // every instance, and UNTIL is brought to the wall time of DTSTART's zone once.
    icaltimetype dtstart = first.start;
    dtstart.zone = nullptr;
    // libical cannot step a date by hours, minutes or seconds: given a rule finer than a day
    // on an all-day start, with COUNT, it searches for ever. Such rules step from midnight of
    // that day instead, and each instance keeps only its date.
    const bool datesBySteps = dtstart.is_date && isSubDaily(rule);
    if (datesBySteps) {
        dtstart.is_date = 0;
        if (!icaltime_is_null_time(rule.until) && rule.until.is_date) {
            rule.until.is_date = 0;
            rule.until.hour = 23;
            rule.until.minute = 59;
            rule.until.second = 59;
        }
    }
    if (!icaltime_is_null_time(rule.until) && !rule.until.is_date && first.start.zone
        && icaltime_is_utc(rule.until) && !icaltime_is_utc(first.start)) {
        IcalTimes::convert(rule.until, icaltimezone_get_utc_timezone(),
                           const_cast<icaltimezone *>(first.start.zone));
    }
    rule.until.zone = nullptr;
    const icaltimetype from = IcalTimes::wallMidnight(earliestStart(first), dtstart);
    const icaltimetype to = IcalTimes::wallMidnight(m_last.addDays(ZoneSlackDays + 1), dtstart);
    // An UNTIL within the period also stops libical's search between instances; COUNT
    // rules take no UNTIL and are bounded by the step limits alone.
    if (rule.count == 0 && (icaltime_is_null_time(rule.until) || icaltime_compare(rule.until, to) > 0))
        rule.until = to;
    // libical's set_start keeps the phase of INTERVAL for days and longer but not for hours,
    // minutes and seconds: those rules start from a later DTSTART of the same phase instead.
    const bool startLate = rule.count == 0 && icaltime_compare(from, dtstart) > 0;
    const IteratorPointer iterator(
        icalrecur_iterator_new(rule, startLate && isSubDaily(rule) ? alignedStart(rule, dtstart, from) : dtstart));
    if (!iterator)
        return;
    if (startLate && !isSubDaily(rule))
        icalrecur_iterator_set_start(iterator.get(), from);
    const bool scans = isSubDaily(rule) && (filtersDays(rule) || hasParts(rule.by_hour));
    const int limit = scans ? MaxScanningSteps : MaxStepsPerRule;
    for (int step = 0;; ++step, ++m_steps) {
        if (step == limit || m_steps >= m_stepBudget) {
            ++m_eventsCut;
            return;
        }
        icaltimetype next = icalrecur_iterator_next(iterator.get());
        if (icaltime_is_null_time(next))
            break;
        next.zone = nullptr;
        next.is_date = dtstart.is_date;
        if (icaltime_compare(next, to) > 0)
            break;
        if (icaltime_compare(next, from) >= 0) {
            if (datesBySteps) {
                next.is_date = 1;
                next.hour = next.minute = next.second = 0;
            }
            next.zone = first.start.zone;
            found.append({next, first.seconds, first.days});
        }
    }
}

void EventCollector::addRecurrenceDates(icalcomponent *event, const Occurrence &first,
                                        QList<Occurrence> &found) const
{
    for (icalproperty *property = icalcomponent_get_first_property(event, ICAL_RDATE_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_RDATE_PROPERTY)) {
        const icaldatetimeperiodtype value = icalproperty_get_rdate(property);
        Occurrence occurrence = first;
        if (!icaltime_is_null_time(value.time)) {
            occurrence.start = value.time;
        } else if (!icalperiodtype_is_null_period(value.period)) {
            occurrence.start = value.period.start;
            occurrence.seconds = icaltime_is_null_time(value.period.end)
                ? std::max(0, icaldurationtype_as_int(value.period.duration))
                : std::max<qint64>(0, IcalTimes::key(value.period.end) - IcalTimes::key(value.period.start));
            occurrence.seconds = std::min<qint64>(occurrence.seconds, qint64(MaxLookbackDays) * 86400);
        } else {
            continue;
        }
        if (!icaltime_is_valid_time(occurrence.start))
            continue;
        if (!occurrence.start.is_date && !icaltime_is_utc(occurrence.start)) {
            if (icaltimezone *zone = IcalTimes::zoneOfProperty(m_calendar, property))
                occurrence.start = icaltime_set_timezone(&occurrence.start, zone);
        }
        found.append(occurrence);
    }
}

Exclusions EventCollector::exclusionsOf(icalcomponent *event) const
{
    Exclusions exclusions;
    for (icalproperty *property = icalcomponent_get_first_property(event, ICAL_EXDATE_PROPERTY); property;
         property = icalcomponent_get_next_property(event, ICAL_EXDATE_PROPERTY)) {
        const icaltimetype excluded = IcalTimes::propertyTime(m_calendar, property);
        if (icaltime_is_null_time(excluded))
            continue;
        if (excluded.is_date)
            exclusions.days.insert(IcalTimes::writtenDate(excluded));
        else
            exclusions.times.insert(IcalTimes::key(excluded));
    }
    return exclusions;
}

QDate EventCollector::earliestStart(const Occurrence &occurrence) const
{
    const qint64 lengthDays = occurrence.start.is_date ? occurrence.days : occurrence.seconds / 86400 + 1;
    return m_first.addDays(-ZoneSlackDays - std::min<qint64>(lengthDays, MaxLookbackDays));
}

bool EventCollector::mayReachPeriod(const Occurrence &occurrence) const
{
    const QDate date = IcalTimes::writtenDate(occurrence.start);
    return date.isValid() && date >= earliestStart(occurrence) && date <= m_last.addDays(ZoneSlackDays);
}

void EventCollector::place(const Occurrence &occurrence, const QString &summary)
{
    if (occurrence.start.is_date) {
        const QDate begin = IcalTimes::writtenDate(occurrence.start);
        const QDate end = begin.addDays(occurrence.days - 1);
        for (QDate day = std::max(begin, m_first); day <= std::min(end, m_last); day = day.addDays(1))
            m_events.append({day, summary, true, QTime()});
        return;
    }
    const QDateTime begin = IcalTimes::localDateTime(occurrence.start);
    if (!begin.isValid())
        return;
    const QDateTime end = begin.addSecs(occurrence.seconds);
    // An event that ends at midnight does not reach into the next day.
    QDate lastDay = end.time() == QTime(0, 0) && occurrence.seconds > 0 ? end.date().addDays(-1) : end.date();
    lastDay = std::max(lastDay, begin.date());
    const QTime start(begin.time().hour(), begin.time().minute());
    for (QDate day = std::max(begin.date(), m_first); day <= std::min(lastDay, m_last); day = day.addDays(1))
        m_events.append({day, summary, false, day == begin.date() ? start : QTime()});
}

QList<CalendarEvent> EventCollector::takeEvents()
{
    std::stable_sort(m_events.begin(), m_events.end(), [](const CalendarEvent &a, const CalendarEvent &b) {
        if (a.date != b.date)
            return a.date < b.date;
        if (a.hasStart() != b.hasStart())
            return !a.hasStart();
        return a.start < b.start;
    });
    return std::move(m_events);
}

QList<icalcomponent *> calendarsOf(icalcomponent *root)
{
    if (icalcomponent_isa(root) == ICAL_VCALENDAR_COMPONENT)
        return {root};
    // Several calendars in one file come wrapped in one root.
    QList<icalcomponent *> calendars;
    for (icalcomponent *child = icalcomponent_get_first_component(root, ICAL_VCALENDAR_COMPONENT); child;
         child = icalcomponent_get_next_component(root, ICAL_VCALENDAR_COMPONENT))
        calendars.append(child);
    return calendars;
}

} // namespace

namespace CalendarEvents {

CalendarEventsResult readFile(const QString &path, const QDate &first, const QDate &last)
{
    const FileBytes::ReadResult read = FileBytes::readRegularFile(path, MaxFileBytes);
    if (!read.ok())
        return {{}, read.reason};
    return parse(read.bytes, first, last);
}

CalendarEventsResult parse(const QByteArray &bytes, const QDate &first, const QDate &last)
{
    // Damaged input must come back as errors, never end the program.
    icalerror_set_errors_are_fatal(0);
    const QString notCalendar = QStringLiteral("it is not an iCalendar file (BEGIN:VCALENDAR is missing)");
    if (!first.isValid() || !last.isValid() || last < first)
        return {};
    // The parser reads up to the first NUL byte; QByteArray always ends in one.
    const ComponentPointer root(icalparser_parse_string(bytes.constData()));
    if (!root && bytes.contains("BEGIN:VCALENDAR"))
        return {{}, QStringLiteral("the calendar in it is damaged or cut off (END:VCALENDAR is missing)")};
    if (!root)
        return {{}, notCalendar};
    const QList<icalcomponent *> calendars = calendarsOf(root.get());
    if (calendars.isEmpty())
        return {{}, notCalendar};
    EventCollector collector(first, last);
    qint64 events = 0;
    for (icalcomponent *calendar : calendars)
        events += icalcomponent_count_components(calendar, ICAL_VEVENT_COMPONENT);
    collector.allowStepsFor(events);
    for (icalcomponent *calendar : calendars)
        collector.addCalendar(calendar);
    const int cut = collector.eventsCut();
    return {collector.takeEvents(), QString(), cut};
}

QString cutShortMessage(int eventsCut)
{
    if (eventsCut <= 0)
        return QString();
    return QStringLiteral("%1 of the file's events repeat in ways that take more work than one file is given "
                          "(a rule followed from far back, or one that is checked minute by minute): "
                          "some of their days may be missing.")
        .arg(eventsCut == 1 ? QStringLiteral("One") : QString::number(eventsCut));
}

} // namespace CalendarEvents
