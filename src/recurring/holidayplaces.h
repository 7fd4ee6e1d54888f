// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "holidaycalendar.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

#include <memory>

// The holidays of a place ("DE", "DE-BY") over any span of days, from the shipped files.
// Each country's file is read once and kept while it stays the same on disk, so a page
// that marks holidays can ask again whenever its month changes.
namespace HolidayPlaces {

// The calendar of a country, read or kept; null with the reason when the file does not
// read or the country has none.
std::shared_ptr<const HolidayCalendar> calendarOf(const QString &countryCode, QString *error = nullptr);

// The holidays of place from first to last (both included), in date order. A place that
// is not "CC" or "CC-RR", a country without a file and a region the country lacks give
// nothing and say why.
QList<Holiday> between(const QString &place, const QDate &first, const QDate &last,
                       QString *error = nullptr);

// The country of a locale when it has a holiday file ("de_DE" gives "DE"), else empty.
QString placeOfLocale(const QLocale &locale);

// A place as people read it: "Germany", "Germany – Bavaria".
QString placeName(const HolidayCalendar &calendar, const QString &region);

} // namespace HolidayPlaces
