// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace ToolPictures {

QPixmap drawn(int size, const Drawing &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kGrid, double(size) / kGrid);
    draw(painter);
    return pixmap;
}

QIcon icon(const Drawing &draw)
{
    QIcon result;
    for (int size : {24, 48})
        result.addPixmap(drawn(size, draw));
    return result;
}

void drawLetter(QPainter &p, const QString &letter, const QFont &font, const QBrush &brush)
{
    QPainterPath path;
    path.addText(0, 0, font, letter);
    const QRectF box = path.boundingRect();
    path.translate(12 - box.center().x(), 12 - box.center().y());
    p.setPen(QPen(Qt::black, 0.6));
    p.setBrush(brush);
    p.drawPath(path);
}

void drawMonthGrid(QPainter &p, const QRectF &r, const QColor &title)
{
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(Qt::white);
    p.drawRect(r);
    p.fillRect(QRectF(r.left(), r.top(), r.width(), r.height() / 4), title);
    const double cellW = r.width() / 4;
    const double cellH = r.height() * 3 / 4 / 3;
    p.setPen(QPen(QColor(150, 150, 150), 0.6));
    for (int i = 1; i < 4; ++i)
        p.drawLine(QPointF(r.left() + i * cellW, r.top() + r.height() / 4), QPointF(r.left() + i * cellW, r.bottom()));
    for (int i = 0; i < 3; ++i)
        p.drawLine(QPointF(r.left(), r.top() + r.height() / 4 + i * cellH), QPointF(r.right(), r.top() + r.height() / 4 + i * cellH));
}

} // namespace ToolPictures
