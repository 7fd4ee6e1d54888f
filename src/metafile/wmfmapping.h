// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "metafile/wmfstate.h"

#include <QRect>
#include <QRectF>

#include <optional>

// Maps a metafile's logical window onto the target rectangle, stretched. What the records
// leave unset comes from the placeable header's frame, and without one from the target's
// own size (one logical unit a pixel). Device coordinates are clamped far outside any page
// so that no window can hand the rasterizer numbers it cannot take.
class WmfMapping
{
public:
    void setTarget(const QRectF &target) { m_target = target; }
    void setFrame(const std::optional<QRect> &frame) { m_frame = frame; }
    const QRectF &target() const { return m_target; }

    // The window with its unset parts filled in.
    WmfWindow effective(const WmfWindow &window) const;
    void update(const WmfWindow &window);

    QPointF map(double x, double y) const;
    QRectF mapRect(double left, double top, double right, double bottom) const;
    // Lengths in device pixels, whatever the axis' direction.
    double mapWidth(double w) const;
    double mapHeight(double h) const;
    double scaleX() const { return m_sx; }
    double scaleY() const { return m_sy; }
    // The larger side of the target, for bounding pen widths and font sizes.
    double targetSize() const;

    static constexpr double CoordinateLimit = 4.0e6;

private:
    QRectF m_target;
    std::optional<QRect> m_frame;
    double m_sx = 1;
    double m_sy = 1;
    double m_dx = 0;
    double m_dy = 0;
};
