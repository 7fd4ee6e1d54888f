// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "celltable.h"

#include "calendar/calendardates.h"

CellRecord CellTable::cell(int index) const
{
    return (index >= 1 && index <= CellCount) ? m_cells[index - 1] : CellRecord();
}

void CellTable::setCell(int index, const CellRecord &record)
{
    if (index >= 1 && index <= CellCount)
        m_cells[index - 1] = record;
}

int CellTable::cellAtPoint(int x, int y) const
{
    for (int i = 0; i < CellCount; ++i) {
        if (m_cells[i].rTotal.contains(x, y))
            return i + 1;
    }
    return 0;
}

int CellTable::cellOfDay(int day) const
{
    for (int i = 0; i < CellCount; ++i) {
        if (m_cells[i].iDay == day)
            return i + 1;
    }
    return -1;
}

void CellTable::clearRects()
{
    for (CellRecord &record : m_cells) {
        record.rTotal = {};
        record.rFree = {};
    }
}

void CellTable::clearAll()
{
    m_cells.fill(CellRecord());
}

void CellTable::fillMonth(const MonthBoxGeometry &box, int year, int month, int startOfWeek)
{
    for (int cell = 1; cell <= CellCount; ++cell)
        m_cells[cell - 1] = {box.numberBox(cell), box.freeRect(cell),
                             DayInCell(year, month, startOfWeek, cell)};
    m_titleRect = box.title;
    m_daysRect = box.dayBand;
}

void CellTable::fillPlanner(const PlannerBoxGeometry &box, const QList<int> &dayNumbers)
{
    for (int row = 0; row < box.rows && row < CellCount; ++row) {
        const PageRect rect = box.cellRect(row);
        m_cells[row] = {rect, rect, row < dayNumbers.size() ? dayNumbers[row] : 0};
    }
    m_titleRect = box.title;
    // Planners have no day-name band; a band left from a month layout must not keep
    // answering clicks.
    m_daysRect = {};
}
