// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "graphics/tcolor.h"
#include "graphics/tfont.h"
#include "objects/objectmenu.h"

#include <QRect>
#include <QRectF>
#include <QString>

#include <functional>
#include <optional>

class Canvas;
class ObjectHost;
class ReportCanvas;

// Cursor identifiers as documents store them (0 = crDefault).
using TCursor = int;
constexpr TCursor crDefault = 0;

// The common base of the freeform objects that lie on the drawing surface. An object is
// windowless: it has bounds in surface pixels at the surface's zoom and paints on a canvas
// it is handed. The surface owns its objects (std::unique_ptr, back to front) and tells
// each one about itself through setHost(); the host is not owned.
class TGGraphicControl
{
public:
    TGGraphicControl();
    virtual ~TGGraphicControl();
    TGGraphicControl(const TGGraphicControl &) = delete;
    TGGraphicControl &operator=(const TGGraphicControl &) = delete;

    // The class name documents store ("TGPLabel", "TGFlatCalendar").
    virtual QString className() const = 0;

    ObjectHost *host() const { return m_host; }
    void setHost(ObjectHost *host) { m_host = host; }

    int Left() const { return m_bounds.left(); }
    int Top() const { return m_bounds.top(); }
    int Width() const { return m_bounds.width(); }
    int Height() const { return m_bounds.height(); }
    QRect boundsRect() const { return m_bounds; }
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    // Moves and resizes in one step, then runs BoundsChanged() unless the object is being
    // read.
    void setBounds(int left, int top, int width, int height);

    QString Name() const { return m_name; }
    void setName(const QString &name) { m_name = name; }
    int Tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }
    TCursor Cursor() const { return m_cursor; }
    void setCursor(TCursor cursor) { m_cursor = cursor; }
    QString Hint() const { return m_hint; }
    void setHint(const QString &hint) { m_hint = hint; }

    bool Locked() const { return m_locked; }
    void SetLocked(bool locked);
    bool Unselectable() const { return m_unselectable; }
    void SetUnselectable(bool unselectable);

    // The zoom at which the current bounds are expressed. setZoomFactor() only records it
    // (objects just read at 1.0 take the surface's factor); Rescale() also scales the
    // bounds.
    float ZoomFactor() const { return m_zoomFactor; }
    void setZoomFactor(float factor) { m_zoomFactor = factor; }
    void Rescale(float factor);

    // Screen pixels per inch: font sizes in points become pixels at this resolution, and
    // printing divides the bounds by it. The screen's logical resolution unless set.
    int pixelsPerInch() const { return m_ppi; }
    void setPixelsPerInch(int ppi);
    static int screenPixelsPerInch();

    // The bounds last reported to the surface; all zero until the first report.
    QRect LastBounds() const { return m_lastBounds; }

    // Set while the object's properties are read from a stream: bounds changes report
    // nothing and Locked/Unselectable neither touch the menu nor report. Clearing it takes
    // the bounds read as the ones last reported, so that the first move afterwards counts
    // as a change.
    bool reading() const { return m_reading; }
    void setReading(bool reading);

    // Marks the document modified through the host, unless the host is printing.
    void ReportChange();
    // Asks the host to repaint the object's area.
    void invalidate();

    virtual void BoundsChanged();

    // Takes the size the object's own layout needs (its text as this machine's fonts draw
    // it). That follows from what is stored, not from anything the user did, so it is not
    // reported as a change: painting an opened document must not mark it modified.
    void fitToLayout(QSize size);

    // Centre the object on the surface and repaint it at once.
    void CenterVertically();
    void CenterHorizontally();

    // Paints the object with its top-left corner at (x, y) of a foreign canvas.
    void PaintToCanvas(Canvas &canvas, int x, int y);
    // The screen path: nothing while the host suspends painting; otherwise the object at
    // its bounds, then its selection marks when it is selected.
    void paintOnSurface(Canvas &surfaceCanvas);
    // Draws the object in its own coordinates: (0, 0) is its top-left corner.
    virtual void PaintObject(Canvas &canvas);
    // Prints at the bounds converted to inches at the screen resolution plus the offsets,
    // as the object paints (printAsPicture); a kind overrides it only to print otherwise.
    virtual void PrintTo(ReportCanvas &report, double offsetX, double offsetY);
    // The surface's Font command.
    virtual void AssignFont(const TFont &font);
    // Builds the popup menu; run once the object was read or created with a tool.
    virtual void AfterLoad();
    // Brings check marks and enabled states up to date just before the menu shows.
    virtual void PopupAboutToShow();
    // Runs once a drawing tool has placed the new object and the page is back at the
    // pointer: the kinds that ask for their content at once open their dialog here. False
    // when the user cancelled that dialog, and the new object is to go again. Without
    // installed editors nothing is asked, so nothing is refused.
    virtual bool PlacedWithTool() { return true; }

    ObjectMenu &popupMenu() { return m_menu; }
    const ObjectMenu &popupMenu() const { return m_menu; }

    // Run when the user double-clicks the object as the only selected one: the dialog of
    // the kind's properties or edit entry. Empty unless a kind sets it.
    std::function<void()> EditAction;

protected:
    // The bounds in inches on paper: pixels divided by pixelsPerInch(), plus the offsets.
    QRectF inchBounds(double offsetX, double offsetY) const;
    // Paints the object into a picture of its size and draws that stretched into its
    // inch rectangle on the report: what prints is what shows.
    void printAsPicture(ReportCanvas &report, double offsetX, double offsetY);
    // The colour and font dialogs through the installed object editors; nothing when the
    // user cancels or no editors are installed.
    static std::optional<TColor> askColor(TColor current);
    static std::optional<TFont> askFont(const TFont &current);
    // Appends the entries every kind shares, in menu order.
    void buildCommonMenu();
    ObjectMenuEntry *menuEntry(const QString &caption);

private:
    void toggleLocked();
    void makeUnselectable();

    ObjectHost *m_host = nullptr;
    QRect m_bounds;
    QString m_name;
    int m_tag = 0;
    TCursor m_cursor = crDefault;
    QString m_hint;
    bool m_locked = false;
    bool m_unselectable = false;
    float m_zoomFactor = 1.0f;
    QRect m_lastBounds;
    int m_ppi;
    bool m_reading = false;
    bool m_inBoundsChanged = false;
    bool m_fittingLayout = false;
    ObjectMenu m_menu;
};
