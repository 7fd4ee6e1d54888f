// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentcommands.h"

#include "core/filebytes.h"
#include "output/printsupport.h"
#include "page/calpanel32.h"
#include "documents/busycursor.h"
#include "widgets/choosers.h"
#include "widgets/dialogs.h"
#include "documents/documenthost.h"
#include "documents/mrufilelist.h"
#include "documents/recoverychooser.h"
#include "documents/scopedflag.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "storage/documentmessages.h"
#include "storage/persistent.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QScopedValueRollback>
#include <QStandardPaths>

#include <cstring>
#include <optional>
#include <utility>

namespace {

const QString kFilter = QStringLiteral("Calendar File|*.OVF");

} // namespace

DocumentCommands::DocumentCommands(DocumentHost &host, QObject *parent)
    : QObject(parent), m_host(host),
      m_history(newHistory())
{
    m_recoveryTimer.setInterval(RecoveryIntervalMs);
    connect(&m_recoveryTimer, &QTimer::timeout, this, &DocumentCommands::writeRecoveryCopy);
    m_recoveryTimer.start();
}

void DocumentCommands::writeRecoveryCopy()
{
    if (!m_host.Modified())
        return;
    std::optional<DocumentHost::OpenCellText> openCell = m_host.openCellText();
    if (m_changes == m_copiedChanges && openCell == m_copiedCell)
        return;
    if (m_recovery.write({m_host.documentFileName(), stateOf(m_host.page().model(), openCell)})) {
        m_copiedChanges = m_changes;
        m_copiedCell = std::move(openCell);
    }
}

void DocumentCommands::discardRecoveryCopy()
{
    m_recovery.remove();
    m_copiedChanges = m_changes;
    m_copiedCell.reset();
}

void DocumentCommands::setRecoveryClock(RecoveryClock &clock)
{
    m_recoveryTimer.stop();
    connect(&clock, &RecoveryClock::tick, this, &DocumentCommands::writeRecoveryCopy);
}

bool DocumentCommands::offerRecovery()
{
    const QList<RecoveryCopy::Orphan> orphans = m_recovery.claimOrphans();
    if (orphans.isEmpty())
        return false;
    QList<RecoveryChooser::Entry> entries;
    for (const RecoveryCopy::Orphan &orphan : orphans)
        entries.append({orphan.contents.documentName, orphan.written});
    RecoveryChooser chooser(entries, [this, &orphans](int index) { m_recovery.discardOrphan(orphans.at(index)); },
                            m_host.dialogParent());
    const bool restore = Dialogs::exec(chooser) == QDialog::Accepted && chooser.chosen() >= 0;
    if (restore)
        restoreRecoveryCopy(orphans.at(chooser.chosen()));
    // The copies not chosen stay for another start, or for another running program to offer.
    m_recovery.releaseOrphans();
    return restore;
}

void DocumentCommands::restoreRecoveryCopy(const RecoveryCopy::Orphan &orphan)
{
    restoreSnapshot(orphan.contents.state);
    m_host.setDocumentFileName(orphan.contents.documentName);
    m_host.setPageShown(true);
    resetHistory(false);
    m_host.SetModified(true);
    m_host.SetButtons();
    m_host.SetCaption();
    // The restored changes become this program's own copy, so a second crash loses nothing;
    // the old copy goes only once the new one is written.
    m_copiedCell.reset();
    if (m_recovery.write({orphan.contents.documentName, snapshot()})) {
        m_copiedChanges = m_changes;
        m_recovery.discardOrphan(orphan);
    }
}

QString DocumentCommands::proposedSaveName() const
{
    const QString fileName = m_host.documentFileName();
    if (!fileName.isEmpty())
        return QFileInfo(fileName).fileName();
    // An untitled page is named after its month, as exported pictures are.
    return PrintSupport::proposedExportName(QString(), m_host.page().model(), QStringLiteral("OVF"));
}

QString DocumentCommands::startFolder() const
{
    return startFolderFor(m_host.documentFileName());
}

