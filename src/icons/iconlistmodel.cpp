// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "iconlistmodel.h"

#include "icons/icondrag.h"
#include "images/iconlibrary.h"

#include <QFileInfo>
#include <QMimeData>

IconListModel::Reader IconListModel::libraryReader()
{
    return {&IconLibrary::iconCount,
            [](const QString &path, int index) { return IconLibrary::icon(path, index); }};
}

IconListModel::IconListModel(QObject *parent) : QAbstractListModel(parent), m_reader(libraryReader())
{
}

void IconListModel::setReader(Reader reader)
{
    m_reader = std::move(reader);
}

void IconListModel::clear()
{
    beginResetModel();
    m_icons.clear();
    m_count = -1;
    m_path.clear();
    endResetModel();
}

void IconListModel::load(const QString &path, bool readNow)
{
    clear();
    if (path.isEmpty() || !QFileInfo(path).isFile())
        return;
    // A reader that reports nonsense must not make the list huge or negative.
    const int count = qBound(0, m_reader.count ? m_reader.count(path) : 0, 0xFFFF);
    beginResetModel();
    m_path = path;
    m_count = count;
    m_icons.assign(size_t(count), std::nullopt);
    endResetModel();
    if (readNow) {
        for (int index = 0; index < count; ++index)
            icon(index);
    }
}

QImage IconListModel::icon(int index) const
{
    if (index < 0 || size_t(index) >= m_icons.size())
        return {};
    std::optional<QImage> &slot = m_icons[size_t(index)];
    if (!slot) {
        ++m_reads;
        slot = m_reader.icon ? m_reader.icon(m_path, index) : QImage();
    }
    return *slot;
}

bool IconListModel::isRead(int index) const
{
    return index >= 0 && size_t(index) < m_icons.size() && m_icons[size_t(index)].has_value();
}

int IconListModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_icons.size());
}

QVariant IconListModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount())
        return {};
    switch (role) {
    case Qt::DisplayRole:
        return QString::number(index.row());
    case Qt::DecorationRole:
        return icon(index.row());
    default:
        return {};
    }
}

Qt::ItemFlags IconListModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled;
}

QStringList IconListModel::mimeTypes() const
{
    return {IconDrag::mimeType()};
}

QMimeData *IconListModel::mimeData(const QModelIndexList &indexes) const
{
    if (indexes.isEmpty() || !indexes.constFirst().isValid())
        return nullptr;
    const int row = indexes.constFirst().row();
    const QImage picture = icon(row);
    if (picture.isNull())
        return nullptr;
    return IconDrag::createMimeData(picture, m_path, row);
}

Qt::DropActions IconListModel::supportedDragActions() const
{
    return Qt::CopyAction;
}
