// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "objects/objecthost.h"
#include "surface/objecttransfer.h"
#include "surface/outlineoverlay.h"
#include "surface/surfacemouse.h"
#include "surface/surfacetools.h"
#include "graphics/pagerect.h"
#include "graphics/tfont.h"

#include <QImage>
#include <QRegion>
#include <QWidget>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class Canvas;
class QAction;
class QKeyEvent;
class QMenu;
class QPainterPath;
class SurfaceMenu;
class TGGraphicControl;
class TGHandle;

enum TLabelShapeType { lsRectangle, lsRoundRect, lsEllipse };
enum TGridSize { gs4x4, gs8x8 };

// The zoomable drawing surface on which freeform objects lie; the calendar page derives
// from it. It owns the zoom factor (single precision, 1.0 = 100 %), the objects (back to
// front: the last one is drawn on top), the selection frame and the dotted outlines, and
// routes the mouse between itself, its objects and the frame. Objects are windowless: the
// surface paints them and hit-tests them, and they reach it through ObjectHost.
class TGBasePanel : public QWidget, public ObjectHost
{
    Q_OBJECT

public:
    explicit TGBasePanel(QWidget *parent = nullptr);
    ~TGBasePanel() override;

    float ZoomFactor() const { return m_zoomFactor; }
    // Shows the surface and its objects at another zoom: the surface takes its size at the
    // zoom and repaints. Objects keep their page bounds; nothing is reported. Factors that
    // are not positive are ignored.
    void SetZoom(float factor);

    // Whether the pointer tool is in use (a drawing tool otherwise).
    bool Pointing() const override { return m_pointing; }
    void SetPointing(bool pointing);
    bool Printing() const override { return m_printing; }
    void SetPrinting(bool printing) { m_printing = printing; }
    // While set, painting returns at once (long operations).
    bool PaintSuspended() const override { return m_paintSuspended; }
    void SetPaintSuspended(bool suspended) { m_paintSuspended = suspended; }
    // While set, changes do not reach LabelChangedEvent (a document is being read).
    bool Loading() const override { return m_loading; }
    void SetLoading(bool loading) { m_loading = loading; }

    bool DrawOutline() const { return m_drawOutline; }
    void SetDrawOutline(bool draw);
    TLabelShapeType Shape() const { return m_shape; }
    void SetShape(TLabelShapeType shape);
    TGridSize GridSize() const { return m_gridSize; }
    void SetGridSize(TGridSize size);
    bool ShowGrid() const { return m_showGrid; }
    void SetShowGrid(bool show);
    bool SnapToGrid() const { return m_snapToGrid; }
    void SetSnapToGrid(bool snap);
    const QImage &Picture() const { return m_picture; }
    void SetPicture(const QImage &picture);
    const QImage &ColorPicture() const { return m_colorPicture; }
    void SetColorPicture(const QImage &picture);
    // The font the Font command's dialog starts from and new labels take their face from.
    const TFont &Font() const { return m_font; }
    void SetFont(const TFont &font) { m_font = font; }
    // Screen pixels per inch of the surface's pixels; objects placed on it take it.
    virtual int pixelsPerInch() const;

    // Events; an empty handler counts as not assigned.
    using ChangedHandler = std::function<void(TGBasePanel &sender)>;
    using DroppedHandler = std::function<void(TGBasePanel &sender, const QRect &rect)>;
    void setLabelChangedEvent(ChangedHandler handler) { m_labelChanged = std::move(handler); }
    // Raised once a drawing tool's rectangle was handled (the surface is back at the pointer),
    // whether or not an object was kept; a kept object reports its change itself.
    void setDroppedObjectEvent(DroppedHandler handler) { m_droppedObject = std::move(handler); }
    // Shows a popup menu at a screen point and returns the chosen action (null when the
    // menu was dismissed). QMenu::exec unless replaced; tests answer without a window.
    // The usual control events the surface publishes, raised after its own handling of
    // the mouse on the empty surface and of its keys; none is set in the program.
    struct PublishedEvents {
        std::function<void(const SurfaceMouse &)> OnMouseDown;
        std::function<void(const SurfaceMouse &)> OnMouseMove;
        std::function<void(const SurfaceMouse &)> OnMouseUp;
        std::function<void(const SurfaceMouse &)> OnDblClick;
        std::function<void(QKeyEvent &)> OnKeyDown;
        std::function<void(QKeyEvent &)> OnKeyUp;
    };
    void setPublishedEvents(PublishedEvents events) { m_published = std::move(events); }

