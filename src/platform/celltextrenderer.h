// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/rtfstorage.h"

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
    virtual void paint(QPainter &painter, const QRectF &target) = 0;
};

// The renderer the page starts with.
class NullCellTextRenderer : public CellTextRenderer
{
public:
    void loadRtf(const TWPRtfStorage &text) override { m_text = text; }
    void setZoomPercent(int percent) override { m_zoomPercent = percent; }
    void setPageSize(const QSize &size) override { m_pageSize = size; }
    // FIXME: needs the rich-text engine; until it exists cell texts draw nothing.
    void paint(QPainter &, const QRectF &) override {}

private:
    TWPRtfStorage m_text;
    int m_zoomPercent = 100;
    QSize m_pageSize;
};
