// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"

#include <QSize>

class TGGraphicControl;

// The commands an object's own menu asks its surface to carry out.
enum class ObjectCommandKind { Copy, Cut, Paste, Delete };

// What a freeform object needs of the drawing surface it lies on. The surface implements
// it; an object without a host (not placed yet, or a preview in a dialog) skips every one
// of these calls. Coordinates are surface pixels at the current zoom.
class ObjectHost
{
public:
    virtual ~ObjectHost() = default;

    // Marks the document modified; the surface stays silent while zooming or loading.
    virtual void NotifyChanged() = 0;
    // Asks the selection frame to fit itself around the selection once control returns to
    // the event loop (objects call it after their bounds changed).
    virtual void RefitFrameLater() = 0;
    // Cut, Copy, Paste or Delete asked for by one object's menu: acts on the whole
    // selection when the object is selected, on the object alone otherwise. May destroy
    // the object, so the caller must not touch it afterwards.
    virtual void ObjectCommand(TGGraphicControl &object, ObjectCommandKind command) = 0;
    // Places a copy 25 pixels lower, in front, taking over the object's selection.
    virtual void CloneObject(TGGraphicControl &object) = 0;

    virtual bool isSelected(const TGGraphicControl &object) const = 0;
    virtual int selectionCount() const = 0;
    virtual void removeFromSelection(TGGraphicControl &object) = 0;
    virtual void clearSelection() = 0;
    virtual void bringToFront(TGGraphicControl &object) = 0;
    virtual void sendToBack(TGGraphicControl &object) = 0;

    virtual bool Printing() const = 0;
    virtual bool Pointing() const = 0;
    virtual bool PaintSuspended() const = 0;
    virtual bool Loading() const = 0;

    virtual QSize surfaceSize() const = 0;
    // Schedules a repaint of the object's area.
    virtual void invalidate(const TGGraphicControl &object) = 0;
    // Repaints everything that is pending, synchronously.
    virtual void repaintNow() = 0;

    // Mark colours of the selection frame: one object selected, several selected.
    virtual TColor frameColor() const = 0;
    virtual TColor frameSecondaryColor() const = 0;
};