    // Undo and redo of the document, offered at the top of the surface's menu; absent
    // functions leave the two entries disabled.
    struct UndoHooks {
        std::function<bool()> canUndo;
        std::function<bool()> canRedo;
        std::function<void()> undo;
        std::function<void()> redo;
    };
    void setUndoHooks(UndoHooks hooks) { m_undoHooks = std::move(hooks); }
    const UndoHooks &undoHooks() const { return m_undoHooks; }

    using PopupPresenter = std::function<QAction *(QMenu &menu, const QPoint &screenPoint)>;
    void setPopupPresenter(PopupPresenter presenter);
    QAction *presentPopup(QMenu &menu, const QPoint &screenPoint);
    // Milliseconds of a monotonic clock; the frame's press timing and the paste guard read
    // it. Tests install their own.
    using Clock = std::function<qint64()>;
    void setClock(Clock clock);
    qint64 now() const { return m_clock(); }
    // Reads and writes the object clipboard and clones; without one those commands do
    // nothing.
    void setObjectTransfer(std::unique_ptr<ObjectTransfer> transfer);

    // Objects, back to front.
    const std::vector<std::unique_ptr<TGGraphicControl>> &objects() const { return *m_objects; }
    int indexOfObject(const TGGraphicControl *object) const;
    // Puts an object in front of the others as a document reader does: no name, no
    // placing, no change reported. ConnectObjects afterwards gives them the zoom.
    TGGraphicControl *appendObject(std::unique_ptr<TGGraphicControl> object);
    // Objects read from a document, in file order: each is told loading has finished,
    // they are appended back to front and connected at the surface's zoom.
    void adoptReadObjects(std::vector<std::unique_ptr<TGGraphicControl>> objects);
    // Places an object made with a drawing tool at a rectangle (zoomed surface pixels),
    // named "Special" + n, at least 10 x 15.
    TGGraphicControl *AddObject(std::unique_ptr<TGGraphicControl> object, const QRect &rect);
    // A drawing tool's new object: placed as AddObject does, kept on the paper, then asked
    // for its content (PlacedWithTool). It becomes part of the document only when the user
    // confirms: until then no change is reported, and a cancelled dialog leaves no object.
    // Returns the object kept, or null.
    TGGraphicControl *placeToolObject(std::unique_ptr<TGGraphicControl> object, const QRect &rect);
    // The paper in zoomed surface pixels; objects are kept on it. The whole surface unless a
    // page says otherwise.
    virtual QRect paperRect() const { return rect(); }
    // Moves every object that lies partly off the paper back onto it, shrinking only those
    // larger than the paper, and reports one change when any moved. Returns how many moved.
    int keepObjectsOnPaper();
    // "prefix" + n for the first n from 1 to 1000 no object carries; empty when all are.
    QString UniqueObjectName(const QString &prefix) const;
    // Whether an object on the surface carries the name.
    bool objectNameTaken(const QString &name) const;
    // Makes the surface the object's host, so that its mouse and changes reach it.
    void ConnectObject(TGGraphicControl &object);
    // ConnectObject for every object, which also takes the surface's zoom factor as the
    // one its bounds are expressed in (objects just read).
    void ConnectObjects();
    void DeleteAllObjects();
    // Whether an object's bounds contain the point (surface pixels).
    bool PointOnObject(int x, int y) const;
    // The front-most object whose bounds contain the point, or null.
    TGGraphicControl *objectAt(QPoint point) const;
    // Raises LabelChangedEvent unless zooming, loading, placing a tool's new object or no
    // handler is set.
    void NotifyChanged() override;
    // The frame fits itself around the selection once control returns to the event loop.
    void RefitFrameLater() override;
    // Called with a dragged-out rectangle while a drawing tool is active.
    virtual void CreateObjectInRect(const PageRect &rect);

    TGHandle &frame() const { return *m_frame; }
    OutlineOverlay &outlines() const { return *m_outlines; }

