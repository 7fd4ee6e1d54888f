// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// Routing the mouse between the surface, its windowless objects and the selection frame,
// and the surface's keyboard.
#include "gbasepanel.h"

#include "surface/tghandle.h"
#include "objects/tggraphiccontrol.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

SurfaceMouse surfaceMouse(const QMouseEvent &event)
{
    SurfaceMouse mouse;
    mouse.point = event.position().toPoint();
    mouse.button = event.button();
    mouse.buttons = event.buttons();
    mouse.modifiers = event.modifiers();
    return mouse;
}

QEvent::Type eventType(SurfaceMouse::Kind kind)
{
    switch (kind) {
    case SurfaceMouse::Kind::Press: return QEvent::MouseButtonPress;
    case SurfaceMouse::Kind::Release: return QEvent::MouseButtonRelease;
    case SurfaceMouse::Kind::DoubleClick: return QEvent::MouseButtonDblClick;
    case SurfaceMouse::Kind::Move: break;
    }
    return QEvent::MouseMove;
}

} // namespace

SurfaceTool &TGBasePanel::tool()
{
    return m_pointing ? static_cast<SurfaceTool &>(m_pointerTool)
                      : static_cast<SurfaceTool &>(m_createTool);
}

void TGBasePanel::setScreenCursor(Qt::CursorShape shape)
{
    // Hovering asks for the same cursor at every move.
    if (shape == m_screenCursor && testAttribute(Qt::WA_SetCursor))
        return;
    m_screenCursor = shape;
    setCursor(shape);
    m_frame->setCursor(shape);
}

void TGBasePanel::routeMouse(SurfaceMouse::Kind kind, const SurfaceMouse &mouse)
{
    using Kind = SurfaceMouse::Kind;
    const bool pressing = kind == Kind::Press || kind == Kind::DoubleClick;
    // What lies under the mouse: the frame above everything, then the front-most object.
    Target target = Target::Surface;
    TGGraphicControl *object = nullptr;
    if (!m_frame->isHidden() && m_frame->geometry().contains(mouse.point))
        target = Target::Frame;
    else if ((object = objectAt(mouse.point)))
        target = Target::Object;
    if (kind == Kind::Move && mouse.buttons == Qt::NoButton) {
        updateHover(target, object);
        // No button is held, so no press is in progress: a release that went to a popup
        // menu never arrived here.
        m_pressTarget = Target::None;
        m_pressObject = nullptr;
    }
    if (m_frame->hasCapture()) {
        target = Target::Frame;
        object = nullptr;
    } else if (!pressing && m_pressTarget != Target::None) {
        // A windowless control that took the press keeps the mouse until the release.
        target = m_pressTarget;
        object = m_pressObject;
    }
    if (pressing) {
        m_pressTarget = target;
        m_pressObject = object;
    }
    deliver(target, object, kind, mouse);
    if (kind == Kind::Release && mouse.buttons == Qt::NoButton) {
        m_pressTarget = Target::None;
        m_pressObject = nullptr;
    }
}

void TGBasePanel::updateHover(Target target, TGGraphicControl *object)
{
    // Leaving an object, or the frame when it is not dragging, puts back the tool's
    // cursor.
    const bool leftObject =
        m_hoverTarget == Target::Object && (target != Target::Object || object != m_hoverObject);
    const bool leftFrame =
        m_hoverTarget == Target::Frame && target != Target::Frame && !m_frame->DragActive();
    if (leftObject || leftFrame)
        setScreenCursor(tool().restingCursor());
    m_hoverTarget = target;
    m_hoverObject = target == Target::Object ? object : nullptr;
}

void TGBasePanel::deliver(Target target, TGGraphicControl *object, SurfaceMouse::Kind kind,
                          const SurfaceMouse &mouse)
{
    switch (target) {
    case Target::None:
        break;
    case Target::Frame:
        deliverToFrame(kind, mouse);
        break;
    case Target::Object:
        // What took the press may have been deleted since; the surface takes the rest.
        if (object)
            deliverToObject(*object, kind, mouse);
        else
            deliverToSurface(kind, mouse);
        break;
    case Target::Surface:
        deliverToSurface(kind, mouse);
        break;
    }
}

