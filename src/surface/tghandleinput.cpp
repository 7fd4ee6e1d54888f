// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The selection frame's mouse and keyboard: dragging, resizing and nudging the selection.
#include "tghandle.h"

#include "surface/gbasepanel.h"
#include "objects/tggraphiccontrol.h"

#include <QKeyEvent>
#include <QMouseEvent>

namespace {

// A press becomes a drag once the mouse moves this long after it...
constexpr qint64 DragDelay = 10;
// ...and a release sooner than this after the press moves nothing (a click).
constexpr qint64 QuickClick = 150;

SurfaceMouse surfaceMouse(const QWidget &frame, const QMouseEvent &event)
{
    SurfaceMouse mouse;
    mouse.point = frame.mapToParent(event.position().toPoint());
    mouse.button = event.button();
    mouse.buttons = event.buttons();
    mouse.modifiers = event.modifiers();
    return mouse;
}

bool isArrow(int key)
{
    return key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up
           || key == Qt::Key_Down;
}

} // namespace

QPoint TGHandle::toFrame(QPoint surfacePoint) const
{
    return surfacePoint - pos();
}

bool TGHandle::pressTimeOlderThan(qint64 milliseconds) const
{
    return m_pressTime && m_surface.now() - *m_pressTime > milliseconds;
}

void TGHandle::mouseDown(const SurfaceMouse &mouse)
{
    m_pressTime = m_surface.now();
    const QPoint point = toFrame(mouse.point);
    if (m_surface.Pointing() && mouse.button == Qt::LeftButton
        && (PointInSelection(mouse.point) || !m_selected.empty())) {
        if (!m_locked) {
            m_dragOrigin = point;
            m_dragActive = true;
        }
        m_surface.FrameMouseDown(mouse);
        return;
    }
    const QPoint screenPoint = m_surface.mapToGlobal(mouse.point);
    if (mouse.button == Qt::RightButton) {
        TGGraphicControl *object = ObjectAt(mouse.point);
        if (object && m_selected.size() == 1)
            m_surface.showObjectMenu(*object, screenPoint);
        else
            m_surface.showSurfaceMenu(screenPoint);
        return;
    }
    m_surface.setScreenCursor(SurfaceCursors::Default);
    m_surface.passOnFromFrame(SurfaceMouse::Kind::Press, mouse);
}

void TGHandle::mouseMove(const SurfaceMouse &mouse)
{
    if (m_doubleClicked) {
        // The press that came with a double-click must not become a drag.
        m_dragActive = false;
        m_doubleClicked = false;
    }
    if (!m_surface.Pointing()) {
        m_surface.setScreenCursor(SurfaceCursors::Drag);
        // A drawing tool's rectangle started on the frame follows the mouse like one
        // started anywhere else.
        if (m_surface.rubberBanding())
            m_surface.surfaceMouseMove(mouse);
        return;
    }
    const QPoint point = toFrame(mouse.point);
    if (!mouse.leftHeld() || m_dragActive || m_locked) {
        if (!mouse.leftHeld())
            m_capture = false;
        if (!m_dragActive)
            m_surface.setScreenCursor(SurfaceCursors::Grab);
        FrameZone zone = FrameZone::Move;
        if (m_selected.size() == 1) {
            if (const auto hit = frameZoneAt(point, size())) {
                zone = hit->zone;
                m_surface.setScreenCursor(hit->cursor);
            }
        }
        if (m_locked)
            m_surface.setScreenCursor(SurfaceCursors::NoDrop);
        if (m_dragActive)
            drawPreview(clampToSurface(point));
        else
            m_resizeMode = zone;
    } else if (pressTimeOlderThan(DragDelay)) {
        // A press on an unselected object selected it and gave the frame the mouse; the
        // drag starts from here.
        m_dragOrigin = point;
        m_dragActive = true;
    }
    m_surface.FrameMouseMove(mouse);
}

void TGHandle::mouseUp(const SurfaceMouse &mouse)
{
    QPoint point = toFrame(mouse.point);
    if (m_dragActive && m_pressTime && !pressTimeOlderThan(QuickClick - 1))
        m_dragOrigin = point;
    m_pressTime.reset();
    if (!m_dragActive || mouse.button != Qt::LeftButton) {
        m_surface.passOnFromFrame(SurfaceMouse::Kind::Release, mouse);
        update();
        return;
    }
    point = clampToSurface(point);
    if (point != m_dragOrigin) {
        update();
        const QRect bounds =
            dragFrameBounds(m_resizeMode, geometry(), point, m_dragOrigin, m_effectiveGrid);
        SetFrameBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
    }
    erasePreview();
    focusWhenShown();
    m_dragActive = false;
    m_surface.setScreenCursor(SurfaceCursors::Default);
    m_capture = false;
    m_surface.FrameMouseUp(mouse);
    update();
}

