// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "outlineoverlay.h"

#include <QEvent>
#include <QPainter>
#include <QPaintEvent>

#include <utility>

namespace {

PageRect normalized(const PageRect &rect)
{
    PageRect result = rect;
    if (result.left > result.right)
        std::swap(result.left, result.right);
    if (result.top > result.bottom)
        std::swap(result.top, result.bottom);
    return result;
}

} // namespace

OutlineOverlay::OutlineOverlay(QWidget *surface) : QWidget(surface)
{
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
    setGeometry(surface->rect());
    surface->installEventFilter(this);
}

void OutlineOverlay::setOutline(Kind kind, const PageRect &rect)
{
    std::optional<PageRect> &slot = m_outlines[std::size_t(kind)];
    const PageRect shown = normalized(rect);
    if (slot == shown)
        return;
    if (slot)
        updateEdges(*slot);
    slot = shown;
    updateEdges(shown);
    // The selection frame comes to the front when it is placed; outlines stay above it.
    raise();
}

void OutlineOverlay::clearOutline(Kind kind)
{
    std::optional<PageRect> &slot = m_outlines[std::size_t(kind)];
    if (!slot)
        return;
    updateEdges(*slot);
    slot.reset();
}

std::optional<PageRect> OutlineOverlay::outline(Kind kind) const
{
    return m_outlines[std::size_t(kind)];
}

void OutlineOverlay::updateEdges(const PageRect &rect)
{
    // Only the one-pixel edges change; a pixel of slack covers pens that round outward.
    const int left = rect.left - 1;
    const int top = rect.top - 1;
    const int width = rect.width() + 2;
    const int height = rect.height() + 2;
    QRegion edges;
    edges += QRect(left, top, width, 3);
    edges += QRect(left, top + height - 3, width, 3);
    edges += QRect(left, top, 3, height);
    edges += QRect(left + width - 3, top, 3, height);
    update(edges);
}

void OutlineOverlay::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    // Black dots on white gaps show on any colour the page or an object has below.
    QPen pen(Qt::black, 0, Qt::DotLine);
    painter.setPen(pen);
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Qt::white);
    painter.setBrush(Qt::NoBrush);
    for (const std::optional<PageRect> &rect : m_outlines) {
        if (rect && rect->width() > 0 && rect->height() > 0)
            painter.drawRect(rect->left, rect->top, rect->width() - 1, rect->height() - 1);
    }
}

bool OutlineOverlay::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && event->type() == QEvent::Resize)
        setGeometry(parentWidget()->rect());
    return QWidget::eventFilter(watched, event);
}
