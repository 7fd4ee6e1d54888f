// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "checkmarkdelegate.h"

#include <QPainter>
#include <QPainterPath>

#include <algorithm>

namespace {

QPixmap drawCheckMark(const QColor &color)
{
    QPixmap pixmap(CheckMarkDelegate::MarkSize, CheckMarkDelegate::MarkSize);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(color, 2.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QPainterPath tick;
    tick.moveTo(3, 8.5);
    tick.lineTo(6.5, 12);
    tick.lineTo(13, 4);
    painter.drawPath(tick);
    return pixmap;
}

} // namespace

QPixmap CheckMarkDelegate::checkMark(bool onBlack)
{
    static const QPixmap white = drawCheckMark(Qt::white);
    static const QPixmap black = drawCheckMark(Qt::black);
    return onBlack ? white : black;
}

void CheckMarkDelegate::paint(QPainter *painter, const QStyleOptionViewItem &option,
                              const QModelIndex &index) const
{
    const bool focused = option.state.testFlag(QStyle::State_HasFocus);
    const bool chosen = option.state.testFlag(QStyle::State_Selected);
    painter->save();
    painter->fillRect(option.rect, focused ? QColor(Qt::black) : option.palette.color(QPalette::Base));
    if (chosen)
        painter->drawPixmap(option.rect.left(), option.rect.top(), checkMark(focused));
    painter->setFont(option.font);
    painter->setPen(focused ? Qt::white : Qt::black);
    const QRect textRect = option.rect.adjusted(MarkSize + TextGap, 0, 0, 0);
    painter->drawText(textRect, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine,
                      index.data(Qt::DisplayRole).toString());
    painter->restore();
}

QSize CheckMarkDelegate::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString text = index.data(Qt::DisplayRole).toString();
    const QFontMetrics metrics(option.font);
    return {MarkSize + TextGap + metrics.horizontalAdvance(text),
            std::max(MarkSize, metrics.height())};
}
