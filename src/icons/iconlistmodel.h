// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QImage>

#include <functional>
#include <optional>
#include <vector>

// The icons of one icon file as list items: the text of an item is its index, its picture
// the icon, read from the file the first time it is asked for (drawn or dragged) unless
// the whole file was read at loading. The model owns the pictures it read.
class IconListModel : public QAbstractListModel
{
    Q_OBJECT

public:
    // How icon files are read; tests count and fake the reads.
    struct Reader {
        std::function<int(const QString &path)> count;
        std::function<QImage(const QString &path, int index)> icon;
    };
    static Reader libraryReader();

    explicit IconListModel(QObject *parent = nullptr);

    void setReader(Reader reader);
    // Empties the list; then, for an existing file, one item per icon, all read at once
    // when readNow is set.
    void load(const QString &path, bool readNow);
    void clear();

    // -1 while no file is loaded.
    int numberOfIcons() const { return m_count; }
    // The icon of an item, read now if it was not yet; null for a bad index or an icon
    // that could not be read.
    QImage icon(int index) const;
    bool isRead(int index) const;
    // How many icons have been read from files since the model was made.
    int readCount() const { return m_reads; }

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    QStringList mimeTypes() const override;
    QMimeData *mimeData(const QModelIndexList &indexes) const override;
    Qt::DropActions supportedDragActions() const override;

private:
    Reader m_reader;
    QString m_path;
    int m_count = -1;
    // One entry per item; empty until the icon has been read.
    mutable std::vector<std::optional<QImage>> m_icons;
    mutable int m_reads = 0;
};
