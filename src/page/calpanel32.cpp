// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page widget: showing its model, painting, and the cursor of the drawing tools.
#include "calpanel32.h"

#include "graphics/canvas.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>

TCalendarPanel32::TCalendarPanel32(QWidget *parent) : TGBasePanel(parent)
{
    // The composed page covers every pixel, so nothing needs erasing first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    setFocusPolicy(Qt::StrongFocus);
    showObjectsOf(m_model.objectList());
    m_model.setObjectHost(this);
    m_model.setChangeHandler([this](PageModel::Change change) { modelChanged(change); });
    // The model laid itself out before it had a view.
    modelChanged(PageModel::Change::Layout);
}

TCalendarPanel32::~TCalendarPanel32()
{
    m_model.setChangeHandler({});
    m_model.setObjectHost(nullptr);
    // The objects go with the model, before the surface.
    releaseObjects();
    setCursorForTool(false);
}

void TCalendarPanel32::modelChanged(PageModel::Change change)
{
    if (change == PageModel::Change::Layout)
        resize(paperRect().size());
    update();
    if (change == PageModel::Change::Layout)
        emit layoutRecalculated();
}

void TCalendarPanel32::ZoomChanged()
{
    m_model.setZoom(ZoomFactor());
}

QRect TCalendarPanel32::paperRect() const
{
    return QRect(QPoint(0, 0), sizeAtZoom(ZoomFactor()));
}

void TCalendarPanel32::SetPanelState(TLPanelState state)
{
    m_panelState = state;
    SetPointing(state == psPointing);
    setCursorForTool(state != psPointing);
}

void TCalendarPanel32::setCursorForTool(bool tool)
{
    if (!qGuiApp || tool == m_cursorOverridden)
        return;
    if (tool)
        QGuiApplication::setOverrideCursor(Qt::DragMoveCursor);
    else
        QGuiApplication::restoreOverrideCursor();
    m_cursorOverridden = tool;
}

QImage TCalendarPanel32::RenderToBitmap() const
{
    return PagePainter::renderPage(m_model);
}

void TCalendarPanel32::PrintPage(ReportCanvas &report, double offsetX, double offsetY) const
{
    PagePainter::printPage(m_model, report, offsetX, offsetY);
}

void TCalendarPanel32::paintEvent(QPaintEvent *event)
{
    if (PaintSuspended() || m_painting || !visibleFlag(this))
        return;
    m_painting = true;
    // Only the screen marks texts that run out of their cells.
    const QImage image = PagePainter::composePage(m_model, size(), devicePixelRatioF(),
                                                  PagePainter::CellMarks::Overflow);
    QPainter painter(this);
    if (image.isNull())
        painter.fillRect(rect(), Qt::white);
    else
        painter.drawImage(0, 0, image);
    Canvas canvas(painter, pixelsPerInch());
    paintObjects(canvas, event->region());
    m_painting = false;
}
