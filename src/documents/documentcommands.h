// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/documenthistory.h"
#include "documents/documenthost.h"
#include "documents/recoverycopy.h"

#include <QObject>
#include <QString>
#include <QTimer>

class PageModel;

// What makes the recovery copies: a timer every two minutes, or in tests a clock they fire
// themselves between keystrokes.
class RecoveryClock : public QObject
{
    Q_OBJECT
public:
    using QObject::QObject;
signals:
    void tick();
};

// The document commands of the main window: New, Open, Save, Save As, Cancel Changes
// and the save question. The document's name and modified flag live in the host window.
class DocumentCommands : public QObject
{
    Q_OBJECT
public:
    explicit DocumentCommands(DocumentHost &host, QObject *parent = nullptr);

    void New1Click();
    void Open1Click();
    void mnuSaveClick();
    void mnuSaveAsClick();
    void mnuCancelChangesClick();
    void SavebuttonClick();
    // Returns false when the user cancelled, so the caller must not go on.
    bool CheckSaveNeeded();
    // The window's close query: true when the window may close.
    bool FormCloseQuery();
    // Takes the path by value: callers pass the current file name, which opening clears.
    void OpenCalendarFile(QString path);
    bool SaveCalendarFile(QString path);

    // Undo and redo over whole-document snapshots: every change that marks the document
    // modified is recorded; opening or creating a document starts the history anew, and
    // saving marks the state that is not modified.
    // One user action often reports several changes (a drag moves every selected object),
    // so the changes of one turn of the event loop make one step.
    void recordChange();
    bool canUndo() const { return m_changePending || m_history.canUndo(); }
    bool canRedo() const { return !m_changePending && m_history.canRedo(); }
    const DocumentHistory &history() const { return m_history; }
    // Records a change that is still waiting for the event loop.
    void flushPendingChange();
    void Undo();
    void Redo();
    // The page as it is now starts the history (the first page the window shows).
    void resetHistory(bool saved = true);

    // The name Save As proposes: "Jan1997.OVF" for an untitled January 1997 page.
    QString proposedSaveName() const;
    // Where file dialogs start: the folder of the open document, else the user's documents.
    QString startFolder() const;
    static QString startFolderFor(const QString &documentFileName);

    // While the document has unsaved changes a copy of it goes to the user folder every
    // two minutes, when something changed since the last copy; saving, opening, New and
    // closing normally remove it. At start the copies left behind are offered back.
    // A copy is taken beside what the user is doing: the open cell's text as typed so far
    // goes into it, but the editor stays open, with its cursor, undo steps and focus.
    enum : int { RecoveryIntervalMs = 2 * 60 * 1000 };
    void writeRecoveryCopy();
    void discardRecoveryCopy();
    // Replaces the two-minute timer; the clock must outlive this object.
    void setRecoveryClock(RecoveryClock &clock);
    // Asks whether to restore a copy left by a program that did not end normally (the
    // user picks one when there are several); true when a copy was restored as a modified
    // document under its own name.
    bool offerRecovery();
    void setRecoveryCopy(RecoveryCopy copy) { m_recovery = std::move(copy); }
    // The page as undo steps and recovery copies keep it: the scale of its objects' bounds,
    // then the document, with the text of a cell still being edited when one is given.
    static QByteArray stateOf(const PageModel &page,
                              const std::optional<DocumentHost::OpenCellText> &openCell = std::nullopt);
    const RecoveryCopy &recoveryCopy() const { return m_recovery; }

    // A document the window does not show for now, while it shows another page of a
    // project: its page, undo history, file name and unsaved changes, kept as they were.
    struct ParkedDocument
    {
        QByteArray state;
        DocumentHistory history;
        QString fileName;
        bool modified = false;
        QString readInPartFile;
    };
    // Takes the shown document out of the window (the open cell's text goes into its cell
    // first); the window shows it again with showParkedDocument().
    ParkedDocument parkDocument();
    void showParkedDocument(ParkedDocument parked);
    // A parked document with unsaved changes keeps a recovery copy of its own until it is
    // shown again, saved or given up.
    void keepRecoveryCopy(const ParkedDocument &parked);
    void dropRecoveryCopy(const QString &fileName);
    void dropRecoveryCopies();
    // A new, untitled calendar that starts as the document given (a template's page), after
    // the save question; false when the user cancelled or the document cannot be read.
    bool newFromDocument(const QByteArray &document);
    // Opens a document as Open does, without adding it to the recent files; false when it
    // could not be read.
    bool openWithoutRecent(const QString &path);

private:
    // proposal: the file name offered, when not proposedSaveName().
    bool saveAs(const QString &proposal = {});
    // Asked before a document read only in part is saved over its own file: true to go on.
    // Save As saves under another name there and then (saved tells whether it did).
    bool confirmOverwriteReadInPart(const QString &path, bool &saved);
    // False, with the page untouched, when the file cannot be read.
    bool readDocument(const QString &path);
    void showOpenedDocument();
    void addRecentFile(const QString &path);
    QByteArray snapshot() const;
    DocumentHistory newHistory();
    void restoreSnapshot(const QByteArray &snapshot);
    void restoreRecoveryCopy(const RecoveryCopy::Orphan &orphan);

    DocumentHost &m_host;
    DocumentHistory m_history;
    bool m_changePending = false;
    bool m_restoring = false;
    bool m_cancelling = false;
    RecoveryCopy m_recovery;
    bool m_addToRecent = true;
    // The folder of the last file chosen to open, where the next Open starts.
    QString m_lastOpenFolder;
    // The open document's file when it was read only in part, until the document is saved.
    QString m_readInPartFile;
    QTimer m_recoveryTimer;
    // Changes recorded, and how many of them the recovery copy holds.
    quint64 m_changes = 0;
    quint64 m_copiedChanges = 0;
    // The text of the cell being edited that the last copy holds.
    std::optional<DocumentHost::OpenCellText> m_copiedCell;
};
