// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "clipartmodel.h"

#include "images/picture.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QMutex>
#include <QMutexLocker>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <deque>

namespace {

// About 1500 thumbnails of 16 KB.
constexpr int ThumbnailCacheKilobytes = 24 * 1024;

} // namespace

// The thumbnails waiting to be drawn and the workers drawing them, shared with the workers
// so it outlives a model that goes while they draw. The model is told of each thumbnail
// through its event loop while it lives; once closed, nothing more is drawn or told.
class ClipArtModel::Queue : public std::enable_shared_from_this<Queue>
{
public:
    explicit Queue(ClipArtModel *receiver) : m_receiver(receiver) {}

    void push(const QString &path)
    {
        const QMutexLocker lock(&m_mutex);
        m_waiting.push_front(path);
        ++m_undelivered;
        if (m_workers >= maxWorkers())
            return;
        ++m_workers;
        QThreadPool::globalInstance()->start([self = shared_from_this()] { self->work(); });
    }

    // Forgets what no worker has started on; returns those paths.
    QStringList dropWaiting()
    {
        const QMutexLocker lock(&m_mutex);
        const QStringList dropped(m_waiting.begin(), m_waiting.end());
        m_undelivered -= int(m_waiting.size());
        m_waiting.clear();
        return dropped;
    }

    void delivered()
    {
        const QMutexLocker lock(&m_mutex);
        --m_undelivered;
    }

    bool busy() const
    {
        const QMutexLocker lock(&m_mutex);
        return m_undelivered > 0;
    }

    void close()
    {
        const QMutexLocker lock(&m_mutex);
        m_receiver = nullptr;
        m_waiting.clear();
    }

private:
    static int maxWorkers()
    {
        // One core stays with the window.
        return std::max(1, QThread::idealThreadCount() - 1);
    }

    void work()
    {
        for (;;) {
            QString path;
            {
                const QMutexLocker lock(&m_mutex);
                if (!m_receiver || m_waiting.empty()) {
                    --m_workers;
                    return;
                }
                path = m_waiting.front();
                m_waiting.pop_front();
            }
            const QImage thumbnail = pictureThumbnail(path, QSize(ThumbnailSide, ThumbnailSide));
            const QMutexLocker lock(&m_mutex);
            // Posting under the lock: the model closes the queue under it before it goes.
            if (ClipArtModel *receiver = m_receiver) {
                QMetaObject::invokeMethod(
                    receiver, [receiver, path, thumbnail] { receiver->thumbnailDrawn(path, thumbnail); },
                    Qt::QueuedConnection);
            }
        }
    }

    mutable QMutex m_mutex;
    ClipArtModel *m_receiver;
    std::deque<QString> m_waiting;
    int m_workers = 0;
    int m_undelivered = 0;
};

ClipArtModel::ClipArtModel(QObject *parent)
    : QAbstractListModel(parent), m_queue(std::make_shared<Queue>(this)), m_thumbnails(ThumbnailCacheKilobytes)
{
}

ClipArtModel::~ClipArtModel()
{
    m_queue->close();
}

void ClipArtModel::setFolder(const QString &folder, const QStringList &patterns)
{
    beginResetModel();
    m_folder = QDir::cleanPath(folder);
    m_files.clear();
    // The iterator's paths start with the folder as given, so the rest is the path below it.
    const qsizetype prefix = m_folder.size() + (m_folder.endsWith(u'/') ? 0 : 1);
    QDirIterator it(m_folder, patterns, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext() && int(m_files.size()) < MaxFiles) {
        const QString path = it.next();
        const QString relative = path.mid(prefix);
        m_files.push_back({path, relative, relative.toLower()});
    }
    std::sort(m_files.begin(), m_files.end(), [](const File &a, const File &b) { return a.key < b.key; });
    m_fileIndex.clear();
    for (size_t i = 0; i < m_files.size(); ++i)
        m_fileIndex.insert(m_files[i].path, int(i));
    applyFilter();
    endResetModel();
}

void ClipArtModel::setFilter(const QString &text)
{
    if (text == m_filterText)
        return;
    beginResetModel();
    m_filterText = text;
    applyFilter();
    endResetModel();
}

void ClipArtModel::applyFilter()
{
    const QStringList words = m_filterText.toLower().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    m_shown.clear();
    m_rowOf.assign(m_files.size(), -1);
    for (size_t i = 0; i < m_files.size(); ++i) {
        const QString &key = m_files[i].key;
        if (std::all_of(words.begin(), words.end(), [&key](const QString &word) { return key.contains(word); })) {
            m_rowOf[i] = int(m_shown.size());
            m_shown.push_back(int(i));
        }
    }
    // What was waiting to be drawn may be hidden now; the view asks again for what it shows.
    for (const QString &path : m_queue->dropWaiting())
        m_requested.remove(path);
}

QString ClipArtModel::filePath(const QModelIndex &index) const
{
    if (!index.isValid() || index.row() >= int(m_shown.size()))
        return {};
    return m_files[size_t(m_shown[size_t(index.row())])].path;
}

QModelIndex ClipArtModel::indexOf(const QString &path) const
{
    const int file = m_fileIndex.value(QDir::cleanPath(path), -1);
    return file < 0 || m_rowOf[size_t(file)] < 0 ? QModelIndex() : index(m_rowOf[size_t(file)]);
}

bool ClipArtModel::drawingThumbnails() const
{
    return m_queue->busy();
}

int ClipArtModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_shown.size());
}

QVariant ClipArtModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_shown.size()))
        return {};
    const File &file = m_files[size_t(m_shown[size_t(index.row())])];
    switch (role) {
    case Qt::DisplayRole:
        return QFileInfo(file.relative).completeBaseName();
    case Qt::ToolTipRole:
        return file.relative;
    case Qt::DecorationRole:
        if (const QPixmap *thumbnail = m_thumbnails.object(file.path))
            return *thumbnail;
        if (!m_unreadable.contains(file.path))
            requestThumbnail(file.path);
        // An empty picture of the thumbnail's size, so every item is laid out alike.
        return placeholder();
    default:
        return {};
    }
}

const QPixmap &ClipArtModel::placeholder()
{
    static const QPixmap empty = [] {
        QPixmap pixmap(ThumbnailSide, ThumbnailSide);
        pixmap.fill(Qt::transparent);
        return pixmap;
    }();
    return empty;
}

void ClipArtModel::requestThumbnail(const QString &path) const
{
    if (m_requested.contains(path))
        return;
    m_requested.insert(path);
    m_queue->push(path);
}

void ClipArtModel::thumbnailDrawn(const QString &path, const QImage &thumbnail)
{
    m_queue->delivered();
    m_requested.remove(path);
    if (thumbnail.isNull())
        m_unreadable.insert(path);
    else
        m_thumbnails.insert(path, new QPixmap(QPixmap::fromImage(thumbnail)),
                            std::max<qsizetype>(1, thumbnail.sizeInBytes() / 1024));
    const QModelIndex shown = indexOf(path);
    if (shown.isValid())
        emit dataChanged(shown, shown, {Qt::DecorationRole});
}
