// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "flatcalendargeometry.h"

#include <cmath>

FlatCalendarBoxes flatCalendarBoxes(int width, int height, int depth,
                                    TFlatShadowPosition position)
{
    FlatCalendarBoxes boxes;
    if (depth <= 0) {
        boxes.calendar = {0, 0, width, height};
        return boxes;
    }
    const int d = depth;
    boxes.hasShadow = true;
    switch (position) {
    case fcpLowerLeft:
        boxes.calendar = {d, 0, width, height - d};
        boxes.shadow = {0, d, width - d, height};
        break;
    case fcpUpperRight:
        boxes.calendar = {0, d, width - d, height};
        boxes.shadow = {d, 0, width, height - d};
        break;
    case fcpUpperLeft:
        boxes.calendar = {d, d, width, height};
        boxes.shadow = {0, 0, width - d, height - d};
        break;
    case fcpLowerRight:
    default:
        boxes.calendar = {0, 0, width - d, height - d};
        boxes.shadow = {d, d, width, height};
        break;
    }
    return boxes;
}

MonthBoxGeometry layoutFlatCalendarMonth(const PageRect &box, int minTitleHeight,
                                         int headerPixelSize, int weekNumberWidth)
{
    MonthBoxGeometry g;
    g.frame = {box.left, box.top, box.right - 1, box.bottom - 1};
    int titleHeight = static_cast<int>(std::trunc(0.17 * (g.frame.bottom - box.top)));
    if (titleHeight < minTitleHeight)
        titleHeight = minTitleHeight;
    g.title = {box.left, box.top, g.frame.right, box.top + titleHeight};
    const int bandHeight = static_cast<int>(std::trunc(1.5 * headerPixelSize));
    g.dayBand = {box.left, g.title.bottom, g.frame.right, g.title.bottom + bandHeight};
    g.weekColumnWidth = weekNumberWidth;
    g.columnWidth = (g.frame.right - box.left - weekNumberWidth) / 7;
    g.cellTop = g.dayBand.bottom;
    g.rowHeight = (g.frame.bottom - g.cellTop) / 6;
    return g;
}

PageRect flatCalendarNumberBox(const MonthBoxGeometry &geometry, int cell)
{
    PageRect box = geometry.numberBox(cell);
    box.bottom += 1;
    return box;
}
