// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// Draws the lines of a multiple-choice list of recurring dates: the line with the focus white
// on black, the others black on the list's background; a chosen line shows a check mark at
// its left edge, and the text starts 5 pixels right of the mark's width either way.
class CheckMarkDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    static constexpr int MarkSize = 16;
    static constexpr int TextGap = 5;

    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

    // The 16 x 16 check mark on a transparent background: white for the focused line's
    // black background, black otherwise.
    static QPixmap checkMark(bool onBlack);
};
