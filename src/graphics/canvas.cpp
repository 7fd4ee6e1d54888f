// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "canvas.h"

#include "graphics/fontcache.h"

#include <QPaintEngine>

Qt::PenStyle toQtPenStyle(TPenStyle style)
{
    switch (style) {
    case psDash: return Qt::DashLine;
    case psDot: return Qt::DotLine;
    case psDashDot: return Qt::DashDotLine;
    case psDashDotDot: return Qt::DashDotDotLine;
    case psClear: return Qt::NoPen;
    case psSolid:
    case psInsideFrame: return Qt::SolidLine;
    }
    return Qt::SolidLine;
}

Canvas::Canvas(QPainter &painter, int ppi)
    : m_painter(painter), m_ppi(ppi > 0 ? ppi : 96),
      m_rasterDevice(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::Raster),
      m_svgDevice(painter.paintEngine() && painter.paintEngine()->type() == QPaintEngine::SVG)
{
    m_painter.setRenderHint(QPainter::Antialiasing, false);
    m_painter.setBackgroundMode(Qt::TransparentMode);
    m_painter.setBrush(Qt::NoBrush);
    setPen(Colors::clBlack);
}

void Canvas::setPen(TColor color, TPenStyle style, int width)
{
    m_pen = QPen(Colors::toQColor(color), qMax(1, width), toQtPenStyle(style), Qt::SquareCap,
                 Qt::MiterJoin);
    m_activePen = ActivePen::None;
}

// Lines and text use different pens; the painter's is switched only when the kind of
// drawing changes.
void Canvas::usePen()
{
    if (m_activePen == ActivePen::Line)
        return;
    m_painter.setPen(m_pen);
    m_activePen = ActivePen::Line;
}

void Canvas::useTextPen()
{
    if (m_activePen == ActivePen::Text)
        return;
    m_painter.setPen(m_textPen);
    m_activePen = ActivePen::Text;
}

void Canvas::setBrush(TColor color)
{
    m_brushColor = color;
    m_brushClear = false;
}

void Canvas::setClearBrush()
{
    m_brushClear = true;
}

void Canvas::setFont(const TFont &font)
{
    m_font = &FontCache::font(font, m_ppi);
    m_painter.setFont(m_font->font());
    m_textPen = QPen(Colors::toQColor(font.color()));
    if (m_activePen == ActivePen::Text)
        m_activePen = ActivePen::None;
}

int Canvas::textWidth(const QString &text) const
{
    return m_font ? m_font->width(text) : 0;
}

int Canvas::textHeight() const
{
    return m_font ? m_font->height() : 0;
}

int Canvas::textLeading() const
{
    return m_font ? m_font->leading() : 0;
}

void Canvas::fillRect(const PageRect &rect)
{
    if (m_brushClear || rect.width() <= 0 || rect.height() <= 0)
        return;
    m_painter.fillRect(rect.toQRect(), Colors::toQColor(m_brushColor));
}

void Canvas::rectangle(const PageRect &rect)
{
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    fillRect(rect);
    if (m_pen.style() == Qt::NoPen)
        return;
    usePen();
    const int penWidth = m_pen.width();
    if (penWidth <= 1) {
        m_painter.drawRect(QRect(rect.left, rect.top, rect.width() - 1, rect.height() - 1));
        return;
    }
    // A wide pen lies on the inner side of the edges, as a one-pixel pen does.
    const double half = penWidth / 2.0;
    m_painter.drawRect(QRectF(rect.left + half, rect.top + half, rect.width() - penWidth,
                              rect.height() - penWidth));
}

void Canvas::moveTo(int x, int y)
{
    m_position = {x, y};
}

void Canvas::lineTo(int x, int y)
{
    const QPoint from = m_position;
    QPoint to(x, y);
    m_position = to;
    if (from == to || m_pen.style() == Qt::NoPen)
        return;
    // The end point is not drawn, so lines joined end to start set each pixel once.
    if (from.y() == to.y())
        to.rx() += to.x() > from.x() ? -1 : 1;
    else if (from.x() == to.x())
        to.ry() += to.y() > from.y() ? -1 : 1;
    usePen();
    m_painter.drawLine(from, to);
}

void Canvas::textOut(int x, int top, const QString &text)
{
    if (text.isEmpty() || !m_font)
        return;
    useTextPen();
    if (m_rasterDevice) {
        m_painter.drawStaticText(QPoint(x, top), m_font->staticText(text));
        return;
    }
    // An SVG drawing keeps text as text (glyph runs would become outlines there).
    if (m_svgDevice) {
        m_painter.setFont(m_font->font());
        m_painter.drawText(QPointF(x, top + m_font->ascent()), text);
        return;
    }
    for (const QGlyphRun &run : m_font->glyphRuns(text))
        m_painter.drawGlyphRun(QPointF(x, top), run);
}

void Canvas::drawText(const PageRect &rect, const QString &text, Qt::Alignment alignment)
{
    if (text.isEmpty() || !m_font || rect.width() <= 0 || rect.height() <= 0)
        return;
    const int width = textWidth(text);
    const int height = textHeight();
    int x = rect.left;
    if (alignment & Qt::AlignHCenter)
        x = rect.left + (rect.width() - width) / 2;
    else if (alignment & Qt::AlignRight)
        x = rect.right - width;
    int y = rect.top;
    if (alignment & Qt::AlignVCenter)
        y = rect.top + (rect.height() - height) / 2;
    else if (alignment & Qt::AlignBottom)
        y = rect.bottom - height;
    // Clipping costs more than drawing, and text whose line is taller than its box
    // rarely inks outside it: clip only when the ink would cross the box.
    const QRect ink = m_font->inkBounds(text).translated(x, y + m_font->ascent());
    const bool overflows = ink.left() < rect.left || ink.top() < rect.top
                           || ink.right() >= rect.right || ink.bottom() >= rect.bottom;
    useTextPen();
    if (overflows) {
        m_painter.save();
        m_painter.setClipRect(rect.toQRect(), Qt::IntersectClip);
    }
    textOut(x, y, text);
    if (overflows)
        m_painter.restore();
}

void Canvas::setClipRect(const PageRect &rect)
{
    m_painter.setClipRect(rect.toQRect());
}

void Canvas::clearClip()
{
    m_painter.setClipping(false);
}
