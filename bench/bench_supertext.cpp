// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting one special-effects text of 600 x 150 with a gradient, a shadow and an outline:
// the gradient is rendered once and each paint only fills and strokes the text's path.
#include <benchmark/benchmark.h>

#include "objects/tgsupertext.h"
#include "graphics/canvas.h"

#include <QGuiApplication>
#include <QImage>
#include <QPainter>

namespace {

TGSuperText &gradientTitle()
{
    static TGSuperText text;
    text.setPixelsPerInch(96);
    text.SetCaption(QStringLiteral("Happy New Year"));
    text.SetFont(TFont(QStringLiteral("Arial"), 60, TFont::Style::Bold));
    text.SetSurfaceType(stGradientFill);
    text.SetFillDirection(gdDown);
    text.SetOutlineStyle(psSolid);
    text.SetOutlineWidth(2);
    text.SetShadowDepth(4);
    text.SetControlTransparent(false);
    text.SetBorderStyle(bsSingle);
    text.setBounds(0, 0, 600, 150);
    return text;
}

void BM_PaintGradientSuperText(benchmark::State &state)
{
    TGSuperText &text = gradientTitle();
    QImage image(600, 150, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        text.PaintToCanvas(canvas, 0, 0);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintGradientSuperText)->Unit(benchmark::kMillisecond);

// The same with a change of colour before every paint, which renders the gradient again.
void BM_RepaintAfterGradientChange(benchmark::State &state)
{
    TGSuperText &text = gradientTitle();
    QImage image(600, 150, QImage::Format_RGB32);
    int step = 0;
    for (auto _ : state) {
        text.SetGradientToColor(step++ % 2 ? Colors::clYellow : Colors::clRed);
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        text.PaintToCanvas(canvas, 0, 0);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RepaintAfterGradientChange)->Unit(benchmark::kMillisecond);

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
