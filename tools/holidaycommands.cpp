// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidaycommands.h"

#include "renderoptions.h"
#include "terminaltext.h"

#include "recurring/holidaycalendar.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <cstdio>

int runHolidaysOf(const RenderOptions &options)
{
    QString country;
    QString region;
    HolidayFiles::splitPlace(options.holidaysOf, &country, &region);
    const QString path = HolidayFiles::fileOf(country);
    HolidayCalendar calendar;
    QString error;
    if (!calendar.load(path, &error)) {
        QStringList known;
        for (const HolidayFiles::Country &c : HolidayFiles::countries())
            known.append(c.code);
        if (!known.contains(country) && !known.isEmpty())
            return failWith(QStringLiteral("no holidays are known for %1; the countries are %2")
                                .arg(country, known.join(QLatin1String(", "))));
        return failWith(QStringLiteral("cannot read the holidays of %1 (%2): %3").arg(country, path, error));
    }
    if (!calendar.hasRegion(region)) {
        QStringList regions;
        for (const HolidayRegion &r : calendar.regions())
            regions.append(r.code);
        return failWith(regions.isEmpty()
                            ? QStringLiteral("%1 (%2) has no regions").arg(country, calendar.countryName())
                            : QStringLiteral("%1 (%2) has no region %3; its regions are %4")
                                  .arg(country, calendar.countryName(), region, regions.join(QLatin1String(", "))));
    }
    if (*options.year < calendar.firstYear() || *options.year > calendar.lastYear())
        return failWith(QStringLiteral("the holidays of %1 are known for %2 to %3")
                            .arg(country)
                            .arg(calendar.firstYear())
                            .arg(calendar.lastYear()));
    QJsonArray list;
    for (const Holiday &holiday : calendar.holidays(*options.year, region))
        list.append(QJsonObject{{QStringLiteral("date"), holiday.date.toString(Qt::ISODate)},
                                {QStringLiteral("name"), holiday.name},
                                {QStringLiteral("localName"), holiday.localName},
                                {QStringLiteral("type"), holidayKindName(holiday.kind)}});
    const QByteArray json = list.isEmpty() ? QByteArray("[]\n") : QJsonDocument(list).toJson(QJsonDocument::Indented);
    std::fwrite(json.constData(), 1, size_t(json.size()), stdout);
    return 0;
}
