// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "surfacetools.h"

#include "surface/framegeometry.h"
#include "surface/gbasepanel.h"
#include "surface/tghandle.h"
#include "objects/tggraphiccontrol.h"

#include <algorithm>

void SurfaceTool::press(TGBasePanel &surface, const SurfaceMouse &mouse)
{
    TGBasePanel::RubberBand &band = surface.m_band;
    band.start = mouse.point;
    band.rect = PageRect{mouse.point.x(), mouse.point.y(), mouse.point.x(), mouse.point.y()};
    if (mouse.button != Qt::LeftButton) {
        surface.showSurfaceMenu(surface.mapToGlobal(mouse.point));
        return;
    }
    band.active = true;
    surface.setScreenCursor(SurfaceCursors::PointingHand);
    surface.outlines().setOutline(OutlineOverlay::Kind::RubberBand, band.rect);
}

void SurfaceTool::move(TGBasePanel &surface, const SurfaceMouse &mouse)
{
    TGBasePanel::RubberBand &band = surface.m_band;
    if (!band.active)
        return;
    surface.setScreenCursor(SurfaceCursors::PointingHand);
    band.rect = PageRect{band.start.x(), band.start.y(), mouse.point.x(), mouse.point.y()};
    surface.outlines().setOutline(OutlineOverlay::Kind::RubberBand, band.rect);
}

void SurfaceTool::release(TGBasePanel &surface, const SurfaceMouse &mouse)
{
    TGBasePanel::RubberBand &band = surface.m_band;
    if (!band.active)
        return;
    PageRect &r = band.rect;
    if (r.left > r.right)
        std::swap(r.left, r.right);
    if (r.top > r.bottom)
        std::swap(r.top, r.bottom);
    surface.outlines().clearOutline(OutlineOverlay::Kind::RubberBand);
    band.active = false;
    finishBand(surface, r.toQRect(), mouse);
    if (surface.Pointing())
        surface.setScreenCursor(SurfaceCursors::Default);
}

void SurfaceTool::raiseDroppedObject(TGBasePanel &surface, const QRect &rect)
{
    if (surface.m_droppedObject)
        surface.m_droppedObject(surface, rect);
}

void PointerTool::pressOnObject(TGBasePanel &surface, TGGraphicControl &object,
                                const SurfaceMouse &mouse)
{
    // A rubber band can start over an object that cannot be selected.
    if (object.Unselectable()) {
        surface.surfaceMouseDown(mouse);
        return;
    }
    TGHandle &frame = surface.frame();
    if (!mouse.shift())
        frame.DeselectAll();
    // Joining the selection gives the frame the mouse, so a move now drags the object.
    frame.AddToSelection(&object);
    frame.update();
    if (frame.SelectedCount() == 1 && mouse.button == Qt::RightButton)
        surface.showObjectMenu(object, surface.mapToGlobal(mouse.point));
}

void PointerTool::pressOnFrame(TGBasePanel &surface, const SurfaceMouse &mouse)
{
    if (!mouse.shift())
        return;
    // Shift+click on a selected object takes it out of the selection.
    TGHandle &frame = surface.frame();
    std::vector<TGGraphicControl *> kept = frame.selection();
    frame.DeselectAll();
    for (auto index = std::ptrdiff_t(kept.size()) - 1; index >= 0; --index) {
        if (kept[std::size_t(index)]->boundsRect().contains(mouse.point))
            kept.erase(kept.begin() + index);
    }
    for (TGGraphicControl *object : kept)
        frame.AddToSelection(object);
}

void PointerTool::hoverObject(TGBasePanel &surface)
{
    surface.setScreenCursor(SurfaceCursors::PointingHand);
}

Qt::CursorShape PointerTool::restingCursor() const
{
    return SurfaceCursors::Default;
}

void PointerTool::finishBand(TGBasePanel &surface, const QRect &rect, const SurfaceMouse &mouse)
{
    surface.selectByRectangle(rect, mouse.shift());
    surface.frame().update();
}

void CreateTool::pressOnObject(TGBasePanel &surface, TGGraphicControl &,
                               const SurfaceMouse &mouse)
{
    surface.surfaceMouseDown(mouse);
}

void CreateTool::pressOnFrame(TGBasePanel &surface, const SurfaceMouse &mouse)
{
    surface.surfaceMouseDown(mouse);
}

void CreateTool::hoverObject(TGBasePanel &)
{
}

Qt::CursorShape CreateTool::restingCursor() const
{
    return SurfaceCursors::Drag;
}

void CreateTool::finishBand(TGBasePanel &surface, const QRect &rect, const SurfaceMouse &)
{
    // The mouse may be released past the paper's edge; the object ends there.
    const QRect onPaper = clampInside(rect, surface.paperRect());
    surface.CreateObjectInRect(PageRect::fromQRect(onPaper));
    raiseDroppedObject(surface, onPaper);
}
