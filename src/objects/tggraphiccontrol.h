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
// windowless: it keeps its bounds in page pixels at 100 % (pixelsPerInch() to the inch) and
// is shown at the zoom its surface sets, which changes nothing but how it is drawn and hit.
// It paints on a canvas it is handed. The surface owns its objects (std::unique_ptr, back to
// front) and tells each one about itself through setHost(); the host is not owned.
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

    // The bounds as shown: page pixels at the zoom, each edge rounded half to even.
    int Left() const { return boundsRect().left(); }
    int Top() const { return boundsRect().top(); }
    int Width() const { return boundsRect().width(); }
    int Height() const { return boundsRect().height(); }
    QRect boundsRect() const { return boundsAtZoom(m_zoomFactor); }
    QRect boundsAtZoom(float zoom) const;
    void setLeft(int left);
    void setTop(int top);
    void setWidth(int width);
    void setHeight(int height);
    // Moves and resizes in one step, in pixels at the zoom shown, then runs BoundsChanged()
    // unless the object is being read. Only the edges that change are converted to page
    // pixels, so the others keep their exact place whatever the zoom.
    void setBounds(int left, int top, int width, int height);

    // The model: bounds in page pixels at 100 %; fractions come from moves at other zooms.
    QRectF pageBounds() const { return m_bounds; }
    // What documents keep: the page bounds rounded half to even.
    QRect storedBounds() const;
    void setPageBounds(const QRectF &bounds);
    void setStoredLeft(int left);
    void setStoredTop(int top);
    void setStoredWidth(int width);
    void setStoredHeight(int height);

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

    // The zoom the object is shown at, set by its surface. It is a view of the object: the
    // page bounds stay as they are and nothing is reported.
    float ZoomFactor() const { return m_zoomFactor; }
    void setZoomFactor(float factor);

    // Screen pixels per inch: font sizes in points become pixels at this resolution, and
    // printing divides the bounds by it. The screen's logical resolution unless set.
    int pixelsPerInch() const { return m_ppi; }
    void setPixelsPerInch(int ppi);
    static int screenPixelsPerInch();

    // The page bounds last reported to the surface; empty until the first report.
    QRectF LastBounds() const { return m_lastBounds; }

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

    // Takes the page size the object's own layout needs (its text as this machine's fonts
    // draw it at 100 %). It follows from another change, which is what gets reported.
    void fitToLayout(QSize pageSize);

    // Centre the object on the surface and repaint it at once.
    void CenterVertically();
    void CenterHorizontally();

    // Paints the object with its top-left corner at (x, y) of a foreign canvas.
    void PaintToCanvas(Canvas &canvas, int x, int y) const;
    // The screen path: nothing while the host suspends painting; otherwise the object at
    // its bounds, then its selection marks when it is selected.
    void paintOnSurface(Canvas &surfaceCanvas) const;
    // Draws the object in its own coordinates at its zoom: (0, 0) is its top-left corner.
    // Painting only reads: layouts it needs are kept up to date when their inputs change.
    virtual void PaintObject(Canvas &canvas) const;
    // Prints the page bounds converted to inches plus the offsets, painted by PaintObject at
    // 100 % and scaled to the device, so what prints is what shows; a kind overrides it only
    // to print otherwise.
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
    // The size a new object starts with, taken as it is: documents leave out values equal to
    // it, so it must not be fitted to anything.
    void setInitialBounds(const QRect &bounds) { m_bounds = bounds; }
    // What PrintTo does by default.
    void printAsPicture(ReportCanvas &report, double offsetX, double offsetY);
    // Runs when the zoom shown or the resolution changed; kinds that cache drawing at the
    // zoom drop it here.
    virtual void ViewChanged() {}
    // Kinds whose size follows their content fit their page size to it here (through
    // fitToLayout) whenever that content changes. Opening a document fits nothing: the
    // stored size is drawn as it is, so a document read and saved stays what it was.
    virtual void refitLayout() {}
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

    void changeBounds(const QRectF &bounds);

    ObjectHost *m_host = nullptr;
    QRectF m_bounds;
    QString m_name;
    int m_tag = 0;
    TCursor m_cursor = crDefault;
    QString m_hint;
    bool m_locked = false;
    bool m_unselectable = false;
    float m_zoomFactor = 1.0f;
    QRectF m_lastBounds;
    int m_ppi;
    bool m_reading = false;
    bool m_inBoundsChanged = false;
    bool m_fittingLayout = false;
    ObjectMenu m_menu;
};
