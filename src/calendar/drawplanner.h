// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/boxgeometry.h"
#include "calendar/caldrawinfo.h"
#include "calendar/calendartexts.h"

#include <QString>
#include <QStringList>

class Canvas;

// The planners in info.box. title is the user title or empty. Each writes the records of
// its rows' cells and the title hit rectangle into info.cells.
void DrawWeekPlanner(Canvas &canvas, TCalDrawInfo &info, const QString &title);
void DrawDayPlanner(Canvas &canvas, TCalDrawInfo &info, const QString &title);
// rows counts the notes row; labels hold the two lines of each row and the day its cell
// carries. Returns the grid's geometry.
PlannerBoxGeometry DrawPlannerGrid(Canvas &canvas, TCalDrawInfo &info, int rows, const PlannerLabels &labels,
                                   const QString &title);
