// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "icons/iconlistview.h"

// The older icon list box: cells only 2 pixels larger than an icon and an orientation
// instead of a size in icons. No window shows one; the day cells still take its drags.
class TGIconListBox : public IconListView
{
    Q_OBJECT

public:
    enum TListBoxOrientation { lbHorizontal, lbVertical };

    explicit TGIconListBox(QWidget *parent = nullptr);

    TListBoxOrientation Orientation() const { return m_orientation; }
    // Changing it only repaints.
    void SetOrientation(TListBoxOrientation orientation);

private:
    TListBoxOrientation m_orientation = lbVertical;
};
