// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringlinedelegate.h"

#include <QPainter>

QFont RecurringLineDelegate::lineFont()
{
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(FontPixelSize);
    return font;
}

void RecurringLineDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                                  const QModelIndex &index) const
{
    const bool selected = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, option.palette.color(selected ? QPalette::Highlight
                                                                 : QPalette::Base));
    painter->setPen(selected ? option.palette.color(QPalette::HighlightedText) : QColor(Qt::black));
    painter->setFont(lineFont());
    painter->drawText(option.rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize RecurringLineDelegate::sizeHint(const QStyleOptionViewItem &, const QModelIndex &index) const
{
    const QFontMetrics metrics(lineFont());
    return {metrics.horizontalAdvance(index.data(Qt::DisplayRole).toString()), LineHeight};
}
