// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "documentcommands.h"

#include "page/calpanel32.h"
#include "platform/choosers.h"
#include "platform/dialogs.h"
#include "shell/mrufilelist.h"
#include "storage/calendarfile.h"
#include "storage/documentmessages.h"
#include "storage/persistent.h"
#include "storage/streamerror.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QString kFilter = QStringLiteral("Calendar File|*.OVF");

// A busy cursor for the lifetime of the object.
class BusyCursor
{
public:
    BusyCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~BusyCursor() { QApplication::restoreOverrideCursor(); }
    BusyCursor(const BusyCursor &) = delete;
    BusyCursor &operator=(const BusyCursor &) = delete;
};

void call(const std::function<void()> &f)
{
    if (f)
        f();
}

} // namespace

DocumentCommands::DocumentCommands(Services services, QObject *parent)
    : QObject(parent), m_s(std::move(services))
{
}

void DocumentCommands::SetModified(bool modified)
{
    if (modified == m_modified)
        return;
    m_modified = modified;
    call(m_s.setButtons);
    emit modifiedChanged(modified);
}

QString DocumentCommands::captionText() const
{
    if (!m_fileName.isEmpty())
        return QStringLiteral("Orvane  [") + QFileInfo(m_fileName).fileName() + QLatin1Char(']');
    return m_untitled ? QStringLiteral("Orvane [untitled]") : QStringLiteral("Orvane");
}

void DocumentCommands::refreshCaption()
{
    if (m_s.setWindowCaption)
        m_s.setWindowCaption(captionText());
}

QString DocumentCommands::proposedSaveName() const
{
    if (!m_fileName.isEmpty())
        return QFileInfo(m_fileName).fileName();
    QString month;
    m_s.page->GetMonthName(m_s.page->MainCalMonth(), month);
    return month.left(3) + QString::number(m_s.page->MainCalYear()) + QStringLiteral(".OVF");
}

QString DocumentCommands::startFolder() const
{
    if (!m_fileName.isEmpty())
        return QFileInfo(m_fileName).absolutePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return documents.isEmpty() ? QDir::homePath() : documents;
}

bool DocumentCommands::CheckSaveNeeded()
{
    call(m_s.commitCellEditor);
    if (!m_modified)
        return true;
    // Cancel keeps the document and stops whatever asked, so no work is lost by accident.
    switch (Dialogs::yesNoCancelQuestion(m_s.parent, QStringLiteral("Save"), QStringLiteral("Save changes?"))) {
    case QMessageBox::Yes:
        return m_fileName.isEmpty() ? saveAs() : SaveCalendarFile(m_fileName);
    case QMessageBox::No:
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
        BusyCursor busy;
        call(m_s.commitCellEditor);
    }
    if (!m_s.runNewCalendarProperties || !m_s.runNewCalendarProperties())
        return;
    m_fileName.clear();
    m_untitled = true;
    m_s.page->ClearAllCells();
    call(m_s.deleteAllObjects);
    m_s.page->show();
    SetModified(true);
    call(m_s.setButtons);
    refreshCaption();
}

void DocumentCommands::Open1Click()
{
    call(m_s.commitCellEditor);
    if (!CheckSaveNeeded())
        return;
    const auto path = Choosers::chooseOpenFile(m_s.parent, QStringLiteral("Open Calendar File"),
                                               startFolder(), kFilter);
    if (!path)
        return;
    if (QFileInfo(*path).suffix().toUpper() != QLatin1String("OVF")) {
        Dialogs::informationBox(m_s.parent, QStringLiteral("Must be a Calendar file (*.OVF)"));
        return;
    }
    OpenCalendarFile(*path);
}