QString DocumentCommands::startFolderFor(const QString &fileName)
{
    if (!fileName.isEmpty())
        return QFileInfo(fileName).absolutePath();
    return Choosers::documentsFolder();
}

void DocumentCommands::addRecentFile(const QString &path)
{
    if (TMRUFileList *recent = m_host.recentFiles()) {
        recent->AddFile(path);
        m_host.saveRecentFiles();
    }
}

bool DocumentCommands::CheckSaveNeeded()
{
    m_host.DoSaveRichtext();
    if (!m_host.Modified())
        return true;
    // Cancel keeps the document and stops whatever asked, so no work is lost by accident.
    // The question names the document it is about.
    const QString name = m_host.documentFileName().isEmpty()
                             ? QStringLiteral("the untitled calendar")
                             : QFileInfo(m_host.documentFileName()).fileName();
    switch (Dialogs::saveChangesQuestion(m_host.dialogParent(), QStringLiteral("Save"),
                                         QStringLiteral("Save changes to %1?").arg(name))) {
    case QMessageBox::Save:
        return m_host.documentFileName().isEmpty() ? saveAs() : SaveCalendarFile(m_host.documentFileName());
    case QMessageBox::Discard:
        return true;
    default:
        return false;
    }
}

bool DocumentCommands::FormCloseQuery()
{
    return CheckSaveNeeded();
}

void DocumentCommands::New1Click()
{
    if (!CheckSaveNeeded())
        return;
    {
        const BusyCursor busy;
        m_host.DoSaveRichtext();
    }
    if (!m_host.runNewCalendarProperties())
        return;
    m_host.SetModified(true);
    m_host.setDocumentFileName(QString());
    m_host.page().ClearAllCells();
    m_host.page().DeleteAllObjects();
    m_host.setPageShown(true);
    resetHistory(false);
    discardRecoveryCopy();
    m_host.SetButtons();
    m_host.setWindowCaption(QStringLiteral("Orvane [untitled]"));
}

void DocumentCommands::Open1Click()
{
    m_host.DoSaveRichtext();
    if (!CheckSaveNeeded())
        return;
    const QString folder = m_lastOpenFolder.isEmpty() ? startFolder() : m_lastOpenFolder;
    const auto path = Choosers::chooseOpenFile(m_host.dialogParent(), QStringLiteral("Open Calendar File"),
                                               folder, kFilter);
    if (!path)
        return;
    m_lastOpenFolder = QFileInfo(*path).absolutePath();
    if (QFileInfo(*path).suffix().toUpper() != QLatin1String("OVF")) {
        Dialogs::informationBox(m_host.dialogParent(), QStringLiteral("Must be a Calendar file (*.OVF)"));
        return;
    }
    OpenCalendarFile(*path);
}

void DocumentCommands::OpenCalendarFile(QString path)
{
    TCalendarPanel32 &page = m_host.page();
    // A file that cannot be read leaves the calendar that was open as it was.
    const QString previousName = m_host.documentFileName();
    const bool previousModified = m_host.Modified();
    bool read = false;
    {
        // Ends after painting resumes; only a file that is read sets it.
        std::optional<ScopedFlag> loading;
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        {
            const ScopedFlag opening([this](bool on) { m_host.setOpening(on); });
            m_host.DoSaveRichtext();
            if (!FileBytes::exists(path)) {
                Dialogs::informationBox(m_host.dialogParent(), QStringLiteral("File ") + path + QStringLiteral(" no longer exists"));
            } else {
                loading.emplace([&page](bool on) { page.SetLoading(on); });
                read = readDocument(path);
            }
        }
        if (read)
            showOpenedDocument();
    }
    if (!read) {
        m_host.setDocumentFileName(previousName);
        m_host.SetModified(previousModified);
        m_host.SetButtons();
        m_host.SetCaption();
        page.update();
        return;
    }
    // A document read with damage differs from its file: it opens modified, so closing it
    // asks, and Undo cannot bring back a state that would pass for the file.
    const bool readInPart = !m_readInPartFile.isEmpty();
    resetHistory(!readInPart);
    if (readInPart)
        m_host.SetModified(true);
    // The changes of the document before are saved or given up by now.
    discardRecoveryCopy();
    m_host.SetButtons();
    m_host.SetCaption();
    page.update();
}

