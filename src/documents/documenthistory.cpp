// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documenthistory.h"

#include <QScopedValueRollback>

namespace {
constexpr size_t NoState = size_t(-1);
}

DocumentHistory::DocumentHistory(Capture capture, Restore restore)
    : m_capture(std::move(capture)), m_restore(std::move(restore))
{
}

void DocumentHistory::reset(bool saved)
{
    while (!m_states.empty())
        dropLast();
    m_states.push_back(m_store.add(m_capture()));
    m_current = 0;
    m_saved = saved ? 0 : NoState;
}

void DocumentHistory::recordChange()
{
    // Restoring a snapshot changes the document too; that is not a new step.
    if (m_restoring)
        return;
    if (m_states.empty()) {
        // Nothing to go back to yet: this state is the start.
        reset(false);
        return;
    }
    SnapshotStore::Snapshot state = m_store.add(m_capture());
    if (state == m_states[m_current]) {
        m_store.release(state);
        return;
    }
    // A change after undoing drops the steps that could have been redone.
    while (m_states.size() > m_current + 1)
        dropLast();
    if (m_saved != NoState && m_saved > m_current)
        m_saved = NoState;
    m_states.push_back(std::move(state));
    m_current = m_states.size() - 1;
    trim();
}

void DocumentHistory::markSaved()
{
    m_saved = m_current;
}

bool DocumentHistory::undo()
{
    if (!canUndo())
        return false;
    --m_current;
    QScopedValueRollback restoring(m_restoring, true);
    m_restore(m_store.bytes(m_states[m_current]));
    return true;
}

bool DocumentHistory::redo()
{
    if (!canRedo())
        return false;
    ++m_current;
    QScopedValueRollback restoring(m_restoring, true);
    m_restore(m_store.bytes(m_states[m_current]));
    return true;
}

void DocumentHistory::trim()
{
    // The current state always stays, however large it is.
    while (m_states.size() > 1
           && (m_states.size() > size_t(kMaxSteps) + 1 || byteCount() > kMaxBytes)) {
        m_store.release(m_states.front());
        m_states.pop_front();
        --m_current;
        m_saved = m_saved == 0 || m_saved == NoState ? NoState : m_saved - 1;
    }
}

void DocumentHistory::dropLast()
{
    m_store.release(m_states.back());
    m_states.pop_back();
}