void TGHandle::doubleClick(const SurfaceMouse &mouse)
{
    m_doubleClicked = true;
    m_surface.FrameDblClick(mouse);
    // The second press of a double-click is a press as well.
    mouseDown(mouse);
}

QPoint TGHandle::clampToSurface(QPoint framePoint) const
{
    // The point stays on the surface; the frame itself may reach past its edge.
    const QPoint origin = pos();
    return QPoint(qBound(-origin.x(), framePoint.x(), m_surface.width() - origin.x()),
                  qBound(-origin.y(), framePoint.y(), m_surface.height() - origin.y()));
}

void TGHandle::drawPreview(QPoint framePoint)
{
    erasePreview();
    const QRect bounds =
        dragFrameBounds(m_resizeMode, geometry(), framePoint, m_dragOrigin, m_effectiveGrid);
    // The outline is drawn where the objects will lie, inside the frame's margin.
    m_surface.outlines().setOutline(
        OutlineOverlay::Kind::DragPreview,
        PageRect{bounds.left() + 2, bounds.top() + 2, bounds.left() + bounds.width() - 3,
                 bounds.top() + bounds.height() - 3});
    m_outline = bounds;
}

void TGHandle::erasePreview()
{
    m_surface.outlines().clearOutline(OutlineOverlay::Kind::DragPreview);
    m_outline = QRect();
}

void TGHandle::eraseNudge()
{
    m_surface.outlines().clearOutline(OutlineOverlay::Kind::Nudge);
}

void TGHandle::keyDown(QKeyEvent *event)
{
    const int key = event->key();
    if (m_nudging)
        eraseNudge();
    if (isArrow(key) && !m_nudging) {
        const QRect frame = geometry();
        m_nudging = true;
        m_nudgeRect = PageRect{frame.left() + 2, frame.top() + 2,
                               frame.left() + frame.width() - 3, frame.top() + frame.height() - 3};
    }
    if (isArrow(key))
        nudge(key, event->modifiers().testFlag(Qt::ShiftModifier));
    m_surface.FrameKeyDown(event);
    if (m_nudging)
        m_surface.outlines().setOutline(OutlineOverlay::Kind::Nudge, m_nudgeRect);
}

void TGHandle::nudge(int key, bool shift)
{
    PageRect &r = m_nudgeRect;
    const int w = r.right - r.left + 1;
    const int h = r.bottom - r.top + 1;
    // Shift resizes a single object; with several selected it moves them like a plain key.
    const bool resize = shift && m_selected.size() == 1;
    switch (key) {
    case Qt::Key_Left:
        if (resize) {
            if (w > 10)
                --r.right;
        } else if (r.left > 0) {
            --r.left, --r.right;
        }
        break;
    case Qt::Key_Up:
        if (resize) {
            if (h > 10)
                --r.bottom;
        } else if (r.top > 0) {
            --r.top, --r.bottom;
        }
        break;
    case Qt::Key_Right:
        if (m_surface.width() >= w + r.left) {
            if (resize)
                ++r.right;
            else
                ++r.left, ++r.right;
        }
        break;
    case Qt::Key_Down:
        if (m_surface.height() >= h + r.top) {
            if (resize)
                ++r.bottom;
            else
                ++r.top, ++r.bottom;
        }
        break;
    default:
        break;
    }
}

void TGHandle::keyUp(QKeyEvent *event)
{
    // Held keys repeat as pairs of release and press; the objects follow the dotted
    // rectangle only when the key is really let go.
    if (event->isAutoRepeat() || !m_nudging)
        return;
    eraseNudge();
    m_nudging = false;
    const PageRect r = m_nudgeRect;
    SetFrameBounds(r.left - 2, r.top - 2, r.right - r.left + 5, r.bottom - r.top + 5);
    update();
    m_surface.update();
}

void TGHandle::mousePressEvent(QMouseEvent *event)
{
    m_surface.routeMouse(SurfaceMouse::Kind::Press, surfaceMouse(*this, *event));
    event->accept();
}

void TGHandle::mouseMoveEvent(QMouseEvent *event)
{
    m_surface.routeMouse(SurfaceMouse::Kind::Move, surfaceMouse(*this, *event));
    event->accept();
}

void TGHandle::mouseReleaseEvent(QMouseEvent *event)
{
    m_surface.routeMouse(SurfaceMouse::Kind::Release, surfaceMouse(*this, *event));
    event->accept();
}

void TGHandle::mouseDoubleClickEvent(QMouseEvent *event)
{
    m_surface.routeMouse(SurfaceMouse::Kind::DoubleClick, surfaceMouse(*this, *event));
    event->accept();
}

void TGHandle::keyPressEvent(QKeyEvent *event)
{
    keyDown(event);
    event->accept();
}

void TGHandle::keyReleaseEvent(QKeyEvent *event)
{
    keyUp(event);
    event->accept();
}