bool DocumentCommands::readDocument(const QString &path)
{
    TCalendarPanel32 &page = m_host.page();
    const BusyCursor busy;
    const PageDocument previous = page.document();
    // The file is read over a blank page, but the page itself changes only once it was read.
    page.ClearAllCells();
    page.SetUserTitle(QString());
    PageDocument doc = page.document();
    page.applyDocument(previous);
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    const CalendarFile::LoadOutcome outcome =
        CalendarFile::LoadDocument(doc, path, nullptr, ObjectRecords::collectObjects(objects));
    if (!outcome.ok) {
        Dialogs::informationBox(m_host.dialogParent(), DocumentMessages::openFailed(path, outcome.message));
        return false;
    }
    page.DeleteAllObjects();
    page.applyDocument(doc);
    page.adoptReadObjects(std::move(objects));
    m_host.setDocumentFileName(path);
    if (m_addToRecent)
        addRecentFile(path);
    m_readInPartFile = outcome.readInPart() ? path : QString();
    if (outcome.readInPart())
        Dialogs::informationBox(m_host.dialogParent(), DocumentMessages::readInPart(path, outcome.dropped));
    return true;
}

void DocumentCommands::showOpenedDocument()
{
    m_host.setPageShown(!m_host.documentFileName().isEmpty());
    m_host.page().update();
    m_host.SetModified(false);
    m_host.SetButtons();
    m_host.updateIconWindow();
    m_host.SetCaption();
}

bool DocumentCommands::confirmOverwriteReadInPart(const QString &path, bool &saved)
{
    saved = false;
    const QFileInfo target(path);
    const QFileInfo original(m_readInPartFile);
    if (m_readInPartFile.isEmpty() || m_host.documentFileName() != m_readInPartFile
        || !(path == m_readInPartFile
             || (target.exists() && target.canonicalFilePath() == original.canonicalFilePath())))
        return true;
    const int answer = Dialogs::choice(
        m_host.dialogParent(), QStringLiteral("Save"), DocumentMessages::overwriteReadInPart(path),
        {QStringLiteral("Save Over It"), QStringLiteral("Save As..."), QStringLiteral("Cancel")});
    if (answer == 1) {
        // The damaged file stays for another try at reading it.
        const QString suffix = original.suffix().isEmpty() ? QStringLiteral("OVF") : original.suffix();
        saved = saveAs(original.completeBaseName() + QStringLiteral(" (repaired).") + suffix);
    }
    return answer == 0;
}

bool DocumentCommands::SaveCalendarFile(QString path)
{
    if (bool savedElsewhere = false; !confirmOverwriteReadInPart(path, savedElsewhere))
        return savedElsewhere;
    TCalendarPanel32 &page = m_host.page();
    bool saved = false;
    {
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        CalendarFile::FileResult written;
        {
            const BusyCursor busy;
            m_host.DoSaveRichtext();
            const ObjectRecords::RecordList records(page.objects());
            written = CalendarFile::SaveDocument(page.document(), path, records.components());
            if (written.ok) {
                m_host.setDocumentFileName(path);
                m_host.SetModified(false);
                flushPendingChange();
                m_history.markSaved();
                discardRecoveryCopy();
                m_readInPartFile.clear();
                saved = true;
            }
        }
        // The old file is untouched and the document stays modified.
        if (!written.ok)
            Dialogs::informationBox(m_host.dialogParent(), DocumentMessages::saveFailed(path, written.message));
    }
    page.update();
    m_host.SetButtons();
    m_host.SetCaption();
    return saved;
}

