// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "ical/calendarevents.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <ctime>
#include <ostream>

void PrintTo(const QString &text, std::ostream *stream)
{
    *stream << '"' << text.toStdString() << '"';
}

namespace {

// Local time is Berlin throughout, so times in other zones have a known local value.
class CalendarEventsTest : public ::testing::Test
{
protected:
    static void SetUpTestSuite()
    {
        qputenv("TZ", "Europe/Berlin");
        tzset();
    }
};

QByteArray calendar(const QStringList &lines)
{
    return (QStringList{QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0"),
                        QStringLiteral("PRODID:-//Orvane tests//EN")}
            + lines + QStringList{QStringLiteral("END:VCALENDAR"), QString()})
        .join(QStringLiteral("\r\n"))
        .toUtf8();
}

QStringList event(const QStringList &properties)
{
    return QStringList{QStringLiteral("BEGIN:VEVENT")} + properties
         + QStringList{QStringLiteral("END:VEVENT")};
}

// "day HH:MM summary" (or "day - summary" without a start): one line per event.
QStringList describe(const CalendarEventsResult &result)
{
    QStringList lines;
    for (const CalendarEvent &e : result.events) {
        lines.append(QStringLiteral("%1 %2 %3")
                         .arg(e.date.toString(QStringLiteral("MM-dd")),
                              e.hasStart() ? e.start.toString(QStringLiteral("HH:mm"))
                                           : QString::fromLatin1(e.allDay ? "all" : "-"),
                              e.summary));
    }
    return lines;
}

QStringList month(const QByteArray &bytes, int year, int month)
{
    const QDate first(year, month, 1);
    const CalendarEventsResult result = CalendarEvents::parse(bytes, first, first.addMonths(1).addDays(-1));
    EXPECT_TRUE(result.ok()) << result.error.toStdString();
    return describe(result);
}

} // namespace

TEST_F(CalendarEventsTest, MonthlyNthWeekdayLeavesOutExcludedDates)
{
    const QByteArray bytes = calendar(event({"UID:club", "SUMMARY:Club night",
                                             "DTSTART;TZID=Europe/Berlin:20260102T190000",
                                             "DTEND;TZID=Europe/Berlin:20260102T220000",
                                             "RRULE:FREQ=MONTHLY;BYDAY=1FR,-1SU",
                                             "EXDATE;TZID=Europe/Berlin:20260306T190000,20260329T190000"}));
    EXPECT_EQ(month(bytes, 2026, 2), QStringList({"02-06 19:00 Club night", "02-22 19:00 Club night"}));
    EXPECT_TRUE(month(bytes, 2026, 3).isEmpty());
    EXPECT_EQ(month(bytes, 2026, 4), QStringList({"04-03 19:00 Club night", "04-26 19:00 Club night"}));
    // Years later, the rule is started near the month rather than walked from its start.
    EXPECT_EQ(month(bytes, 2031, 8), QStringList({"08-01 19:00 Club night", "08-31 19:00 Club night"}));
}

TEST_F(CalendarEventsTest, ExcludedDaysAndTimesOfOneEvent)
{
    // A date leaves out every instance on that day, a date-time only the one at that time.
    const QByteArray bytes = calendar(event({"UID:t", "SUMMARY:Tea", "DTSTART:20261201T090000",
                                             "RRULE:FREQ=HOURLY;INTERVAL=8;COUNT=12", "EXDATE;VALUE=DATE:20261202",
                                             "EXDATE:20261203T170000,20261204T010000"}));
    EXPECT_EQ(month(bytes, 2026, 12), QStringList({"12-01 09:00 Tea", "12-01 17:00 Tea", "12-03 01:00 Tea",
                                                   "12-03 09:00 Tea", "12-04 09:00 Tea", "12-04 17:00 Tea",
                                                   "12-05 01:00 Tea"}));
}

