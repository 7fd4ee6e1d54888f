// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "daymarkdrawing.h"

#include "graphics/canvas.h"

#include <QHashFunctions>
#include <QImage>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>
#include <unordered_map>

namespace {

// Smaller symbols cannot be told apart.
constexpr int MinimumMarkSide = 5;

PageRect squareAt(int left, int top, int side)
{
    if (side < MinimumMarkSide)
        return {};
    return {left, top, left + side, top + side};
}

} // namespace

PageRect moonMarkRect(const PageRect &numberBox, TCalendarNumberPosition position,
                      int cellLineHeight)
{
    const int byLine = static_cast<int>(std::trunc(0.6 * cellLineHeight));
    const int side = std::min({byLine, numberBox.height() / 4, numberBox.width() / 4});
    const int inset = std::max(2, side / 4);
    // Upper-right numbers leave the cell's box inset already; centred ones use the whole cell.
    const int left = numberBox.left + (position == cnpUpperRight ? 0 : inset);
    return squareAt(left, numberBox.top + inset, side);
}

PageRect plannerMoonMarkRect(const PlannerBoxGeometry &geometry, int row)
{
    const PageRect upper = geometry.upperLabel(row);
    const int side = std::min(geometry.rowHeight / 8, upper.width() / 8);
    const int inset = std::max(3, side / 2);
    return squareAt(upper.right - inset - side, upper.top + inset, side);
}

PageRect dayPlannerMoonMarkRect(const PlannerBoxGeometry &geometry)
{
    const PageRect &title = geometry.title;
    const int side = title.height() / 2;
    return squareAt(title.right - side - side / 2, title.top + (title.height() - side) / 2, side);
}

namespace {

// The symbol drawn as vectors into square: on paper and in PDF files it stays a shape.
void paintMoonSymbol(QPainter &painter, MoonPhase phase, const QRectF &square, const QColor &ink)
{
    const qreal pen = std::max(1.0, square.width() / 10.0);
    // The circle runs inside the square, its stroke included.
    const QRectF disc = square.adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
    painter.setPen(QPen(ink, pen));
    painter.setBrush(phase == MoonPhase::New ? QBrush(ink) : QBrush(Qt::white));
    painter.drawEllipse(disc);
    if (phase == MoonPhase::FirstQuarter || phase == MoonPhase::LastQuarter) {
        QPainterPath half;
        half.moveTo(disc.center().x(), disc.top());
        // Clockwise through the right side, anticlockwise through the left.
        half.arcTo(disc, 90, phase == MoonPhase::FirstQuarter ? -180 : 180);
        half.closeSubpath();
        painter.setPen(Qt::NoPen);
        painter.setBrush(ink);
        painter.drawPath(half);
    }
}

// The symbol as pixels, for images and the screen: smoothing the curves costs far more than
// copying the few pixels, and a page shows the same few symbols again and again.
const QImage &moonSymbolImage(MoonPhase phase, int side, TColor colour)
{
    struct Key
    {
        MoonPhase phase;
        int side;
        TColor colour;
        bool operator==(const Key &) const = default;
    };
    struct KeyHash
    {
        size_t operator()(const Key &key) const
        {
            return qHashMulti(0, int(key.phase), key.side, key.colour);
        }
    };
    thread_local std::unordered_map<Key, QImage, KeyHash> made;
    const Key key{phase, side, colour};
    if (const auto found = made.find(key); found != made.end())
        return found->second;
    // Zooming and printing ask for ever other sizes; a handful is all a page needs.
    if (made.size() >= 64)
        made.clear();
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, true);
        paintMoonSymbol(painter, phase, QRectF(0, 0, side, side), Colors::toQColor(colour));
    }
    return made.emplace(key, std::move(image)).first->second;
}

bool isPixelDevice(const QPainter &painter)
{
    const int type = painter.device() ? painter.device()->devType() : 0;
    return (type == QInternal::Image || type == QInternal::Pixmap)
           && painter.combinedTransform().type() <= QTransform::TxTranslate
           && painter.combinedTransform().dx() == std::trunc(painter.combinedTransform().dx())
           && painter.combinedTransform().dy() == std::trunc(painter.combinedTransform().dy());
}

} // namespace

void drawMoonSymbol(Canvas &canvas, MoonPhase phase, const PageRect &square, TColor colour)
{
    if (phase == MoonPhase::None || square.width() < MinimumMarkSide)
        return;
    QPainter &painter = canvas.painter();
    if (isPixelDevice(painter) && square.width() == square.height()) {
        painter.drawImage(QPoint(square.left, square.top), moonSymbolImage(phase, square.width(), colour));
        return;
    }
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    paintMoonSymbol(painter, phase, QRectF(square.left, square.top, square.width(), square.height()),
                    Colors::toQColor(colour));
    painter.restore();
}
