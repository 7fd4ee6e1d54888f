// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a page into an image and printing a year to PDF.
#include <benchmark/benchmark.h>

#include "richtext/richtextcellrenderer.h"

#include "output/pageoutput.h"
#include "calendar/pageoptions.h"
#include "core/apppaths.h"
#include "recurring/moonphases.h"
#include "page/calpanel32.h"
#include "graphics/tfont.h"

#include <QApplication>
#include <QBuffer>
#include <QPainter>

namespace {

void preparePage(TCalendarPanel32 &page, TCalendarLayout layout)
{
    page.setPixelsPerInch(96);
    page.ResetToDefaults();
    page.SetCalendarLayout(layout);
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(1);
    page.SetMainCalDay(6);
    page.SetZoom(1.0f);
}

void paintLayout(benchmark::State &state, TCalendarLayout layout)
{
    TCalendarPanel32 page;
    preparePage(page, layout);
    for (auto _ : state) {
        QImage image = page.RenderToBitmap();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_PaintMonthWithTwoMinis(benchmark::State &state)
{
    paintLayout(state, loFCMinisInTitleLS);
}

// A month page plain and with week numbers, the moon's phases and the holidays of a place
// coloured and named, each alone and all together (the marks are computed when the options
// are set, so this measures painting them).
enum MonthExtras { WeekNumbersOn = 1, MoonPhasesOn = 2, HolidaysOn = 4 };

void BM_PaintMonthWithExtras(benchmark::State &state)
{
    const int extras = int(state.range(0));
    TCalendarPanel32 page;
    preparePage(page, loFullCalendar);
    DocumentOptions options = page.options();
    if (extras & WeekNumbersOn)
        PageOptions::setWeekNumbers(options, PageOptions::WeekNumbers::Iso);
    if (extras & MoonPhasesOn)
        PageOptions::setMoonPhases(options, true);
    if (extras & HolidaysOn) {
        PageOptions::setHolidaysOf(options, QStringLiteral("US"));
        PageOptions::setHolidayNames(options, true);
    }
    page.setOptions(options);
    // New Year's Day and Martin Luther King Day; four phases of the moon.
    const int marks = (extras & MoonPhasesOn ? 4 : 0) + (extras & HolidaysOn ? 2 : 0);
    if (page.model().dayMarks().days.size() < marks)
        state.SkipWithError("the page's marks are missing");
    for (auto _ : state) {
        QImage image = page.RenderToBitmap();
        benchmark::DoNotOptimize(image.constBits());
    }
}

void BM_MoonPhasesOfAYear(benchmark::State &state)
{
    int year = 1900;
    for (auto _ : state) {
        benchmark::DoNotOptimize(MoonPhases::ofYear(year));
        year = year == 2100 ? 1900 : year + 1;
    }
}

void BM_PaintSixtyMinis(benchmark::State &state)
{
    paintLayout(state, loMC60Month);
}

void BM_PaintWeekPlanner(benchmark::State &state)
{
    paintLayout(state, loWeek);
}

// Every cell of a month holds a short formatted paragraph, as after filling a month
// with recurring dates.
void BM_PaintMonthWithCellTexts(benchmark::State &state)
{
    TCalendarPanel32 page;
    preparePage(page, loFullCalendar);
    for (int cell = 1; cell <= 42; ++cell) {
        const QByteArray rtf = "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}"
                               "{\\colortbl;\\red200\\green0\\blue0;}"
                               "\\pard\\qc\\f0\\fs18\\b\\cf1 Meeting "
                               + QByteArray::number(cell) + "\\b0\\cf0  at the town hall\\par}";
        page.SetCellRtfText(cell, TWPRtfStorage(rtf));
    }
    for (auto _ : state) {
        QImage image = page.RenderToBitmap();
        benchmark::DoNotOptimize(image.constBits());
    }
}

// A cell holding one word of N letters, laid out afresh each time as on the first paint
// of a page: only what can show is laid out, so the length does not count.
void BM_PaintCellWithLongWord(benchmark::State &state)
{
    const QByteArray rtf = "{\\rtf1\\ansi\\fs18 " + QByteArray(state.range(0), 'w') + "\\par}";
    QImage image(150, 90, QImage::Format_RGB32);
    for (auto _ : state) {
        RichTextCellRenderer renderer;
        renderer.setPixelsPerInch(96);
        renderer.loadRtf(TWPRtfStorage(rtf));
        renderer.setZoomPercent(100);
        renderer.setPageSize(image.size());
        QPainter painter(&image);
        renderer.paint(painter, QRectF(image.rect()));
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintCellWithLongWord)->Arg(1000)->Arg(80000)->Arg(320000)->Unit(benchmark::kMillisecond);

void BM_PrintYearToPdf(benchmark::State &state)
{
    TCalendarPanel32 page;
    preparePage(page, loFCMinisInTitleLS);
    page.RenderToBitmap();
    for (auto _ : state) {
        QBuffer buffer;
        buffer.open(QIODevice::WriteOnly);
        QString error;
        if (!PageOutput::writePdf(page.model(), 12, buffer, &error))
            state.SkipWithError(error.toLocal8Bit().constData());
        benchmark::DoNotOptimize(buffer.data().size());
    }
}

} // namespace

BENCHMARK(BM_PaintMonthWithTwoMinis)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintSixtyMinis)->Unit(benchmark::kMillisecond);
// 0: plain; 1: week numbers; 2: moon phases; 4: holidays; 7: all three.
BENCHMARK(BM_PaintMonthWithExtras)->Arg(0)->Arg(1)->Arg(2)->Arg(4)->Arg(7)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_MoonPhasesOfAYear)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PaintWeekPlanner)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PaintMonthWithCellTexts)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintYearToPdf)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // The holidays a page colours come from the source tree's data.
    AppPaths::setDataFolderOverride(QStringLiteral(ORVANE_SOURCE_DIR "/data/"));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
