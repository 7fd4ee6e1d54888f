// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/wmfmapping.h"
#include "metafile/wmfstate.h"

#include <QBrush>
#include <QFont>
#include <QImage>
#include <QPainterPath>
#include <QPen>
#include <QTransform>

#include <optional>

class QPainter;

// Draws on a QPainter the way GDI draws with a device context: the state's pen, brush,
// colours, background mode, mix mode, clipping and font, on geometry already mapped to the
// painter's coordinates. Borrows the painter, the mapping and the state; saves the painter
// on construction and restores it on destruction.
class WmfPainter
{
public:
    WmfPainter(QPainter &painter, const WmfMapping &mapping, const WmfState &state);
    ~WmfPainter();
    WmfPainter(const WmfPainter &) = delete;
    WmfPainter &operator=(const WmfPainter &) = delete;

    // A region holding every pixel, to cut excluded rectangles from.
    static QRegion everywhere();
    // Makes the state's clip region (within the painter's own clip) the painter's.
    void applyClip();

    void fillAndStroke(const QPainterPath &path);
    void stroke(const QPainterPath &path);
    // Fills with the brush alone, as regions are painted.
    void fill(const QPainterPath &path);
    // A rectangle inset by half the pen for PS_INSIDEFRAME pens.
    QRectF shapeRect(const QRectF &device) const;
    void setPixel(const QPointF &device, QRgb color);
    // The raster operations that need no source bitmap: brush, black, white, inversions.
    void fillWithRop(const QRectF &device, quint32 rop);
    // An image's source rectangle copied to the rectangle between two device corners,
    // mirrored when the corners or the source extents run backwards; an image with alpha is
    // blended, at the opacity given.
    void drawImage(QImage image, QRectF source, const QPointF &corner, const QPointF &opposite,
                   quint32 rop, double opacity = 1.0);

    struct Text
    {
        QPointF reference;             // device
        QString text;
        QList<double> advances;        // device pixels, one a character, or empty
        quint16 options = 0;           // WmfTextOption
        std::optional<QRectF> rect;    // device, for the options
    };
    // Draws a line of text; returns its advance in device pixels.
    double drawText(const Text &text);

private:
    struct TextLayout;

    bool beginDraw();
    void endDraw();
    double penWidth() const;
    QPen pen() const;
    QBrush brush() const;
    QFont font() const;
    // The path cut near the device when it reaches far past it (penReach, in device pixels,
    // is how far a stroke's pen reaches around its line; 0 cuts the path's area for a fill);
    // nothing when it can be drawn as it is.
    std::optional<QPainterPath> cutFar(const QPainterPath &path, double penReach) const;
    void fillPath(const QPainterPath &path);
    void strokePath(const QPainterPath &path);
    TextLayout layoutText(const Text &text) const;
    void paintText(const Text &text, const TextLayout &layout);

    QPainter &m_painter;
    const WmfMapping &m_mapping;
    const WmfState &m_state;
    QTransform m_base;                  // the painter's transform on entry
    std::optional<QRegion> m_baseClip;  // the painter's clip on entry, in its coordinates
    bool m_rasterOps = false;
};
