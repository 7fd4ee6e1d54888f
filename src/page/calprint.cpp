// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Printing the page on a report canvas.
#include "calpanel32.h"

#include "calendar/drawmonth.h"
#include "graphics/reportcanvas.h"

#include <QPainter>

#include <cmath>

namespace {

// Page pixels to inches on the paper; printing always happens at 100 %.
QRectF inchRect(const PageRect &rect, int ppi, double offsetX, double offsetY)
{
    const double unit = ppi > 0 ? ppi : 96;
    return QRectF(QPointF(rect.left / unit + offsetX, rect.top / unit + offsetY),
                  QPointF(rect.right / unit + offsetX, rect.bottom / unit + offsetY));
}

} // namespace

void TCalendarPanel32::PrintPage(ReportCanvas &report, double offsetX, double offsetY)
{
    const auto toDevice = [&](const PageRect &rect) {
        return report.inchRectToPixels(inchRect(rect, m_ppi, offsetX, offsetY));
    };
    if (!m_settings.borderFile.isEmpty())
        report.stretchDraw(inchRect(m_layout.marginRect, m_ppi, offsetX, offsetY),
                           [this](QPainter &painter, const QRect &device) {
                               m_borderPicture.picture().draw(painter, device);
                           });
    report.setBrush(Colors::clWhite);
    report.setPen(Colors::clBlack, psSolid, 1);
    Canvas &canvas = report.canvas();
    TCalDrawInfo info = mainDrawInfo(1.0f);
    info.box = toDevice(m_layout.calendarRect);
    info.minTitleHeight = static_cast<int>(std::trunc(report.yDpi() * 1.5));
    info.printed = true;
    if (drawMainCalendar(canvas, info))
        printCellTexts(report, info.cells);
    if (ShowMiniCalendars()) {
        for (int k = 1; k <= m_layout.miniCount; ++k) {
            TCalDrawInfo mini = miniDrawInfo(k, 1.0f);
            mini.box = toDevice(m_layout.miniRect(k));
            mini.printed = true;
            DrawMonth(canvas, mini, QString());
        }
    }
    printObjects(report, offsetX, offsetY);
}

void TCalendarPanel32::printCellTexts(ReportCanvas &report, const CellTable &cells) const
{
    // Each text is laid out exactly as the screen lays it out at 100 %, then stretched into
    // the printed cell, so it wraps and sizes as the page shows it there.
    const CellTable shown = computeCellTable(1.0f);
    const int zoomPercent = 100;
    for (int cell = 1; cell <= lastTextCell(); ++cell) {
        const PageRect free = cells.cell(cell).rFree;
        const PageRect screen = shown.cell(cell).rFree;
        if (m_cellTexts[cell - 1].isEmpty() || free.width() <= 0 || free.height() <= 0
            || screen.width() <= 0 || screen.height() <= 0)
            continue;
        const QSize layoutSize(screen.width() + 1, screen.height() + 1);
        m_cellRenderer->setZoomPercent(zoomPercent);
        m_cellRenderer->setPageSize(layoutSize);
        m_cellRenderer->setPixelsPerInch(m_ppi);
        // Drawn straight onto the report: a recorded QPicture would resize its fonts to the
        // printer's resolution on replay and then be stretched once more.
        QPainter &painter = report.painter();
        painter.save();
        painter.translate(free.left, free.top);
        // As the screen does: the text's bitmap of layoutSize goes into the free rectangle.
        painter.scale(double(free.width()) / layoutSize.width(),
                      double(free.height()) / layoutSize.height());
        painter.setClipRect(QRectF(QPointF(0, 0), layoutSize));
        m_cellRenderer->loadRtf(m_cellTexts[cell - 1]);
        m_cellRenderer->paint(painter, QRectF(QPointF(0, 0), layoutSize));
        painter.restore();
    }
}
