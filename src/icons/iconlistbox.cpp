// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconlistbox.h"

#include <QScrollBar>
#include <QStyle>

namespace {

constexpr int kCellMargin = 6;

} // namespace

TIconListBox::TIconListBox(QWidget *parent) : IconListView(kCellMargin, parent)
{
    sizeToIcons();
}

void TIconListBox::SetXIcons(int columns)
{
    if (columns < 1 || columns == m_xIcons)
        return;
    m_xIcons = columns;
    sizeToIcons();
}

void TIconListBox::SetYIcons(int rows)
{
    if (rows < 1 || rows == m_yIcons)
        return;
    m_yIcons = rows;
    sizeToIcons();
}

void TIconListBox::sizeToIcons()
{
    const int wanted = columnWidth() * m_xIcons + 2;
    // A control narrower than its columns scrolls sideways, so room for the bar is kept.
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, this);
    const int height = width() < wanted ? itemHeight() * m_yIcons + scrollBar + 1
                                        : itemHeight() * m_yIcons + 3;
    resize(wanted, height);
}
