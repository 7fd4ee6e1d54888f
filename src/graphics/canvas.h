// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"
#include "graphics/tcolor.h"
#include "graphics/tfont.h"

#include <QPainter>
#include <QString>

class CachedFont;

// Pen styles as documents store them.
enum TPenStyle { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// Drawing in device pixels with the semantics the page painter relies on: a pen, a solid
// or clear brush and a font; rectangles include their left and top edges and exclude
// their right and bottom ones; a line excludes its end point; text is transparent and
// never goes through prefix processing. The painter is borrowed, not owned.
class Canvas
{
public:
    // ppi is the resolution font point sizes are converted at.
    Canvas(QPainter &painter, int ppi);

    // For drawing the canvas does not offer; such drawing must leave the painter's pen
    // and font as it found them (save and restore).
    QPainter &painter() { return m_painter; }
    int pixelsPerInch() const { return m_ppi; }

    // width 0 and 1 both give a one-pixel line.
    void setPen(TColor color, TPenStyle style = psSolid, int width = 1);
    int penWidth() const { return m_pen.width(); }
    void setBrush(TColor color);
    void setClearBrush();
    TColor brushColor() const { return m_brushColor; }
    bool brushIsClear() const { return m_brushClear; }

    // A font in points (converted at the canvas's resolution) or with its pixel height.
    // Text drawn before the first font is set is left out.
    void setFont(const TFont &font);
    const CachedFont *font() const { return m_font; }
    // The extent of a single line of text in the current font.
    int textWidth(const QString &text) const;
    int textHeight() const;
    int textLeading() const;

    // Fills with the brush; nothing for a clear brush or an empty rectangle.
    void fillRect(const PageRect &rect);
    // Outline with the pen on the rectangle's inner edge, inside filled with the brush.
    void rectangle(const PageRect &rect);
    void moveTo(int x, int y);
    void lineTo(int x, int y);

    // Text whose line starts at (x, top), in the font's colour.
    void textOut(int x, int top, const QString &text);
    // One line aligned in a rectangle (Qt::AlignLeft/HCenter/Right with AlignTop/VCenter/
    // Bottom) and clipped to it.
    void drawText(const PageRect &rect, const QString &text, Qt::Alignment alignment);

    void setClipRect(const PageRect &rect);
    void clearClip();

private:
    void usePen();
    void useTextPen();

    QPainter &m_painter;
    int m_ppi;
    bool m_rasterDevice;
    bool m_svgDevice;
    QPen m_pen;
    QPen m_textPen;
    enum class ActivePen { None, Line, Text };
    ActivePen m_activePen = ActivePen::None;
    TColor m_brushColor = Colors::clWhite;
    bool m_brushClear = false;
    const CachedFont *m_font = nullptr;
    QPoint m_position;
};

// The Qt pen style of a stored pen style.
Qt::PenStyle toQtPenStyle(TPenStyle style);
