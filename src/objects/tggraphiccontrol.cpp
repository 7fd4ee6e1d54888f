// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "tggraphiccontrol.h"

#include <QScopedValueRollback>

#include "objects/objecteditors.h"

#include "objects/objecthost.h"
#include "objects/painterstate.h"
#include "objects/selectionmarks.h"
#include "graphics/canvas.h"
#include "graphics/reportcanvas.h"

#include <QGuiApplication>
#include <QPicture>
#include <QScreen>

#include <cmath>

namespace {

// Notifying the surface after Locked or Unselectable changed must never fail the setter.
template<typename Function>
void ignoringFailures(Function &&function)
{
    try {
        function();
    } catch (...) {
    }
}

int roundHalfEven(double value)
{
    return static_cast<int>(std::nearbyint(value));
}

} // namespace

TGGraphicControl::TGGraphicControl() : m_ppi(screenPixelsPerInch()) {}

TGGraphicControl::~TGGraphicControl() = default;

int TGGraphicControl::screenPixelsPerInch()
{
    const QScreen *screen = qGuiApp ? QGuiApplication::primaryScreen() : nullptr;
    if (!screen)
        return 96;
    const int ppi = qRound(screen->logicalDotsPerInchY());
    return ppi > 0 ? ppi : 96;
}

void TGGraphicControl::setPixelsPerInch(int ppi)
{
    m_ppi = ppi > 0 ? ppi : 96;
}

void TGGraphicControl::setReading(bool reading)
{
    // Without this the first move of an object read from a document would only record
    // its bounds, and the document would not know it had changed.
    if (m_reading && !reading && m_lastBounds == QRect())
        m_lastBounds = m_bounds;
    m_reading = reading;
}

void TGGraphicControl::setLeft(int left)
{
    setBounds(left, Top(), Width(), Height());
}

void TGGraphicControl::setTop(int top)
{
    setBounds(Left(), top, Width(), Height());
}

void TGGraphicControl::setWidth(int width)
{
    setBounds(Left(), Top(), width, Height());
}

void TGGraphicControl::setHeight(int height)
{
    setBounds(Left(), Top(), Width(), height);
}

void TGGraphicControl::setBounds(int left, int top, int width, int height)
{
    // A negative size from a damaged file would make every rectangle below inside out.
    const QRect bounds(left, top, qMax(0, width), qMax(0, height));
    if (bounds == m_bounds)
        return;
    invalidate();
    m_bounds = bounds;
    invalidate();
    if (!m_reading)
        BoundsChanged();
}

void TGGraphicControl::SetLocked(bool locked)
{
    if (locked == m_locked)
        return;
    m_locked = locked;
    if (m_reading)
        return;
    ignoringFailures([this, locked] {
        if (ObjectMenuEntry *entry = menuEntry(QStringLiteral("Locked")))
            entry->checked = locked;
        ReportChange();
    });
}

void TGGraphicControl::SetUnselectable(bool unselectable)
{
    if (unselectable == m_unselectable)
        return;
    m_unselectable = unselectable;
    if (m_reading)
        return;
    ignoringFailures([this, unselectable] {
        ReportChange();
        if (unselectable && m_host)
            m_host->removeFromSelection(*this);
    });
}

void TGGraphicControl::Rescale(float factor)
{
    if (factor == m_zoomFactor)
        return;
    const float ratio = factor / m_zoomFactor;
    const double r = ratio;
    setBounds(roundHalfEven(Left() * r), roundHalfEven(Top() * r), roundHalfEven(Width() * r),
              roundHalfEven(Height() * r));
    m_zoomFactor = factor;
    BoundsChanged();
}

void TGGraphicControl::ReportChange()
{
    if (m_host && !m_host->Printing())
        m_host->NotifyChanged();
}

void TGGraphicControl::invalidate()
{
    if (m_host)
        m_host->invalidate(*this);
}

void TGGraphicControl::BoundsChanged()
{
    if (m_inBoundsChanged)
        return;
    m_inBoundsChanged = true;
    if (m_lastBounds == QRect())
        m_lastBounds = m_bounds;
    if (m_bounds != m_lastBounds) {
        if (!m_fittingLayout)
            ReportChange();
        m_lastBounds = m_bounds;
        if (m_host)
            m_host->RefitFrameLater();
    }
    m_inBoundsChanged = false;
}

void TGGraphicControl::fitToLayout(QSize size)
{
    QScopedValueRollback quiet(m_fittingLayout, true);
    setBounds(Left(), Top(), size.width(), size.height());
}

void TGGraphicControl::CenterVertically()
{
    if (!m_host)
        return;
    setTop(m_host->surfaceSize().height() / 2 - Height() / 2);
    ReportChange();
    m_host->repaintNow();
}

void TGGraphicControl::CenterHorizontally()
{
    if (!m_host)
        return;
    setLeft(m_host->surfaceSize().width() / 2 - Width() / 2);
    ReportChange();
    m_host->repaintNow();
}

void TGGraphicControl::PaintToCanvas(Canvas &canvas, int x, int y)
{
    PainterStateGuard guard(canvas.painter());
    canvas.painter().translate(x, y);
    PaintObject(canvas);
}

