// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the iCalendar adapter for one of a few periods, as the fill and the
// renderer ask for them. Any outcome but a crash, a hang or a huge allocation is fine, as long
// as the events lie in the period and come in order.
#include "ical/calendarevents.h"

#include <QCoreApplication>

#include <cstdint>
#include <iterator>
#include <utility>
#include <ctime>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    static QCoreApplication app(*argc, *argv);
    qputenv("TZ", "Europe/Berlin");
    tzset();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    // The length picks the period, so each input is parsed once: the recurrence iterator
    // dominates the time and every mutation of the length tries another period.
    // 2900 lies past the last year libical keeps zone changes for, 9999 past its last valid year.
    static const std::pair<QDate, QDate> periods[] = {{QDate(2026, 12, 1), QDate(2026, 12, 31)},
                                                      {QDate(1970, 1, 1), QDate(1970, 1, 14)},
                                                      {QDate(2900, 7, 1), QDate(2900, 7, 3)},
                                                      {QDate(9999, 12, 31), QDate(9999, 12, 31)}};
    const auto &[first, last] = periods[size % std::size(periods)];
    const CalendarEventsResult result = CalendarEvents::parse(bytes, first, last);
    for (qsizetype i = 0; i < result.events.size(); ++i) {
        const CalendarEvent &event = result.events.at(i);
        if (event.date < first || event.date > last || (i > 0 && event.date < result.events.at(i - 1).date))
            __builtin_trap();
    }
    return 0;
}
