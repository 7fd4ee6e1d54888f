// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "surface/framegeometry.h"
#include "surface/surfacemouse.h"
#include "graphics/pagerect.h"
#include "graphics/tcolor.h"

#include <QWidget>

#include <optional>
#include <vector>

class TGBasePanel;
class TGGraphicControl;

// The selection frame of a drawing surface: a transparent child laid over the bounding
// box of the selected objects. It keeps the ordered selection (the surface owns the
// objects and takes each one out of the selection before destroying it), draws the
// marks, shows resize cursors near the marks of a single object, moves or resizes the
// selection when dragged, nudges it with the arrow keys and passes every other press on.
//
// The frame "captures" the mouse when an object joins the selection: the surface then
// routes every mouse event to it until it releases the capture, so that a press on an
// unselected object followed by a move drags the object at once.
class TGHandle : public QWidget
{
    Q_OBJECT

public:
    explicit TGHandle(TGBasePanel &surface);

    TColor Color() const { return m_color; }
    void SetMarkColor(TColor color);
    TColor SecondaryColor() const { return m_secondaryColor; }
    void SetSecondaryMarkColor(TColor color);
    bool Locked() const { return m_locked; }
    void SetLocked(bool locked) { m_locked = locked; }

    // The grid spacing (1 to 32) and the effective grid that snapping uses (1 x 1 while
    // snapping is off).
    int GridX() const { return m_gridX; }
    int GridY() const { return m_gridY; }
    void SetGridX(int value);
    void SetGridY(int value);
    void SetSnapToGrid(bool snap);
    bool GetSnapToGrid() const;
    QSize effectiveGrid() const { return m_effectiveGrid; }
    int SnapX(int value) const;
    int SnapY(int value) const;

    void AddToSelection(TGGraphicControl *object);
    void RemoveFromSelection(TGGraphicControl *object);
    void DeselectAll();
    int SelectedCount() const { return int(m_selected.size()); }
    // Null when the index is out of range.
    TGGraphicControl *SelectedObject(int index) const;
    int IndexOfSelected(const TGGraphicControl *object) const;
    const std::vector<TGGraphicControl *> &selection() const { return m_selected; }
    // Whether a surface point lies in a selected object grown by 2 pixels on every side,
    // and the first such object in selection order.
    bool PointInSelection(QPoint surfacePoint) const;
    TGGraphicControl *ObjectAt(QPoint surfacePoint) const;

    void RefitFrame();
    void BringSelectionToFront();
    void SendSelectionToBack();
    // Moves every selected object that is not locked by the frame's displacement and
    // grows it by the frame's growth, then places the frame there.
    void SetFrameBounds(int left, int top, int width, int height);

    // The mouse, in surface pixels; the frame works in its own.
    void mouseDown(const SurfaceMouse &mouse);
    void mouseMove(const SurfaceMouse &mouse);
    void mouseUp(const SurfaceMouse &mouse);
    void doubleClick(const SurfaceMouse &mouse);
    // A double-click reached an object or the frame: the press that came with it must
    // not start a drag at the next move.
    void noteDoubleClick() { m_doubleClicked = true; }
    bool hasCapture() const { return m_capture; }
    void setCapture(bool capture) { m_capture = capture; }
    void keyDown(QKeyEvent *event);
    void keyUp(QKeyEvent *event);

    // State of a drag or nudge, for the surface and for tests.
    FrameZone ResizeMode() const { return m_resizeMode; }
    bool DragActive() const { return m_dragActive; }
    QPoint DragOrigin() const { return m_dragOrigin; }
    // The drag preview's bounds (surface pixels), empty when none is shown.
    QRect Outline() const { return m_outline; }
    bool Nudging() const { return m_nudging; }
    PageRect NudgeRect() const { return m_nudgeRect; }

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    void placeFrame(const QRect &bounds);
    void takeFocusAndMouse();
    void focusWhenShown();
    QPoint toFrame(QPoint surfacePoint) const;
    QPoint clampToSurface(QPoint framePoint) const;
    void showZoneCursor(QPoint framePoint);
    void drawPreview(QPoint framePoint);
    void erasePreview();
    void eraseNudge();
    void nudge(int key, bool shift);
    bool pressTimeOlderThan(qint64 milliseconds) const;

    TGBasePanel &m_surface;
    std::vector<TGGraphicControl *> m_selected;
    TColor m_color = Colors::clBlack;
    TColor m_secondaryColor = Colors::clGray;
    bool m_locked = false;
    int m_gridX = 8;
    int m_gridY = 8;
    QSize m_effectiveGrid{1, 1};
    std::optional<qint64> m_pressTime;
    bool m_dragActive = false;
    QPoint m_dragOrigin;
    FrameZone m_resizeMode = FrameZone::Move;
    QRect m_outline;
    bool m_nudging = false;
    PageRect m_nudgeRect;
    bool m_doubleClicked = false;
    bool m_capture = false;
};
