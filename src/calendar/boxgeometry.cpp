// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "boxgeometry.h"

#include <cmath>

namespace {

int truncScaled(int value, double factor)
{
    return static_cast<int>(std::trunc(value * factor));
}

} // namespace

PageRect zoomRect(const PageRect &rect, float zoom)
{
    const double z = zoom;
    return {truncScaled(rect.left, z), truncScaled(rect.top, z), truncScaled(rect.right, z),
            truncScaled(rect.bottom, z)};
}

PageRect MonthBoxGeometry::dayLabelBox(int column) const
{
    const int left = gridLeft() + column * columnWidth;
    return {left + 1, dayBand.top, left + columnWidth - 1, dayBand.bottom};
}

PageRect MonthBoxGeometry::numberBox(int cell) const
{
    const int row = (cell - 1) / 7;
    const int column = (cell - 1) % 7;
    const int left = gridLeft() + column * columnWidth;
    const int top = cellTop + row * rowHeight;
    return {left + numberInsetLeft, top + 1, left + columnWidth - numberInsetRight,
            top + rowHeight - 1};
}

PageRect MonthBoxGeometry::freeRect(int cell) const
{
    if (freeTopOffset == 0)
        return {};
    PageRect free = numberBox(cell);
    free.top += freeTopOffset;
    return free;
}

int MonthBoxGeometry::rowLineY(int row) const
{
    return row >= 6 ? frame.bottom : cellTop + row * rowHeight;
}

int MonthBoxGeometry::columnLineX(int column) const
{
    return column >= 7 ? frame.right : gridLeft() + column * columnWidth;
}

PageRect MonthBoxGeometry::weekNumberBox(int row) const
{
    if (weekColumnWidth <= 0)
        return {};
    const int top = cellTop + row * rowHeight;
    return {frame.left + 1, top + 1, gridLeft() - 1, top + rowHeight - 1};
}

MonthBoxGeometry layoutMonthBox(const PageRect &box, const MonthBoxMetrics &metrics)
{
    MonthBoxGeometry g;
    g.frame = {box.left, box.top, box.right - 1, box.bottom - 1};
    int titleHeight = static_cast<int>(std::trunc(0.17 * (g.frame.bottom - box.top)));
    if (titleHeight < metrics.minTitleHeight)
        titleHeight = metrics.minTitleHeight;
    g.title = {box.left, box.top + 1, g.frame.right, box.top + 1 + titleHeight};
    const int bandTop = g.title.bottom + 1;
    const int bandHeight = static_cast<int>(std::trunc(1.5 * metrics.headerPixelSize));
    g.dayBand = {box.left, bandTop, g.frame.right, bandTop + bandHeight};
    g.weekColumnWidth = metrics.weekNumberWidth;
    g.columnWidth = (g.frame.right - box.left - g.weekColumnWidth) / 7;
    g.cellTop = g.dayBand.bottom;
    g.rowHeight = (g.frame.bottom - g.cellTop) / 6;
    if (metrics.numberPosition == cnpUpperRight) {
        g.numberInsetLeft = 5;
        g.numberInsetRight = 6;
        g.freeTopOffset = metrics.cellLineHeight;
    }
    return g;
}

PageRect PlannerBoxGeometry::upperLabel(int row) const
{
    const int top = body.top + row * rowHeight + 1;
    return {frame.left + 1, top, labelColumn.right, top + rowHeight / 2};
}

PageRect PlannerBoxGeometry::lowerLabel(int row) const
{
    const PageRect upper = upperLabel(row);
    return {upper.left, upper.bottom, upper.right, upper.bottom + rowHeight / 2};
}

PageRect PlannerBoxGeometry::cellRect(int row) const
{
    const int bottom = row == rows - 1 ? body.bottom - 4 : body.top + (row + 1) * rowHeight - 4;
    return {labelColumn.right + 4, body.top + row * rowHeight + 4, frame.right - 4, bottom};
}

int PlannerBoxGeometry::rowLineY(int line) const
{
    return body.top + line * rowHeight;
}

PlannerBoxGeometry layoutPlannerBox(const PageRect &box, int rows, int titleLineHeight)
{
    PlannerBoxGeometry g;
    g.frame = {box.left, box.top, box.right - 1, box.bottom - 1};
    g.rows = rows;
    g.title = {box.left + 5, box.top + 1, g.frame.right - 5, box.top + 1 + titleLineHeight};
    g.body = {box.left, g.title.bottom + 1, g.frame.right, g.frame.bottom};
    g.rowHeight = rows > 0 ? g.body.height() / rows : 0;
    const int labelRight
        = box.left + static_cast<int>(std::trunc(0.15 * (g.frame.right - box.left)));
    g.labelColumn = {box.left + 1, g.body.top + 1, labelRight, g.body.bottom - 1};
    return g;
}
