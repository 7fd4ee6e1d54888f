// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/caldrawinfo.h"

class Canvas;
class PageModel;

// What the screen and the printer share of drawing a page's blocks.
namespace PageDrawInfo {

// The drawing descriptions of the main calendar and of mini calendar index (1-based), with
// the fonts at fontZoom; the caller sets the box.
TCalDrawInfo mainDrawInfo(const PageModel &page, float fontZoom);
TCalDrawInfo miniDrawInfo(const PageModel &page, int index, float fontZoom);
// Draws the main calendar or planner; false when the layout has neither.
bool drawMainCalendar(const PageModel &page, Canvas &canvas, TCalDrawInfo &info);

} // namespace PageDrawInfo
