// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"
#include "graphics/tcolor.h"

#include <QColor>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <functional>

#include <vector>

class QPainter;

// How the letters of a special-effects text are filled.
enum TSurfaceType : int { stNormal, stBrushTransparent, stBrushImage, stGradientFill };

// Which way a gradient runs; its first band is at the top (gdUp, gdDown) or the left.
enum TFillDirection : int { gdUp, gdDown, gdLeft, gdRight };

// Where a special-effects text places its one line and its shadow copy. Painting, printing
// and the dialogs' size-to-fit take their rectangles from layoutSuperText().
struct SuperTextLayout
{
    // The object's size after fitting its height to the text.
    QSize size;
    // Room kept on the left and at the top for a shadow lying up or left of the face.
    QPoint margin;
    PageRect face;
    PageRect shadow;
    QPoint faceOrigin;
    QPoint shadowOrigin;
};

// size: the object's current size; shadow: the zoomed shadow offset; textHeight and
// captionWidth (the caption followed by one blank) in the zoomed font. A transparent object
// without a border shrinks to 1.2 lines, every object grows to one line.
SuperTextLayout layoutSuperText(QSize size, QPoint shadow, int textHeight, int captionWidth,
                                bool transparent, bool bordered);

// The caption cut from the end until width() of it is at most available; empty when not even
// one character fits. Nothing wraps.
QString fitCaption(const QString &caption, int available,
                   const std::function<int(const QString &)> &width);

// p x q / r rounded to the nearest integer, halves away from zero; -1 when r is 0.
int mulDiv(int p, int q, int r);

namespace SuperTextGradient {

constexpr int BandCount = 256;

// The colour at the first band and at the last; system colours are resolved.
QColor startColor(TFillDirection direction, TColor from, TColor to);
QColor endColor(TFillDirection direction, TColor from, TColor to);
// The colour of band 0..255 between start and end.
QColor bandColor(int band, const QColor &start, const QColor &end);
// Band 0..255 of an area of the given size. The last band always keeps at least its last
// pixel line, so the far edge shows the end colour even when rounding leaves it no width.
QRect bandRect(int band, QSize area, TFillDirection direction);
// Fills area (in the painter's coordinates) with the 256 solid bands.
void paint(QPainter &painter, const QRect &area, TFillDirection direction, TColor from,
           TColor to);

} // namespace SuperTextGradient

// The rectangles a bitmap of tile size is stretched into to cover an area from (0, 0); none
// when the tile or the area is empty.
std::vector<QRect> tileRects(QSize tile, QSize area);
