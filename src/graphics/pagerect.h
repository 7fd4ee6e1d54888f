// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>

// A rectangle as the page geometry uses it: right and bottom are the first column and
// row outside the box, as rectangle filling treats them.
struct PageRect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    // Left and top edges belong to the rectangle, right and bottom edges do not.
    bool contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
    bool isAllZero() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
    QRect toQRect() const { return QRect(left, top, right - left, bottom - top); }
    static PageRect fromQRect(const QRect &r)
    {
        return {r.left(), r.top(), r.left() + r.width(), r.top() + r.height()};
    }

    friend bool operator==(const PageRect &, const PageRect &) = default;
};
