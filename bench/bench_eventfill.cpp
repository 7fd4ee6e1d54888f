// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Filling a month page from an iCalendar file of 10,000 events, against listing them: each
// cell should be read and written once, so the fill costs little more than the listing.
#include <benchmark/benchmark.h>

#include "eventfill/eventfill.h"
#include "ical/calendarevents.h"
#include "pagemodel/pagemodel.h"

#include <QGuiApplication>

namespace {

// 10,000 events of December 2026, spread over its days and hours.
QByteArray tenThousandEvents()
{
    QByteArray bytes = "BEGIN:VCALENDAR\r\nVERSION:2.0\r\n";
    for (int i = 0; i < 10000; ++i) {
        const QByteArray day = QByteArray::number(1 + i % 31).rightJustified(2, '0');
        const QByteArray hour = QByteArray::number(i % 24).rightJustified(2, '0');
        const QByteArray minute = QByteArray::number(i % 60).rightJustified(2, '0');
        bytes += "BEGIN:VEVENT\r\nUID:e" + QByteArray::number(i) + "\r\nSUMMARY:Event " + QByteArray::number(i)
               + "\r\nDTSTART:202612" + day + 'T' + hour + minute + "00\r\nEND:VEVENT\r\n";
    }
    return bytes + "END:VCALENDAR\r\n";
}

const QDate First(2026, 12, 1);
const QDate Last(2026, 12, 31);

void ListTenThousandEvents(benchmark::State &state)
{
    const QByteArray bytes = tenThousandEvents();
    for (auto _ : state) {
        const CalendarEventsResult result = CalendarEvents::parse(bytes, First, Last);
        if (result.events.size() != 10000)
            state.SkipWithError("the calendar did not give its 10,000 events");
        benchmark::DoNotOptimize(result.events.size());
    }
}
BENCHMARK(ListTenThousandEvents)->Unit(benchmark::kMillisecond);

void FillAMonthWithTenThousandEvents(benchmark::State &state)
{
    const QByteArray bytes = tenThousandEvents();
    PageModel page;
    page.ResetToDefaults(First);
    page.UpdateCellTable();
    QTextCharFormat format;
    format.setFontPointSize(10);
    for (auto _ : state) {
        page.ClearAllCells();
        const CalendarEventsResult result = CalendarEvents::parse(bytes, First, Last);
        const EventFill::FillResult filled
            = EventFill::fillPage(page, EventFill::placements(page, result.events), format);
        if (filled.appended != 10000)
            state.SkipWithError("not every event was placed");
        benchmark::DoNotOptimize(filled.appended);
    }
}
BENCHMARK(FillAMonthWithTenThousandEvents)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