void DocumentCommands::mnuSaveClick()
{
    if (!m_host.documentFileName().isEmpty())
        SaveCalendarFile(m_host.documentFileName());
}

bool DocumentCommands::saveAs(const QString &proposal)
{
    const QString name = proposal.isEmpty() ? proposedSaveName() : proposal;
    const auto path = Choosers::chooseSaveFile(m_host.dialogParent(), QStringLiteral("Save Calendar File"),
                                               startFolder() + QLatin1Char('/') + name,
                                               kFilter, QStringLiteral("OVF"));
    bool saved = false;
    if (path && SaveCalendarFile(*path)) {
        m_host.SetModified(false);
        addRecentFile(*path);
        saved = true;
    }
    m_host.SetButtons();
    return saved;
}

void DocumentCommands::mnuSaveAsClick()
{
    saveAs();
}

void DocumentCommands::SavebuttonClick()
{
    if (!m_host.documentFileName().isEmpty())
        mnuSaveClick();
    else
        saveAs();
}

void DocumentCommands::mnuCancelChangesClick()
{
    // A Cancel Changes that arrives while the pending events below run would read the file
    // a second time in the middle of the first.
    if (m_cancelling)
        return;
    const QScopedValueRollback<bool> cancelling(m_cancelling, true);
    if (!Dialogs::yesNoQuestion(m_host.dialogParent(), QStringLiteral("CANCEL"), QStringLiteral("Cancel all changes?")))
        return;
    if (!m_host.documentFileName().isEmpty())
        OpenCalendarFile(m_host.documentFileName());
    // What the reread left queued (changes it reports through events) runs first, so the
    // document it restored does not come back modified.
    QCoreApplication::processEvents();
    m_host.SetModified(false);
}

void DocumentCommands::recordChange()
{
    // Putting a snapshot back marks the document too; that is no new step.
    if (m_changePending || m_restoring)
        return;
    ++m_changes;
    m_changePending = true;
    QMetaObject::invokeMethod(this, &DocumentCommands::flushPendingChange, Qt::QueuedConnection);
    // Once an action, not once for each change it reports: Undo is there at once.
    m_host.SetButtons();
}

void DocumentCommands::flushPendingChange()
{
    if (!std::exchange(m_changePending, false))
        return;
    m_history.recordChange();
    m_host.SetButtons();
}

void DocumentCommands::resetHistory(bool saved)
{
    m_changePending = false;
    m_history.reset(saved);
}

void DocumentCommands::Undo()
{
    // The open cell's text belongs to the state being left.
    m_host.DoSaveRichtext();
    flushPendingChange();
    m_history.undo();
    m_host.SetButtons();
}

void DocumentCommands::Redo()
{
    m_host.DoSaveRichtext();
    flushPendingChange();
    m_history.redo();
    m_host.SetButtons();
}

DocumentHistory DocumentCommands::newHistory()
{
    return DocumentHistory([this] { return snapshot(); }, [this](const QByteArray &state) { restoreSnapshot(state); });
}

DocumentCommands::ParkedDocument DocumentCommands::parkDocument()
{
    m_host.DoSaveRichtext();
    flushPendingChange();
    ParkedDocument parked{snapshot(), std::exchange(m_history, newHistory()), m_host.documentFileName(),
                          m_host.Modified(), std::exchange(m_readInPartFile, QString())};
    return parked;
}

void DocumentCommands::keepRecoveryCopy(const ParkedDocument &parked)
{
    if (parked.modified)
        m_recovery.writeExtra({parked.fileName, parked.state});
}

void DocumentCommands::dropRecoveryCopy(const QString &fileName)
{
    m_recovery.removeExtra(fileName);
}

void DocumentCommands::dropRecoveryCopies()
{
    m_recovery.removeExtras();
}

