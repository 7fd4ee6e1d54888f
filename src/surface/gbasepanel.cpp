// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The surface itself: settings, zoom, the objects it owns and its painting. Mouse and
// keyboard are in gbasepanelmouse.cpp, the commands on the selection in
// gbasepanelcommands.cpp.
#include "gbasepanel.h"

#include "surface/framegeometry.h"
#include "surface/objectpopup.h"
#include "surface/surfacemenu.h"
#include "surface/tghandle.h"
#include "objects/objectnames.h"
#include "objects/tggraphiccontrol.h"
#include "core/apppaths.h"
#include "graphics/canvas.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPointer>
#include <QScopedValueRollback>

#include <algorithm>
#include <cmath>

namespace {

// The object clipboard outlives a surface that closes while another is open (the
// properties dialog's preview page); the last surface to go takes the files with it.
int liveSurfaces = 0;

qint64 monotonicMilliseconds()
{
    static const QElapsedTimer timer = [] {
        QElapsedTimer started;
        started.start();
        return started;
    }();
    return timer.elapsed();
}

// The corners of the round-rectangle shape are ellipses 24 pixels across.
constexpr qreal ShapeCornerRadius = 12;
// The grid's dots combine with the image by AND, so they show green on white.
constexpr QRgb GridDotMask = 0xFF008000;

} // namespace

TGBasePanel::TGBasePanel(QWidget *parent)
    : QWidget(parent),
      m_popupPresenter([](QMenu &menu, const QPoint &point) { return menu.exec(point); }),
      m_clock(monotonicMilliseconds)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(false);
    // Hovering shows where an object can be taken and which handle resizes it.
    setMouseTracking(true);
    m_frame = new TGHandle(*this);
    m_outlines = new OutlineOverlay(this);
    m_menu = std::make_unique<SurfaceMenu>(*this);
    m_clipboardPath = AppPaths::userFile(QStringLiteral("Clipbrd.tmp"));
    m_scratchPath = AppPaths::userFile(QStringLiteral("TempFile.tmp"));
    ++liveSurfaces;
}

TGBasePanel::~TGBasePanel()
{
    releaseObjects();
    m_ownObjects.clear();
    if (--liveSurfaces == 0) {
        QFile::remove(m_clipboardPath);
        QFile::remove(m_scratchPath);
    }
}

int TGBasePanel::roundHalfEven(double value)
{
    // The default floating-point rounding mode rounds ties to even.
    return static_cast<int>(std::nearbyint(value));
}

bool TGBasePanel::visibleFlag(const QWidget *widget)
{
    if (widget->isWindow())
        return !widget->isHidden();
    return !(widget->testAttribute(Qt::WA_WState_ExplicitShowHide)
             && widget->testAttribute(Qt::WA_WState_Hidden));
}

int TGBasePanel::pixelsPerInch() const
{
    return TGGraphicControl::screenPixelsPerInch();
}

void TGBasePanel::setPopupPresenter(PopupPresenter presenter)
{
    if (presenter)
        m_popupPresenter = std::move(presenter);
}

QAction *TGBasePanel::presentPopup(QMenu &menu, const QPoint &screenPoint)
{
    return m_popupPresenter(menu, screenPoint);
}

void TGBasePanel::setClock(Clock clock)
{
    m_clock = clock ? std::move(clock) : Clock(monotonicMilliseconds);
}

void TGBasePanel::setObjectTransfer(std::unique_ptr<ObjectTransfer> transfer)
{
    m_transfer = std::move(transfer);
}

void TGBasePanel::SetPointing(bool pointing)
{
    m_pointing = pointing;
}

void TGBasePanel::SetDrawOutline(bool draw)
{
    if (draw == m_drawOutline)
        return;
    m_drawOutline = draw;
    update();
}

void TGBasePanel::SetShape(TLabelShapeType shape)
{
    if (shape == m_shape)
        return;
    m_shape = shape;
    update();
}

void TGBasePanel::SetGridSize(TGridSize size)
{
    if (size == m_gridSize)
        return;
    m_gridSize = size;
    const int spacing = size == gs8x8 ? 8 : 4;
    m_frame->SetGridX(spacing);
    m_frame->SetGridY(spacing);
    update();
}

