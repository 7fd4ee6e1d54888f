// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractListModel>
#include <QCache>
#include <QHash>
#include <QPixmap>
#include <QSet>
#include <QStringList>

#include <memory>
#include <vector>

// The picture files of a folder and all the folders below it (a clip-art library holds
// thousands), as a list with thumbnails, narrowed by a filter as it is typed.
//
// Thumbnails are drawn on the thread pool, the ones asked for last first (those the view
// shows now), and reach the model through its event loop; until then, and for files that give
// no picture, a view gets an empty picture of the same size. A limited number of thumbnails are kept and the others drawn again
// when shown again. Work queued for a model that is gone is dropped.
class ClipArtModel : public QAbstractListModel
{
    Q_OBJECT

public:
    static constexpr int ThumbnailSide = 64;
    // Libraries larger than this are listed in part.
    static constexpr int MaxFiles = 50000;

    explicit ClipArtModel(QObject *parent = nullptr);
    ~ClipArtModel() override;

    // Lists the files under folder whose names match one of the patterns (compared without
    // regard to case; empty for all files), sorted by their paths below it. Links to folders
    // are not followed.
    void setFolder(const QString &folder, const QStringList &patterns);
    QString folder() const { return m_folder; }
    // Shows only the files whose path below the folder holds every word of text, without
    // regard to case; an empty text shows all.
    void setFilter(const QString &text);
    QString filter() const { return m_filterText; }
    // All the files listed, shown or not.
    int fileCount() const { return int(m_files.size()); }

    QString filePath(const QModelIndex &index) const;
    QModelIndex indexOf(const QString &path) const;
    // Whether thumbnails asked for are still being drawn.
    bool drawingThumbnails() const;

    int rowCount(const QModelIndex &parent = {}) const override;
    QVariant data(const QModelIndex &index, int role) const override;

private:
    struct File
    {
        QString path;
        QString relative;
        QString key; // relative, lower case: what the filter looks in
    };
    class Queue;

    static const QPixmap &placeholder();
    void applyFilter();
    void requestThumbnail(const QString &path) const;
    void thumbnailDrawn(const QString &path, const QImage &thumbnail);

    QString m_folder;
    std::vector<File> m_files;
    QHash<QString, int> m_fileIndex;
    // The files shown, by their index in m_files; and each file's row, or -1.
    std::vector<int> m_shown;
    std::vector<int> m_rowOf;
    QString m_filterText;
    std::shared_ptr<Queue> m_queue;
    mutable QCache<QString, QPixmap> m_thumbnails;
    mutable QSet<QString> m_requested;
    QSet<QString> m_unreadable;
};