TEST_F(CalendarEventsTest, WeeklyRuleEndsAtItsUtcUntil)
{
    const QByteArray bytes = calendar(event({"UID:w", "SUMMARY:Swim",
                                             "DTSTART;TZID=Europe/Berlin:20260105T090000",
                                             "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;UNTIL=20260114T080000Z"}));
    EXPECT_EQ(month(bytes, 2026, 1),
              QStringList({"01-05 09:00 Swim", "01-07 09:00 Swim", "01-12 09:00 Swim", "01-14 09:00 Swim"}));
    const QByteArray earlier = calendar(event({"UID:w", "SUMMARY:Swim",
                                               "DTSTART;TZID=Europe/Berlin:20260105T090000",
                                               "RRULE:FREQ=WEEKLY;BYDAY=MO,WE;UNTIL=20260114T075959Z"}));
    EXPECT_EQ(month(earlier, 2026, 1).size(), 3);
    // Every other week keeps the phase of its start when started late.
    const QByteArray fortnightly = calendar(event({"UID:f", "SUMMARY:Bins", "DTSTART:20260106T070000",
                                                   "RRULE:FREQ=WEEKLY;INTERVAL=2"}));
    EXPECT_EQ(month(fortnightly, 2026, 12), QStringList({"12-08 07:00 Bins", "12-22 07:00 Bins"}));
}

TEST_F(CalendarEventsTest, CountedDailyRuleWithMovedAndCancelledInstances)
{
    const QByteArray bytes = calendar(
        event({"UID:d@x", "SUMMARY:Standup", "DTSTART:20260201T080000", "DURATION:PT15M",
               "RRULE:FREQ=DAILY;COUNT=5"})
        + event({"UID:d@x", "RECURRENCE-ID:20260203T080000", "SUMMARY:Standup moved",
                 "DTSTART:20260210T170000"})
        + event({"UID:d@x", "RECURRENCE-ID:20260204T080000", "SUMMARY:Standup", "STATUS:CANCELLED",
                 "DTSTART:20260204T080000"}));
    EXPECT_EQ(month(bytes, 2026, 2), QStringList({"02-01 08:00 Standup", "02-02 08:00 Standup",
                                                  "02-05 08:00 Standup", "02-10 17:00 Standup moved"}));
}

TEST_F(CalendarEventsTest, MultiDayEventsAppearOnEachOfTheirDays)
{
    const QByteArray bytes = calendar(
        event({"UID:a", "SUMMARY:Holiday", "DTSTART;VALUE=DATE:20260129", "DTEND;VALUE=DATE:20260203"})
        + event({"UID:b", "SUMMARY:Night shift", "DTSTART:20260130T220000", "DTEND:20260131T060000"})
        + event({"UID:c", "SUMMARY:Until midnight", "DTSTART:20260202T200000", "DTEND:20260203T000000"})
        + event({"UID:d", "SUMMARY:Birthday", "DTSTART;VALUE=DATE:20260131"}));
    EXPECT_EQ(month(bytes, 2026, 1), QStringList({"01-29 all Holiday", "01-30 all Holiday",
                                                  "01-30 22:00 Night shift", "01-31 all Holiday",
                                                  "01-31 - Night shift", "01-31 all Birthday"}));
    // DTEND of a date is exclusive; an event ending at midnight stays on its day.
    EXPECT_EQ(month(bytes, 2026, 2), QStringList({"02-01 all Holiday", "02-02 all Holiday",
                                                  "02-02 20:00 Until midnight"}));
}

TEST_F(CalendarEventsTest, OtherZonesAreShownInLocalTimeAcrossDaylightSavingChanges)
{
    // New York moves its clocks on 8 March 2026, Berlin on 29 March.
    const QByteArray bytes = calendar(
        event({"UID:ny", "SUMMARY:Call", "DTSTART;TZID=America/New_York:20260304T100000",
               "RRULE:FREQ=WEEKLY;COUNT=5"})
        + event({"UID:utc", "SUMMARY:Launch", "DTSTART:20260320T233000Z"})
        + event({"UID:floating", "SUMMARY:Lunch", "DTSTART:20260316T120000"}));
    EXPECT_EQ(month(bytes, 2026, 3),
              QStringList({"03-04 16:00 Call", "03-11 15:00 Call", "03-16 12:00 Lunch", "03-18 15:00 Call",
                           "03-21 00:30 Launch", "03-25 15:00 Call"}));
    EXPECT_EQ(month(bytes, 2026, 4), QStringList({"04-01 16:00 Call"}));
    // A zone the file defines itself wins over any other of that name.
    const QByteArray own = calendar(
        QStringList{"BEGIN:VTIMEZONE", "TZID:America/New_York", "BEGIN:STANDARD", "DTSTART:19700101T000000",
                    "TZOFFSETFROM:+0500", "TZOFFSETTO:+0500", "END:STANDARD", "END:VTIMEZONE"}
        + event({"UID:z", "SUMMARY:Far away", "DTSTART;TZID=America/New_York:20260115T100000"}));
    EXPECT_EQ(month(own, 2026, 1), QStringList({"01-15 06:00 Far away"}));
}

