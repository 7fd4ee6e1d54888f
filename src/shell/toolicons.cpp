// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolicons.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include <functional>

namespace {

// Every picture is drawn on a 24 x 24 grid and scaled to the requested size.
constexpr int kGrid = 24;

QPixmap drawn(int size, const std::function<void(QPainter &)> &draw)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(double(size) / kGrid, double(size) / kGrid);
    draw(painter);
    return pixmap;
}

QIcon icon(const std::function<void(QPainter &)> &draw)
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

} // namespace

namespace ToolIcons {

QIcon properties()
{
    return icon([](QPainter &p) {
        drawMonthGrid(p, QRectF(2.5, 3.5, 15, 15), QColor(70, 110, 180));
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

QIcon label()
{
    return icon([](QPainter &p) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(19);
        font.setBold(true);
        p.translate(1.5, 1.5);
        drawLetter(p, QStringLiteral("A"), font, QColor(120, 120, 120));
        p.translate(-1.5, -1.5);
        drawLetter(p, QStringLiteral("A"), font, QColor(200, 40, 40));
    });
}

QIcon clipArt()
{
    return icon([](QPainter &p) {
        p.setPen(QPen(QColor(50, 50, 50), 1));
        p.setBrush(QColor(170, 215, 250));
        p.drawRect(QRectF(2.5, 4.5, 19, 15));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(250, 200, 40));
        p.drawEllipse(QPointF(16.5, 8.5), 2, 2);
        QPainterPath hills;
        hills.moveTo(3, 19);
        hills.lineTo(9, 10);
        hills.lineTo(13, 15);
        hills.lineTo(16, 12);
        hills.lineTo(21, 19);
        hills.closeSubpath();
        p.setBrush(QColor(60, 150, 70));
        p.drawPath(hills);
    });
}

QIcon richText()
{
    return icon([](QPainter &p) {
        QFont serif(QStringLiteral("Times New Roman"));
        serif.setPixelSize(15);
        serif.setItalic(true);
        QFont sans(QStringLiteral("Arial"));
        sans.setPixelSize(13);
        sans.setBold(true);
        p.setPen(QColor(30, 60, 170));
        p.setFont(serif);
        p.drawText(QPointF(2, 14), QStringLiteral("R"));
        p.setPen(QColor(190, 40, 40));
        p.setFont(sans);
        p.drawText(QPointF(11, 20), QStringLiteral("t"));
        p.setPen(QPen(QColor(40, 140, 60), 1.4));
        p.drawLine(QPointF(2, 22), QPointF(22, 22));
    });
}

QIcon superText()
{
    return icon([](QPainter &p) {
        QFont font(QStringLiteral("Arial"));
        font.setPixelSize(21);
        font.setBold(true);
        QLinearGradient fill(0, 3, 0, 21);
        fill.setColorAt(0, QColor(250, 220, 50));
        fill.setColorAt(1, QColor(210, 60, 20));
        drawLetter(p, QStringLiteral("S"), font, fill);
    });
}

QIcon miniCalendar()
{
    return icon([](QPainter &p) { drawMonthGrid(p, QRectF(3.5, 4.5, 17, 15), QColor(200, 60, 60)); });
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
