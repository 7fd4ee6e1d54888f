// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "holidayplaces.h"

#include <QDateTime>
#include <QFileInfo>
#include <QHash>
#include <QMutex>
#include <QMutexLocker>

namespace HolidayPlaces {
namespace {

struct Kept
{
    qint64 size = -1;
    QDateTime modified;
    std::shared_ptr<const HolidayCalendar> calendar;
};

QMutex keptMutex;
QHash<QString, Kept> kept; // by the file's path, so a changed data folder reads afresh

} // namespace

std::shared_ptr<const HolidayCalendar> calendarOf(const QString &countryCode, QString *error)
{
    const QString path = HolidayFiles::fileOf(countryCode);
    const QFileInfo info(path);
    if (!info.isFile()) {
        if (error)
            *error = QStringLiteral("There are no holidays of %1.").arg(countryCode.toUpper());
        return nullptr;
    }
    QMutexLocker lock(&keptMutex);
    const auto it = kept.constFind(path);
    if (it != kept.cend() && it->size == info.size() && it->modified == info.lastModified())
        return it->calendar;
    auto calendar = std::make_shared<HolidayCalendar>();
    QString reason;
    if (!calendar->load(path, &reason)) {
        if (error)
            *error = QStringLiteral("The holidays of %1 could not be read: %2").arg(countryCode.toUpper(), reason);
        return nullptr;
    }
    kept.insert(path, {info.size(), info.lastModified(), calendar});
    return calendar;
}

QList<Holiday> between(const QString &place, const QDate &first, const QDate &last, QString *error)
{
    QString country;
    QString region;
    if (!HolidayFiles::splitPlace(place, &country, &region)) {
        if (error)
            *error = QStringLiteral("\"%1\" is not a country code like DE or a region like DE-BY.").arg(place);
        return {};
    }
    const std::shared_ptr<const HolidayCalendar> calendar = calendarOf(country, error);
    if (!calendar)
        return {};
    if (!calendar->hasRegion(region)) {
        if (error)
            *error = QStringLiteral("%1 has no region %2.").arg(calendar->countryName(), region);
        return {};
    }
    QList<Holiday> found;
    if (!first.isValid() || !last.isValid())
        return found;
    for (int year = first.year(); year <= last.year(); ++year) {
        for (const Holiday &holiday : calendar->holidays(year, region)) {
            if (holiday.date >= first && holiday.date <= last)
                found.append(holiday);
        }
    }
    return found;
}

QString placeOfLocale(const QLocale &locale)
{
    const QString code = QLocale::territoryToCode(locale.territory());
    return code.size() == 2 && QFileInfo(HolidayFiles::fileOf(code)).isFile() ? code : QString();
}

QString placeName(const HolidayCalendar &calendar, const QString &region)
{
    for (const HolidayRegion &r : calendar.regions()) {
        if (r.code == region)
            return QStringLiteral("%1 \u2013 %2").arg(calendar.countryName(), r.name);
    }
    return calendar.countryName();
}

} // namespace HolidayPlaces
