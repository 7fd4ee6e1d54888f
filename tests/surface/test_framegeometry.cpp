// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "surface/framegeometry.h"

TEST(FrameGeometry, ZonesOfTheHandles)
{
    const QSize frame(105, 45);
    const auto zone = [&](int x, int y) {
        const auto hit = frameZoneAt(QPoint(x, y), frame);
        return hit ? hit->zone : FrameZone::Move;
    };
    EXPECT_EQ(zone(1, 1), FrameZone::TopLeft);
    EXPECT_EQ(zone(104, 44), FrameZone::BottomRight);
    EXPECT_EQ(zone(100, 3), FrameZone::TopRight);
    EXPECT_EQ(zone(3, 40), FrameZone::BottomLeft);
    // The middle of 105 is 52.5: 47 is 5.5 away and counts, 46 does not.
    EXPECT_EQ(zone(47, 2), FrameZone::Top);
    EXPECT_EQ(zone(46, 2), FrameZone::Move);
    EXPECT_EQ(zone(52, 44), FrameZone::Bottom);
    EXPECT_EQ(zone(2, 22), FrameZone::Left);
    EXPECT_EQ(zone(103, 22), FrameZone::Right);
    EXPECT_EQ(zone(52, 22), FrameZone::Move);
    EXPECT_EQ(frameZoneAt(QPoint(8, 0), frame), std::nullopt) << "8 is out of reach";

    // On a small frame the edges, tested later, win over the corners.
    const QSize small(15, 15);
    EXPECT_EQ(frameZoneAt(QPoint(3, 1), small)->zone, FrameZone::Top);
    EXPECT_EQ(frameZoneAt(QPoint(3, 1), small)->cursor, Qt::SizeVerCursor);
    EXPECT_EQ(frameZoneAt(QPoint(1, 3), small)->zone, FrameZone::Left);
    EXPECT_EQ(frameZoneAt(QPoint(1, 1), small)->zone, FrameZone::TopLeft);
}

TEST(FrameGeometry, DragBoundsForEveryMode)
{
    const QRect frame(48, 58, 105, 45);
    const QPoint origin(104, 44);
    const QPoint point(124, 54); // 20 right and 10 down
    const QSize none(1, 1);
    const auto bounds = [&](FrameZone zone) {
        return dragFrameBounds(zone, frame, point, origin, none);
    };
    EXPECT_EQ(bounds(FrameZone::Move), QRect(68, 68, 105, 45));
    EXPECT_EQ(bounds(FrameZone::TopLeft), QRect(68, 68, 85, 35));
    EXPECT_EQ(bounds(FrameZone::TopRight), QRect(48, 68, 124, 35));
    EXPECT_EQ(bounds(FrameZone::BottomLeft), QRect(68, 58, 85, 54));
    EXPECT_EQ(bounds(FrameZone::BottomRight), QRect(48, 58, 124, 54));
    EXPECT_EQ(bounds(FrameZone::Top), QRect(48, 68, 105, 35));
    EXPECT_EQ(bounds(FrameZone::Left), QRect(68, 58, 85, 45));
    EXPECT_EQ(bounds(FrameZone::Bottom), QRect(48, 58, 105, 54));
    EXPECT_EQ(bounds(FrameZone::Right), QRect(48, 58, 124, 45));

    // Never smaller than 5 x 5, however far the handle goes.
    EXPECT_EQ(dragFrameBounds(FrameZone::BottomRight, frame, QPoint(-300, -300), origin, none)
                  .size(),
              QSize(5, 5));
    // Snapping truncates the frame's coordinates to the grid, toward zero.
    EXPECT_EQ(dragFrameBounds(FrameZone::Move, frame, QPoint(107, 47), origin, QSize(8, 8))
                  .topLeft(),
              QPoint(48, 56));
    EXPECT_EQ(dragFrameBounds(FrameZone::Move, frame, QPoint(50, 40), origin, QSize(8, 8))
                  .topLeft(),
              QPoint(0, 48))
        << "-6 truncates to 0";
}

TEST(FrameGeometry, FramesAroundObjects)
{
    EXPECT_EQ(frameAroundFirst(QRect(50, 60, 100, 40)), QRect(48, 58, 105, 45));
    EXPECT_EQ(growFrame(QRect(48, 58, 105, 45), QRect(200, 60, 50, 50)), QRect(48, 58, 205, 55));
    EXPECT_EQ(growFrame(QRect(48, 58, 105, 45), QRect(60, 70, 10, 10)), QRect(48, 58, 105, 45))
        << "an object inside the frame changes nothing";
    EXPECT_EQ(refitFrameAround(QRect(50, 60, 100, 40)), QRect(48, 58, 106, 46));
}

TEST(FrameGeometry, KeepingRectanglesOnThePaper)
{
    const QRect paper(40, 30, 600, 800);
    EXPECT_EQ(fitInside(QRect(50, 60, 100, 40), paper), QRect(50, 60, 100, 40));
    EXPECT_EQ(fitInside(QRect(600, 810, 100, 40), paper), QRect(540, 790, 100, 40))
        << "moved back by what hangs over, size kept";
    EXPECT_EQ(fitInside(QRect(0, 900, 1000, 40), paper), QRect(40, 790, 600, 40))
        << "only the side longer than the paper is cut";
    EXPECT_EQ(fitInside(QRect(900, 10, 100, 40), QRect()), QRect(900, 10, 100, 40));

    EXPECT_EQ(clampInside(QRect(0, 0, 60, 50), paper), QRect(40, 30, 20, 20));
    EXPECT_EQ(clampInside(QRect(640, 300, 0, 0), paper), QRect(640, 300, 0, 0))
        << "a click on the far edge stays a click there";
    EXPECT_EQ(clampInside(QRect(700, 300, 10, 10), paper), QRect(640, 300, 0, 10));
}
