// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QHash>

#include <unordered_map>
#include <vector>

// Keeps many versions of one document's bytes, each stored part once. A snapshot is cut
// into pieces where its content says so (a rolling hash over the last bytes), not at fixed
// offsets, so an edit that shifts the bytes after it still leaves the later pieces equal to
// those of earlier snapshots. A step that changes one cell of a document holding a large
// photo then costs a few pieces, not another copy of the photo.
class SnapshotStore
{
public:
    // Identifies one version; equal lists mean equal bytes.
    struct Snapshot
    {
        std::vector<quint64> pieces;
        qint64 size = 0;
        friend bool operator==(const Snapshot &, const Snapshot &) = default;
    };

    // Pieces are cut between these sizes, about every 8 KiB on average.
    static constexpr qsizetype kMinPiece = 2 * 1024;
    static constexpr qsizetype kMaxPiece = 64 * 1024;

    // Stores the bytes; each call must be paired with one release() of its result.
    Snapshot add(QByteArrayView bytes);
    void release(const Snapshot &snapshot);
    QByteArray bytes(const Snapshot &snapshot) const;

    // The bytes of the distinct pieces held: what the snapshots cost together.
    qint64 storedBytes() const { return m_storedBytes; }
    size_t pieceCount() const { return m_pieces.size(); }

    // Where the piece starting at the front of bytes ends.
    static qsizetype pieceLength(QByteArrayView bytes);

private:
    struct Piece
    {
        QByteArray bytes;
        size_t hash = 0;
        int users = 0;
    };

    quint64 addPiece(QByteArrayView bytes);

    std::unordered_map<quint64, Piece> m_pieces;
    QMultiHash<size_t, quint64> m_byHash;
    quint64 m_nextId = 0;
    qint64 m_storedBytes = 0;
};
