// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "selectionmarks.h"

#include "graphics/canvas.h"

namespace {

constexpr int MarkSize = 5;
constexpr int Grow = 2;

PageRect square(int left, int top)
{
    return {left, top, left + MarkSize, top + MarkSize};
}

} // namespace

std::vector<PageRect> selectionMarkRects(const QRect &bounds, bool singleSelection)
{
    const PageRect r{bounds.left() - Grow, bounds.top() - Grow,
                     bounds.left() + bounds.width() + Grow, bounds.top() + bounds.height() + Grow};
    std::vector<PageRect> marks{square(r.left, r.top), square(r.right - MarkSize, r.top),
                                square(r.right - MarkSize, r.bottom - MarkSize),
                                square(r.left, r.bottom - MarkSize)};
    if (singleSelection) {
        const int midX = r.left + r.width() / 2 - 2;
        const int midY = r.top + r.height() / 2 - 2;
        marks.push_back(square(midX, r.top));
        marks.push_back(square(midX, r.bottom - MarkSize));
        marks.push_back(square(r.left, midY));
        marks.push_back(square(r.right - MarkSize, midY));
    }
    return marks;
}

void paintSelectionMarks(Canvas &canvas, const QRect &bounds, bool singleSelection,
                         TColor color)
{
    canvas.setBrush(color);
    for (const PageRect &mark : selectionMarkRects(bounds, singleSelection))
        canvas.fillRect(mark);
}
