// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectpreview.h"

#include "objects/tggraphiccontrol.h"
#include "graphics/canvas.h"

#include <QPainter>

ObjectPreview::ObjectPreview(TGGraphicControl &object, QWidget *parent)
    : QWidget(parent), m_object(object)
{
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
}

void ObjectPreview::refresh()
{
    update();
}

void ObjectPreview::setObjectFollowsSize(bool follows)
{
    m_followsSize = follows;
    if (follows)
        m_object.setBounds(0, 0, width(), height());
}

void ObjectPreview::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (m_followsSize)
        m_object.setBounds(0, 0, width(), height());
}

void ObjectPreview::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    Canvas canvas(painter, m_object.pixelsPerInch());
    m_object.PaintToCanvas(canvas, 0, 0);
}