TEST_F(CalendarEventsTest, FoldedLinesEscapesAndOtherComponents)
{
    QByteArray bytes = calendar(
        event({"UID:e", "SUMMARY:Club night\\, with friends\\; and", "  more", "DTSTART:20260605T190000",
               "BEGIN:VALARM", "ACTION:DISPLAY", "TRIGGER:-PT15M", "DESCRIPTION:Alarm", "END:VALARM"})
        + QStringList{"BEGIN:VTODO", "UID:t", "SUMMARY:Todo", "DTSTART:20260605T080000", "END:VTODO",
                      "BEGIN:VJOURNAL", "UID:j", "SUMMARY:Journal", "DTSTART:20260605T080000", "END:VJOURNAL"}
        + event({"UID:x", "SUMMARY:Called off", "STATUS:CANCELLED", "DTSTART:20260606T190000"})
        + event({"UID:r", "SUMMARY:Extra dates", "DTSTART:20260601T090000",
                 "RDATE;VALUE=PERIOD:20260610T140000/PT2H", "RDATE:20260612T090000"}));
    EXPECT_EQ(month(bytes, 2026, 6), QStringList({"06-01 09:00 Extra dates", "06-05 19:00 Club night, with friends; and more",
                                                  "06-10 14:00 Extra dates", "06-12 09:00 Extra dates"}));
    // Lines may end in a bare line feed and the calendar may be one of several.
    bytes.replace("\r\n", "\n");
    EXPECT_EQ(month(bytes + bytes, 2026, 6).size(), 8);
}

