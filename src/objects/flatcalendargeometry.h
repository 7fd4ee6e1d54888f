// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/objecttypes.h"
#include "calendar/boxgeometry.h"

// Where a mini month calendar object draws, in its own pixels. The month block reuses the
// page's month box geometry, except that the title band starts at the box's top edge, the
// day-name band directly below it, and a day number's box is one pixel taller.

struct FlatCalendarBoxes
{
    PageRect calendar;
    // Empty without a shadow.
    PageRect shadow;
    bool hasShadow = false;
};

// width, height: the object's size; depth: the shadow offset already at the zoom (0 = no
// shadow).
FlatCalendarBoxes flatCalendarBoxes(int width, int height, int depth,
                                    TFlatShadowPosition position);

// minTitleHeight: the title font's text height; headerPixelSize: the day-name font's em
// height in pixels; weekNumberWidth: the week-number column's width, 0 for none.
MonthBoxGeometry layoutFlatCalendarMonth(const PageRect &box, int minTitleHeight,
                                         int headerPixelSize, int weekNumberWidth = 0);

// The box a day number is centred in.
PageRect flatCalendarNumberBox(const MonthBoxGeometry &geometry, int cell);