void TGBasePanel::SetShowGrid(bool show)
{
    if (show == m_showGrid)
        return;
    m_showGrid = show;
    update();
}

void TGBasePanel::SetSnapToGrid(bool snap)
{
    if (snap == m_snapToGrid)
        return;
    m_snapToGrid = snap;
    m_frame->SetSnapToGrid(snap);
    if (snap) {
        const int spacing = m_gridSize == gs8x8 ? 8 : 4;
        m_frame->SetGridX(spacing);
        m_frame->SetGridY(spacing);
    }
}

void TGBasePanel::SetPicture(const QImage &picture)
{
    m_picture = picture;
    update();
}

void TGBasePanel::SetColorPicture(const QImage &picture)
{
    m_colorPicture = picture;
    update();
}

void TGBasePanel::SetZoom(float factor)
{
    if (factor == m_zoomFactor || !(factor > 0.0f))
        return;
    // A view of the same page: the objects keep their page bounds and nothing is reported.
    resize(sizeAtZoom(factor));
    m_zoomFactor = factor;
    for (const auto &object : *m_objects)
        object->setZoomFactor(factor);
    ZoomChanged();
    m_frame->RefitFrame();
    update();
}

QSize TGBasePanel::sizeAtZoom(float factor) const
{
    const float current = (m_zoomFactor * 10 == 0) ? 1.0f : m_zoomFactor;
    const auto ratio = static_cast<double>(static_cast<float>(static_cast<double>(factor) / current));
    return {roundHalfEven(width() * ratio), roundHalfEven(ratio * height())};
}

void TGBasePanel::NotifyChanged()
{
    if (m_loading || m_placingObject || !m_labelChanged)
        return;
    m_labelChanged(*this);
}

void TGBasePanel::RefitFrameLater()
{
    // Many objects moving at once ask many times; one refit after them all does.
    if (m_refitPending)
        return;
    m_refitPending = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_refitPending = false;
            m_frame->RefitFrame();
        },
        Qt::QueuedConnection);
}

int TGBasePanel::indexOfObject(const TGGraphicControl *object) const
{
    const auto found = std::find_if(m_objects->begin(), m_objects->end(),
                                    [object](const auto &owned) { return owned.get() == object; });
    return found == m_objects->end() ? -1 : int(found - m_objects->begin());
}

TGGraphicControl *TGBasePanel::appendObject(std::unique_ptr<TGGraphicControl> object)
{
    if (!object)
        return nullptr;
    TGGraphicControl *added = object.get();
    m_objects->push_back(std::move(object));
    ConnectObject(*added);
    invalidate(*added);
    return added;
}

TGGraphicControl *TGBasePanel::AddObject(std::unique_ptr<TGGraphicControl> object,
                                         const QRect &rect)
{
    if (!object)
        return nullptr;
    object->setName(UniqueObjectName(QStringLiteral("Special")));
    TGGraphicControl *added = appendObject(std::move(object));
    // The rectangle is in pixels at the zoom, which the object takes first.
    added->setZoomFactor(m_zoomFactor);
    added->setBounds(rect.left(), rect.top(), qMax(10, rect.width()), qMax(15, rect.height()));
    invalidate(*added);
    NotifyChanged();
    return added;
}

TGGraphicControl *TGBasePanel::placeToolObject(std::unique_ptr<TGGraphicControl> object,
                                               const QRect &rect)
{
    TGGraphicControl *added = nullptr;
    {
        // The object's dialog runs an event loop; a change reported meanwhile would already
        // be an undo step and mark the document, even if the user then cancels.
        const QScopedValueRollback placing(m_placingObject, true);
        added = AddObject(std::move(object), fitInside(rect, paperRect()));
        if (!added)
            return nullptr;
        const bool kept = added->PlacedWithTool();
        // The object may have gone with the dialog's event loop.
        if (indexOfObject(added) < 0)
            return nullptr;
        if (!kept) {
            destroyObject(*added);
            return nullptr;
        }
        // Its content, or the smallest size an object takes, may reach past the paper's edge.
        const QRect onPaper = fitInside(added->boundsRect(), paperRect());
        added->setBounds(onPaper.left(), onPaper.top(), onPaper.width(), onPaper.height());
    }
    NotifyChanged();
    return added;
}