void TGBasePanel::deliverToFrame(SurfaceMouse::Kind kind, const SurfaceMouse &mouse)
{
    switch (kind) {
    case SurfaceMouse::Kind::Press: m_frame->mouseDown(mouse); break;
    case SurfaceMouse::Kind::Move: m_frame->mouseMove(mouse); break;
    case SurfaceMouse::Kind::Release: m_frame->mouseUp(mouse); break;
    case SurfaceMouse::Kind::DoubleClick: m_frame->doubleClick(mouse); break;
    }
}

void TGBasePanel::deliverToObject(TGGraphicControl &object, SurfaceMouse::Kind kind,
                                  const SurfaceMouse &mouse)
{
    switch (kind) {
    case SurfaceMouse::Kind::Press: ObjectMouseDown(object, mouse); break;
    case SurfaceMouse::Kind::Move: ObjectMouseMove(object, mouse); break;
    case SurfaceMouse::Kind::Release: ObjectMouseUp(object, mouse); break;
    case SurfaceMouse::Kind::DoubleClick:
        ObjectDblClick(&object, mouse);
        // The double-click's menu may have deleted the object; the press that comes
        // with a double-click goes to it only when it is still there.
        if (indexOfObject(&object) >= 0)
            ObjectMouseDown(object, mouse);
        break;
    }
}

void TGBasePanel::deliverToSurface(SurfaceMouse::Kind kind, const SurfaceMouse &mouse)
{
    switch (kind) {
    case SurfaceMouse::Kind::Press:
        m_clickPending = mouse.button == Qt::LeftButton;
        surfaceMouseDown(mouse);
        break;
    case SurfaceMouse::Kind::Move:
        surfaceMouseMove(mouse);
        break;
    case SurfaceMouse::Kind::Release: {
        // A press and release that made an object with a tool is no click on the page:
        // the tool is back at the pointer by the time the release is handled.
        const bool click = m_clickPending && mouse.button == Qt::LeftButton && Pointing();
        m_clickPending = false;
        surfaceMouseUp(mouse);
        if (click && rect().contains(mouse.point))
            surfaceClicked(mouse.point);
        break;
    }
    case SurfaceMouse::Kind::DoubleClick:
        // A double-click is also a press, but not the start of a click.
        m_clickPending = false;
        surfaceMouseDown(mouse);
        if (m_published.OnDblClick)
            m_published.OnDblClick(mouse);
        break;
    }
}

void TGBasePanel::passOnFromFrame(SurfaceMouse::Kind kind, const SurfaceMouse &mouse)
{
    // The message goes without key flags, as a plain press or release.
    SurfaceMouse plain = mouse;
    plain.modifiers = Qt::NoModifier;
    for (QObject *child : children()) {
        auto *widget = qobject_cast<QWidget *>(child);
        if (!widget || widget == m_frame || widget == m_outlines || widget->isHidden()
            || !widget->geometry().contains(mouse.point))
            continue;
        const QPointF local = widget->mapFromParent(QPointF(mouse.point));
        QMouseEvent event(eventType(kind), local, mapToGlobal(QPointF(mouse.point)),
                          mouse.button, mouse.buttons, Qt::NoModifier);
        QApplication::sendEvent(widget, &event);
        return;
    }
    deliverToSurfaceWindow(kind, plain);
}

void TGBasePanel::deliverToSurfaceWindow(SurfaceMouse::Kind kind, const SurfaceMouse &mouse)
{
    // Arriving at the surface's window, a press or release goes to the object under it,
    // as it would for any windowless control.
    TGGraphicControl *object = objectAt(mouse.point);
    deliver(object ? Target::Object : Target::Surface, object, kind, mouse);
}

void TGBasePanel::ObjectMouseDown(TGGraphicControl &object, const SurfaceMouse &mouse)
{
    tool().pressOnObject(*this, object, mouse);
}

void TGBasePanel::ObjectMouseMove(TGGraphicControl &, const SurfaceMouse &mouse)
{
    tool().hoverObject(*this);
    surfaceMouseMove(mouse);
}

void TGBasePanel::ObjectMouseUp(TGGraphicControl &, const SurfaceMouse &mouse)
{
    surfaceMouseUp(mouse);
}

