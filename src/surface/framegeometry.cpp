// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "framegeometry.h"

#include <array>
#include <cmath>

namespace {

// The grid snaps by truncating toward zero, as integer division does.
int snap(int value, int grid)
{
    return grid > 1 ? grid * (value / grid) : value;
}

struct ZoneTest
{
    FrameZone zone;
    Qt::CursorShape cursor;
    // Distances in x and y from the handle's anchor, as fractions of the frame size.
    double anchorX;
    double anchorY;
    // Half sizes of the box around the anchor that counts as on the handle.
    double reachX;
    double reachY;
};

// In the order tested; a later match replaces an earlier one.
constexpr std::array<ZoneTest, 8> zoneTests{{
    {FrameZone::TopLeft, Qt::SizeFDiagCursor, 0.0, 0.0, 8, 8},
    {FrameZone::BottomRight, Qt::SizeFDiagCursor, 1.0, 1.0, 8, 8},
    {FrameZone::TopRight, Qt::SizeBDiagCursor, 1.0, 0.0, 8, 8},
    {FrameZone::BottomLeft, Qt::SizeBDiagCursor, 0.0, 1.0, 8, 8},
    {FrameZone::Top, Qt::SizeVerCursor, 0.5, 0.0, 6, 8},
    {FrameZone::Bottom, Qt::SizeVerCursor, 0.5, 1.0, 6, 8},
    {FrameZone::Left, Qt::SizeHorCursor, 0.0, 0.5, 8, 6},
    {FrameZone::Right, Qt::SizeHorCursor, 1.0, 0.5, 8, 6},
}};

} // namespace

std::optional<FrameZoneHit> frameZoneAt(QPoint point, QSize frameSize)
{
    std::optional<FrameZoneHit> hit;
    for (const ZoneTest &test : zoneTests) {
        // Halves stay exact: a frame 45 high has its middle at 22.5.
        const double dx = std::abs(point.x() - test.anchorX * frameSize.width());
        const double dy = std::abs(point.y() - test.anchorY * frameSize.height());
        if (dx < test.reachX && dy < test.reachY)
            hit = FrameZoneHit{test.zone, test.cursor};
    }
    return hit;
}

QRect dragFrameBounds(FrameZone zone, const QRect &frame, QPoint point, QPoint origin,
                      QSize grid)
{
    const int gx = grid.width();
    const int gy = grid.height();
    const int L = frame.left();
    const int T = frame.top();
    const int W = frame.width();
    const int H = frame.height();
    const int movedLeft = snap(point.x() + L - origin.x(), gx);
    const int movedTop = snap(point.y() + T - origin.y(), gy);
    const int stretchedWidth = snap(point.x() + W - origin.x(), gx) - 1;
    const int stretchedHeight = snap(point.y() + H - origin.y(), gy) - 1;
    int left = L, top = T, width = W, height = H;
    switch (zone) {
    case FrameZone::Move:
        left = movedLeft, top = movedTop;
        break;
    case FrameZone::TopLeft:
        left = movedLeft, top = movedTop, width = W + L - left, height = H + T - top;
        break;
    case FrameZone::TopRight:
        top = movedTop, width = stretchedWidth, height = H + T - top;
        break;
    case FrameZone::BottomLeft:
        left = movedLeft, width = W + L - left, height = stretchedHeight;
        break;
    case FrameZone::BottomRight:
        width = stretchedWidth, height = stretchedHeight;
        break;
    case FrameZone::Top:
        top = movedTop, height = H + T - top;
        break;
    case FrameZone::Left:
        left = movedLeft, width = W + L - left;
        break;
    case FrameZone::Bottom:
        height = stretchedHeight;
        break;
    case FrameZone::Right:
        width = stretchedWidth;
        break;
    }
    if (width <= 4)
        width = 5;
    if (height <= 4)
        height = 5;
    return QRect(left, top, width, height);
}

QRect frameAroundFirst(const QRect &object)
{
    return growFrame(QRect(object.left() - 2, object.top() - 2, object.width() + 3,
                           object.height() + 3),
                     object);
}

QRect growFrame(const QRect &frame, const QRect &object)
{
    const int left = qMin(frame.left(), object.left() - 2);
    const int top = qMin(frame.top(), object.top() - 2);
    const int right = qMax(frame.left() + frame.width() - 3, object.left() + object.width());
    const int bottom = qMax(frame.top() + frame.height() - 3, object.top() + object.height());
    return QRect(left, top, right - left + 3, bottom - top + 3);
}

QRect refitFrameAround(const QRect &objectsUnion)
{
    return QRect(objectsUnion.left() - 2, objectsUnion.top() - 2, objectsUnion.width() + 6,
                 objectsUnion.height() + 6);
}

QRect fitInside(const QRect &rect, const QRect &area)
{
    // No paper laid out yet: nothing to keep the rectangle on.
    if (area.isEmpty())
        return rect;
    const int width = qMin(rect.width(), area.width());
    const int height = qMin(rect.height(), area.height());
    const int left = qBound(area.left(), rect.left(), area.left() + area.width() - width);
    const int top = qBound(area.top(), rect.top(), area.top() + area.height() - height);
    return QRect(left, top, width, height);
}

QRect clampInside(const QRect &rect, const QRect &area)
{
    if (area.isEmpty())
        return rect;
    // Right and bottom as the first column and row outside, so an edge on the paper's far
    // edge still counts as on the paper.
    const int areaRight = area.left() + area.width();
    const int areaBottom = area.top() + area.height();
    const int left = qBound(area.left(), rect.left(), areaRight);
    const int top = qBound(area.top(), rect.top(), areaBottom);
    const int right = qBound(area.left(), rect.left() + rect.width(), areaRight);
    const int bottom = qBound(area.top(), rect.top() + rect.height(), areaBottom);
    return QRect(left, top, right - left, bottom - top);
}
