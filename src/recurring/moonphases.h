// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDate>
#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>

// The moon's four principal phases: the instants when the difference of the moon's and the
// sun's apparent ecliptic longitudes is 0°, 90°, 180° and 270°. Times follow Meeus,
// Astronomical Algorithms (2nd ed.), chapter 49, which keeps within a minute of the modern
// ephemerides over 1900-2100; dynamical time is turned into universal time with the
// Espenak-Meeus polynomials for ΔT.
namespace MoonPhases {

enum class Phase { New, FirstQuarter, Full, LastQuarter };

struct Event
{
    Phase phase = Phase::New;
    QDateTime utc; // whole seconds, in UTC
    friend bool operator==(const Event &, const Event &) = default;
};

// "new", "first-quarter", "full", "last-quarter".
QString phaseName(Phase phase);

// The Julian Ephemeris Day (dynamical time) of the phase numbered k: k counts lunations
// from the new moon of 6 January 2000, and its fraction .0, .25, .5, .75 picks the phase.
double phaseJde(double k);
// ΔT = TT - UT in seconds for a decimal year.
double deltaTSeconds(double year);

// The phases at or after from and before to, in time order. Ranges of more than 1000 years
// are cut to their first 1000 years.
QList<Event> between(const QDateTime &from, const QDateTime &to);
// The phases of a calendar year in UTC.
QList<Event> ofYear(int year);
// The phase of each date from first to last (inclusive) that holds one, a date being the
// local date of the phase in the system's time zone.
QHash<QDate, Phase> localDates(const QDate &first, const QDate &last);

} // namespace MoonPhases
