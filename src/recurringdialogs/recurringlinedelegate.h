// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QStyledItemDelegate>

// Draws a line of the recurring-dates list: its description in 12-pixel Arial at the top left
// of a 16-pixel line, in the highlight colours when selected, black on the list's background
// otherwise.
class RecurringLineDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int LineHeight = 16;
    static constexpr int FontPixelSize = 12;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    static QFont lineFont();
};
