// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Day cells, clicks and drawing tools of the page.
#include "calpanel32.h"

#include "objects/objectkinds.h"
#include "objects/tggraphiccontrol.h"

#include <QDate>
#include <QScopedValueRollback>

#include <algorithm>

namespace {

bool isCellIndex(int cell)
{
    return cell >= 1 && cell <= CellCount;
}

} // namespace

TWPRtfStorage TCalendarPanel32::GetCellRtfText(int cell, const TWPRtfStorage &fallback) const
{
    return isCellIndex(cell) ? m_cellTexts[cell - 1] : fallback;
}

void TCalendarPanel32::SetCellRtfText(int cell, const TWPRtfStorage &source)
{
    if (!isCellIndex(cell))
        return;
    m_cellTexts[cell - 1].assign(source);
    repaintPage();
}

int TCalendarPanel32::DayOfCell(int cell) const
{
    return m_cells.cell(cell).iDay;
}

int TCalendarPanel32::CellOfDay(int day) const
{
    return m_cells.cellOfDay(day);
}

int TCalendarPanel32::CellAtPoint(int x, int y) const
{
    return m_cells.cellAtPoint(x, y);
}

bool TCalendarPanel32::PointInCell(int x, int y) const
{
    return CellAtPoint(x, y) != 0;
}

void TCalendarPanel32::raiseCellEvent(int cell)
{
    const CellRecord record = m_cells.cell(cell);
    m_clickedInCell(*this, record.rTotal, record.rFree, cell, record.iDay, m_cellTexts[cell - 1]);
}

void TCalendarPanel32::OpenCellAtPoint(int x, int y)
{
    const int cell = CellAtPoint(x, y);
    if (cell != 0 && m_clickedInCell)
        raiseCellEvent(cell);
}

void TCalendarPanel32::OpenCell(int cell)
{
    if (isCellIndex(cell) && m_clickedInCell)
        raiseCellEvent(cell);
}

void TCalendarPanel32::OpenPreviousCell(int cell)
{
    if (cell <= 1 || cell > CellCount + 1)
        return;
    if (!m_cells.cell(cell - 1).rFree.isAllZero() && m_clickedInCell)
        raiseCellEvent(cell - 1);
}

void TCalendarPanel32::OpenNextCell(int cell)
{
    if (cell < 0 || cell >= CellCount)
        return;
    if (!m_cells.cell(cell + 1).rFree.isAllZero() && m_clickedInCell)
        raiseCellEvent(cell + 1);
}

void TCalendarPanel32::ClearAllCells()
{
    for (TWPRtfStorage &text : m_cellTexts)
        text.assign(m_blankCellText);
    m_cells.clearRects();
    UpdateCellTable();
}

bool TCalendarPanel32::HasCellText() const
{
    for (const TWPRtfStorage &text : m_cellTexts) {
        if (!text.isEmpty())
            return true;
    }
    return false;
}

int TCalendarPanel32::PlannerSpanDays() const
{
    return layoutInfo(m_settings.calendarLayout).planner.days;
}

QDate TCalendarPanel32::cellDate(int cell) const
{
    const int span = PlannerSpanDays();
    if (span == 0 || cell < 1 || cell > int(m_cellTexts.size()))
        return {};
    if (span == 1)
        return plannerDate();
    return cell <= span ? plannerDate().addDays(cell - 1) : QDate();
}

QList<QDate> TCalendarPanel32::textDates() const
{
    QList<QDate> dates;
    for (int cell = 1; cell <= int(m_cellTexts.size()); ++cell) {
        const QDate date = cellDate(cell);
        if (date.isValid() && !m_cellTexts[size_t(cell - 1)].isEmpty() && !dates.contains(date))
            dates.append(date);
    }
    return dates;
}

void TCalendarPanel32::moveTextsWithDates(const QDate &oldStart)
{
    const int span = PlannerSpanDays();
    const QDate start = plannerDate();
    if (span == 0 || !oldStart.isValid() || oldStart == start)
        return;
    // A day planner's cells are hours of its one day: another day takes none of them.
    if (span == 1) {
        ClearAllCells();
        return;
    }
    const auto old = m_cellTexts;
    for (int cell = 1; cell <= span; ++cell) {
        const qint64 from = oldStart.daysTo(start.addDays(cell - 1)) + 1;
        m_cellTexts[size_t(cell - 1)].assign(from >= 1 && from <= span ? old[size_t(from - 1)] : m_blankCellText);
    }
    m_cells.clearRects();
    UpdateCellTable();
}

CellKind TCalendarPanel32::LayoutKind() const
{
    return layoutInfo(m_settings.calendarLayout).cellKind;
}

bool TCalendarPanel32::HasEditableCells() const
{
    return layoutInfo(m_settings.calendarLayout).takesText && visibleFlag(this);
}

void TCalendarPanel32::Click(const QPoint &point)
{
    if (m_panelState != psPointing)
        return;
    const int x = point.x();
    const int y = point.y();
    if (m_cells.titleRect().contains(x, y) && m_onClickedHeader)
        m_onClickedHeader(*this);
    if (m_cells.daysRect().contains(x, y) && m_onClickedDaysArea)
        m_onClickedDaysArea(*this);
    const int cell = CellAtPoint(x, y);
    if (cell != 0 && (ShowMainCalendar() || IsPlanner())) {
        if (m_clickedInCell && !PointOnObject(x, y))
            raiseCellEvent(cell);
        return;
    }
    if (m_onClick)
        m_onClick(*this);
}

void TCalendarPanel32::surfaceClicked(const QPoint &point)
{
    // A double click on the page itself raises nothing: only a plain click reaches here.
    Click(point);
}

bool TCalendarPanel32::focusNextPrevChild(bool)
{
    // The page takes Tab itself: the cell editor moves between cells with it.
    return false;
}

PageRect TCalendarPanel32::toolRectangle(const PageRect &rect)
{
    PageRect result = rect;
    if (result.width() < 25)
        result.right = result.left + 50;
    if (result.height() < 15)
        result.bottom = result.top + 15;
    return result;
}

void TCalendarPanel32::CreateObjectInRect(const PageRect &rect)
{
    if (m_creatingObject)
        return;
    // The label's text dialog runs an event loop; the guard holds until it is closed.
    const QScopedValueRollback creating(m_creatingObject, true);
    const ObjectKind *kind = m_panelState.kind;
    const PageRect place = toolRectangle(rect);
    std::unique_ptr<TGGraphicControl> object =
        kind ? kind->createForTool(Font(), QDate::currentDate()) : nullptr;
    SetPanelState(psPointing);
    placeToolObject(std::move(object), place.toQRect());
}

bool TCalendarPanel32::HasDrawingObjects() const
{
    return !objects().empty();
}

bool TCalendarPanel32::HasSuperTextObjects() const
{
    return std::any_of(objects().begin(), objects().end(), [](const auto &object) {
        return object->className() == QLatin1String("TGSuperText");
    });
}

int TCalendarPanel32::childControlCount() const
{
    return TGBasePanel::childControlCount() + 1;
}
