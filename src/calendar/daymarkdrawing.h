// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/boxgeometry.h"
#include "calendar/daymarks.h"
#include "calendar/pagetypes.h"
#include "graphics/pagerect.h"
#include "graphics/tcolor.h"

class Canvas;

// Where the marks of a day go, shared by the drawing routines and --geometry. Empty
// rectangles mean the place is too small for a mark.

// The moon symbol's square in a month cell's number box: the top-left corner, about the
// height of a day number's capital letters, so it sits on the line of an upper-right number
// and above a centred one.
PageRect moonMarkRect(const PageRect &numberBox, TCalendarNumberPosition position,
                      int cellLineHeight);
// In a week planner's label column, at the top right of row's labels.
PageRect plannerMoonMarkRect(const PlannerBoxGeometry &geometry, int row);
// At the right end of a day planner's title band.
PageRect dayPlannerMoonMarkRect(const PlannerBoxGeometry &geometry);

// One of the four phases as a drawn symbol (not a font glyph, so it prints on any device):
// a filled disc for the new moon, a ring for the full moon, a ring with its right (first
// quarter) or left (last quarter) half filled, as the northern hemisphere sees them.
void drawMoonSymbol(Canvas &canvas, MoonPhase phase, const PageRect &square, TColor colour);
