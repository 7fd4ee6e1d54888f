// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"

#include <QImage>
#include <QPolygon>
#include <QSize>

class Canvas;
class PageModel;
class QPainter;
class ReportCanvas;

// Drawing a page model at the zoom it is shown at, into images and on report canvases
// (printers, PDF files). Painting only reads the page: it never changes or reports anything.
namespace PagePainter {

// What is painted over the cells besides their texts: the screen marks texts that run
// out of their cells, exported and printed pages show the page alone.
enum class CellMarks { None, Overflow };

// The page without its objects, composed into an image of size (device-independent pixels,
// pixelRatio device pixels each) filled white first; a null image for a page of more than
// 256 million pixels.
QImage composePage(const PageModel &page, QSize size, qreal pixelRatio, CellMarks marks);
// The page without its objects on a canvas in page pixels at the zoom.
void paintPage(const PageModel &page, Canvas &canvas, CellMarks marks);
// The page with its objects at its paper size at the zoom, as images are exported; a null
// image for a page that is too large.
QImage renderPage(const PageModel &page);
// Draws the objects, back to front, each at its bounds at the zoom, without marks.
void renderObjects(const PageModel &page, Canvas &canvas);
// Draws the page unzoomed on a report canvas, with its objects; offsets in inches.
void printPage(const PageModel &page, ReportCanvas &report, double offsetX, double offsetY);

// The small triangle in the bottom-right corner of a cell's free rectangle that the
// screen shows where a cell's text runs past it; empty where the cell is too small.
QPolygon overflowMark(const PageRect &free);
constexpr int OverflowMarkSide = 9;
// A strong red that stands out on the white cell and from black text.
constexpr QRgb OverflowMarkColor = 0xFFD00000;

} // namespace PagePainter
