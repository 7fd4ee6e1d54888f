// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainter>
#include <QRegion>
#include <QTransform>

// Puts the painter's transform and clipping back when it goes out of scope. QPainter's own
// save() and restore() would also put back the pen behind the Canvas, which remembers the
// pen it set last and would then draw text or lines in the wrong one.
class PainterStateGuard
{
public:
    explicit PainterStateGuard(QPainter &painter)
        : m_painter(painter), m_transform(painter.transform()),
          m_hadClip(painter.hasClipping()), m_clip(m_hadClip ? painter.clipRegion() : QRegion())
    {
    }
    ~PainterStateGuard()
    {
        m_painter.setTransform(m_transform);
        if (m_hadClip)
            m_painter.setClipRegion(m_clip);
        else
            m_painter.setClipping(false);
    }
    PainterStateGuard(const PainterStateGuard &) = delete;
    PainterStateGuard &operator=(const PainterStateGuard &) = delete;

private:
    QPainter &m_painter;
    QTransform m_transform;
    bool m_hadClip;
    QRegion m_clip;
};
