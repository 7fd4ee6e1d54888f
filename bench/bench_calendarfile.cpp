// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Saving and loading a document whose 42 cells all hold a paragraph of rich text.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QTemporaryDir>

#include "page/calpanel32.h"
#include "storage/calendarfile.h"

namespace {

const QByteArray kParagraph(
    "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
    "\\pard\\plain\\f0\\fs20 Staff meeting in room 4, bring the quarterly figures and the "
    "travel plan for the spring fair.\\par}");

void fillCells(TCalendarPanel32 &page)
{
    page.ResetToDefaults();
    for (int cell = 1; cell <= 42; ++cell)
        page.SetCellRtfText(cell, TWPRtfStorage(kParagraph));
}

void SaveDocumentWith42Cells(benchmark::State &state)
{
    TCalendarPanel32 page;
    fillCells(page);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.OVF"));
    for (auto _ : state) {
        if (!CalendarFile::SaveDocument(page.document(), path, {}).ok)
            state.SkipWithError("the document could not be saved");
    }
}
BENCHMARK(SaveDocumentWith42Cells)->Unit(benchmark::kMillisecond);

void LoadDocumentWith42Cells(benchmark::State &state)
{
    TCalendarPanel32 page;
    fillCells(page);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("bench.OVF"));
    if (!CalendarFile::SaveDocument(page.document(), path, {}).ok) {
        state.SkipWithError("the document could not be saved");
        return;
    }
    TCalendarPanel32 target;
    target.ResetToDefaults();
    for (auto _ : state) {
        PageDocument doc = target.document();
        if (!CalendarFile::LoadDocument(doc, path, nullptr, {}).ok)
            state.SkipWithError("the document could not be read");
        target.applyDocument(doc);
    }
}
BENCHMARK(LoadDocumentWith42Cells)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    return 0;
}
