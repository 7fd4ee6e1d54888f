// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing a shipped border metafile into a Letter page image at 96 PPI, as a page paint
// does: the border stretched into the 0.5-inch margin box. Reports the median of ten runs.
#include <benchmark/benchmark.h>

#include "core/apppaths.h"
#include "graphics/tfont.h"
#include "metafile/wmfplayer.h"

#include <QGuiApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>

namespace {

QByteArray borderBytes(const QString &file)
{
    QFile f(AppPaths::dataFolder() + QStringLiteral("Borders/") + file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void playBorder(benchmark::State &state, const char *file, bool landscape)
{
    const QByteArray bytes = borderBytes(QString::fromLatin1(file));
    if (bytes.isEmpty()) {
        state.SkipWithError("border file not found");
        return;
    }
    // Letter at 96 PPI with half-inch margins.
    QImage page(landscape ? 1056 : 816, landscape ? 816 : 1056, QImage::Format_RGB32);
    page.fill(Qt::white);
    const QRectF margins(48, 48, page.width() - 96, page.height() - 96);
    for (auto _ : state) {
        QPainter painter(&page);
        const WmfPlayer::Result result = WmfPlayer(bytes).play(painter, margins);
        benchmark::DoNotOptimize(result.records);
    }
}

} // namespace

BENCHMARK_CAPTURE(playBorder, Classic, "Classic.wpo", false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(playBorder, Holly, "Holly.wpo", false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(playBorder, Stars, "Stars.wpo", false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(playBorder, Ribbon, "Ribbon.wpo", false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(playBorder, Floral, "Floral.wpo", false)
    ->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(playBorder, FloralLandscape, "Floral.wls", true)
    ->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    // Benchmarks sit in build/bench; the data folder is copied beside the programs.
    const QDir built(QCoreApplication::applicationDirPath() + QStringLiteral("/../bin/data"));
    if (built.exists(QStringLiteral("Borders")))
        AppPaths::setDataFolderOverride(built.absolutePath());
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
