// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the page on a report canvas.
#include "pagepainter.h"

#include "pagemodel/pagedrawinfo.h"
#include "pagemodel/pagemodel.h"
#include "calendar/drawmonth.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/reportcanvas.h"

#include <QPainter>

#include <cmath>

namespace PagePainter {

namespace {

// Page pixels to inches on the paper; printing always happens at 100 %.
QRectF inchRect(const PageRect &rect, int ppi, double offsetX, double offsetY)
{
    const double unit = ppi > 0 ? ppi : 96;
    return QRectF(QPointF(rect.left / unit + offsetX, rect.top / unit + offsetY),
                  QPointF(rect.right / unit + offsetX, rect.bottom / unit + offsetY));
}

void printCellTexts(const PageModel &page, ReportCanvas &report, const CellTable &cells)
{
    // Each text is laid out exactly as the screen lays it out at 100 %, then stretched into
    // the printed cell, so it wraps and sizes as the page shows it there.
    const CellTable shown = page.computeCellTable(1.0f);
    const int zoomPercent = 100;
    CellTextRenderer &renderer = page.cellRenderer();
    for (int cell = 1; cell <= page.lastTextCell(); ++cell) {
        const PageRect free = cells.cell(cell).rFree;
        const PageRect screen = shown.cell(cell).rFree;
        if (page.cellText(cell).isEmpty() || free.width() <= 0 || free.height() <= 0
            || screen.width() <= 0 || screen.height() <= 0)
            continue;
        const QSize layoutSize(screen.width() + 1, screen.height() + 1);
        renderer.setZoomPercent(zoomPercent);
        renderer.setPageSize(layoutSize);
        renderer.setPixelsPerInch(page.pixelsPerInch());
        // Drawn straight onto the report: a recorded QPicture would resize its fonts to the
        // printer's resolution on replay and then be stretched once more.
        QPainter &painter = report.painter();
        painter.save();
        painter.translate(free.left, free.top);
        // As the screen does: the text's bitmap of layoutSize goes into the free rectangle.
        painter.scale(double(free.width()) / layoutSize.width(),
                      double(free.height()) / layoutSize.height());
        painter.setClipRect(QRectF(QPointF(0, 0), layoutSize));
        renderer.loadRtf(page.cellText(cell));
        renderer.paint(painter, QRectF(QPointF(0, 0), layoutSize));
        painter.restore();
    }
}

} // namespace

void printPage(const PageModel &page, ReportCanvas &report, double offsetX, double offsetY)
{
    const int ppi = page.pixelsPerInch();
    const PageLayout &layout = page.pageLayout();
    const auto toDevice = [&](const PageRect &rect) {
        return report.inchRectToPixels(inchRect(rect, ppi, offsetX, offsetY));
    };
    if (!page.WMFBorderFile().isEmpty())
        report.stretchDraw(inchRect(layout.marginRect, ppi, offsetX, offsetY),
                           [&page](QPainter &painter, const QRect &device) {
                               page.borderPicture().picture().draw(painter, device);
                           });
    report.setBrush(Colors::clWhite);
    report.setPen(Colors::clBlack, psSolid, 1);
    Canvas &canvas = report.canvas();
    TCalDrawInfo info = PageDrawInfo::mainDrawInfo(page, 1.0f);
    info.box = toDevice(layout.calendarRect);
    info.minTitleHeight = static_cast<int>(std::trunc(report.yDpi() * 1.5));
    info.printed = true;
    if (PageDrawInfo::drawMainCalendar(page, canvas, info)) {
        printCellTexts(page, report, info.cells);
        if (!page.IsPlanner())
            DrawDayMarks(canvas, info);
    }
    if (page.ShowMiniCalendars()) {
        for (int k = 1; k <= layout.miniCount; ++k) {
            TCalDrawInfo mini = PageDrawInfo::miniDrawInfo(page, k, 1.0f);
            mini.box = toDevice(layout.miniRect(k));
            mini.printed = true;
            DrawMonth(canvas, mini, QString());
        }
    }
    // Each object prints what it paints, at its page bounds.
    for (const auto &object : page.objects())
        object->PrintTo(report, offsetX, offsetY);
}

} // namespace PagePainter
