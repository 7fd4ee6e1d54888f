// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "toolpictures.h"

#include <QIconEngine>
#include <QPainter>
#include <QPainterPath>

namespace ToolPictures {

namespace {

// Draws its picture at a size the first time that size is asked for. The pictures drawn
// so far are kept in a plain icon, which also makes the disabled and selected looks from
// them as for any other icon.
class DrawnIconEngine : public QIconEngine
{
public:
    explicit DrawnIconEngine(Drawing draw) : m_draw(std::move(draw)) {}

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        // The size is in device pixels already.
        return drawnAt(size).pixmap(size, 1.0, mode, state);
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        drawnAt(rect.size() * ratio).paint(painter, rect, Qt::AlignCenter, mode, state);
    }

    // The pictures are square and drawn to fit any square.
    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override
    {
        const int side = qMin(size.width(), size.height());
        return QSize(side, side);
    }

    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        return {QSize(kGrid, kGrid), QSize(2 * kGrid, 2 * kGrid)};
    }

    QIconEngine *clone() const override { return new DrawnIconEngine(*this); }
    QString key() const override { return QStringLiteral("ToolPictures"); }
    bool isNull() override { return false; }

private:
    const QIcon &drawnAt(const QSize &size)
    {
        const int side = qMin(size.width(), size.height());
        if (side > 0 && !m_sides.contains(side)) {
            m_drawn.addPixmap(drawn(side, m_draw));
            m_sides.append(side);
        }
        return m_drawn;
    }

    Drawing m_draw;
    QIcon m_drawn;
    QList<int> m_sides;
};

} // namespace

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
    return QIcon(new DrawnIconEngine(draw));
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