TEST_F(CalendarEventsTest, DamagedFilesGiveAReason)
{
    for (const QByteArray &bytes : {QByteArray(), QByteArray("\x89PNG\r\n\x1a\n garbage"),
                                    QByteArray("BEGIN:VEVENT\r\nSUMMARY:loose\r\nEND:VEVENT\r\n")}) {
        const CalendarEventsResult result = CalendarEvents::parse(bytes, QDate(2026, 1, 1), QDate(2026, 1, 31));
        EXPECT_FALSE(result.ok());
        EXPECT_TRUE(result.error.contains(QStringLiteral("not an iCalendar file")));
    }
    // An event without a usable start is left out; a cut-off calendar says so.
    QByteArray bytes = calendar(event({"UID:ok", "SUMMARY:Kept", "DTSTART:20260110T100000"})
                                + event({"UID:bad", "SUMMARY:Broken", "DTSTART:2026-01-11 noon"})
                                + event({"UID:empty", "SUMMARY:Empty"}));
    EXPECT_EQ(month(bytes, 2026, 1), QStringList({"01-10 10:00 Kept"}));
    bytes.chop(30);
    EXPECT_TRUE(CalendarEvents::parse(bytes, QDate(2026, 1, 1), QDate(2026, 1, 31)).error.contains("cut off"));

    QTemporaryDir folder;
    EXPECT_EQ(CalendarEvents::readFile(folder.filePath("none.ics"), QDate(2026, 1, 1), QDate(2026, 1, 31)).error,
              QStringLiteral("the file does not exist"));
    EXPECT_FALSE(CalendarEvents::readFile(folder.path(), QDate(2026, 1, 1), QDate(2026, 1, 31)).ok());
    QFile file(folder.filePath("ok.ics"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(calendar(event({"UID:f", "SUMMARY:From a file", "DTSTART;VALUE=DATE:20260120"})));
    file.close();
    const CalendarEventsResult read = CalendarEvents::readFile(file.fileName(), QDate(2026, 1, 1), QDate(2026, 1, 31));
    EXPECT_EQ(describe(read), QStringList({"01-20 all From a file"}));
}

TEST_F(CalendarEventsTest, RulesFromLongAgoAndRulesThatNeverMatchFinish)
{
    const QByteArray bytes = calendar(
        event({"UID:m1", "SUMMARY:Daily by minutes", "DTSTART:19000101T090000",
               "RRULE:FREQ=MINUTELY;INTERVAL=1440"})
        + event({"UID:m2", "SUMMARY:Half past", "DTSTART:19000101T000000", "RRULE:FREQ=MINUTELY;BYHOUR=9;BYMINUTE=30"})
        + event({"UID:h", "SUMMARY:Every seven hours", "DTSTART:20260105T090000", "RRULE:FREQ=HOURLY;INTERVAL=7"})
        + event({"UID:n1", "SUMMARY:Never", "DTSTART:20260101T000000", "RRULE:FREQ=DAILY;BYMONTH=2;BYMONTHDAY=30;COUNT=3"})
        + event({"UID:n2", "SUMMARY:Never", "DTSTART:20260101T000000", "RRULE:FREQ=MONTHLY;BYMONTH=4;BYMONTHDAY=31"})
        + event({"UID:n3", "SUMMARY:Never", "DTSTART:20251201T000000", "RRULE:FREQ=SECONDLY;BYMONTH=2;BYMONTHDAY=30"})
        + event({"UID:n4", "SUMMARY:Never", "DTSTART:20251201T000000", "RRULE:FREQ=MINUTELY;BYMONTH=2;BYMONTHDAY=30"}));
    const QDate first(2026, 12, 1);
    const CalendarEventsResult result = CalendarEvents::parse(bytes, first, QDate(2026, 12, 31));
    int minutes = 0, halfPast = 0, sevenHours = 0;
    for (const CalendarEvent &e : result.events) {
        EXPECT_NE(e.summary, QStringLiteral("Never"));
        if (e.summary == QStringLiteral("Daily by minutes") && e.start == QTime(9, 0))
            ++minutes;
        if (e.summary == QStringLiteral("Half past") && e.start == QTime(9, 30))
            ++halfPast;
        if (e.summary == QStringLiteral("Every seven hours")) {
            // Floating times: a whole number of seven hours after 5 January 09:00 as written.
            const qint64 hours = QDateTime(QDate(2026, 1, 5), QTime(9, 0), Qt::UTC)
                                     .secsTo(QDateTime(e.date, e.start, Qt::UTC)) / 3600;
            EXPECT_EQ(hours % 7, 0) << e.date.toString().toStdString();
            ++sevenHours;
        }
    }
    EXPECT_EQ(minutes, 31);
    EXPECT_EQ(halfPast, 31);
    EXPECT_GE(sevenHours, 106);
}

TEST_F(CalendarEventsTest, StartsThatDoNotExistLeaveTheirEventOut)
{
    // Minutely and secondly rules from such starts used to search for ever.
    const QByteArray bytes = calendar(
        event({"UID:d0", "SUMMARY:Bad", "DTSTART;VALUE=DATE:20261200", "RRULE:FREQ=MINUTELY;BYHOUR=9"})
        + event({"UID:d30", "SUMMARY:Bad", "DTSTART;VALUE=DATE:20250230", "RRULE:FREQ=MINUTELY;BYHOUR=9"})
        + event({"UID:d32", "SUMMARY:Bad", "DTSTART;VALUE=DATE:20260132", "RRULE:FREQ=SECONDLY;BYMINUTE=5"})
        + event({"UID:h25", "SUMMARY:Bad", "DTSTART:20261201T250000", "RRULE:FREQ=DAILY"})
        + event({"UID:m61", "SUMMARY:Bad", "DTSTART:20261201T096100"})
        + event({"UID:ok", "SUMMARY:Good", "DTSTART;VALUE=DATE:20261207"}));
    EXPECT_EQ(month(bytes, 2026, 12), QStringList{"12-07 all Good"});
}

TEST_F(CalendarEventsTest, RulesFinerThanADayOnAnAllDayStartGiveTheDaysTheyReach)
{
    // With COUNT, these searched for ever: libical cannot step a date by hours or minutes.
    const QByteArray bytes = calendar(
        event({"UID:h", "SUMMARY:Every 36 hours", "DTSTART;VALUE=DATE:20261202", "RRULE:FREQ=HOURLY;INTERVAL=36;COUNT=4"})
        + event({"UID:m", "SUMMARY:Minutes at nine", "DTSTART;VALUE=DATE:20261209",
                 "RRULE:FREQ=MINUTELY;COUNT=6;BYHOUR=9"})
        + event({"UID:s", "SUMMARY:Seconds", "DTSTART;VALUE=DATE:20261210", "RRULE:FREQ=SECONDLY;COUNT=6;BYMINUTE=9"})
        + event({"UID:u", "SUMMARY:Nine daily", "DTSTART;VALUE=DATE:20261220",
                 "RRULE:FREQ=HOURLY;BYHOUR=9;UNTIL=20261222"})
        + event({"UID:l", "SUMMARY:Long ago", "DTSTART;VALUE=DATE:19000102", "RRULE:FREQ=MINUTELY;COUNT=6;BYHOUR=9"}));
    EXPECT_EQ(month(bytes, 2026, 12),
              QStringList({"12-02 all Every 36 hours", "12-03 all Every 36 hours", "12-05 all Every 36 hours",
                           "12-06 all Every 36 hours", "12-09 all Minutes at nine", "12-10 all Seconds",
                           "12-20 all Nine daily", "12-21 all Nine daily", "12-22 all Nine daily"}));
    EXPECT_EQ(month(bytes, 1900, 1), QStringList{"01-02 all Long ago"});
}

TEST_F(CalendarEventsTest, ZoneRulesTooDenseToExpandLeaveTheirObservanceItsFirstOffset)
{
    // Expanded as written, the minutely zone took hours and gigabytes on its first conversion.
    auto zone = [](const QString &id, const QStringList &observances) {
        return QStringList{"BEGIN:VTIMEZONE", "TZID:" + id} + observances + QStringList{"END:VTIMEZONE"};
    };
    auto observance = [](const char *kind, const char *start, const char *from, const char *to, const char *rule) {
        return QStringList{QStringLiteral("BEGIN:") + kind, QStringLiteral("DTSTART:") + start,
                           QStringLiteral("TZOFFSETFROM:") + from, QStringLiteral("TZOFFSETTO:") + to, rule,
                           QStringLiteral("END:") + kind};
    };
    const QByteArray bytes = calendar(
        zone("Minutes", observance("STANDARD", "19701025T030000", "+0200", "+0300", "RRULE:FREQ=MINUTELY"))
        + zone("Days", observance("STANDARD", "16010101T000000", "+0200", "+0300", "RRULE:FREQ=DAILY"))
        + zone("Nowhen", observance("STANDARD", "19700230T030000", "+0200", "+0300", "RRULE:FREQ=YEARLY"))
        // A zone of the south, in summer time from October to March, keeps both its rules.
        + zone("South", observance("DAYLIGHT", "19701004T020000", "+0400", "+0500", "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=1SU")
                            + observance("STANDARD", "19700405T030000", "+0500", "+0400",
                                         "RRULE:FREQ=YEARLY;BYMONTH=4;BYDAY=1SU"))
        + event({"UID:m", "SUMMARY:Minutes", "DTSTART;TZID=Minutes:20261207T100000"})
        + event({"UID:d", "SUMMARY:Days", "DTSTART;TZID=Days:20261208T100000"})
        + event({"UID:n", "SUMMARY:Nowhen", "DTSTART;TZID=Nowhen:20261209T100000"})
        + event({"UID:s", "SUMMARY:South", "DTSTART;TZID=South:20260710T100000", "RRULE:FREQ=MONTHLY;COUNT=6"}));
    // Ten o'clock at +03:00 is eight in Berlin's winter; at +04:00 in July eight in its summer,
    // at +05:00 in December six.
    EXPECT_EQ(month(bytes, 2026, 12), QStringList({"12-07 08:00 Minutes", "12-08 08:00 Days", "12-09 08:00 Nowhen",
                                                   "12-10 06:00 South"}));
    EXPECT_EQ(month(bytes, 2026, 7), QStringList({"07-10 08:00 South"}));
}

TEST_F(CalendarEventsTest, TimesAfterTheLastStoredZoneChangeFollowTheZoneRules)
{
    // libical keeps zone changes up to 2582; later times took the last change's offset (winter
    // time in July), and every one of them worked the zone out again.
    const QByteArray bytes = calendar(event({"UID:far", "SUMMARY:Far", "DTSTART;TZID=America/New_York:29000701T100000"})
                                      + event({"UID:near", "SUMMARY:Near", "DTSTART;TZID=America/New_York:25800702T100000"}));
    EXPECT_EQ(month(bytes, 2900, 7), QStringList{"07-01 16:00 Far"});
    EXPECT_EQ(month(bytes, 2580, 7), QStringList{"07-02 16:00 Near"});
}

namespace {

// Weekly events starting on each day of the ten years before the month, at different hours,
// and how many instances December 2026 holds.
QByteArray manyWeeklyEvents(int count, int *expected)
{
    QByteArray bytes = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\nPRODID:-//Orvane tests//EN\r\n";
    const QDate base(2017, 1, 2);
    const QDate first(2026, 12, 1);
    const QDate last(2026, 12, 31);
    *expected = 0;
    for (int i = 0; i < count; ++i) {
        const QDate start = base.addDays(i % 3650);
        bytes += "BEGIN:VEVENT\r\nUID:w" + QByteArray::number(i) + "\r\nSUMMARY:E" + QByteArray::number(i)
               + "\r\nDTSTART:" + start.toString(QStringLiteral("yyyyMMdd")).toLatin1() + 'T'
               + QByteArray::number(10 + i % 10) + "0000\r\nRRULE:FREQ=WEEKLY\r\nEND:VEVENT\r\n";
        for (QDate day = std::max(start, first); day <= last; day = day.addDays(1))
            *expected += day.dayOfWeek() == start.dayOfWeek();
    }
    return bytes + "END:VCALENDAR\r\n";
}

} // namespace

TEST_F(CalendarEventsTest, FilesOfTensOfThousandsOfEventsExpandCompletely)
{
    int expected = 0;
    const QByteArray bytes = manyWeeklyEvents(50000, &expected);
    const CalendarEventsResult result = CalendarEvents::parse(bytes, QDate(2026, 12, 1), QDate(2026, 12, 31));
    ASSERT_TRUE(result.ok()) << result.error.toStdString();
    EXPECT_EQ(result.events.size(), expected);
    EXPECT_EQ(result.eventsCut, 0);
}

TEST_F(CalendarEventsTest, EventsTheLimitsCutShortAreCounted)
{
    // Rules walked from a start long ago by COUNT, and more rules that scan every minute
    // for an hour than a file may follow: each stops early, and says so.
    QStringList lines;
    lines += event({"UID:c", "SUMMARY:Counted", "DTSTART:19000101T090000", "RRULE:FREQ=DAILY;COUNT=100000"});
    for (int i = 0; i < 6; ++i)
        lines += event({QStringLiteral("UID:s%1").arg(i), "SUMMARY:Scanning", "DTSTART:20261101T000000",
                        QStringLiteral("RRULE:FREQ=MINUTELY;BYHOUR=%1;BYMINUTE=0").arg(8 + i)});
    lines += event({"UID:o", "SUMMARY:Ordinary", "DTSTART:20261201T090000", "RRULE:FREQ=DAILY"});
    const CalendarEventsResult result = CalendarEvents::parse(calendar(lines), QDate(2026, 12, 1), QDate(2026, 12, 31));
    EXPECT_EQ(result.eventsCut, 3) << "the counted rule and the two scanning rules past the fourth";
    EXPECT_EQ(std::count_if(result.events.begin(), result.events.end(),
                            [](const CalendarEvent &e) { return e.summary == QStringLiteral("Ordinary"); }),
              31);
}
