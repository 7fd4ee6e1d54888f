// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "snapshotstore.h"

#include <QtGlobal>

#include <array>

namespace {

// One random number per byte value for the rolling hash (splitmix64, fixed seed, so pieces
// are cut at the same places in every run).
constexpr std::array<quint64, 256> makeGear()
{
    std::array<quint64, 256> table{};
    quint64 state = 0x4f72766e65ULL;
    for (quint64 &value : table) {
        state += 0x9E3779B97F4A7C15ULL;
        quint64 z = state;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        value = z ^ (z >> 31);
    }
    return table;
}

constexpr std::array<quint64, 256> kGear = makeGear();

// A cut where the hash's top 13 bits are zero: one place in 8192 on average. The top bits
// depend on the last 64 bytes; the low ones only on the last few.
constexpr int kCutBits = 13;

} // namespace

qsizetype SnapshotStore::pieceLength(QByteArrayView bytes)
{
    const qsizetype end = qMin(bytes.size(), kMaxPiece);
    if (end <= kMinPiece)
        return end;
    const auto *data = reinterpret_cast<const quint8 *>(bytes.data());
    quint64 hash = 0;
    // The hash at kMinPiece already covers the 64 bytes before it.
    for (qsizetype i = kMinPiece - 64; i < end; ++i) {
        hash = (hash << 1) + kGear[data[i]];
        if (i >= kMinPiece && (hash >> (64 - kCutBits)) == 0)
            return i + 1;
    }
    return end;
}

SnapshotStore::Snapshot SnapshotStore::add(QByteArrayView bytes)
{
    Snapshot snapshot;
    snapshot.size = bytes.size();
    while (!bytes.isEmpty()) {
        const qsizetype length = pieceLength(bytes);
        snapshot.pieces.push_back(addPiece(bytes.first(length)));
        bytes = bytes.sliced(length);
    }
    return snapshot;
}

quint64 SnapshotStore::addPiece(QByteArrayView bytes)
{
    const size_t hash = qHash(bytes);
    for (auto it = m_byHash.constFind(hash); it != m_byHash.cend() && it.key() == hash; ++it) {
        Piece &piece = m_pieces.at(it.value());
        if (QByteArrayView(piece.bytes) == bytes) {
            ++piece.users;
            return it.value();
        }
    }
    const quint64 id = m_nextId++;
    m_pieces.emplace(id, Piece{bytes.toByteArray(), hash, 1});
    m_byHash.insert(hash, id);
    m_storedBytes += bytes.size();
    return id;
}

void SnapshotStore::release(const Snapshot &snapshot)
{
    for (quint64 id : snapshot.pieces) {
        auto it = m_pieces.find(id);
        Q_ASSERT(it != m_pieces.end());
        if (--it->second.users > 0)
            continue;
        m_storedBytes -= it->second.bytes.size();
        m_byHash.remove(it->second.hash, id);
        m_pieces.erase(it);
    }
}

QByteArray SnapshotStore::bytes(const Snapshot &snapshot) const
{
    QByteArray result;
    result.reserve(snapshot.size);
    for (quint64 id : snapshot.pieces)
        result += m_pieces.at(id).bytes;
    return result;
}