void DocumentCommands::OpenCalendarFile(QString path)
{
    TCalendarPanel32 &page = *m_s.page;
    page.SetPaintSuspended(true);
    float zoom = page.ZoomFactor();
    const bool rememberZoom = zoom != 1.0f;
    if (zoom < 0.1f || zoom > 1.1f)
        zoom = 1.0f;
    m_opening = true;
    m_fileName.clear();
    m_untitled = false;
    call(m_s.commitCellEditor);
    if (!QFileInfo::exists(path)) {
        Dialogs::informationBox(m_s.parent, QStringLiteral("File ") + path + QStringLiteral(" no longer exists"));
    } else {
        BusyCursor busy;
        page.SetLoading(true);
        page.ClearAllCells();
        call(m_s.deleteAllObjects);
        page.SetUserTitle(QString());
        page.SetZoom(1.0f);
        try {
            const CalendarFile::LoadOutcome outcome =
                CalendarFile::LoadDocument(page, path, m_s.objectOwner, [this](std::unique_ptr<TComponent> object) {
                    if (m_s.adoptObject)
                        m_s.adoptObject(std::move(object));
                });
            call(m_s.connectObjects);
            m_fileName = path;
            if (m_s.recentFiles) {
                m_s.recentFiles->AddFile(path);
                call(m_s.saveRecentFiles);
            }
            if (!outcome.objectsError.isEmpty())
                Dialogs::informationBox(m_s.parent, DocumentMessages::objectsDamaged(path, outcome.objectsError));
        } catch (const StreamError &) {
            m_fileName.clear();
            page.ResetToDefaults();
            Dialogs::informationBox(m_s.parent, DocumentMessages::openFailed(path));
        }
    }
    m_opening = false;
    page.setVisible(!m_fileName.isEmpty());
    page.update();
    SetModified(false);
    call(m_s.setButtons);
    call(m_s.updateIconWindow);
    refreshCaption();
    if (rememberZoom)
        page.SetZoom(zoom);
    page.SetPaintSuspended(false);
    page.SetLoading(false);
    page.update();
}

bool DocumentCommands::SaveCalendarFile(QString path)
{
    TCalendarPanel32 &page = *m_s.page;
    page.SetPaintSuspended(true);
    float zoom = page.ZoomFactor();
    const bool rememberZoom = zoom != 1.0f;
    if (rememberZoom) {
        if (zoom == 0.0f)
            zoom = 1.0f;
        // Objects are always written at full scale.
        page.SetZoom(1.0f);
    }
    bool saved = false;
    try {
        BusyCursor busy;
        call(m_s.commitCellEditor);
        const std::vector<TComponent *> objects = m_s.drawingObjects ? m_s.drawingObjects() : std::vector<TComponent *>{};
        CalendarFile::SaveDocument(page, path, objects);
        m_fileName = path;
        m_untitled = false;
        SetModified(false);
        saved = true;
    } catch (const StreamError &error) {
        // The old file is untouched and the document stays modified.
        Dialogs::informationBox(m_s.parent, DocumentMessages::saveFailed(path, error.message()));
    }
    if (rememberZoom && zoom >= 0.2f && zoom <= 1.0f)
        page.SetZoom(zoom);
    page.SetPaintSuspended(false);
    page.update();
    call(m_s.setButtons);
    refreshCaption();
    return saved;
}

void DocumentCommands::mnuSaveClick()
{
    if (!m_fileName.isEmpty())
        SaveCalendarFile(m_fileName);
}

bool DocumentCommands::saveAs()
{
    const auto path = Choosers::chooseSaveFile(m_s.parent, QStringLiteral("Save Calendar File"),
                                               startFolder() + QLatin1Char('/') + proposedSaveName(),
                                               kFilter, QStringLiteral("OVF"));
    bool saved = false;
    if (path && SaveCalendarFile(*path)) {
        SetModified(false);
        if (m_s.recentFiles) {
            m_s.recentFiles->AddFile(*path);
            call(m_s.saveRecentFiles);
        }
        saved = true;
    }
    call(m_s.setButtons);
    return saved;
}

void DocumentCommands::mnuSaveAsClick()
{
    saveAs();
}

void DocumentCommands::SavebuttonClick()
{
    if (!m_fileName.isEmpty())
        mnuSaveClick();
    else
        saveAs();
}

void DocumentCommands::mnuCancelChangesClick()
{
    if (!Dialogs::yesNoQuestion(m_s.parent, QStringLiteral("CANCEL"), QStringLiteral("Cancel all changes?")))
        return;
    if (!m_fileName.isEmpty())
        OpenCalendarFile(m_fileName);
    QCoreApplication::processEvents();
    SetModified(false);
}

void DocumentCommands::openAtStart()
{
    m_s.page->ResetToDefaults();
    if (m_s.recentFiles && !m_s.recentFiles->files().isEmpty()
        && QFileInfo::exists(m_s.recentFiles->files().constFirst()))
        OpenCalendarFile(m_s.recentFiles->files().constFirst());
    m_s.page->setVisible(!m_fileName.isEmpty());
    SetModified(false);
}
