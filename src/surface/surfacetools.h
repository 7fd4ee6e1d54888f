// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/surfacemouse.h"

#include <QRect>

class TGBasePanel;
class TGGraphicControl;
struct ObjectKind;

// The tool the page's tool bar chose: the pointer, or the drawing tool of one kind of
// object.
struct TLPanelState
{
    const ObjectKind *kind = nullptr; // null: the pointer

    friend bool operator==(const TLPanelState &, const TLPanelState &) = default;
};

inline constexpr TLPanelState psPointing{};

// What the mouse does on the surface for the tool in use. A left press on the surface
// starts a rubber band, moves stretch it and the release hands the rectangle to the tool;
// any other button opens the surface menu. The tools differ in what a finished rectangle
// means and in whether presses on objects and on the selection frame act on the selection
// or fall through to the surface, so that a drawing tool can draw over objects.
class SurfaceTool
{
public:
    virtual ~SurfaceTool() = default;

    void press(TGBasePanel &surface, const SurfaceMouse &mouse);
    void move(TGBasePanel &surface, const SurfaceMouse &mouse);
    void release(TGBasePanel &surface, const SurfaceMouse &mouse);

    // A press on an object that lies outside the selection frame.
    virtual void pressOnObject(TGBasePanel &surface, TGGraphicControl &object,
                               const SurfaceMouse &mouse) = 0;
    // A left press the selection frame took for a drag.
    virtual void pressOnFrame(TGBasePanel &surface, const SurfaceMouse &mouse) = 0;
    // The mouse over an object.
    virtual void hoverObject(TGBasePanel &surface) = 0;
    // The cursor once the mouse left an object or the frame.
    virtual Qt::CursorShape restingCursor() const = 0;

protected:
    // The rubber band was released; the rectangle is normalised.
    virtual void finishBand(TGBasePanel &surface, const QRect &rect,
                            const SurfaceMouse &mouse) = 0;
    static void raiseDroppedObject(TGBasePanel &surface, const QRect &rect);
};

// Selects objects: a press on one selects it (the frame then drags it), Shift+click on a
// selected one takes it out again, and a rubber band selects what it overlaps.
class PointerTool : public SurfaceTool
{
public:
    void pressOnObject(TGBasePanel &surface, TGGraphicControl &object,
                       const SurfaceMouse &mouse) override;
    void pressOnFrame(TGBasePanel &surface, const SurfaceMouse &mouse) override;
    void hoverObject(TGBasePanel &surface) override;
    Qt::CursorShape restingCursor() const override;

protected:
    void finishBand(TGBasePanel &surface, const QRect &rect, const SurfaceMouse &mouse) override;
};

// A drawing tool: the rubber band, started anywhere, even over objects, becomes the place
// of a new object (CreateObjectInRect, then the dropped-object event), cut at the paper's
// edge.
class CreateTool : public SurfaceTool
{
public:
    void pressOnObject(TGBasePanel &surface, TGGraphicControl &object,
                       const SurfaceMouse &mouse) override;
    void pressOnFrame(TGBasePanel &surface, const SurfaceMouse &mouse) override;
    void hoverObject(TGBasePanel &surface) override;
    Qt::CursorShape restingCursor() const override;

protected:
    void finishBand(TGBasePanel &surface, const QRect &rect, const SurfaceMouse &mouse) override;
};
