// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "gbasepanel.h"

#include <QCoreApplication>
#include <QPalette>

#include <cmath>

TGBasePanel::TGBasePanel(QWidget *parent) : QWidget(parent)
{
    QPalette background = palette();
    background.setColor(QPalette::Window, Qt::white);
    setPalette(background);
    setAutoFillBackground(false);
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

void TGBasePanel::SetZoom(float factor)
{
    if (factor == m_zoomFactor)
        return;
    m_zooming = true;
    const float current = (m_zoomFactor * 10 == 0) ? 1.0f : m_zoomFactor;
    const auto ratio = static_cast<float>(static_cast<double>(factor) / current);
    resize(roundHalfEven(width() * static_cast<double>(ratio)),
           roundHalfEven(static_cast<double>(ratio) * height()));
    m_zoomFactor = factor;
    // FIXME: freeform objects rescale themselves here once the object base exists.
    QCoreApplication::processEvents();
    m_zooming = false;
}

void TGBasePanel::NotifyChanged()
{
    if (m_zooming || m_loading || !m_labelChanged)
        return;
    m_labelChanged(*this);
}

bool TGBasePanel::PointOnObject(int x, int y) const
{
    // FIXME: only freeform objects should count once their base class exists; until then
    // every shown child widget lying on the surface counts as one.
    const auto children = findChildren<QWidget *>(Qt::FindDirectChildrenOnly);
    for (const QWidget *child : children) {
        if (visibleFlag(child) && child->geometry().contains(x, y))
            return true;
    }
    return false;
}

void TGBasePanel::CreateObjectInRect(const PageRect &)
{
}