    // Selection commands; each does nothing without a selection, except PasteObjects,
    // the Lock, Mark and Select All commands.
    void BringSelectionToFront();
    void SendSelectionToBack();
    void CopySelection();
    void CutSelection();
    // The pasted objects replace the selection, so the next command acts on the copy.
    void PasteObjects();
    void DeleteSelection();
    void AlignLeft();
    void AlignRight();
    void AlignTops();
    void AlignBottoms();
    void CenterSelectionVertically();
    void CenterSelectionHorizontally();
    void LockAll();
    void UnlockAll();
    void MarkAllSelectable();
    void MarkAllUnselectable();
    void SelectAllObjects();
    void SetSelectionFont();
    // A copy 25 pixels lower, in front, taking over the object's place in the selection.
    void CloneObject(TGGraphicControl &object) override;
    void ObjectCommand(TGGraphicControl &object, ObjectCommandKind command) override;
    // Selects the objects a rectangle overlaps; with Shift, toggles them in the selection.
    void selectByRectangle(const QRect &rect, bool shift);

    // The object clipboard and the scratch file beside it, in the user folder.
    QString clipboardPath() const { return m_clipboardPath; }
    QString scratchPath() const { return m_scratchPath; }
    std::optional<qint64> LastPasteTime() const { return m_lastPasteTime; }

    // Opens the surface menu (also the frame's) at a screen point.
    void showSurfaceMenu(const QPoint &screenPoint);
    // Opens an object's own menu at a screen point and runs the chosen entry once the menu
    // is gone (the entry may destroy the object).
    void showObjectMenu(TGGraphicControl &object, const QPoint &screenPoint);
    // The child controls the surface menu counts for Lock All and Unlock All: the objects,
    // the frame and other child widgets.
    virtual int childControlCount() const;

    // The screen's painting: every object at its bounds with its selection marks. area,
    // when given, skips objects that lie outside it.
    void paintObjects(Canvas &canvas, const QRegion &area = QRegion());

    // Mouse input in surface pixels, from the surface's own events and from the frame's:
    // decides whether the frame, an object or the surface itself handles it.
    void routeMouse(SurfaceMouse::Kind kind, const SurfaceMouse &mouse);
    // What the frame passes on: to the first other child widget under the point, else to
    // the surface as if the frame were not there.
    void passOnFromFrame(SurfaceMouse::Kind kind, const SurfaceMouse &mouse);

    // The handlers the objects' and the frame's events reach (surface pixels).
    void ObjectMouseDown(TGGraphicControl &object, const SurfaceMouse &mouse);
    void ObjectMouseMove(TGGraphicControl &object, const SurfaceMouse &mouse);
    void ObjectMouseUp(TGGraphicControl &object, const SurfaceMouse &mouse);
    void ObjectDblClick(TGGraphicControl *object, const SurfaceMouse &mouse);
    void FrameMouseDown(const SurfaceMouse &mouse);
    void FrameMouseMove(const SurfaceMouse &mouse);
    void FrameMouseUp(const SurfaceMouse &mouse);
    void FrameDblClick(const SurfaceMouse &mouse);
    void FrameKeyDown(QKeyEvent *event);

    // The surface's own mouse handling: the rubber band and its menu.
    void surfaceMouseDown(const SurfaceMouse &mouse);
    void surfaceMouseMove(const SurfaceMouse &mouse);
    void surfaceMouseUp(const SurfaceMouse &mouse);
    bool rubberBanding() const { return m_band.active; }
    PageRect rubberBandRect() const { return m_band.rect; }
    // The cursor shown over the surface, its objects and the frame.
    void setScreenCursor(Qt::CursorShape shape);
    Qt::CursorShape screenCursor() const { return m_screenCursor; }

    // ObjectHost
    bool isSelected(const TGGraphicControl &object) const override;
    int selectionCount() const override;
    void removeFromSelection(TGGraphicControl &object) override;
    void clearSelection() override;
    void bringToFront(TGGraphicControl &object) override;
    void sendToBack(TGGraphicControl &object) override;
    QSize surfaceSize() const override { return size(); }
    void invalidate(const TGGraphicControl &object) override;
    void repaintNow() override;
    TColor frameColor() const override;
    TColor frameSecondaryColor() const override;

