// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/boxgeometry.h"
#include "calendar/caldrawinfo.h"

#include <QString>

class Canvas;

// Strokes the edges of rect that style names, with the current pen: the outline runs
// through (left, top), (right, top), (right, bottom) and (left, bottom).
void DrawBorder(Canvas &canvas, const PageRect &rect, TCalBorderStyle style);

// The cell lines of a month on screen, as style names them: rows for every style but
// cbNone, columns too for cbAll.
void DrawCellGrid(Canvas &canvas, const MonthBoxGeometry &g, TCalBorderStyle style);

// A month calendar (the page's main calendar or a mini calendar) in info.box. title is
// the user title or empty. Writes the cell records and hit rectangles into info.cells.
void DrawMonth(Canvas &canvas, TCalDrawInfo &info, const QString &title);

// The marks of the days of a month that DrawMonth drew (its cells in info.cells): the
// holidays' names. Drawn after the cells' texts, which would cover them.
void DrawDayMarks(Canvas &canvas, const TCalDrawInfo &info);

// The text measures of a month box as the canvas draws it.
MonthBoxMetrics monthBoxMetrics(Canvas &canvas, const TCalDrawInfo &info);

// The longest start of text that is no wider than width in the canvas's current font.
QString fitText(const Canvas &canvas, const QString &text, int width);
// Where printed pages put the top of a centred line of text in a box of height.
int printedTextTop(const PageRect &box, int lineHeight);
