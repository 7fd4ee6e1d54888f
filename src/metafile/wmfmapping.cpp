// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "wmfmapping.h"

#include <algorithm>
#include <cmath>

namespace {

double clampCoordinate(double v)
{
    return std::clamp(v, -WmfMapping::CoordinateLimit, WmfMapping::CoordinateLimit);
}

} // namespace

WmfWindow WmfMapping::effective(const WmfWindow &window) const
{
    WmfWindow w = window;
    if (!w.originSet)
        w.origin = m_frame ? QPointF(m_frame->left(), m_frame->top()) : QPointF(0, 0);
    if (!w.extentSet) {
        if (m_frame && m_frame->width() != 0 && m_frame->height() != 0)
            w.extent = QPointF(m_frame->width(), m_frame->height());
        else
            w.extent = QPointF(m_target.width(), m_target.height());
    }
    return w;
}

void WmfMapping::update(const WmfWindow &window)
{
    const WmfWindow w = effective(window);
    m_sx = m_target.width() / w.extent.x();
    m_sy = m_target.height() / w.extent.y();
    m_dx = m_target.left() - w.origin.x() * m_sx;
    m_dy = m_target.top() - w.origin.y() * m_sy;
}

QPointF WmfMapping::map(double x, double y) const
{
    return {clampCoordinate(m_dx + x * m_sx), clampCoordinate(m_dy + y * m_sy)};
}

QRectF WmfMapping::mapRect(double left, double top, double right, double bottom) const
{
    return QRectF(map(left, top), map(right, bottom)).normalized();
}

double WmfMapping::mapWidth(double w) const
{
    return std::min(std::abs(w * m_sx), CoordinateLimit);
}

double WmfMapping::mapHeight(double h) const
{
    return std::min(std::abs(h * m_sy), CoordinateLimit);
}

double WmfMapping::targetSize() const
{
    return std::max(std::abs(m_target.width()), std::abs(m_target.height()));
}