void DocumentCommands::showParkedDocument(ParkedDocument parked)
{
    // Its copy becomes the shown document's, written now rather than at the next tick.
    m_recovery.removeExtra(parked.fileName);
    {
        const ScopedFlag opening([this](bool on) { m_host.setOpening(on); });
        m_history = std::move(parked.history);
        restoreSnapshot(parked.state);
    }
    m_host.setDocumentFileName(parked.fileName);
    m_readInPartFile = parked.readInPartFile;
    m_host.SetModified(parked.modified);
    m_copiedChanges = m_changes + 1;
    m_copiedCell.reset();
    writeRecoveryCopy();
    m_host.setPageShown(true);
    m_host.SetButtons();
    m_host.updateIconWindow();
    m_host.SetCaption();
    m_host.page().update();
}

bool DocumentCommands::newFromDocument(const QByteArray &document)
{
    if (!CheckSaveNeeded())
        return false;
    PageDocument doc = m_host.page().document();
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    if (!CalendarFile::loadDocumentBytes(doc, document, nullptr, ObjectRecords::collectObjects(objects)).ok)
        return false;
    TCalendarPanel32 &page = m_host.page();
    {
        const ScopedFlag opening([this](bool on) { m_host.setOpening(on); });
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        const ScopedFlag loading([&page](bool on) { page.SetLoading(on); });
        page.DeleteAllObjects();
        page.applyDocument(doc);
        page.adoptReadObjects(std::move(objects));
    }
    m_host.setDocumentFileName(QString());
    m_host.SetModified(true);
    m_host.setPageShown(true);
    resetHistory(false);
    discardRecoveryCopy();
    m_readInPartFile.clear();
    m_host.SetButtons();
    m_host.updateIconWindow();
    m_host.setWindowCaption(QStringLiteral("Orvane [untitled]"));
    page.update();
    return true;
}

bool DocumentCommands::openWithoutRecent(const QString &path)
{
    const QScopedValueRollback noRecent(m_addToRecent, false);
    OpenCalendarFile(path);
    return m_host.documentFileName() == path;
}

QByteArray DocumentCommands::snapshot() const
{
    return stateOf(m_host.page().model());
}

QByteArray DocumentCommands::stateOf(const PageModel &page,
                                     const std::optional<DocumentHost::OpenCellText> &openCell)
{
    // The scale the objects' bounds are written at goes first. It is always 100 % now;
    // recovery copies left by older versions hold the zoom they were shown at.
    const float scale = 1.0f;
    QByteArray state(reinterpret_cast<const char *>(&scale), sizeof scale);
    PageDocument document = page.document();
    if (openCell && openCell->cell >= 1 && openCell->cell <= CellCount)
        document.cells[size_t(openCell->cell - 1)] = TWPRtfStorage(openCell->rtf);
    const ObjectRecords::RecordList records(page.objects());
    state += CalendarFile::documentBytes(document, records.components());
    return state;
}

void DocumentCommands::restoreSnapshot(const QByteArray &state)
{
    TCalendarPanel32 &page = m_host.page();
    float scale = 1.0f;
    if (state.size() < qsizetype(sizeof scale))
        return;
    std::memcpy(&scale, state.constData(), sizeof scale);
    PageDocument doc = page.document();
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    const CalendarFile::LoadOutcome outcome = CalendarFile::loadDocumentBytes(
        doc, state.mid(sizeof scale), nullptr, ObjectRecords::collectObjects(objects));
    if (!outcome.ok)
        return;
    const QScopedValueRollback restoring(m_restoring, true);
    {
        const ScopedFlag suspended([&page](bool on) { page.SetPaintSuspended(on); });
        const ScopedFlag loading([&page](bool on) { page.SetLoading(on); });
        page.DeleteAllObjects();
        page.applyDocument(doc);
        if (scale != 1.0f && scale > 0.0f) {
            for (std::unique_ptr<TGGraphicControl> &object : objects) {
                const QRectF shown = object->pageBounds();
                object->setPageBounds(QRectF(shown.topLeft() / scale, shown.size() / scale));
            }
        }
        page.adoptReadObjects(std::move(objects));
    }
    page.update();
    m_host.SetModified(!m_history.isSaved());
}
