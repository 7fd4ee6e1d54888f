// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/pagerect.h"

#include <QWidget>

#include <functional>

// The zoomable drawing surface on which freeform objects lie; the calendar page derives
// from it. It owns the zoom factor (single precision, 1.0 = 100 %).
class TGBasePanel : public QWidget
{
    Q_OBJECT

public:
    explicit TGBasePanel(QWidget *parent = nullptr);

    float ZoomFactor() const { return m_zoomFactor; }
    // Scales the surface by the ratio of the new factor to the old one.
    void SetZoom(float factor);

    bool Pointing() const { return m_pointing; }
    void SetPointing(bool pointing) { m_pointing = pointing; }
    // While set, painting returns at once (long operations).
    bool PaintSuspended() const { return m_paintSuspended; }
    void SetPaintSuspended(bool suspended) { m_paintSuspended = suspended; }
    // While set, changes do not reach LabelChangedEvent (a document is being read).
    bool Loading() const { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }
    // Set only while SetZoom runs.
    bool Zooming() const { return m_zooming; }

    using ChangedHandler = std::function<void(TGBasePanel &sender)>;
    void setLabelChangedEvent(ChangedHandler handler) { m_labelChanged = std::move(handler); }
    // Raises LabelChangedEvent unless zooming, loading or no handler is set.
    void NotifyChanged();

    // Whether a freeform object covers the point (surface pixels).
    bool PointOnObject(int x, int y) const;
    // Called with a dragged-out rectangle while a drawing tool is active.
    virtual void CreateObjectInRect(const PageRect &rect);

    // The widget's own visibility setting, whether or not its window is on screen yet:
    // true unless it was explicitly hidden (or is a top-level window never shown).
    static bool visibleFlag(const QWidget *widget);
    // Round half to even, as the zoom rescaling rounds sizes.
    static int roundHalfEven(double value);

private:
    float m_zoomFactor = 1.0f;
    bool m_pointing = true;
    bool m_paintSuspended = false;
    bool m_loading = false;
    bool m_zooming = false;
    ChangedHandler m_labelChanged;
};
