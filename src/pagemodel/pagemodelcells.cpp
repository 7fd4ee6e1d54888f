// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The day cells of the page and its objects.
#include "pagemodel.h"

#include "objects/tggraphiccontrol.h"

#include <QDate>

#include <algorithm>

namespace {

bool isCellIndex(int cell)
{
    return cell >= 1 && cell <= CellCount;
}

} // namespace

TWPRtfStorage PageModel::GetCellRtfText(int cell, const TWPRtfStorage &fallback) const
{
    return isCellIndex(cell) ? m_cellTexts[cell - 1] : fallback;
}

void PageModel::SetCellRtfText(int cell, const TWPRtfStorage &source)
{
    if (!isCellIndex(cell))
        return;
    m_cellTexts[cell - 1].assign(source);
    repaintPage();
}

int PageModel::DayOfCell(int cell) const
{
    return m_cells.cell(cell).iDay;
}

int PageModel::CellOfDay(int day) const
{
    return m_cells.cellOfDay(day);
}

int PageModel::CellAtPoint(int x, int y) const
{
    return m_cells.cellAtPoint(x, y);
}

void PageModel::ClearAllCells()
{
    for (TWPRtfStorage &text : m_cellTexts)
        text.assign(m_blankCellText);
    m_cells.clearRects();
    UpdateCellTable();
}

bool PageModel::HasCellText() const
{
    for (const TWPRtfStorage &text : m_cellTexts) {
        if (!text.isEmpty())
            return true;
    }
    return false;
}

int PageModel::PlannerSpanDays() const
{
    return layoutInfo(m_settings.calendarLayout).planner.days;
}

QDate PageModel::cellDate(int cell) const
{
    const int span = PlannerSpanDays();
    if (span == 0 || cell < 1 || cell > int(m_cellTexts.size()))
        return {};
    if (span == 1)
        return plannerDate();
    return cell <= span ? plannerDate().addDays(cell - 1) : QDate();
}

QList<QDate> PageModel::textDates() const
{
    QList<QDate> dates;
    for (int cell = 1; cell <= int(m_cellTexts.size()); ++cell) {
        const QDate date = cellDate(cell);
        if (date.isValid() && !m_cellTexts[size_t(cell - 1)].isEmpty() && !dates.contains(date))
            dates.append(date);
    }
    return dates;
}

void PageModel::moveTextsWithDates(const QDate &oldStart)
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

CellKind PageModel::LayoutKind() const
{
    return layoutInfo(m_settings.calendarLayout).cellKind;
}

int PageModel::lastTextCell() const
{
    // Cells past a planner's rows keep rectangles of an earlier layout; their texts
    // would land on the planner's rows.
    return IsPlanner() ? layoutInfo(m_settings.calendarLayout).planner.rows : CellCount;
}

void PageModel::connectObject(TGGraphicControl &object) const
{
    object.setHost(m_objectHost);
    object.setPixelsPerInch(m_ppi);
    object.setZoomFactor(m_zoom);
}

TGGraphicControl *PageModel::appendObject(std::unique_ptr<TGGraphicControl> object)
{
    if (!object)
        return nullptr;
    TGGraphicControl *added = object.get();
    m_objects.push_back(std::move(object));
    connectObject(*added);
    changed(Change::Content);
    return added;
}

void PageModel::adoptReadObjects(ObjectList objects)
{
    for (std::unique_ptr<TGGraphicControl> &object : objects) {
        object->AfterLoad();
        appendObject(std::move(object));
    }
}

bool PageModel::HasSuperTextObjects() const
{
    return std::any_of(m_objects.begin(), m_objects.end(), [](const auto &object) {
        return object->className() == QLatin1String("TGSuperText");
    });
}
