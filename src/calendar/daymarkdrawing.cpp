// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "daymarkdrawing.h"

#include "graphics/canvas.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <cmath>

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

void drawMoonSymbol(Canvas &canvas, MoonPhase phase, const PageRect &square, TColor colour)
{
    if (phase == MoonPhase::None || square.width() < MinimumMarkSide)
        return;
    QPainter &painter = canvas.painter();
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, true);
    const QColor ink = Colors::toQColor(colour);
    const qreal pen = std::max(1.0, square.width() / 10.0);
    // The circle runs inside the square, its stroke included.
    const QRectF disc = QRectF(square.left, square.top, square.width(), square.height())
                            .adjusted(pen / 2, pen / 2, -pen / 2, -pen / 2);
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
    painter.restore();
}
