// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolicons.h"

#include "graphics/toolpictures.h"

#include <QPainter>
#include <QPainterPath>

namespace ToolIcons {

using ToolPictures::drawn;
using ToolPictures::icon;

QIcon properties()
{
    return icon([](QPainter &p) {
        ToolPictures::drawMonthGrid(p, QRectF(2.5, 3.5, 15, 15), QColor(70, 110, 180));
        p.setPen(QPen(QColor(120, 70, 20), 2.4, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(13, 21), QPointF(21.5, 11));
        p.setPen(QPen(QColor(230, 180, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(21.5, 11), QPointF(22.5, 9.8));
    });
}

QIcon print()
{
    return icon([](QPainter &p) {
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 2.5, 11, 8));
        p.setBrush(QColor(170, 170, 175));
        p.drawRoundedRect(QRectF(2.5, 9.5, 19, 9), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(6.5, 15.5, 11, 6));
        p.setPen(QPen(QColor(120, 120, 120), 0.8));
        p.drawLine(QPointF(8, 18), QPointF(16, 18));
        p.fillRect(QRectF(17.5, 11.5, 2, 1.5), QColor(40, 170, 60));
    });
}

QIcon pointer()
{
    return icon([](QPainter &p) {
        QPainterPath arrow;
        arrow.moveTo(7, 3);
        arrow.lineTo(7, 19);
        arrow.lineTo(10.5, 15.5);
        arrow.lineTo(13.5, 21.5);
        arrow.lineTo(16, 20.3);
        arrow.lineTo(13, 14.5);
        arrow.lineTo(18, 14.5);
        arrow.closeSubpath();
        p.setPen(QPen(Qt::black, 1));
        p.setBrush(Qt::white);
        p.drawPath(arrow);
    });
}

QPixmap programPicture(int size)
{
    return drawn(size, [](QPainter &p) {
        p.setPen(QPen(QColor(40, 40, 40), 0.8));
        p.setBrush(Qt::white);
        p.drawRoundedRect(QRectF(2.5, 3.5, 19, 18), 1.5, 1.5);
        p.fillRect(QRectF(3, 4, 18, 5), QColor(40, 90, 170));
        p.setBrush(QColor(230, 230, 230));
        for (int ring : {7, 12, 17})
            p.drawRoundedRect(QRectF(ring - 0.8, 1.5, 1.6, 4), 0.8, 0.8);
        for (int row = 0; row < 3; ++row) {
            for (int col = 0; col < 5; ++col) {
                const QColor cell = (row == 1 && col == 3) ? QColor(220, 60, 50) : QColor(170, 170, 170);
                p.fillRect(QRectF(4.5 + col * 3.2, 11 + row * 3.3, 2.2, 2.3), cell);
            }
        }
    });
}

} // namespace ToolIcons
