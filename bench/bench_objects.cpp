// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting a Letter page's worth of freeform objects into an image, and dragging a
// selection of them on the surface.
#include <benchmark/benchmark.h>

#include "page/calpanel32.h"
#include "surface/gbasepanel.h"
#include "surface/tghandle.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgplabel.h"
#include "graphics/canvas.h"

#include <QApplication>
#include <QFile>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>

#include <memory>
#include <vector>

namespace {

std::vector<std::unique_ptr<TGGraphicControl>> pageObjects()
{
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    for (int i = 0; i < 20; ++i) {
        auto label = std::make_unique<TGPLabel>();
        label->setPixelsPerInch(96);
        label->SetCaption(QStringLiteral("Label number %1").arg(i + 1));
        label->SetFont(TFont(QStringLiteral("Arial"), 12 + i % 4 * 4, TFont::Style::Bold));
        label->SetDepthShadow(i % 3 + 1);
        label->SetDepthHighlight(i % 2);
        label->SetAngle(i % 5 == 4 ? 90 : 0);
        label->SetTransparent(i % 2 == 0);
        label->SetBorderStyle(i % 3 == 0 ? bsSingle : bsNone);
        label->setBounds(20 + (i % 4) * 190, 40 + (i / 4) * 120, 180, 40);
        objects.push_back(std::move(label));
    }
    for (int i = 0; i < 5; ++i) {
        auto calendar = std::make_unique<TGFlatCalendar>(QDate(1997, i + 1, 1));
        calendar->setPixelsPerInch(96);
        calendar->SetShowYear(true);
        calendar->SetCellBorderStyle(fcbAll);
        calendar->SetShadowDepth(i * 2);
        calendar->setBounds(20 + i * 155, 700, 150, 140);
        objects.push_back(std::move(calendar));
    }
    return objects;
}

void BM_PaintPageOfObjects(benchmark::State &state)
{
    const auto objects = pageObjects();
    QImage image(816, 1056, QImage::Format_RGB32);
    for (auto _ : state) {
        image.fill(Qt::white);
        QPainter painter(&image);
        Canvas canvas(painter, 96);
        for (const auto &object : objects)
            object->paintOnSurface(canvas);
        painter.end();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_PaintPageOfObjects)->Unit(benchmark::kMillisecond);

// The whole page as RenderToBitmap composes it: without objects (arg 0), with the 20 labels
// and 5 floating calendars above (arg 1), with the labels alone (2) or the calendars alone (3).
void BM_RenderPage(benchmark::State &state)
{
    TCalendarPanel32 page;
    page.setPixelsPerInch(96);
    page.ResetToDefaults(QDate(1997, 1, 6));
    if (state.range(0) != 0) {
        for (auto &object : pageObjects()) {
            const bool label = object->className() == QLatin1String("TGPLabel");
            if ((state.range(0) == 2 && !label) || (state.range(0) == 3 && label))
                continue;
            page.appendObject(std::move(object));
        }
        page.ConnectObjects();
    }
    for (auto _ : state) {
        QImage image = page.RenderToBitmap();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderPage)->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Unit(benchmark::kMillisecond);

// Ten clip-art objects (bitmaps and the shipped border metafiles) and five rich labels.
std::vector<std::unique_ptr<TGGraphicControl>> picturesAndRichLabels()
{
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    QImage bitmap(240, 180, QImage::Format_RGB32);
    for (int y = 0; y < bitmap.height(); ++y)
        for (int x = 0; x < bitmap.width(); ++x)
            bitmap.setPixel(x, y, qRgb(x, y, (x * y) % 256));
    Picture raster;
    raster.setBitmap(bitmap);
    Picture metafile;
    QFile border(QStringLiteral(ORVANE_SOURCE_DIR "/data/Borders/Floral.wpo"));
    MetafilePicture wmf;
    if (border.open(QIODevice::ReadOnly) && wmf.setBytes(border.readAll()))
        metafile.setMetafile(wmf);
    for (int i = 0; i < 10; ++i) {
        auto image = std::make_unique<TGImage>();
        image->setPixelsPerInch(96);
        image->setBounds(20 + (i % 5) * 155, 40 + (i / 5) * 170, 150, 160);
        image->SetPicture(i % 2 == 0 ? raster : metafile);
        image->SetFlip(i % 4 == 2);
        image->SetBorderStyle(i % 3 == 0 ? bsSingle : bsNone);
        objects.push_back(std::move(image));
    }
    for (int i = 0; i < 5; ++i) {
        auto label = std::make_unique<TGPRichBaseLabel>();
        label->setPixelsPerInch(96);
        label->setBounds(20 + i * 155, 420, 150, 120);
        label->SetTransparent(i % 2 == 0);
        label->SetRTFText(TWPRtfStorage(
            QByteArray("{\\rtf1\\ansi{\\fonttbl{\\f0 Liberation Sans;}}\\qc\\f0\\fs28\\b Label ")
            + QByteArray::number(i) + "\\b0\\par\\fs20 with a few words of formatted text that wrap "
                                      "over several lines\\par}"));
        objects.push_back(std::move(label));
    }
    return objects;
}

// The whole page without (arg 0) and with (arg 1) ten pictures and five rich labels.
void BM_RenderPageWithPictures(benchmark::State &state)
{
    TCalendarPanel32 page;
    page.setPixelsPerInch(96);
    page.ResetToDefaults(QDate(1997, 1, 6));
    if (state.range(0) != 0) {
        for (auto &object : picturesAndRichLabels())
            page.appendObject(std::move(object));
        page.ConnectObjects();
    }
    for (auto _ : state) {
        QImage image = page.RenderToBitmap();
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_RenderPageWithPictures)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The page on screen: a shown page repainted whole, as after scrolling it into view,
// without (arg 0) and with (arg 1) the objects.
void BM_PaintPageOnScreen(benchmark::State &state)
{
    TCalendarPanel32 page;
    page.setPixelsPerInch(96);
    page.ResetToDefaults(QDate(1997, 1, 6));
    if (state.range(0) != 0) {
        for (auto &object : pageObjects())
            page.appendObject(std::move(object));
        page.ConnectObjects();
    }
    page.show();
    QApplication::processEvents();
    for (auto _ : state)
        page.repaint();
}
BENCHMARK(BM_PaintPageOnScreen)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void sendMouse(QWidget &surface, QEvent::Type type, QPoint point, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, QPointF(point), surface.mapToGlobal(QPointF(point)),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(&surface, &event);
}

// One frame of a drag: the mouse moves with 20 labels selected, the preview outline
// follows and the changed edges repaint (the surface below them and the objects there).
void BM_DragFrameOfTwentyObjects(benchmark::State &state)
{
    TGBasePanel surface;
    surface.resize(816, 1056);
    qint64 now = 1000;
    surface.setClock([&now] { return now; });
    auto objects = pageObjects();
    objects.resize(20);
    for (auto &object : objects)
        surface.appendObject(std::move(object));
    surface.show();
    QApplication::processEvents();
    surface.SelectAllObjects();
    const QPoint start(100, 60);
    sendMouse(surface, QEvent::MouseButtonPress, start, Qt::LeftButton);
    now += 20;
    QApplication::processEvents();
    int step = 0;
    for (auto _ : state) {
        step = (step + 1) % 40;
        sendMouse(surface, QEvent::MouseMove, start + QPoint(step, step / 2), Qt::LeftButton);
        QApplication::processEvents();
    }
    benchmark::DoNotOptimize(surface.frame().Outline());
    sendMouse(surface, QEvent::MouseButtonRelease, start, Qt::NoButton);
}
BENCHMARK(BM_DragFrameOfTwentyObjects)->Unit(benchmark::kMicrosecond);

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
