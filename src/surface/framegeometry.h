// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

#include <optional>

// What a drag on the selection frame does: move the selection, or resize it by one of
// the four corners or four edges. The values are the frame's ResizeMode.
enum class FrameZone {
    Move = 0,
    TopLeft = 1,
    TopRight = 2,
    BottomLeft = 3,
    BottomRight = 4,
    Top = 5,
    Left = 6,
    Bottom = 7,
    Right = 8,
};

struct FrameZoneHit
{
    FrameZone zone;
    Qt::CursorShape cursor;
};

// The handle of a single selected object's frame under a point in frame pixels, or none.
// Corners are tested before edges, so an edge wins where both are near (a small object).
std::optional<FrameZoneHit> frameZoneAt(QPoint point, QSize frameSize);

// The frame's new bounds while a drag in zone runs, from the mouse point and the point the
// drag started at (both frame pixels), with the frame's current bounds in surface pixels.
// grid is the effective snapping grid (1 x 1: none). Never smaller than 5 x 5.
QRect dragFrameBounds(FrameZone zone, const QRect &frame, QPoint point, QPoint origin,
                      QSize grid);

// The frame that AddToSelection and RemoveFromSelection place: two pixels around the
// objects on the left and top, three on the right and bottom.
QRect frameAroundFirst(const QRect &object);
QRect growFrame(const QRect &frame, const QRect &object);
// The frame a refit places: one pixel wider and higher than the one above.
QRect refitFrameAround(const QRect &objectsUnion);

// Keeping objects on the paper (zoomed surface pixels). fitInside moves a rectangle by the
// least distance that puts it inside area, cutting a side only where it is longer than the
// area's. clampInside pulls each edge of a rectangle into area, as a drawn rectangle is cut
// at the paper's edge; it may come out empty. Both leave the rectangle alone when area is
// empty.
QRect fitInside(const QRect &rect, const QRect &area);
QRect clampInside(const QRect &rect, const QRect &area);
