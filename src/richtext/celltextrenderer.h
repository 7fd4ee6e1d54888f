// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "richtext/rtfstorage.h"

#include <QRect>
#include <QSize>

class QPainter;

// Paints the rich text of a day cell. The page loads a cell's text, sets the zoom and the
// size the text is laid out at, then paints it into a rectangle; the text wraps at the
// layout width and is scaled to the rectangle.
class CellTextRenderer
{
public:
    virtual ~CellTextRenderer() = default;

    virtual void loadRtf(const TWPRtfStorage &text) = 0;
    // 100 = the text's own size.
    virtual void setZoomPercent(int percent) = 0;
    // The width the text wraps at and the height it may fill, in device pixels at the
    // zoom.
    virtual void setPageSize(const QSize &size) = 0;
    // The page's pixels per inch, which turn the text's point sizes into page pixels.
    // Renderers that do not lay text out themselves need not know it.
    virtual void setPixelsPerInch(int ppi) { Q_UNUSED(ppi) }
    virtual void paint(QPainter &painter, const QRectF &target) = 0;
    // Whether the loaded text, laid out at the zoom and page size, runs past the page, so
    // that painting shows only part of it. Renderers that cannot tell say no.
    virtual bool textOverflows() { return false; }
};
