// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Playing metafiles into a Letter page image at 96 PPI (816 x 1056): the largest shipped
// border, and an enhanced metafile of 200 records of the usual kinds (shapes, curves, a
// path, text, a bitmap), as clip art drawn over the page; and a turned, hatched rectangle
// with a wide pen reaching a hundred million pixels past the page, as a damaged file may
// hold. Reports the median of ten runs.
#include <benchmark/benchmark.h>

#include "core/apppaths.h"
#include "emfwriter.h"
#include "graphics/tfont.h"
#include "metafile/emfplayer.h"
#include "metafile/wmfplayer.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

const QSize Letter(816, 1056);

// The largest border file there is, portrait or landscape.
QByteArray largestBorder()
{
    QDir folder(AppPaths::dataFolder() + QStringLiteral("Borders"));
    const QFileInfoList files = folder.entryInfoList({QStringLiteral("*.wpo"), QStringLiteral("*.wls")},
                                                     QDir::Files, QDir::Size);
    if (files.isEmpty())
        return {};
    QFile f(files.first().filePath());
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Two hundred records on a picture of 816 x 1056 reference pixels.
QByteArray twoHundredRecords()
{
    EmfWriter w(Letter.width(), Letter.height());
    QImage tile(16, 16, QImage::Format_RGB32);
    tile.fill(qRgb(0xE0, 0xC0, 0x40));
    const int font = w.createFont(-24, QStringLiteral("Liberation Sans"));
    w.selectObject(font);
    w.setBkMode(1);
    for (int i = 0; i < 12; ++i) {
        const int x = 40 + (i % 6) * 120;
        const int y = 60 + (i / 6) * 300;
        const int pen = w.extCreatePen(0x00010000, 3, qRgb(20 * i, 60, 120));
        const int brush = w.createBrush(0, qRgb(240 - 10 * i, 180, 90 + 5 * i));
        w.selectObject(pen);                                                         // 2 records
        w.selectObject(brush);
        w.ellipse(QRect(QPoint(x, y), QPoint(x + 90, y + 60)));                      // 6
        w.poly(3, {{x, y + 80}, {x + 90, y + 80}, {x + 45, y + 150}}, true);
        w.beginPath();
        w.moveTo(x, y + 170);
        w.poly(5, {{x + 30, y + 140}, {x + 60, y + 200}, {x + 90, y + 170}}, true);
        w.lineTo(x + 90, y + 220);
        w.closeFigure();
        w.endPath();
        w.strokeAndFillPath();                                                       // 13
        w.extTextOut(x, y + 230, QStringLiteral("Clip art"));
        w.deleteObject(pen);
        w.deleteObject(brush);                                                       // 16
    }
    for (int i = w.recordCount(); i < 199; ++i)
        w.poly(4, {{10 + i, 1000}, {60 + i, 1040}, {110 + i, 1000}}, true);
    w.stretchDiBits(QRect(700, 960, 64, 64), QRect(0, 0, 16, 16), tile, 24);
    return w.finish();
}

void playBorder(benchmark::State &state)
{
    const QByteArray bytes = largestBorder();
    if (bytes.isEmpty()) {
        state.SkipWithError("border file not found");
        return;
    }
    QImage page(Letter, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&page);
        benchmark::DoNotOptimize(WmfPlayer(bytes).play(painter, QRectF(QPointF(0, 0), Letter)).records);
    }
    state.counters["bytes"] = double(bytes.size());
}

void playEnhanced(benchmark::State &state)
{
    const QByteArray bytes = twoHundredRecords();
    QImage page(Letter, QImage::Format_RGB32);
    page.fill(Qt::white);
    qint64 records = 0;
    for (auto _ : state) {
        QPainter painter(&page);
        records = EmfPlayer(bytes).play(painter, QRectF(QPointF(0, 0), Letter)).records;
        benchmark::DoNotOptimize(records);
    }
    state.counters["records"] = double(records);
}

QByteArray farRectangle()
{
    EmfWriter w(Letter.width(), Letter.height());
    w.selectObject(w.extCreatePen(0x00010000, 20, qRgb(0, 0, 200)));
    w.selectObject(w.createBrush(2, qRgb(200, 0, 0), 3));
    w.setWorldTransform(QTransform().rotate(12));
    w.rectangle(QRect(QPoint(100, 100), QPoint(500, 100'000'000)));
    return w.finish();
}

void playFarShape(benchmark::State &state)
{
    const QByteArray bytes = farRectangle();
    QImage page(Letter, QImage::Format_RGB32);
    page.fill(Qt::white);
    for (auto _ : state) {
        QPainter painter(&page);
        benchmark::DoNotOptimize(EmfPlayer(bytes).play(painter, QRectF(QPointF(0, 0), Letter)).records);
    }
}

} // namespace

BENCHMARK(playBorder)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(playEnhanced)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);
BENCHMARK(playFarShape)->Unit(benchmark::kMicrosecond)->Repetitions(10)->ReportAggregatesOnly(true);

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
