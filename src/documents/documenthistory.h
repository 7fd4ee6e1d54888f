// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/snapshotstore.h"

#include <QByteArray>

#include <deque>
#include <functional>

// Undo and redo as whole-document snapshots: after every change the document is written
// into memory as saving would write it, and undoing reads an earlier snapshot back as
// opening would, without touching the file. Snapshots share the parts they have in common
// (a large picture is held once however many steps keep it), and are kept up to a number of
// steps and a number of stored bytes; the oldest go first.
class DocumentHistory
{
public:
    using Capture = std::function<QByteArray()>;
    using Restore = std::function<void(const QByteArray &snapshot)>;

    DocumentHistory(Capture capture, Restore restore);

    static constexpr int kMaxSteps = 100;
    static constexpr qint64 kMaxBytes = 64LL * 1024 * 1024;

    // A new or opened document: its state is the only one, and the saved one unless a new,
    // untitled document was never saved.
    void reset(bool saved = true);
    // Records the document as it is now after a change; nothing when it did not change.
    void recordChange();
    // The document was saved as it is now.
    void markSaved();

    bool canUndo() const { return m_current > 0; }
    bool canRedo() const { return m_current + 1 < m_states.size(); }
    // Steps back or forward; false when there is nothing to do.
    bool undo();
    bool redo();
    // Whether the document is as it was last saved (or opened).
    bool isSaved() const { return m_saved == m_current; }

    size_t stepCount() const { return m_states.size(); }
    // The bytes the kept snapshots hold, what they share counted once.
    qint64 byteCount() const { return m_store.storedBytes(); }

private:
    void trim();
    void dropLast();

    Capture m_capture;
    Restore m_restore;
    SnapshotStore m_store;
    std::deque<SnapshotStore::Snapshot> m_states;
    size_t m_current = 0;
    // Index of the saved state; npos when it was trimmed away or undone past and replaced.
    size_t m_saved = 0;
    bool m_restoring = false;
};
