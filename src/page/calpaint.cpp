// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Painting the page on the screen and into images.
#include "calpanel32.h"

#include "calendar/boxgeometry.h"
#include "calendar/drawmonth.h"
#include "calendar/drawplanner.h"
#include "calendar/layouttable.h"
#include "graphics/canvas.h"

#include <QLoggingCategory>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <cmath>

Q_DECLARE_LOGGING_CATEGORY(lcPage)

namespace {

// A gigabyte of pixels.
constexpr qint64 MaxComposedPixels = 256 * 1024 * 1024;

} // namespace

void TCalendarPanel32::setCellRenderer(std::unique_ptr<CellTextRenderer> renderer)
{
    if (renderer)
        m_cellRenderer = std::move(renderer);
    repaintPage();
}

namespace {

// The part of a month's drawing description that its style and strokes decide.
void applyMonthStyle(TCalDrawInfo &info, const MonthStyle &style, const MonthBorders &borders,
                     float fontZoom, int ppi)
{
    info.titleBGColor = style.titleBGColor;
    info.titleFont = style.titleFont.zoomed(fontZoom, ppi);
    info.showYear = style.showYear;
    info.headerFont = style.headersFont.zoomed(fontZoom, ppi);
    info.headerStyle = style.headersStyle;
    info.headerBGColor = style.headersBGColor;
    info.cellFont = style.cellFont.zoomed(fontZoom, ppi);
    info.frameBorder = borders.frame;
    info.headerBorder = borders.headers;
    info.cellBorder = borders.cell;
}

} // namespace

TCalDrawInfo TCalendarPanel32::mainDrawInfo(float fontZoom) const
{
    TCalDrawInfo info;
    applyMonthStyle(info, m_settings.main, m_mainBorders, fontZoom, m_ppi);
    info.backgroundColor = Colors::clWhite;
    info.month = m_settings.month;
    info.year = m_settings.year;
    info.day = plannerDate().day();
    info.numberPosition = m_numberPosition;
    info.startOfWeek = m_settings.startOfWeek;
    info.names = m_settings.names;
    const PlannerShape &planner = layoutInfo(m_settings.calendarLayout).planner;
    if (planner.kind == PlannerKind::Week)
        info.plannerDays = planner.days;
    if (planner.kind == PlannerKind::Day)
        info.plannerSlots = planner.slotCount;
    info.plannerStartTime = m_settings.dayPlannerStart;
    return info;
}

TCalDrawInfo TCalendarPanel32::miniDrawInfo(int index, float fontZoom) const
{
    const MonthOfYear shown = m_layout.miniMonth(index);
    TCalDrawInfo info;
    applyMonthStyle(info, m_settings.mini, m_miniBorders, fontZoom, m_ppi);
    // A mini calendar's box is filled with its title colour.
    info.backgroundColor = m_settings.mini.titleBGColor;
    info.month = shown.month;
    info.year = shown.year;
    info.numberPosition = cnpCenter;
    info.startOfWeek = m_settings.startOfWeek;
    info.names = m_settings.names;
    return info;
}

bool TCalendarPanel32::drawMainCalendar(Canvas &canvas, TCalDrawInfo &info) const
{
    switch (layoutInfo(m_settings.calendarLayout).planner.kind) {
    case PlannerKind::Week:
        DrawWeekPlanner(canvas, info, m_settings.userTitle);
        return true;
    case PlannerKind::Day:
        DrawDayPlanner(canvas, info, m_settings.userTitle);
        return true;
    case PlannerKind::NotPlanner:
        break;
    }
    if (!ShowMainCalendar())
        return false;
    DrawMonth(canvas, info, m_settings.userTitle);
    return true;
}

void TCalendarPanel32::paintPage(Canvas &canvas, CellMarks marks) const
{
    const float zoom = ZoomFactor();
    if (!m_settings.borderFile.isEmpty())
        m_borderPicture.picture().draw(canvas.painter(),
                                       zoomRect(m_layout.marginRect, zoom).toQRect());
    TCalDrawInfo info = mainDrawInfo(zoom);
    info.box = zoomRect(m_layout.calendarRect, zoom);
    info.minTitleHeight = static_cast<int>(std::trunc(m_ppi * 1.5 * zoom));
    info.cells = m_cells;
    // The drawing routines fill in the cells as they draw them; those are what the cell
    // table already holds, and the page's own table is not touched.
    if (drawMainCalendar(canvas, info))
        drawCellTexts(canvas, info.cells, marks);
    if (!ShowMiniCalendars())
        return;
    for (int k = 1; k <= m_layout.miniCount; ++k) {
        TCalDrawInfo mini = miniDrawInfo(k, zoom);
        mini.box = zoomRect(m_layout.miniRect(k), zoom);
        DrawMonth(canvas, mini, QString());
    }
}