    // The widget's own visibility setting, whether or not its window is on screen yet:
    // true unless it was explicitly hidden (or is a top-level window never shown).
    static bool visibleFlag(const QWidget *widget);
    // Round half to even, as the zoom rescaling rounds sizes.
    static int roundHalfEven(double value);

protected:
    // The click that follows a left press and release on the surface itself; the page
    // opens a day cell there.
    virtual void surfaceClicked(const QPoint &point);
    // The surface's size at a new zoom factor: by default the current size scaled by the
    // ratio of the factors. A page knows its paper and says exactly, so that rounding does
    // not add up from step to step.
    virtual QSize sizeAtZoom(float factor) const;
    // Runs when SetZoom has set a new zoom, before the surface repaints.
    virtual void ZoomChanged() {}
    // Shows and manages the objects of a list held elsewhere (a page model) instead of its
    // own; they are connected to the surface. The list must outlive the surface or be
    // released first.
    void showObjectsOf(std::vector<std::unique_ptr<TGGraphicControl>> &objects);
    // Lets go of the objects shown: nothing stays selected, pressed or hovered, the objects
    // no longer report to the surface, and the surface goes back to its own (empty) list.
    void releaseObjects();

    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void mouseDoubleClickEvent(QMouseEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;

private:
    friend class SurfaceTool;
    struct RubberBand
    {
        bool active = false;
        QPoint start;
        PageRect rect;
    };
    enum class Target { None, Surface, Frame, Object };

    SurfaceTool &tool();
    void deliver(Target target, TGGraphicControl *object, SurfaceMouse::Kind kind,
                 const SurfaceMouse &mouse);
    void deliverToFrame(SurfaceMouse::Kind kind, const SurfaceMouse &mouse);
    void deliverToObject(TGGraphicControl &object, SurfaceMouse::Kind kind,
                         const SurfaceMouse &mouse);
    void deliverToSurface(SurfaceMouse::Kind kind, const SurfaceMouse &mouse);
    void deliverToSurfaceWindow(SurfaceMouse::Kind kind, const SurfaceMouse &mouse);
    void updateHover(Target target, TGGraphicControl *object);
    void surfaceKeyDown(QKeyEvent *event);
    void paintBase(QPainter &painter, const QRect &area);
    QPainterPath shapePath() const;
    // Takes the object out of the selection and of the mouse routing, then destroys it.
    void destroyObject(TGGraphicControl &object);
    std::vector<TGGraphicControl *> selectedObjects() const;
    TGGraphicControl *addPastedObject(std::unique_ptr<TGGraphicControl> object);
    QString componentName(const QString &stored) const;
    bool saveToClipboard(const std::vector<const TGGraphicControl *> &objects);
    void reportError(const QString &message);
    template<typename Function>
    void forEachSelected(Function function);

    float m_zoomFactor = 1.0f;
    bool m_pointing = true;
    bool m_printing = false;
    bool m_paintSuspended = false;
    bool m_loading = false;
    bool m_placingObject = false;
    bool m_drawOutline = false;
    TLabelShapeType m_shape = lsRoundRect;
    TGridSize m_gridSize = gs4x4;
    bool m_showGrid = false;
    bool m_snapToGrid = false;
    QImage m_picture;
    QImage m_colorPicture;
    TFont m_font{QStringLiteral("Arial"), 10};

    ChangedHandler m_labelChanged;
    DroppedHandler m_droppedObject;
    PopupPresenter m_popupPresenter;
    Clock m_clock;
    std::unique_ptr<ObjectTransfer> m_transfer;

    // The objects shown: the surface's own, or a list held elsewhere (showObjectsOf).
    std::vector<std::unique_ptr<TGGraphicControl>> m_ownObjects;
    std::vector<std::unique_ptr<TGGraphicControl>> *m_objects = &m_ownObjects;
    TGHandle *m_frame;
    OutlineOverlay *m_outlines;
    std::unique_ptr<SurfaceMenu> m_menu;
    PointerTool m_pointerTool;
    CreateTool m_createTool;
    RubberBand m_band;
    bool m_refitPending = false;

    // The mouse routing: what took the last press (it keeps the mouse until the release,
    // as a windowless control does) and the object under a hovering mouse.
    Target m_pressTarget = Target::None;
    TGGraphicControl *m_pressObject = nullptr;
    Target m_hoverTarget = Target::None;
    TGGraphicControl *m_hoverObject = nullptr;
    // A left press reached the surface itself, so its release is a click.
    bool m_clickPending = false;
    Qt::CursorShape m_screenCursor = Qt::ArrowCursor;

    QString m_clipboardPath;
    QString m_scratchPath;
    std::optional<qint64> m_lastPasteTime;
    UndoHooks m_undoHooks;
    PublishedEvents m_published;
};