void TGGraphicControl::paintOnSurface(Canvas &surfaceCanvas)
{
    if (m_host && m_host->PaintSuspended())
        return;
    {
        // A windowless control draws only inside its own bounds.
        PainterStateGuard guard(surfaceCanvas.painter());
        surfaceCanvas.painter().setClipRect(m_bounds, Qt::IntersectClip);
        PaintToCanvas(surfaceCanvas, Left(), Top());
    }
    if (m_host && m_host->isSelected(*this)) {
        const bool single = m_host->selectionCount() == 1;
        paintSelectionMarks(surfaceCanvas, m_bounds, single,
                            single ? m_host->frameColor() : m_host->frameSecondaryColor());
    }
}

void TGGraphicControl::PaintObject(Canvas &) {}

void TGGraphicControl::PrintTo(ReportCanvas &report, double offsetX, double offsetY)
{
    printAsPicture(report, offsetX, offsetY);
}

void TGGraphicControl::AssignFont(const TFont &) {}

void TGGraphicControl::AfterLoad()
{
    m_menu.clear();
    buildCommonMenu();
}

void TGGraphicControl::PopupAboutToShow() {}

QRectF TGGraphicControl::inchBounds(double offsetX, double offsetY) const
{
    const double ppi = m_ppi;
    return QRectF(QPointF(Left() / ppi + offsetX, Top() / ppi + offsetY),
                  QPointF((Left() + Width()) / ppi + offsetX, (Top() + Height()) / ppi + offsetY));
}

void TGGraphicControl::printAsPicture(ReportCanvas &report, double offsetX, double offsetY)
{
    if (Width() <= 0 || Height() <= 0)
        return;
    {
        // Painting may fit the object to its text; the printed size is the fitted one.
        QPicture settle;
        QPainter painter(&settle);
        Canvas canvas(painter, m_ppi);
        PaintObject(canvas);
    }
    // The routine that paints the screen paints the output too, scaled from page pixels to
    // the device's: what prints is what shows. (A recorded picture would be replayed with
    // its fonts resized to the device's resolution.)
    report.stretchDraw(inchBounds(offsetX, offsetY), [this](QPainter &painter, const QRect &device) {
        PainterStateGuard guard(painter);
        painter.translate(device.topLeft());
        painter.scale(double(device.width()) / Width(), double(device.height()) / Height());
        painter.setClipRect(QRect(0, 0, Width(), Height()), Qt::IntersectClip);
        Canvas canvas(painter, m_ppi);
        PaintObject(canvas);
    });
}

ObjectMenuEntry *TGGraphicControl::menuEntry(const QString &caption)
{
    return findMenuEntry(m_menu, caption);
}

void TGGraphicControl::buildCommonMenu()
{
    using E = ObjectMenuEntry;
    m_menu.push_back(E::makeAction(QStringLiteral("Bring To Front"), [this] {
        ReportChange();
        if (m_host)
            m_host->bringToFront(*this);
    }));
    m_menu.push_back(E::makeAction(QStringLiteral("Send To Back"), [this] {
        ReportChange();
        if (m_host) {
            m_host->sendToBack(*this);
            m_host->clearSelection();
        }
    }));
    m_menu.push_back(E::makeAction(QStringLiteral("Cut"), [this] {
        ReportChange();
        if (m_host)
            m_host->ObjectCommand(*this, ObjectCommandKind::Cut);
    }));
    m_menu.push_back(E::makeAction(QStringLiteral("Copy"), [this] {
        if (m_host)
            m_host->ObjectCommand(*this, ObjectCommandKind::Copy);
    }));
    m_menu.push_back(E::makeAction(QStringLiteral("Delete"), [this] {
        ReportChange();
        if (m_host)
            m_host->ObjectCommand(*this, ObjectCommandKind::Delete);
    }));
    m_menu.push_back(E::makeAction(QStringLiteral("Clone"), [this] {
        if (m_host)
            m_host->CloneObject(*this);
        ReportChange();
    }));
    m_menu.push_back(E::makeSeparator());
    ObjectMenuEntry locked = E::makeCheck(QStringLiteral("Locked"), [this] { toggleLocked(); });
    locked.checked = m_locked;
    m_menu.push_back(std::move(locked));
    m_menu.push_back(
        E::makeAction(QStringLiteral("Unselectable"), [this] { makeUnselectable(); }));
    m_menu.push_back(E::makeSeparator());
    m_menu.push_back(
        E::makeAction(QStringLiteral("Center Vertically"), [this] { CenterVertically(); }));
    m_menu.push_back(
        E::makeAction(QStringLiteral("Center Horizontally"), [this] { CenterHorizontally(); }));
}

void TGGraphicControl::toggleLocked()
{
    // Reading is over by the time a menu opens, so the setter updates the check mark
    // and reports the change.
    ignoringFailures([this] {
        SetLocked(!m_locked);
        if (ObjectMenuEntry *entry = menuEntry(QStringLiteral("Locked")))
            entry->checked = m_locked;
    });
}

void TGGraphicControl::makeUnselectable()
{
    SetUnselectable(true);
    ignoringFailures([this] {
        ReportChange();
        if (m_host)
            m_host->removeFromSelection(*this);
    });
}

std::optional<TColor> TGGraphicControl::askColor(TColor current)
{
    ObjectEditors *editors = ObjectEditors::instance();
    if (!editors || !editors->chooseColor(current))
        return std::nullopt;
    return current;
}

std::optional<TFont> TGGraphicControl::askFont(const TFont &current)
{
    ObjectEditors *editors = ObjectEditors::instance();
    TFont font = current;
    if (!editors || !editors->chooseFont(font))
        return std::nullopt;
    return font;
}