int TGBasePanel::keepObjectsOnPaper()
{
    const QRect paper = paperRect();
    int moved = 0;
    for (const auto &object : *m_objects) {
        const QRect bounds = object->boundsRect();
        const QRect onPaper = fitInside(bounds, paper);
        if (onPaper == bounds)
            continue;
        object->setBounds(onPaper.left(), onPaper.top(), onPaper.width(), onPaper.height());
        ++moved;
    }
    if (moved > 0) {
        m_frame->RefitFrame();
        NotifyChanged();
    }
    return moved;
}

QString TGBasePanel::UniqueObjectName(const QString &prefix) const
{
    return firstFreeObjectName(prefix, 1, [this](const QString &name) { return objectNameTaken(name); })
        .value_or(QString());
}

bool TGBasePanel::objectNameTaken(const QString &name) const
{
    // Component names compare without regard to case.
    return std::any_of(m_objects->begin(), m_objects->end(), [&](const auto &object) {
        return object->Name().compare(name, Qt::CaseInsensitive) == 0;
    });
}

void TGBasePanel::showObjectsOf(std::vector<std::unique_ptr<TGGraphicControl>> &objects)
{
    releaseObjects();
    m_objects = &objects;
    for (const auto &object : objects)
        ConnectObject(*object);
    m_frame->RefitFrame();
    update();
}

void TGBasePanel::releaseObjects()
{
    m_frame->DeselectAll();
    m_pressObject = nullptr;
    m_hoverObject = nullptr;
    m_pressTarget = m_pressTarget == Target::Object ? Target::Surface : m_pressTarget;
    m_hoverTarget = m_hoverTarget == Target::Object ? Target::Surface : m_hoverTarget;
    for (const auto &object : *m_objects) {
        if (object->host() == this)
            object->setHost(nullptr);
    }
    m_objects = &m_ownObjects;
}

void TGBasePanel::ConnectObject(TGGraphicControl &object)
{
    object.setHost(this);
    object.setPixelsPerInch(pixelsPerInch());
    object.setZoomFactor(m_zoomFactor);
}

void TGBasePanel::adoptReadObjects(std::vector<std::unique_ptr<TGGraphicControl>> objects)
{
    for (std::unique_ptr<TGGraphicControl> &object : objects) {
        object->AfterLoad();
        appendObject(std::move(object));
    }
    ConnectObjects();
}

void TGBasePanel::ConnectObjects()
{
    for (auto it = m_objects->rbegin(); it != m_objects->rend(); ++it) {
        ConnectObject(**it);
        (*it)->setZoomFactor(m_zoomFactor);
    }
}

void TGBasePanel::DeleteAllObjects()
{
    m_frame->DeselectAll();
    while (!m_objects->empty())
        destroyObject(*m_objects->back());
}

void TGBasePanel::destroyObject(TGGraphicControl &object)
{
    m_frame->RemoveFromSelection(&object);
    if (m_pressObject == &object) {
        // What took the press is gone; the release goes to the surface.
        m_pressObject = nullptr;
        m_pressTarget = Target::Surface;
    }
    if (m_hoverObject == &object) {
        m_hoverObject = nullptr;
        m_hoverTarget = Target::Surface;
    }
    invalidate(object);
    const int index = indexOfObject(&object);
    if (index >= 0)
        m_objects->erase(m_objects->begin() + index);
}

bool TGBasePanel::PointOnObject(int x, int y) const
{
    return std::any_of(m_objects->begin(), m_objects->end(),
                       [x, y](const auto &object) { return object->boundsRect().contains(x, y); });
}

TGGraphicControl *TGBasePanel::objectAt(QPoint point) const
{
    for (auto it = m_objects->rbegin(); it != m_objects->rend(); ++it) {
        if ((*it)->boundsRect().contains(point))
            return it->get();
    }
    return nullptr;
}

void TGBasePanel::CreateObjectInRect(const PageRect &)
{
}

bool TGBasePanel::isSelected(const TGGraphicControl &object) const
{
    return m_frame->IndexOfSelected(&object) >= 0;
}

int TGBasePanel::selectionCount() const
{
    return m_frame->SelectedCount();
}

void TGBasePanel::removeFromSelection(TGGraphicControl &object)
{
    m_frame->RemoveFromSelection(&object);
}

void TGBasePanel::clearSelection()
{
    m_frame->DeselectAll();
}

