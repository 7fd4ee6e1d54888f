// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The events of one month from an iCalendar file: an ordinary one with a zone of its own, and
// one whose minutely event leaves out 20,000 instances.
#include <benchmark/benchmark.h>

#include "ical/calendarevents.h"

#include <QDateTime>
#include <QStringList>

namespace {

QByteArray calendar(const QStringList &lines)
{
    return (QStringList{QStringLiteral("BEGIN:VCALENDAR"), QStringLiteral("VERSION:2.0")} + lines
            + QStringList{QStringLiteral("END:VCALENDAR"), QString()})
        .join(QStringLiteral("\r\n"))
        .toUtf8();
}

void parseDecember(benchmark::State &state, const QByteArray &bytes)
{
    for (auto _ : state) {
        const CalendarEventsResult result = CalendarEvents::parse(bytes, QDate(2026, 12, 1), QDate(2026, 12, 31));
        if (!result.ok() || result.events.isEmpty())
            state.SkipWithError("the calendar gave no events");
        benchmark::DoNotOptimize(result.events.size());
    }
}

void WeeklyEventsInAZoneOfTheFile(benchmark::State &state)
{
    QStringList lines{"BEGIN:VTIMEZONE", "TZID:Office", "BEGIN:DAYLIGHT", "DTSTART:19700329T020000",
                      "TZOFFSETFROM:+0100", "TZOFFSETTO:+0200", "RRULE:FREQ=YEARLY;BYMONTH=3;BYDAY=-1SU",
                      "END:DAYLIGHT", "BEGIN:STANDARD", "DTSTART:19701025T030000", "TZOFFSETFROM:+0200",
                      "TZOFFSETTO:+0100", "RRULE:FREQ=YEARLY;BYMONTH=10;BYDAY=-1SU", "END:STANDARD",
                      "END:VTIMEZONE"};
    for (int i = 0; i < 200; ++i) {
        lines << "BEGIN:VEVENT" << QStringLiteral("UID:e%1").arg(i) << QStringLiteral("SUMMARY:Meeting %1").arg(i)
              << QStringLiteral("DTSTART;TZID=Office:20260105T%1").arg((8 + i % 10) * 10000, 6, 10, QLatin1Char('0'))
              << "RRULE:FREQ=WEEKLY" << "END:VEVENT";
    }
    parseDecember(state, calendar(lines));
}
BENCHMARK(WeeklyEventsInAZoneOfTheFile)->Unit(benchmark::kMillisecond);

void MinutelyEventWithTwentyThousandExclusions(benchmark::State &state)
{
    QStringList lines{"BEGIN:VEVENT", "UID:x", "SUMMARY:Every minute", "DTSTART;TZID=Europe/Berlin:20261201T000000",
                      "RRULE:FREQ=MINUTELY"};
    const QDateTime first(QDate(2020, 1, 1), QTime(0, 0), Qt::UTC);
    for (int i = 0; i < 20000; ++i)
        lines << QStringLiteral("EXDATE;TZID=Europe/Berlin:")
                     + first.addSecs(60 * i).toString(QStringLiteral("yyyyMMdd'T'HHmmss"));
    lines << "END:VEVENT";
    parseDecember(state, calendar(lines));
}
BENCHMARK(MinutelyEventWithTwentyThousandExclusions)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
