// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the page into images.
#include "pagepainter.h"

#include "pagemodel/pagedrawinfo.h"
#include "pagemodel/pagemodel.h"
#include "calendar/boxgeometry.h"
#include "calendar/drawmonth.h"
#include "calendar/layouttable.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/canvas.h"

#include <QLoggingCategory>
#include <QPainter>

#include <algorithm>
#include <cmath>

Q_DECLARE_LOGGING_CATEGORY(lcPage)

namespace PagePainter {

namespace {

// A gigabyte of pixels.
constexpr qint64 MaxComposedPixels = 256 * 1024 * 1024;

void paintOverflowMark(QPainter &painter, const PageRect &free)
{
    const QPolygon mark = overflowMark(free);
    if (mark.isEmpty())
        return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QColor colour = QColor::fromRgb(OverflowMarkColor);
    painter.setPen(colour);
    painter.setBrush(colour);
    painter.drawPolygon(mark);
    painter.restore();
}

void drawCellText(const PageModel &page, Canvas &canvas, int cell, const PageRect &free, CellMarks marks)
{
    if (free.width() <= 0 || free.height() <= 0)
        return;
    const TWPRtfStorage &text = page.cellText(cell);
    if (text.isEmpty()) {
        // What an empty text leaves of its white cell bitmap.
        canvas.painter().fillRect(free.toQRect(), Qt::white);
        return;
    }
    const QSize size(free.width() + 1, free.height() + 1);
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    CellTextRenderer &renderer = page.cellRenderer();
    renderer.loadRtf(text);
    renderer.setZoomPercent(static_cast<int>(std::trunc(page.zoom() * 100.0)));
    renderer.setPageSize(size);
    renderer.setPixelsPerInch(page.pixelsPerInch());
    {
        QPainter painter(&bitmap);
        renderer.paint(painter, QRectF(QPointF(0, 0), size));
    }
    canvas.painter().drawImage(free.toQRect(), bitmap);
    if (marks == CellMarks::Overflow && renderer.textOverflows())
        paintOverflowMark(canvas.painter(), free);
}

void drawCellTexts(const PageModel &page, Canvas &canvas, const CellTable &cells, CellMarks marks)
{
    const PlannerKind planner = layoutInfo(page.CalendarLayout()).planner.kind;
    for (int cell = 1; cell <= page.lastTextCell(); ++cell) {
        if (planner == PlannerKind::Week && page.cellText(cell).isEmpty())
            continue;
        const PageRect free = cells.cell(cell).rFree;
        if (planner == PlannerKind::Day && (free.width() <= 0 || free.height() <= 0))
            continue;
        drawCellText(page, canvas, cell, free, marks);
    }
}

} // namespace

void paintPage(const PageModel &page, Canvas &canvas, CellMarks marks)
{
    const float zoom = page.zoom();
    const PageLayout &layout = page.pageLayout();
    if (!page.WMFBorderFile().isEmpty())
        page.borderPicture().picture().draw(canvas.painter(), zoomRect(layout.marginRect, zoom).toQRect());
    TCalDrawInfo info = PageDrawInfo::mainDrawInfo(page, zoom);
    info.box = zoomRect(layout.calendarRect, zoom);
    info.minTitleHeight = static_cast<int>(std::trunc(page.pixelsPerInch() * 1.5 * zoom));
    info.cells = page.cellTable();
    // The drawing routines fill in the cells as they draw them; those are what the cell
    // table already holds, and the page's own table is not touched.
    if (PageDrawInfo::drawMainCalendar(page, canvas, info)) {
        drawCellTexts(page, canvas, info.cells, marks);
        if (!page.IsPlanner())
            DrawDayMarks(canvas, info);
    }
    if (!page.ShowMiniCalendars())
        return;
    for (int k = 1; k <= layout.miniCount; ++k) {
        TCalDrawInfo mini = PageDrawInfo::miniDrawInfo(page, k, zoom);
        mini.box = zoomRect(layout.miniRect(k), zoom);
        DrawMonth(canvas, mini, QString());
    }
}

QPolygon overflowMark(const PageRect &free)
{
    // Screen pixels, whatever the zoom: it is a hint to the user, not part of the page.
    const int side = std::min({OverflowMarkSide, free.width() / 2, free.height() / 2});
    if (side < 3)
        return {};
    // Inside the free rectangle, whose right and bottom edges are exclusive.
    const QPoint corner(free.right - 1, free.bottom - 1);
    return QPolygon({corner, corner - QPoint(side - 1, 0), corner - QPoint(0, side - 1)});
}

QImage composePage(const PageModel &page, QSize shown, qreal pixelRatio, CellMarks marks)
{
    // On a high-density screen the page is composed at the screen's own pixels; the
    // drawing still happens in page pixels.
    const QSize size(qMax(1, qRound(shown.width() * pixelRatio)), qMax(1, qRound(shown.height() * pixelRatio)));
    if (qint64(size.width()) * size.height() > MaxComposedPixels) {
        // Far beyond any screen or export; the cells still get their places.
        qCWarning(lcPage) << "page of" << size << "pixels is too large to compose";
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter, page.pixelsPerInch());
    paintPage(page, canvas, marks);
    return image;
}

void renderObjects(const PageModel &page, Canvas &canvas)
{
    for (const auto &object : page.objects())
        object->PaintToCanvas(canvas, object->Left(), object->Top());
}

QImage renderPage(const PageModel &page)
{
    QImage image = composePage(page, page.paperRect().size(), 1.0, CellMarks::None);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    Canvas canvas(painter, page.pixelsPerInch());
    renderObjects(page, canvas);
    return image;
}

} // namespace PagePainter
