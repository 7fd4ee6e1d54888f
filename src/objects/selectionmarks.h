// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"
#include "graphics/tcolor.h"

#include <QRect>

#include <vector>

class Canvas;

// The 5 x 5 squares that mark a selected object, in surface pixels: four corner squares of
// the bounds grown by 2 pixels, plus four edge-middle squares when the object is the only
// one selected. Shared by the objects' screen painting and the selection frame.
std::vector<PageRect> selectionMarkRects(const QRect &bounds, bool singleSelection);

// Fills the marks of one object in a solid colour (the frame's Color for a single
// selection, its SecondaryColor otherwise).
void paintSelectionMarks(Canvas &canvas, const QRect &bounds, bool singleSelection,
                         TColor color);
