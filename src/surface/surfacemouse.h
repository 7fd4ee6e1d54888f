// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <Qt>

// One mouse event as the surface routes it, in surface pixels.
struct SurfaceMouse
{
    enum class Kind { Press, Move, Release, DoubleClick };

    QPoint point;
    // The button pressed or released; none for a move.
    Qt::MouseButton button = Qt::NoButton;
    // The buttons held after the event.
    Qt::MouseButtons buttons;
    Qt::KeyboardModifiers modifiers;

    bool shift() const { return modifiers.testFlag(Qt::ShiftModifier); }
    bool leftHeld() const { return buttons.testFlag(Qt::LeftButton); }
    SurfaceMouse movedBy(QPoint offset) const
    {
        SurfaceMouse moved = *this;
        moved.point += offset;
        return moved;
    }
};

// The cursors of the surface and its selection frame.
namespace SurfaceCursors {
constexpr Qt::CursorShape Default = Qt::ArrowCursor;
// Over the selection: the object can be taken and moved.
constexpr Qt::CursorShape Grab = Qt::OpenHandCursor;
// Over an object, and while a rubber band is dragged.
constexpr Qt::CursorShape PointingHand = Qt::PointingHandCursor;
// While a drawing tool is in use.
constexpr Qt::CursorShape Drag = Qt::DragMoveCursor;
// Over a locked frame.
constexpr Qt::CursorShape NoDrop = Qt::ForbiddenCursor;
} // namespace SurfaceCursors
