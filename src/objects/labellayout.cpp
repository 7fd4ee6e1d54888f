// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "labellayout.h"

#include <cstdlib>

namespace {

bool isVertical(int angle)
{
    return angle == 90 || angle == 270;
}

// How far a layer is moved: its offset turned with the text.
QPoint turned(QPoint offset, int angle)
{
    switch (angle) {
    case 90: return {offset.y(), -offset.x()};
    case 180: return {-offset.x(), -offset.y()};
    case 270: return {-offset.y(), offset.x()};
    default: return offset;
    }
}

PageRect moved(const PageRect &rect, QPoint by)
{
    return {rect.left + by.x(), rect.top + by.y(), rect.right + by.x(), rect.bottom + by.y()};
}

// The corner from which rotated text runs: the top of the glyphs faces away from it.
QPoint originOf(const PageRect &rect, int angle)
{
    switch (angle) {
    case 90: return {rect.left, rect.bottom};
    case 180: return {rect.right, rect.bottom};
    case 270: return {rect.right, rect.top};
    default: return {rect.left, rect.top};
    }
}

// The text may take between L and 1.2 L across its lines; 1.2 L is truncated. Integer
// arithmetic keeps 1.2 exact.
bool above120Percent(int value, int base)
{
    return 10LL * value > 12LL * base;
}

int percent120(int base)
{
    return static_cast<int>(12LL * base / 10);
}

QSize fittedSize(QSize size, int angle, int extent, int captionWidth)
{
    int width = size.width();
    int height = size.height();
    if (isVertical(angle)) {
        if (above120Percent(height, captionWidth))
            height = percent120(captionWidth);
        if (height < 5)
            height = captionWidth;
        if (above120Percent(width, extent))
            width = percent120(extent);
        if (width < extent)
            width = extent;
    } else {
        if (angle == 180 && 2 * captionWidth < width)
            width = 2 * captionWidth;
        if (width <= 5)
            width = captionWidth;
        if (above120Percent(height, extent))
            height = percent120(extent);
        if (height < extent)
            height = extent;
    }
    return {width, height};
}

int marginFrom(int shadow, int highlight)
{
    int margin = shadow < 0 ? std::abs(shadow) : 0;
    if (highlight < 0)
        margin = qMax(margin, std::abs(highlight));
    return margin;
}

} // namespace

bool isValidLabelAngle(int angle)
{
    return angle == 0 || angle == 90 || angle == 180 || angle == 270;
}

QPoint shadowOffset(TShadowDirection direction, int depth)
{
    switch (direction) {
    case sdRight: return {depth, 0};
    case sdLeft: return {-depth, 0};
    case sdDownRight: return {depth, depth};
    case sdDownLeft: return {-depth, depth};
    case sdDown: return {0, depth};
    case sdNone: break;
    }
    return {};
}

QPoint highlightOffset(THighlightDirection direction, int depth)
{
    switch (direction) {
    case hdright: return {depth, 0};
    case hdLeft: return {-depth, 0};
    case hdUpRight: return {depth, -depth};
    case hdUpLeft: return {-depth, -depth};
    case hdUp: return {0, -depth};
    case hdNone: break;
    }
    return {};
}

LabelLayout layoutLabel(QSize size, int angle, TAlignment alignment, QPoint shadow,
                        QPoint highlight, const LabelMetrics &metrics)
{
    if (!isValidLabelAngle(angle))
        angle = 0;
    LabelLayout layout;
    const int mx = marginFrom(shadow.x(), highlight.x());
    const int my = marginFrom(shadow.y(), highlight.y());
    layout.margin = {mx, my};
    layout.neededExtent = metrics.lineHeight + shadow.y() - highlight.y();
    layout.size = fittedSize(size, angle, layout.neededExtent, metrics.captionWidth);
    const int width = layout.size.width();
    const int height = layout.size.height();

    PageRect face = isVertical(angle)
                        ? PageRect{my, mx, my + metrics.lineHeight, height - my}
                        : PageRect{mx, my, width, metrics.lineHeight + my};
    if (angle == 90)
        face = moved(face, {0, height - (face.height() + 1) + highlight.x()});
    else if (angle == 180)
        face = moved(face, {width - (face.width() + 1) - shadow.y(), 0});
    layout.face = face;
    layout.shadow = moved(face, turned(shadow, angle));
    layout.highlight = moved(face, turned(highlight, angle));

    layout.faceOrigin = originOf(layout.face, angle);
    layout.shadowOrigin = originOf(layout.shadow, angle);
    layout.highlightOrigin = originOf(layout.highlight, angle);
    if (angle == 0) {
        int x = face.left;
        if (alignment == taRightJustify)
            x = face.right - metrics.captionWidth;
        else if (alignment == taCenter)
            // Not shifted by the face's left edge: the margin is ignored when centring.
            x = (face.right - face.left) / 2 - metrics.captionWidth / 2;
        layout.faceOrigin.setX(x);
        layout.highlightOrigin.setX(x + highlight.x());
        layout.shadowOrigin.setX(x + shadow.x());
    }
    return layout;
}
