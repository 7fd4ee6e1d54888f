// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The clip-art library in the image browser: listing a library of 8000 drawings in 24 subject
// folders, narrowing it at each key of a filter, and drawing one thumbnail.
#include <benchmark/benchmark.h>

#include "objecteditors/clipartmodel.h"
#include "objecteditors/gimageb.h"
#include "images/picture.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace {

constexpr int Drawings = 8000;

const QByteArray &drawing()
{
    static const QByteArray bytes =
        "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"300\" viewBox=\"0 0 400 300\">"
        "<defs><linearGradient id=\"g\"><stop offset=\"0\" stop-color=\"#c33\"/>"
        "<stop offset=\"1\" stop-color=\"#33c\"/></linearGradient></defs>"
        "<rect width=\"400\" height=\"300\" fill=\"url(#g)\"/>"
        "<path d=\"M20 280 C 100 20, 300 20, 380 280 Z\" fill=\"#2a2\" stroke=\"#000\" stroke-width=\"4\"/>"
        "<circle cx=\"200\" cy=\"120\" r=\"60\" fill=\"#fd0\" opacity=\"0.8\"/></svg>";
    return bytes;
}

// A library laid out as the installed one: svg/<subject>/<name>_<n>.svg.
const QString &library()
{
    static QTemporaryDir dir;
    static const QString root = [] {
        static const char *subjects[] = {"animals", "buildings", "food", "people", "plants", "signs",
                                         "tools", "shapes", "office", "science", "transport", "weather",
                                         "music", "sport", "flags", "games", "toys", "space",
                                         "sea", "birds", "trees", "clothes", "kitchen", "garden"};
        static const char *names[] = {"apple", "bird", "cat", "dog", "house", "tree", "star", "car",
                                      "boat", "cloud", "flower", "guitar", "hat", "key", "lamp", "moon"};
        for (int i = 0; i < Drawings; ++i) {
            const QString folder = dir.filePath(QStringLiteral("svg/%1").arg(QLatin1String(subjects[i % 24])));
            QDir().mkpath(folder);
            QFile file(folder + QStringLiteral("/%1_%2.svg").arg(QLatin1String(names[i % 16])).arg(i));
            file.open(QIODevice::WriteOnly);
            file.write(drawing());
        }
        return dir.path();
    }();
    return root;
}

void BM_ListLibrary(benchmark::State &state)
{
    ClipArtModel model;
    for (auto _ : state) {
        model.setFolder(library(), TGImageBrowser::fileMask());
        benchmark::DoNotOptimize(model.rowCount());
    }
}
BENCHMARK(BM_ListLibrary)->Unit(benchmark::kMillisecond);

// Each key of "bird garden" typed, then taken back: what one key costs on average.
void BM_FilterAsTyped(benchmark::State &state)
{
    ClipArtModel model;
    model.setFolder(library(), TGImageBrowser::fileMask());
    const QString typed = QStringLiteral("bird garden");
    for (auto _ : state) {
        for (qsizetype n = 1; n <= typed.size(); ++n)
            model.setFilter(typed.left(n));
        model.setFilter({});
    }
    state.SetItemsProcessed(state.iterations() * (typed.size() + 1));
}
BENCHMARK(BM_FilterAsTyped)->Unit(benchmark::kMillisecond);

void BM_DrawingThumbnail(benchmark::State &state)
{
    const QString path = QDir(library()).filePath(QStringLiteral("svg/animals/apple_0.svg"));
    for (auto _ : state)
        benchmark::DoNotOptimize(pictureThumbnail(path, QSize(ClipArtModel::ThumbnailSide, ClipArtModel::ThumbnailSide)));
}
BENCHMARK(BM_DrawingThumbnail)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
