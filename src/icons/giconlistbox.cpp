// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "giconlistbox.h"

namespace {

constexpr int kCellMargin = 2;

} // namespace

TGIconListBox::TGIconListBox(QWidget *parent) : IconListView(kCellMargin, parent) {}

void TGIconListBox::SetOrientation(TListBoxOrientation orientation)
{
    if (m_orientation == orientation)
        return;
    m_orientation = orientation;
    viewport()->update();
}
