// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconlistview.h"

#include "images/iconlibrary.h"

#include <QApplication>
#include <QFileInfo>
#include <QPainter>
#include <QStyledItemDelegate>

namespace {

// Fills the cell and draws the icon centred in it; the item's text is never drawn.
class IconItemDelegate : public QStyledItemDelegate
{
public:
    IconItemDelegate(QSize cell, QObject *parent) : QStyledItemDelegate(parent), m_cell(cell) {}

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override
    {
        const bool selected = option.state.testFlag(QStyle::State_Selected);
        painter->fillRect(option.rect, selected ? option.palette.highlight() : option.palette.base());
        QImage icon = qvariant_cast<QImage>(index.data(Qt::DecorationRole));
        if (icon.isNull())
            return; // an icon that cannot be read leaves its cell empty
        const QSize system = IconLibrary::desktopIconSize();
        if (icon.width() > system.width() || icon.height() > system.height())
            icon = icon.scaled(system, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        // Icons are square: both offsets come from the width.
        const int offset = (option.rect.width() - icon.width()) / 2;
        const int top = (option.rect.height() - icon.width()) / 2;
        painter->drawImage(option.rect.left() + offset, option.rect.top() + top, icon);
    }

    QSize sizeHint(const QStyleOptionViewItem &, const QModelIndex &) const override { return m_cell; }

private:
    QSize m_cell;
};

} // namespace

IconListView::IconListView(int cellMargin, QWidget *parent)
    : QListView(parent), m_model(new IconListModel(this)), m_cellMargin(cellMargin)
{
    setModel(m_model);
    setItemDelegate(new IconItemDelegate(QSize(columnWidth(), itemHeight()), this));
    setViewMode(QListView::ListMode);
    setFlow(QListView::TopToBottom);
    setWrapping(true);
    setResizeMode(QListView::Adjust);
    setUniformItemSizes(true);
    setGridSize(QSize(columnWidth(), itemHeight()));
    setSpacing(0);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setDragEnabled(true);
    setDragDropMode(QAbstractItemView::DragOnly);
    setDefaultDropAction(Qt::CopyAction);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    applyAutoDisable();
}

QSize IconListView::systemIconSize()
{
    return IconLibrary::desktopIconSize();
}

int IconListView::itemHeight() const
{
    return systemIconSize().height() + m_cellMargin;
}

int IconListView::columnWidth() const
{
    return systemIconSize().width() + m_cellMargin;
}

void IconListView::SetFileName(const QString &fileName)
{
    if (m_fileName.compare(fileName, Qt::CaseInsensitive) == 0)
        return;
    m_fileName = fileName;
    reload();
    emit fileChange();
}

void IconListView::SetAutoDisable(bool on)
{
    if (m_autoDisable == on)
        return;
    m_autoDisable = on;
    applyAutoDisable();
}

void IconListView::SetEnableCaching(bool on)
{
    if (m_enableCaching == on)
        return;
    m_enableCaching = on;
    if (!on)
        reload();
}

void IconListView::applyAutoDisable()
{
    setEnabled(!m_autoDisable || (!m_fileName.isEmpty() && QFileInfo(m_fileName).isFile()));
}

void IconListView::reload()
{
    m_model->clear();
    applyAutoDisable();
    if (m_fileName.isEmpty() || !QFileInfo(m_fileName).isFile())
        return;
    if (!m_enableCaching)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    m_model->load(m_fileName, !m_enableCaching);
    if (m_model->rowCount() > 0)
        setCurrentIndex(m_model->index(0));
    if (!m_enableCaching)
        QApplication::restoreOverrideCursor();
}

int IconListView::selectedIndex() const
{
    const QModelIndexList selected = selectionModel()->selectedIndexes();
    return selected.isEmpty() ? -1 : selected.constFirst().row();
}

QImage IconListView::selectedIcon() const
{
    return m_model->icon(selectedIndex());
}
