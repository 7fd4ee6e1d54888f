// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Feeds arbitrary bytes to the holiday file reader, whole and header only, and asks a read
// calendar for its holidays as the program does. Any outcome but a crash, a hang or a huge
// allocation is fine, as long as what reads gives real dates of the year asked with names.
#include "recurring/holidaycalendar.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char *>(data), qsizetype(size));
    HolidayCalendar header;
    QString error;
    header.parse(bytes, &error, HolidayCalendar::Scope::Header);

    HolidayCalendar calendar;
    if (!calendar.parse(bytes, &error)) {
        if (error.isEmpty() || !calendar.isEmpty())
            __builtin_trap();
        return 0;
    }
    // A file that reads whole reads as a header too, with the same country.
    if (header.countryCode() != calendar.countryCode() || header.regions().size() != calendar.regions().size())
        __builtin_trap();
    QStringList places{QString()};
    for (const HolidayRegion &region : calendar.regions().mid(0, 8))
        places.append(region.code);
    places.append(QStringLiteral("NO-SUCH-REGION"));
    const int years[] = {calendar.firstYear() - 1, calendar.firstYear(), calendar.lastYear(), calendar.lastYear() + 1};
    for (const int year : years) {
        for (const QString &place : places) {
            for (const Holiday &holiday : calendar.holidays(year, place)) {
                if (!holiday.date.isValid() || holiday.date.year() != year || holiday.name.isEmpty()
                    || holiday.localName.isEmpty())
                    __builtin_trap();
            }
        }
    }
    return 0;
}
