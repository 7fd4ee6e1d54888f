// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/objecttypes.h"
#include "graphics/pagerect.h"

#include <QPoint>
#include <QSize>

// Where a 3D label's three copies of its text go. Painting, printing and the tests all take
// their rectangles from layoutLabel(), so a layer is drawn exactly where it was laid out.

// Offsets in screen pixels, x to the right and y downwards; not zoomed.
QPoint shadowOffset(TShadowDirection direction, int depth);
QPoint highlightOffset(THighlightDirection direction, int depth);

// Text measures in the label's zoomed font.
struct LabelMetrics
{
    // Font height plus internal and external leading.
    int lineHeight = 0;
    // The caption followed by one blank.
    int captionWidth = 0;
};

struct LabelLayout
{
    // Room kept on the left and at the top for layers with negative offsets.
    QPoint margin;
    // Line height plus the vertical spread of shadow and highlight.
    int neededExtent = 0;
    // The object's size after the text has been fitted into it.
    QSize size;
    PageRect face;
    PageRect shadow;
    PageRect highlight;
    // Where each layer's text starts, before rotation about that point.
    QPoint faceOrigin;
    QPoint shadowOrigin;
    QPoint highlightOrigin;
};

// angle is 0, 90, 180 or 270 (any other value is laid out as 0); alignment only applies to
// unrotated text. size is the object's current size.
LabelLayout layoutLabel(QSize size, int angle, TAlignment alignment, QPoint shadow,
                        QPoint highlight, const LabelMetrics &metrics);

// Whether a label accepts the angle.
bool isValidLabelAngle(int angle);
