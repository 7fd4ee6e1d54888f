// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/boxgeometry.h"
#include "calendar/pagetypes.h"
#include "graphics/pagerect.h"

#include <QList>

#include <array>

// Where one day cell lies in zoomed page pixels, and the day it shows (0 for none).
struct CellRecord
{
    PageRect rTotal;
    PageRect rFree;
    int iDay = 0;
    friend bool operator==(const CellRecord &, const CellRecord &) = default;
};

// The cells 1..42 and the hit rectangles of the main calendar or planner as last painted.
class CellTable
{
public:
    CellRecord cell(int index) const;
    void setCell(int index, const CellRecord &record);
    PageRect titleRect() const { return m_titleRect; }
    PageRect daysRect() const { return m_daysRect; }
    void setTitleRect(const PageRect &rect) { m_titleRect = rect; }
    void setDaysRect(const PageRect &rect) { m_daysRect = rect; }

    // The lowest cell whose whole rectangle contains the point, or 0.
    int cellAtPoint(int x, int y) const;
    // The lowest cell showing day, or -1.
    int cellOfDay(int day) const;
    // Zeroes every cell's rectangles; the days stay.
    void clearRects();
    // Zeroes every cell completely.
    void clearAll();

    // The main month calendar's cells and hit rectangles.
    void fillMonth(const MonthBoxGeometry &box, int year, int month, int startOfWeek);
    // Cells 1..rows of a planner; the rest keep their values. dayNumbers holds one day per
    // row (0 for the notes row and for time slots).
    void fillPlanner(const PlannerBoxGeometry &box, const QList<int> &dayNumbers);

    friend bool operator==(const CellTable &, const CellTable &) = default;

private:
    std::array<CellRecord, CellCount> m_cells{};
    PageRect m_titleRect;
    PageRect m_daysRect;
};
