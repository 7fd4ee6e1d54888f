// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "moonphases.h"

#include <QTimeZone>

#include <array>
#include <cmath>
#include <numbers>

namespace MoonPhases {

namespace {

constexpr double kUnixEpochJd = 2440587.5;
constexpr double kMsPerDay = 86400000.0;
constexpr double kMaxYears = 1000.0;

double rad(double degrees)
{
    return degrees * std::numbers::pi / 180.0;
}

// The arguments of the periodic terms (degrees, then radians) of lunation k.
struct Arguments
{
    double e;     // the eccentricity factor of the earth's orbit
    double m;     // the sun's mean anomaly
    double mm;    // the moon's mean anomaly
    double f;     // the moon's argument of latitude
    double omega; // the longitude of the ascending node of the moon's orbit
};

Arguments argumentsOf(double k, double t)
{
    const double t2 = t * t, t3 = t2 * t, t4 = t3 * t;
    return {1.0 - 0.002516 * t - 0.0000074 * t2,
            rad(2.5534 + 29.10535670 * k - 0.0000014 * t2 - 0.00000011 * t3),
            rad(201.5643 + 385.81693528 * k + 0.0107582 * t2 + 0.00001238 * t3
                - 0.000000058 * t4),
            rad(160.7108 + 390.67050284 * k - 0.0016118 * t2 - 0.00000227 * t3
                + 0.000000011 * t4),
            rad(124.7746 - 1.56375588 * k + 0.0020672 * t2 + 0.00000215 * t3)};
}

// The terms both syzygies share after their first fifteen (Meeus 49, new and full moon).
double syzygyTail(const Arguments &a)
{
    const double m = a.m, mm = a.mm, f = a.f;
    return -0.00007 * std::sin(mm + 2 * m) + 0.00004 * std::sin(2 * mm - 2 * f)
           + 0.00004 * std::sin(3 * m) + 0.00003 * std::sin(mm + m - 2 * f)
           + 0.00003 * std::sin(2 * mm + 2 * f) - 0.00003 * std::sin(mm + m + 2 * f)
           + 0.00003 * std::sin(mm - m + 2 * f) - 0.00002 * std::sin(mm - m - 2 * f)
           - 0.00002 * std::sin(3 * mm + m) + 0.00002 * std::sin(4 * mm);
}

double newMoonTerms(const Arguments &a)
{
    const double e = a.e, m = a.m, mm = a.mm, f = a.f;
    return -0.40720 * std::sin(mm) + 0.17241 * e * std::sin(m) + 0.01608 * std::sin(2 * mm)
           + 0.01039 * std::sin(2 * f) + 0.00739 * e * std::sin(mm - m)
           - 0.00514 * e * std::sin(mm + m) + 0.00208 * e * e * std::sin(2 * m)
           - 0.00111 * std::sin(mm - 2 * f) - 0.00057 * std::sin(mm + 2 * f)
           + 0.00056 * e * std::sin(2 * mm + m) - 0.00042 * std::sin(3 * mm)
           + 0.00042 * e * std::sin(m + 2 * f) + 0.00038 * e * std::sin(m - 2 * f)
           - 0.00024 * e * std::sin(2 * mm - m) - 0.00017 * std::sin(a.omega) + syzygyTail(a);
}

double fullMoonTerms(const Arguments &a)
{
    const double e = a.e, m = a.m, mm = a.mm, f = a.f;
    return -0.40614 * std::sin(mm) + 0.17302 * e * std::sin(m) + 0.01614 * std::sin(2 * mm)
           + 0.01043 * std::sin(2 * f) + 0.00734 * e * std::sin(mm - m)
           - 0.00515 * e * std::sin(mm + m) + 0.00209 * e * e * std::sin(2 * m)
           - 0.00111 * std::sin(mm - 2 * f) - 0.00057 * std::sin(mm + 2 * f)
           + 0.00056 * e * std::sin(2 * mm + m) - 0.00042 * std::sin(3 * mm)
           + 0.00042 * e * std::sin(m + 2 * f) + 0.00038 * e * std::sin(m - 2 * f)
           - 0.00024 * e * std::sin(2 * mm - m) - 0.00017 * std::sin(a.omega) + syzygyTail(a);
}

// The quarters' terms; first is true for the first quarter, which adds W, the last
// quarter subtracts it.
double quarterTerms(const Arguments &a, bool first)
{
    const double e = a.e, m = a.m, mm = a.mm, f = a.f;
    const double terms
        = -0.62801 * std::sin(mm) + 0.17172 * e * std::sin(m) - 0.01183 * e * std::sin(mm + m)
          + 0.00862 * std::sin(2 * mm) + 0.00804 * std::sin(2 * f)
          + 0.00454 * e * std::sin(mm - m) + 0.00204 * e * e * std::sin(2 * m)
          - 0.00180 * std::sin(mm - 2 * f) - 0.00070 * std::sin(mm + 2 * f)
          - 0.00040 * std::sin(3 * mm) - 0.00034 * e * std::sin(2 * mm - m)
          + 0.00032 * e * std::sin(m + 2 * f) + 0.00032 * e * std::sin(m - 2 * f)
          - 0.00028 * e * e * std::sin(mm + 2 * m) + 0.00027 * e * std::sin(2 * mm + m)
          - 0.00017 * std::sin(a.omega) - 0.00005 * std::sin(mm - m - 2 * f)
          + 0.00004 * std::sin(2 * mm + 2 * f) - 0.00004 * std::sin(mm + m + 2 * f)
          + 0.00004 * std::sin(mm - 2 * m) + 0.00003 * std::sin(mm + m - 2 * f)
          + 0.00003 * std::sin(3 * m) + 0.00002 * std::sin(2 * mm - 2 * f)
          + 0.00002 * std::sin(mm - m + 2 * f) - 0.00002 * std::sin(3 * mm + m);
    const double w = 0.00306 - 0.00038 * e * std::cos(m) + 0.00026 * std::cos(mm)
                     - 0.00002 * std::cos(mm - m) + 0.00002 * std::cos(mm + m)
                     + 0.00002 * std::cos(2 * f);
    return terms + (first ? w : -w);
}

// The planetary arguments' corrections, the same for every phase.
double planetaryTerms(double k, double t)
{
    struct Term
    {
        double coefficient, start, rate;
    };
    static constexpr std::array<Term, 13> terms{{{0.000165, 251.88, 0.016321},
                                                 {0.000164, 251.83, 26.651886},
                                                 {0.000126, 349.42, 36.412478},
                                                 {0.000110, 84.66, 18.206239},
                                                 {0.000062, 141.74, 53.303771},
                                                 {0.000060, 207.14, 2.453732},
                                                 {0.000056, 154.84, 7.306860},
                                                 {0.000047, 34.52, 27.261239},
                                                 {0.000042, 207.19, 0.121824},
                                                 {0.000040, 291.34, 1.844379},
                                                 {0.000037, 161.72, 24.198154},
                                                 {0.000035, 239.56, 25.513099},
                                                 {0.000023, 331.55, 3.592518}}};
    double sum = 0.000325 * std::sin(rad(299.77 + 0.107408 * k - 0.009173 * t * t));
    for (const Term &term : terms)
        sum += term.coefficient * std::sin(rad(term.start + term.rate * k));
    return sum;
}

Phase phaseOf(double k)
{
    const double fraction = k - std::floor(k);
    if (fraction < 0.125)
        return Phase::New;
    if (fraction < 0.375)
        return Phase::FirstQuarter;
    if (fraction < 0.625)
        return Phase::Full;
    return Phase::LastQuarter;
}

QDateTime utcOfJd(double jd)
{
    const double ms = (jd - kUnixEpochJd) * kMsPerDay;
    const qint64 seconds = qint64(std::llround(ms / 1000.0));
    return QDateTime::fromSecsSinceEpoch(seconds, Qt::UTC);
}

double decimalYear(const QDateTime &utc)
{
    const QDate date = utc.date();
    return date.year() + (date.dayOfYear() - 0.5) / date.daysInYear();
}

double polynomial(double t, std::initializer_list<double> coefficients)
{
    double value = 0;
    double power = 1;
    for (double c : coefficients) {
        value += c * power;
        power *= t;
    }
    return value;
}

} // namespace

QString phaseName(Phase phase)
{
    switch (phase) {
    case Phase::New: return QStringLiteral("new");
    case Phase::FirstQuarter: return QStringLiteral("first-quarter");
    case Phase::Full: return QStringLiteral("full");
    case Phase::LastQuarter: return QStringLiteral("last-quarter");
    }
    return {};
}

double phaseJde(double k)
{
    const double t = k / 1236.85;
    const double t2 = t * t;
    double jde = 2451550.09766 + 29.530588861 * k + 0.00015437 * t2 - 0.000000150 * t2 * t
                 + 0.00000000073 * t2 * t2;
    const Arguments a = argumentsOf(k, t);
    switch (phaseOf(k)) {
    case Phase::New: jde += newMoonTerms(a); break;
    case Phase::Full: jde += fullMoonTerms(a); break;
    case Phase::FirstQuarter: jde += quarterTerms(a, true); break;
    case Phase::LastQuarter: jde += quarterTerms(a, false); break;
    }
    return jde + planetaryTerms(k, t);
}

double deltaTSeconds(double y)
{
    // Espenak and Meeus, "Polynomial expressions for Delta T" (NASA eclipse pages).
    if (y < 1860 || y >= 2150) {
        const double u = (y - 1820) / 100;
        return -20 + 32 * u * u;
    }
    if (y < 1900)
        return polynomial(y - 1860, {7.62, 0.5737, -0.251754, 0.01680668, -0.0004473624,
                                     1.0 / 233174});
    if (y < 1920)
        return polynomial(y - 1900, {-2.79, 1.494119, -0.0598939, 0.0061966, -0.000197});
    if (y < 1941)
        return polynomial(y - 1920, {21.20, 0.84493, -0.076100, 0.0020936});
    if (y < 1961)
        return polynomial(y - 1950, {29.07, 0.407, -1.0 / 233, 1.0 / 2547});
    if (y < 1986)
        return polynomial(y - 1975, {45.45, 1.067, -1.0 / 260, -1.0 / 718});
    if (y < 2005)
        return polynomial(y - 2000, {63.86, 0.3345, -0.060374, 0.0017275, 0.000651814,
                                     0.00002373599});
    if (y < 2050)
        return polynomial(y - 2000, {62.92, 0.32217, 0.005589});
    const double u = (y - 1820) / 100;
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

QList<Event> between(const QDateTime &from, const QDateTime &to)
{
    QList<Event> events;
    if (!from.isValid() || !to.isValid() || to <= from)
        return events;
    const double startYear = decimalYear(from.toUTC());
    const double endYear = std::min(decimalYear(to.toUTC()), startYear + kMaxYears);
    // A lunation early, so a phase just after from is not missed.
    double k = std::floor((startYear - 2000) * 12.3685) - 1;
    const QDateTime end = to.toUTC();
    for (;; k += 0.25) {
        const double jde = phaseJde(k);
        const double year = 2000 + k / 12.3685;
        const QDateTime utc = utcOfJd(jde - deltaTSeconds(year) / 86400.0);
        if (utc >= end || year > endYear + 1)
            break;
        if (utc >= from)
            events.append({phaseOf(k), utc});
    }
    return events;
}

QList<Event> ofYear(int year)
{
    return between(QDateTime(QDate(year, 1, 1), QTime(0, 0), Qt::UTC),
                   QDateTime(QDate(year + 1, 1, 1), QTime(0, 0), Qt::UTC));
}

QHash<QDate, Phase> localDates(const QDate &first, const QDate &last)
{
    QHash<QDate, Phase> dates;
    if (!first.isValid() || !last.isValid() || last < first)
        return dates;
    // A day either side in UTC covers every time zone's dates.
    const QDateTime from(first.addDays(-1), QTime(0, 0), Qt::UTC);
    const QDateTime to(last.addDays(2), QTime(0, 0), Qt::UTC);
    for (const Event &event : between(from, to)) {
        const QDate local = event.utc.toLocalTime().date();
        if (local >= first && local <= last)
            dates.insert(local, event.phase);
    }
    return dates;
}

} // namespace MoonPhases
