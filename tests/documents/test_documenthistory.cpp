// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "documents/documenthistory.h"

#include <QRandomGenerator>

#include <set>

namespace {

QByteArray noise(qsizetype size, quint32 seed)
{
    QByteArray bytes(size, Qt::Uninitialized);
    QRandomGenerator(seed).fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// A document that is just its bytes; restoring reports a change, as the real page does.
struct FakeDocument {
    QByteArray bytes = "v0";
    DocumentHistory history{[this] { return bytes; },
                            [this](const QByteArray &snapshot) {
                                bytes = snapshot;
                                history.recordChange();
                            }};
    void change(const QByteArray &next)
    {
        bytes = next;
        history.recordChange();
    }
};

} // namespace

TEST(DocumentHistory, UndoAndRedoWalkTheRecordedStates)
{
    FakeDocument doc;
    doc.history.reset();
    EXPECT_FALSE(doc.history.canUndo());
    doc.change("v1");
    doc.change("v1"); // no change, no step
    doc.change("v2");
    EXPECT_EQ(doc.history.stepCount(), 3u);
    ASSERT_TRUE(doc.history.undo());
    EXPECT_EQ(doc.bytes, "v1");
    ASSERT_TRUE(doc.history.undo());
    EXPECT_EQ(doc.bytes, "v0");
    EXPECT_FALSE(doc.history.undo());
    ASSERT_TRUE(doc.history.redo());
    EXPECT_EQ(doc.bytes, "v1");
    // A change after undoing drops what could have been redone.
    doc.change("w2");
    EXPECT_FALSE(doc.history.canRedo());
    ASSERT_TRUE(doc.history.undo());
    EXPECT_EQ(doc.bytes, "v1");
    EXPECT_EQ(doc.history.stepCount(), 3u);
}

TEST(DocumentHistory, TheSavedStateIsKnownWhereverUndoLeads)
{
    FakeDocument doc;
    doc.history.reset();
    EXPECT_TRUE(doc.history.isSaved());
    doc.change("v1");
    EXPECT_FALSE(doc.history.isSaved());
    doc.history.undo();
    EXPECT_TRUE(doc.history.isSaved());
    doc.history.redo();
    doc.history.markSaved();
    doc.change("v2");
    doc.history.undo();
    EXPECT_TRUE(doc.history.isSaved());
    doc.history.undo();
    EXPECT_FALSE(doc.history.isSaved());
    // Replacing the saved state's future with other changes makes it unreachable.
    doc.change("x1");
    doc.history.undo();
    EXPECT_FALSE(doc.history.isSaved());
    EXPECT_EQ(doc.bytes, "v0");
}

TEST(DocumentHistory, StepsAndBytesAreBounded)
{
    FakeDocument doc;
    doc.history.reset();
    for (int i = 1; i <= 150; ++i)
        doc.change(QByteArray::number(i));
    EXPECT_EQ(doc.history.stepCount(), size_t(DocumentHistory::kMaxSteps) + 1);
    int undone = 0;
    while (doc.history.undo())
        ++undone;
    EXPECT_EQ(undone, DocumentHistory::kMaxSteps);
    EXPECT_EQ(doc.bytes, "50");
    EXPECT_FALSE(doc.history.isSaved());

    // Each state differs throughout, so nothing is shared between them.
    FakeDocument large;
    large.history.reset();
    const qsizetype size = 20 * 1024 * 1024;
    for (quint32 seed = 1; seed <= 5; ++seed)
        large.change(noise(size, seed));
    EXPECT_LE(large.history.byteCount(), DocumentHistory::kMaxBytes);
    EXPECT_EQ(large.history.stepCount(), 3u);
    large.history.undo();
    large.history.undo();
    EXPECT_EQ(large.bytes, noise(size, 3));
    EXPECT_FALSE(large.history.canUndo());
}

TEST(DocumentHistory, StepsOfALargeDocumentCostWhatTheyChanged)
{
    // A 60 MB document with a small edit near its start and one near its end: the steps
    // share everything else, so both fit under the bound and can be undone.
    const qsizetype size = 60 * 1024 * 1024;
    const QByteArray original = noise(size, 7);
    FakeDocument doc;
    doc.bytes = original;
    doc.history.reset();
    QByteArray edited = original;
    edited.insert(1000, "typed into a cell");
    doc.change(edited);
    QByteArray again = edited;
    again.remove(size - 5000, 300);
    doc.change(again);
    EXPECT_EQ(doc.history.stepCount(), 3u);
    EXPECT_LT(doc.history.byteCount(), size + 4 * SnapshotStore::kMaxPiece);
    ASSERT_TRUE(doc.history.undo());
    EXPECT_EQ(doc.bytes, edited);
    ASSERT_TRUE(doc.history.undo());
    EXPECT_EQ(doc.bytes, original);
    ASSERT_TRUE(doc.history.redo());
    EXPECT_EQ(doc.bytes, edited);
}

TEST(SnapshotStore, EveryVersionComesBackAsItWas)
{
    SnapshotStore store;
    std::vector<std::pair<QByteArray, SnapshotStore::Snapshot>> kept;
    for (qsizetype size : {qsizetype(0), qsizetype(1), SnapshotStore::kMinPiece,
                           SnapshotStore::kMaxPiece + 1, qsizetype(3 * 1024 * 1024 + 5)}) {
        QByteArray bytes = noise(size + 3, quint32(size)).left(size);
        kept.emplace_back(bytes, store.add(bytes));
    }
    // A run of one byte value has no place to cut but the longest piece.
    const QByteArray run(1024 * 1024, 'x');
    kept.emplace_back(run, store.add(run));
    for (const auto &[bytes, snapshot] : kept)
        EXPECT_EQ(store.bytes(snapshot), bytes) << bytes.size();
    // The run's sixteen equal pieces are held once.
    EXPECT_EQ(std::set<quint64>(kept.back().second.pieces.begin(), kept.back().second.pieces.end()).size(),
              1u);
}

TEST(SnapshotStore, SharedPiecesStayUntilTheirLastUserGoes)
{
    SnapshotStore store;
    const QByteArray base = noise(2 * 1024 * 1024, 11);
    QByteArray shifted = base;
    shifted.prepend("a few bytes more at the front");
    const SnapshotStore::Snapshot first = store.add(base);
    const qint64 alone = store.storedBytes();
    EXPECT_EQ(alone, base.size());
    const SnapshotStore::Snapshot second = store.add(shifted);
    // Pieces are cut by content, so a shift changes only the first piece or two.
    EXPECT_LT(store.storedBytes() - alone, 2 * SnapshotStore::kMaxPiece);
    store.release(first);
    EXPECT_EQ(store.bytes(second), shifted);
    EXPECT_EQ(store.storedBytes(), shifted.size());
    store.release(second);
    EXPECT_EQ(store.storedBytes(), 0);
    EXPECT_EQ(store.pieceCount(), 0u);
}