int TCalendarPanel32::lastTextCell() const
{
    // Cells past a planner's rows keep rectangles of an earlier layout; their texts
    // would land on the planner's rows.
    return IsPlanner() ? layoutInfo(m_settings.calendarLayout).planner.rows : CellCount;
}

void TCalendarPanel32::drawCellTexts(Canvas &canvas, const CellTable &cells, CellMarks marks) const
{
    const PlannerKind planner = layoutInfo(m_settings.calendarLayout).planner.kind;
    for (int cell = 1; cell <= lastTextCell(); ++cell) {
        if (planner == PlannerKind::Week && m_cellTexts[cell - 1].isEmpty())
            continue;
        const PageRect free = cells.cell(cell).rFree;
        if (planner == PlannerKind::Day && (free.width() <= 0 || free.height() <= 0))
            continue;
        drawCellText(canvas, cell, free, marks);
    }
}

void TCalendarPanel32::drawCellText(Canvas &canvas, int cell, const PageRect &free, CellMarks marks) const
{
    if (free.width() <= 0 || free.height() <= 0)
        return;
    const TWPRtfStorage &text = m_cellTexts[cell - 1];
    if (text.isEmpty()) {
        // What an empty text leaves of its white cell bitmap.
        canvas.painter().fillRect(free.toQRect(), Qt::white);
        return;
    }
    const QSize size(free.width() + 1, free.height() + 1);
    QImage bitmap(size, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    m_cellRenderer->loadRtf(text);
    m_cellRenderer->setZoomPercent(static_cast<int>(std::trunc(ZoomFactor() * 100.0)));
    m_cellRenderer->setPageSize(size);
    m_cellRenderer->setPixelsPerInch(m_ppi);
    {
        QPainter painter(&bitmap);
        m_cellRenderer->paint(painter, QRectF(QPointF(0, 0), size));
    }
    canvas.painter().drawImage(free.toQRect(), bitmap);
    if (marks == CellMarks::Overflow && m_cellRenderer->textOverflows())
        paintOverflowMark(canvas.painter(), free);
}

QPolygon TCalendarPanel32::overflowMark(const PageRect &free)
{
    // Screen pixels, whatever the zoom: it is a hint to the user, not part of the page.
    const int side = std::min({OverflowMarkSide, free.width() / 2, free.height() / 2});
    if (side < 3)
        return {};
    // Inside the free rectangle, whose right and bottom edges are exclusive.
    const QPoint corner(free.right - 1, free.bottom - 1);
    return QPolygon({corner, corner - QPoint(side - 1, 0), corner - QPoint(0, side - 1)});
}

void TCalendarPanel32::paintOverflowMark(QPainter &painter, const PageRect &free)
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

QImage TCalendarPanel32::composePage(qreal pixelRatio, CellMarks marks) const
{
    // On a high-density screen the page is composed at the screen's own pixels; the
    // drawing still happens in page pixels.
    const QSize size(qMax(1, qRound(width() * pixelRatio)), qMax(1, qRound(height() * pixelRatio)));
    if (qint64(size.width()) * size.height() > MaxComposedPixels) {
        // Far beyond any screen or export; the cells still get their places.
        qCWarning(lcPage) << "page of" << size << "pixels is too large to compose";
        return {};
    }
    QImage image(size, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(Qt::white);
    QPainter painter(&image);
    Canvas canvas(painter, m_ppi);
    paintPage(canvas, marks);
    return image;
}

QImage TCalendarPanel32::RenderToBitmap()
{
    QImage image = composePage(1.0, CellMarks::None);
    if (image.isNull())
        return image;
    QPainter painter(&image);
    Canvas canvas(painter, m_ppi);
    renderObjects(canvas);
    return image;
}

void TCalendarPanel32::paintEvent(QPaintEvent *event)
{
    if (PaintSuspended() || m_painting || !visibleFlag(this))
        return;
    m_painting = true;
    // Only the screen marks texts that run out of their cells; exported and printed pages
    // show the page alone.
    const QImage image = composePage(devicePixelRatioF(), CellMarks::Overflow);
    QPainter painter(this);
    if (image.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(0, 0, image);
    Canvas canvas(painter, m_ppi);
    paintObjects(canvas, event->region());
    m_painting = false;
}
