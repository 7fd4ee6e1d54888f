// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "shell/documenthistory.h"

namespace {

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

    FakeDocument large;
    large.history.reset();
    const qint64 size = 20LL * 1024 * 1024;
    for (char c : {'a', 'b', 'c', 'd', 'e'})
        large.change(QByteArray(size, c));
    EXPECT_LE(large.history.byteCount(), DocumentHistory::kMaxBytes);
    EXPECT_EQ(large.history.stepCount(), 3u);
    large.history.undo();
    large.history.undo();
    EXPECT_EQ(large.bytes.front(), 'c');
    EXPECT_FALSE(large.history.canUndo());
}