void TGBasePanel::bringToFront(TGGraphicControl &object)
{
    const int index = indexOfObject(&object);
    if (index < 0)
        return;
    std::rotate(m_objects->begin() + index, m_objects->begin() + index + 1, m_objects->end());
    invalidate(object);
}

void TGBasePanel::sendToBack(TGGraphicControl &object)
{
    const int index = indexOfObject(&object);
    if (index < 0)
        return;
    std::rotate(m_objects->begin(), m_objects->begin() + index, m_objects->begin() + index + 1);
    invalidate(object);
}

void TGBasePanel::invalidate(const TGGraphicControl &object)
{
    // The selection marks reach 2 pixels past the bounds.
    update(object.boundsRect().adjusted(-3, -3, 3, 3));
}

void TGBasePanel::repaintNow()
{
    if (visibleFlag(this) && isVisible())
        repaint();
}

TColor TGBasePanel::frameColor() const
{
    return m_frame->Color();
}

TColor TGBasePanel::frameSecondaryColor() const
{
    return m_frame->SecondaryColor();
}

int TGBasePanel::childControlCount() const
{
    // Menus are windows of their own, and the outlines are no control.
    int widgets = 0;
    for (const QObject *child : children()) {
        const auto *widget = qobject_cast<const QWidget *>(child);
        if (widget && !widget->isWindow() && widget != m_outlines)
            ++widgets;
    }
    return widgets + int(m_objects->size());
}

void TGBasePanel::showSurfaceMenu(const QPoint &screenPoint)
{
    m_menu->popup(screenPoint);
}

void TGBasePanel::showObjectMenu(TGGraphicControl &object, const QPoint &screenPoint)
{
    std::function<void()> entry;
    {
        ObjectPopup popup(object, this);
        entry = popup.chosenEntry(m_popupPresenter(popup.menu(), screenPoint));
    }
    if (entry)
        entry();
}

void TGBasePanel::paintObjects(Canvas &canvas, const QRegion &area)
{
    for (const auto &object : *m_objects) {
        if (area.isEmpty() || area.intersects(object->boundsRect().adjusted(-2, -2, 2, 2)))
            object->paintOnSurface(canvas);
    }
}

QPainterPath TGBasePanel::shapePath() const
{
    const QRectF whole(0, 0, width() + 1, height() + 1);
    QPainterPath path;
    switch (m_shape) {
    case lsRectangle: path.addRect(whole); break;
    case lsRoundRect: path.addRoundedRect(whole, ShapeCornerRadius, ShapeCornerRadius); break;
    case lsEllipse: path.addEllipse(whole); break;
    }
    return path;
}

void TGBasePanel::paintBase(QPainter &painter, const QRect &area)
{
    // Composed off screen for the exposed area only: the grid's dots are combined with
    // the pixels below them.
    QImage image(area.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    const QPainterPath shape = shapePath();
    {
        QPainter composer(&image);
        composer.translate(-area.topLeft());
        composer.setClipPath(shape);
        for (const QImage *picture : {&m_picture, &m_colorPicture}) {
            if (!picture->isNull())
                composer.drawImage(QRect(0, 0, width(), height()), *picture);
        }
        composer.setClipping(false);
        if (m_drawOutline) {
            composer.setPen(QPen(Qt::black, 0, Qt::DotLine));
            composer.setBrush(Qt::NoBrush);
            composer.drawPath(shape);
        }
    }
    if (m_showGrid) {
        const int spacing = m_gridSize == gs8x8 ? 8 : 4;
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (y % spacing != 2)
                continue;
            auto *line = reinterpret_cast<QRgb *>(image.scanLine(y - area.top()));
            for (int x = area.left(); x <= area.right(); ++x) {
                if (x % spacing == 2 && shape.contains(QPointF(x + 0.5, y + 0.5)))
                    line[x - area.left()] &= GridDotMask;
            }
        }
    }
    painter.drawImage(area.topLeft(), image);
}

void TGBasePanel::paintEvent(QPaintEvent *event)
{
    if (m_paintSuspended)
        return;
    QPainter painter(this);
    // Moving outlines expose thin strips; only those are composed again.
    for (const QRect &area : event->region())
        paintBase(painter, area);
    Canvas canvas(painter, pixelsPerInch());
    paintObjects(canvas, event->region());
}
