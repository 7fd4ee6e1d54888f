// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "supertextlayout.h"

#include <QPainter>

#include <cstdlib>

SuperTextLayout layoutSuperText(QSize size, QPoint shadow, int textHeight, int captionWidth,
                                bool transparent, bool bordered)
{
    SuperTextLayout layout;
    layout.margin = {shadow.x() < 0 ? -shadow.x() : 0, shadow.y() < 0 ? -shadow.y() : 0};
    const int needed = textHeight + std::abs(shadow.y());
    int width = size.width();
    int height = size.height();
    if (width <= 5)
        width = captionWidth;
    // Compared and cut in double precision, as 1.2 x a line is never exact.
    if (height > 1.2 * needed && transparent && !bordered)
        height = static_cast<int>(1.2 * needed);
    if (height < needed)
        height = needed;
    layout.size = {width, height};
    // The text always starts five pixels in from the left.
    layout.face = {layout.margin.x() + 5, layout.margin.y(), width, textHeight + layout.margin.y()};
    const PageRect &face = layout.face;
    layout.shadow = {face.left + shadow.x(), face.top + shadow.y(), face.right + shadow.x(),
                     face.bottom + shadow.y()};
    layout.faceOrigin = {layout.face.left, layout.face.top};
    layout.shadowOrigin = {layout.face.left + shadow.x(), layout.shadow.top};
    return layout;
}

QString fitCaption(const QString &caption, int available,
                   const std::function<int(const QString &)> &width)
{
    QString text = caption;
    while (!text.isEmpty() && width(text) > available)
        text.chop(1);
    return text;
}

int mulDiv(int p, int q, int r)
{
    if (r == 0)
        return -1;
    const qint64 product = qint64(p) * q;
    const bool negative = (product < 0) != (r < 0);
    const qint64 magnitude = std::llabs(product);
    const qint64 divisor = std::llabs(qint64(r));
    const qint64 quotient = (magnitude + divisor / 2) / divisor;
    return static_cast<int>(negative ? -quotient : quotient);
}

namespace SuperTextGradient {

namespace {

bool startsWithTo(TFillDirection direction)
{
    return direction == gdUp || direction == gdLeft;
}

QColor opaque(TColor color)
{
    QColor resolved = Colors::toQColor(color);
    resolved.setAlpha(255);
    return resolved;
}

} // namespace

QColor startColor(TFillDirection direction, TColor from, TColor to)
{
    return opaque(startsWithTo(direction) ? to : from);
}

QColor endColor(TFillDirection direction, TColor from, TColor to)
{
    return opaque(startsWithTo(direction) ? from : to);
}

QColor bandColor(int band, const QColor &start, const QColor &end)
{
    const auto channel = [band](int first, int last) {
        return (first + mulDiv(band, last - first, BandCount - 1)) & 0xFF;
    };
    return QColor(channel(start.red(), end.red()), channel(start.green(), end.green()),
                  channel(start.blue(), end.blue()));
}

QRect bandRect(int band, QSize area, TFillDirection direction)
{
    const bool across = direction == gdLeft || direction == gdRight;
    const int extent = across ? area.width() : area.height();
    int first = mulDiv(band, extent, BandCount);
    const int last = mulDiv(band + 1, extent, BandCount);
    if (band == BandCount - 1 && extent > 0)
        first = qMin(first, extent - 1);
    if (across)
        return QRect(QPoint(first, 0), QPoint(last - 1, area.height() - 1));
    return QRect(QPoint(0, first), QPoint(area.width() - 1, last - 1));
}

void paint(QPainter &painter, const QRect &area, TFillDirection direction, TColor from, TColor to)
{
    const QColor start = startColor(direction, from, to);
    const QColor end = endColor(direction, from, to);
    for (int band = 0; band < BandCount; ++band) {
        const QRect rect = bandRect(band, area.size(), direction);
        if (!rect.isEmpty())
            painter.fillRect(rect.translated(area.topLeft()), bandColor(band, start, end));
    }
}

} // namespace SuperTextGradient

std::vector<QRect> tileRects(QSize tile, QSize area)
{
    std::vector<QRect> rects;
    if (tile.width() < 1 || tile.height() < 1)
        return rects;
    for (int y = 0; y < area.height(); y += tile.height()) {
        for (int x = 0; x < area.width(); x += tile.width())
            rects.emplace_back(x, y, tile.width(), tile.height());
    }
    return rects;
}
