// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The shipped holiday files: reading a country's file whole, and the holidays of one year in
// a region, for the three largest files (the most regions) and a country without regions.
#include <benchmark/benchmark.h>

#include "recurring/holidaycalendar.h"

namespace {

QString fileOf(const char *code)
{
    return QStringLiteral(ORVANE_SOURCE_DIR "/data/Holidays/%1.holidays").arg(QLatin1String(code));
}

void LoadCountry(benchmark::State &state, const char *code)
{
    const QString path = fileOf(code);
    for (auto _ : state) {
        HolidayCalendar calendar;
        QString error;
        if (!calendar.load(path, &error))
            state.SkipWithError(qPrintable(error));
        benchmark::DoNotOptimize(calendar.regions().size());
    }
}
BENCHMARK_CAPTURE(LoadCountry, CH, "CH")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadCountry, US, "US")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadCountry, BR, "BR")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadCountry, JP, "JP")->Unit(benchmark::kMillisecond);

void HolidaysOfAYear(benchmark::State &state, const char *code, const char *region)
{
    HolidayCalendar calendar;
    QString error;
    if (!calendar.load(fileOf(code), &error)) {
        state.SkipWithError(qPrintable(error));
        return;
    }
    const QString place = QString::fromLatin1(region);
    for (auto _ : state) {
        const QList<Holiday> holidays = calendar.holidays(2027, place);
        if (holidays.isEmpty())
            state.SkipWithError("no holidays");
        benchmark::DoNotOptimize(holidays.size());
    }
}
BENCHMARK_CAPTURE(HolidaysOfAYear, US_TX, "US", "TX")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HolidaysOfAYear, CH_ZH, "CH", "ZH")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HolidaysOfAYear, DE_BY, "DE", "BY")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(HolidaysOfAYear, JP, "JP", "")->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
