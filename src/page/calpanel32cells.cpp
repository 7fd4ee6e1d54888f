// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Opening day cells, clicks and drawing tools of the page.
#include "calpanel32.h"

#include "calendar/localedates.h"
#include "objects/objectkinds.h"
#include "objects/tggraphiccontrol.h"

#include <QDate>
#include <QScopedValueRollback>

void TCalendarPanel32::raiseCellEvent(int cell)
{
    const CellRecord record = cellTable().cell(cell);
    m_clickedInCell(*this, record.rTotal, record.rFree, cell, record.iDay, m_model.editableCellText(cell));
}

void TCalendarPanel32::OpenCellAtPoint(int x, int y)
{
    const int cell = CellAtPoint(x, y);
    if (cell != 0 && m_clickedInCell)
        raiseCellEvent(cell);
}

void TCalendarPanel32::OpenCell(int cell)
{
    if (cell >= 1 && cell <= CellCount && m_clickedInCell)
        raiseCellEvent(cell);
}

void TCalendarPanel32::OpenPreviousCell(int cell)
{
    if (cell <= 1 || cell > CellCount + 1)
        return;
    if (!cellTable().cell(cell - 1).rFree.isAllZero() && m_clickedInCell)
        raiseCellEvent(cell - 1);
}

void TCalendarPanel32::OpenNextCell(int cell)
{
    if (cell < 0 || cell >= CellCount)
        return;
    if (!cellTable().cell(cell + 1).rFree.isAllZero() && m_clickedInCell)
        raiseCellEvent(cell + 1);
}

bool TCalendarPanel32::HasEditableCells() const
{
    return layoutInfo(CalendarLayout()).takesText && visibleFlag(this);
}

void TCalendarPanel32::Click(const QPoint &point)
{
    if (m_panelState != psPointing)
        return;
    const int x = point.x();
    const int y = point.y();
    if (cellTable().titleRect().contains(x, y) && m_onClickedHeader)
        m_onClickedHeader(*this);
    if (cellTable().daysRect().contains(x, y) && m_onClickedDaysArea)
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

ToolPage TCalendarPanel32::toolPage() const
{
    return {Font(), QDate(MainCalYear(), MainCalMonth(), 1), StartOfWeek(),
            calendarLanguageOf(pageLocale(options(), m_model.names()))};
}

void TCalendarPanel32::CreateObjectInRect(const PageRect &rect)
{
    if (m_creatingObject)
        return;
    // The label's text dialog runs an event loop; the guard holds until it is closed.
    const QScopedValueRollback creating(m_creatingObject, true);
    const ObjectKind *kind = m_panelState.kind;
    const PageRect place = toolRectangle(rect);
    std::unique_ptr<TGGraphicControl> object = kind ? kind->createForTool(toolPage()) : nullptr;
    SetPanelState(psPointing);
    placeToolObject(std::move(object), place.toQRect());
}

int TCalendarPanel32::childControlCount() const
{
    return TGBasePanel::childControlCount() + 1;
}
