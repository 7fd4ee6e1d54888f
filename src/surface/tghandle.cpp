// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The selection frame: the selection list, where the frame lies, its marks, z-order and
// grid. Mouse and keyboard are in tghandleinput.cpp.
#include "tghandle.h"

#include "surface/gbasepanel.h"
#include "objects/selectionmarks.h"
#include "objects/tggraphiccontrol.h"
#include "graphics/canvas.h"

#include <QPainter>

#include <algorithm>

namespace {

constexpr int MinimumGrid = 1;
constexpr int MaximumGrid = 32;
// The frame's size while nothing is selected.
constexpr QSize IdleSize(24, 24);

QRect grownBounds(const TGGraphicControl &object)
{
    return object.boundsRect().adjusted(-2, -2, 2, 2);
}

} // namespace

TGHandle::TGHandle(TGBasePanel &surface) : QWidget(&surface), m_surface(surface)
{
    // Transparent: the page and the objects show through; only the marks are drawn.
    setAttribute(Qt::WA_NoSystemBackground);
    setAutoFillBackground(false);
    setMouseTracking(true);
    setFocusPolicy(Qt::ClickFocus);
    // Idle until something is selected: hidden and disabled, so the empty surface's
    // corner behaves like the rest of it.
    resize(IdleSize);
    hide();
    setEnabled(false);
}

void TGHandle::SetMarkColor(TColor color)
{
    m_color = color;
    update();
}

void TGHandle::SetSecondaryMarkColor(TColor color)
{
    m_secondaryColor = color;
    update();
}

void TGHandle::SetGridX(int value)
{
    value = std::clamp(value, MinimumGrid, MaximumGrid);
    if (value == m_gridX)
        return;
    m_gridX = value;
    m_effectiveGrid.setWidth(value);
    update();
}

void TGHandle::SetGridY(int value)
{
    value = std::clamp(value, MinimumGrid, MaximumGrid);
    if (value == m_gridY)
        return;
    m_gridY = value;
    m_effectiveGrid.setHeight(value);
    update();
}

void TGHandle::SetSnapToGrid(bool snap)
{
    m_effectiveGrid = snap ? QSize(m_gridX, m_gridY) : QSize(1, 1);
}

bool TGHandle::GetSnapToGrid() const
{
    return m_effectiveGrid.width() > 1 || m_effectiveGrid.height() > 1;
}

int TGHandle::SnapX(int value) const
{
    return m_effectiveGrid.width() * (value / m_effectiveGrid.width());
}

int TGHandle::SnapY(int value) const
{
    return m_effectiveGrid.height() * (value / m_effectiveGrid.height());
}

void TGHandle::AddToSelection(TGGraphicControl *object)
{
    if (object && object->Unselectable())
        return;
    m_pressTime = m_surface.now();
    if (!object || IndexOfSelected(object) >= 0)
        return;
    m_surface.setScreenCursor(SurfaceCursors::Grab);
    if (m_selected.empty()) {
        erasePreview();
        setEnabled(true);
        show();
        placeFrame(frameAroundFirst(object->boundsRect()));
    } else {
        placeFrame(growFrame(geometry(), object->boundsRect()));
    }
    // The marks of the objects already selected change from one to several.
    for (const TGGraphicControl *selected : m_selected)
        m_surface.invalidate(*selected);
    m_selected.push_back(object);
    m_surface.invalidate(*object);
    m_resizeMode = FrameZone::Move;
    takeFocusAndMouse();
}

void TGHandle::takeFocusAndMouse()
{
    raise();
    m_capture = true;
    focusWhenShown();
}

void TGHandle::focusWhenShown()
{
    if (TGBasePanel::visibleFlag(this) && isEnabled())
        setFocus(Qt::OtherFocusReason);
}

void TGHandle::RemoveFromSelection(TGGraphicControl *object)
{
    const auto found = std::find(m_selected.begin(), m_selected.end(), object);
    if (found == m_selected.end())
        return;
    m_selected.erase(found);
    m_surface.invalidate(*object);
    if (m_selected.empty()) {
        DeselectAll();
        return;
    }
    QRect frame = frameAroundFirst(m_selected.front()->boundsRect());
    for (const TGGraphicControl *selected : m_selected) {
        frame = growFrame(frame, selected->boundsRect());
        m_surface.invalidate(*selected);
    }
    placeFrame(frame);
}

void TGHandle::DeselectAll()
{
    const std::vector<TGGraphicControl *> previous = std::move(m_selected);
    m_selected.clear();
    for (const TGGraphicControl *object : previous)
        m_surface.invalidate(*object);
    m_locked = false;
    if (m_nudging) {
        eraseNudge();
        m_nudging = false;
    }
    // Focus goes back to the surface rather than wandering off to the next widget, and
    // a hidden frame holds no mouse: presses reach the surface directly.
    if (hasFocus())
        m_surface.setFocus(Qt::OtherFocusReason);
    m_capture = false;
    hide();
    resize(IdleSize);
    setEnabled(false);
    erasePreview();
}

TGGraphicControl *TGHandle::SelectedObject(int index) const
{
    if (index < 0 || index >= SelectedCount())
        return nullptr;
    return m_selected[std::size_t(index)];
}

int TGHandle::IndexOfSelected(const TGGraphicControl *object) const
{
    const auto found = std::find(m_selected.begin(), m_selected.end(), object);
    return found == m_selected.end() ? -1 : int(found - m_selected.begin());
}

bool TGHandle::PointInSelection(QPoint surfacePoint) const
{
    return ObjectAt(surfacePoint) != nullptr;
}

TGGraphicControl *TGHandle::ObjectAt(QPoint surfacePoint) const
{
    for (TGGraphicControl *object : m_selected) {
        if (grownBounds(*object).contains(surfacePoint))
            return object;
    }
    return nullptr;
}

void TGHandle::RefitFrame()
{
    if (m_selected.empty())
        return;
    raise();
    QRect all;
    for (const TGGraphicControl *object : m_selected)
        all = all.united(object->boundsRect());
    placeFrame(refitFrameAround(all));
    update();
}

void TGHandle::placeFrame(const QRect &bounds)
{
    setGeometry(bounds);
}

void TGHandle::BringSelectionToFront()
{
    if (m_selected.empty() || m_locked)
        return;
    for (TGGraphicControl *object : m_selected)
        m_surface.bringToFront(*object);
    raise();
    focusWhenShown();
}

void TGHandle::SendSelectionToBack()
{
    if (m_selected.empty() || m_locked)
        return;
    for (TGGraphicControl *object : m_selected)
        m_surface.sendToBack(*object);
    raise();
    focusWhenShown();
}

void TGHandle::SetFrameBounds(int left, int top, int width, int height)
{
    const QRect frame = geometry();
    for (TGGraphicControl *object : m_selected) {
        if (object->Locked())
            continue;
        object->setBounds(left + object->Left() - frame.left(), top + object->Top() - frame.top(),
                          width + object->Width() - frame.width(),
                          height + object->Height() - frame.height());
    }
    placeFrame(QRect(left, top, width, height));
}

void TGHandle::paintEvent(QPaintEvent *)
{
    if (m_selected.empty() || m_surface.PaintSuspended())
        return;
    QPainter painter(this);
    painter.translate(-pos());
    Canvas canvas(painter, m_surface.pixelsPerInch());
    const bool single = m_selected.size() == 1;
    for (const TGGraphicControl *object : m_selected)
        paintSelectionMarks(canvas, object->boundsRect(), single,
                            single ? m_color : m_secondaryColor);
}
