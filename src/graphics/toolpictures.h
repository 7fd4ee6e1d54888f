// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QIcon>
#include <QPixmap>

#include <functional>

class QBrush;
class QColor;
class QFont;
class QPainter;
class QRectF;
class QString;

// Tool bar pictures drawn in code, so they look the same with every icon theme. Each is
// drawn on a 24 x 24 grid and scaled to the size asked for.
namespace ToolPictures {

constexpr int kGrid = 24;
using Drawing = std::function<void(QPainter &)>;

QPixmap drawn(int size, const Drawing &draw);
// The drawing as an icon, drawn at each size when that size is first shown: a window full
// of tool buttons costs no drawing until it paints, and only at the sizes the screen needs.
QIcon icon(const Drawing &draw);

// A letter outlined in black and filled with brush, centred on the grid.
void drawLetter(QPainter &painter, const QString &letter, const QFont &font, const QBrush &brush);
// A small month: a white sheet in r with a title band of that colour and a grid of days.
void drawMonthGrid(QPainter &painter, const QRectF &r, const QColor &title);

} // namespace ToolPictures