void TGBasePanel::ObjectDblClick(TGGraphicControl *object, const SurfaceMouse &mouse)
{
    const QPoint screenPoint = mapToGlobal(mouse.point);
    if (object) {
        showObjectMenu(*object, screenPoint);
    } else if (m_frame->SelectedCount() <= 1) {
        if (TGGraphicControl *selected = m_frame->ObjectAt(mouse.point)) {
            if (selected->EditAction) {
                const std::function<void()> edit = selected->EditAction;
                edit();
            } else {
                showObjectMenu(*selected, screenPoint);
            }
        }
    }
    m_frame->noteDoubleClick();
}

void TGBasePanel::FrameMouseDown(const SurfaceMouse &mouse)
{
    tool().pressOnFrame(*this, mouse);
}

void TGBasePanel::FrameMouseMove(const SurfaceMouse &mouse)
{
    surfaceMouseMove(mouse);
}

void TGBasePanel::FrameMouseUp(const SurfaceMouse &mouse)
{
    surfaceMouseUp(mouse);
}

void TGBasePanel::FrameDblClick(const SurfaceMouse &mouse)
{
    ObjectDblClick(nullptr, mouse);
}

void TGBasePanel::surfaceMouseDown(const SurfaceMouse &mouse)
{
    tool().press(*this, mouse);
    if (m_published.OnMouseDown)
        m_published.OnMouseDown(mouse);
}

void TGBasePanel::surfaceMouseMove(const SurfaceMouse &mouse)
{
    tool().move(*this, mouse);
    if (m_published.OnMouseMove)
        m_published.OnMouseMove(mouse);
}

void TGBasePanel::surfaceMouseUp(const SurfaceMouse &mouse)
{
    tool().release(*this, mouse);
    if (m_published.OnMouseUp)
        m_published.OnMouseUp(mouse);
}

void TGBasePanel::surfaceClicked(const QPoint &)
{
}

void TGBasePanel::mousePressEvent(QMouseEvent *event)
{
    routeMouse(SurfaceMouse::Kind::Press, surfaceMouse(*event));
    event->accept();
}

void TGBasePanel::mouseMoveEvent(QMouseEvent *event)
{
    routeMouse(SurfaceMouse::Kind::Move, surfaceMouse(*event));
    event->accept();
}

void TGBasePanel::mouseReleaseEvent(QMouseEvent *event)
{
    routeMouse(SurfaceMouse::Kind::Release, surfaceMouse(*event));
    event->accept();
}

void TGBasePanel::mouseDoubleClickEvent(QMouseEvent *event)
{
    routeMouse(SurfaceMouse::Kind::DoubleClick, surfaceMouse(*event));
    event->accept();
}

void TGBasePanel::leaveEvent(QEvent *event)
{
    updateHover(Target::None, nullptr);
    QWidget::leaveEvent(event);
}

void TGBasePanel::keyPressEvent(QKeyEvent *event)
{
    // While something is selected the frame has the keyboard, whichever of the two the
    // key reached.
    if (!m_frame->isHidden()) {
        m_frame->keyDown(event);
        event->accept();
        return;
    }
    surfaceKeyDown(event);
}

void TGBasePanel::keyReleaseEvent(QKeyEvent *event)
{
    if (!m_frame->isHidden() || m_frame->Nudging()) {
        m_frame->keyUp(event);
        event->accept();
        return;
    }
    if (m_published.OnKeyUp) {
        m_published.OnKeyUp(*event);
        event->accept();
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void TGBasePanel::FrameKeyDown(QKeyEvent *event)
{
    surfaceKeyDown(event);
}

void TGBasePanel::surfaceKeyDown(QKeyEvent *event)
{
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    if (control && event->key() == Qt::Key_C)
        CopySelection();
    else if (control && event->key() == Qt::Key_V)
        PasteObjects();
    else if (control && event->key() == Qt::Key_X)
        CutSelection();
    else if (!control && event->key() == Qt::Key_Delete)
        DeleteSelection();
    else if (!m_published.OnKeyDown) {
        QWidget::keyPressEvent(event);
        return;
    }
    if (m_published.OnKeyDown)
        m_published.OnKeyDown(*event);
    event->accept();
}
