// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectsession.h"

#include "documents/documenthost.h"
#include "page/calpanel32.h"
#include "pagemodel/pagemodel.h"
#include "project/projectoutput.h"
#include "project/projectpages.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "widgets/dialogs.h"

#include <QFileInfo>
#include <QLocale>
#include <QPagedPaintDevice>

namespace {

// The document bytes of an undo state: the state holds the scale of the objects' bounds
// before them.
QByteArray documentOfState(const QByteArray &state)
{
    return state.mid(qsizetype(sizeof(float)));
}

} // namespace

ProjectSession::ProjectSession(DocumentCommands &documents, DocumentHost &host, QObject *parent)
    : QObject(parent), m_documents(documents), m_host(host)
{
}

ProjectSession::~ProjectSession() = default;

QString ProjectSession::pageCaption(int index) const
{
    if (index < 0 || index >= pageCount())
        return {};
    const ProjectPage &entry = m_pages[size_t(index)].entry;
    switch (entry.kind) {
    case ProjectPage::Kind::Cover: return QStringLiteral("Cover");
    case ProjectPage::Kind::Back: return QStringLiteral("Back");
    case ProjectPage::Kind::Month: break;
    }
    return QStringLiteral("%1 %2")
        .arg(QLocale(QLocale::English).standaloneMonthName(entry.month->month))
        .arg(entry.month->year);
}

void ProjectSession::reset()
{
    m_project = CalendarProject();
    m_path.clear();
    m_pages.clear();
    m_current = -1;
}

bool ProjectSession::open(const QString &projectPath)
{
    QWidget *parent = m_host.dialogParent();
    if (isOpen() ? !close() : !m_documents.CheckSaveNeeded())
        return false;
    const ProjectFile::ReadResult read = ProjectFile::read(projectPath);
    if (!read.ok()) {
        Dialogs::errorBox(parent, QStringLiteral("Open Calendar Project"),
                          QStringLiteral("%1 cannot be opened: %2.").arg(projectPath, read.error));
        return false;
    }
    if (!read.missingPages.isEmpty()) {
        Dialogs::errorBox(parent, QStringLiteral("Open Calendar Project"),
                          QStringLiteral("%1 cannot be opened: these pages are missing from its folder:\r%2")
                              .arg(projectPath, read.missingPages.join(QLatin1Char('\r'))));
        return false;
    }
    m_project = read.project;
    m_path = QFileInfo(projectPath).absoluteFilePath();
    for (const ProjectPage &entry : m_project.pages)
        m_pages.push_back({entry, ProjectFile::pagePath(m_path, entry), std::nullopt});
    const int first = std::max(0, m_project.monthPageIndex(0));
    if (!m_documents.openWithoutRecent(m_pages[size_t(first)].path)) {
        reset();
        return false;
    }
    m_current = first;
    emit opened();
    emit currentPageChanged(m_current);
    return true;
}

bool ProjectSession::showPage(int index)
{
    if (!isOpen() || index < 0 || index >= pageCount())
        return false;
    if (index == m_current)
        return true;
    Page &leaving = m_pages[size_t(m_current)];
    leaving.parked = m_documents.parkDocument();
    Page &coming = m_pages[size_t(index)];
    if (coming.parked) {
        m_documents.showParkedDocument(std::move(*coming.parked));
        coming.parked.reset();
    } else if (!m_documents.openWithoutRecent(coming.path)) {
        // The page could not be read: the one shown before comes back as it was.
        m_documents.showParkedDocument(std::move(*leaving.parked));
        leaving.parked.reset();
        return false;
    }
    // Opening discards the copy of the page left: it gets one of its own.
    m_documents.keepRecoveryCopy(*leaving.parked);
    m_current = index;
    emit currentPageChanged(index);
    return true;
}

bool ProjectSession::step(int delta)
{
    return showPage(m_current + delta);
}

bool ProjectSession::isModified(int index) const
{
    if (index < 0 || index >= pageCount())
        return false;
    if (index == m_current)
        return m_host.Modified();
    const Page &page = m_pages[size_t(index)];
    return page.parked && page.parked->modified;
}

bool ProjectSession::anyModified() const
{
    for (int i = 0; i < pageCount(); ++i) {
        if (isModified(i))
            return true;
    }
    return false;
}

bool ProjectSession::saveAll()
{
    if (!isOpen())
        return false;
    bool ok = true;
    QStringList failures;
    for (int i = 0; i < pageCount(); ++i) {
        Page &page = m_pages[size_t(i)];
        if (!isModified(i))
            continue;
        if (i == m_current) {
            ok = m_documents.SaveCalendarFile(page.path) && ok;
            continue;
        }
        const CalendarFile::FileResult written
            = CalendarFile::writeFileBytes(page.path, documentOfState(page.parked->state));
        if (!written.ok) {
            failures << QStringLiteral("%1: %2").arg(page.path, written.message);
            continue;
        }
        page.parked->modified = false;
        page.parked->history.markSaved();
        page.parked->readInPartFile.clear();
        m_documents.dropRecoveryCopy(page.parked->fileName);
    }
    if (const QString failure = ProjectFile::write(m_project, m_path); !failure.isEmpty())
        failures << QStringLiteral("%1: %2").arg(m_path, failure);
    if (!failures.isEmpty())
        Dialogs::errorBox(m_host.dialogParent(), QStringLiteral("Save"),
                          QStringLiteral("These files could not be saved; their changes are kept:\r%1")
                              .arg(failures.join(QLatin1Char('\r'))));
    return ok && failures.isEmpty();
}

bool ProjectSession::close()
{
    if (!isOpen())
        return true;
    m_host.DoSaveRichtext();
    if (anyModified()) {
        switch (Dialogs::saveChangesQuestion(
            m_host.dialogParent(), QStringLiteral("Save"),
            QStringLiteral("Save changes to the pages of %1?").arg(QFileInfo(m_path).fileName()))) {
        case QMessageBox::Save:
            if (!saveAll())
                return false;
            break;
        case QMessageBox::Discard:
            // The shown page's changes are given up with the others.
            m_host.SetModified(false);
            m_documents.discardRecoveryCopy();
            break;
        default:
            return false;
        }
    }
    m_documents.dropRecoveryCopies();
    reset();
    emit closed();
    return true;
}

QByteArray ProjectSession::pageBytes(int index) const
{
    if (index < 0 || index >= pageCount())
        return {};
    if (index == m_current)
        return documentOfState(DocumentCommands::stateOf(m_host.page().model()));
    const Page &page = m_pages[size_t(index)];
    if (page.parked)
        return documentOfState(page.parked->state);
    QByteArray bytes;
    if (!CalendarFile::readFileBytes(page.path, bytes).ok)
        return {};
    return bytes;
}

bool ProjectSession::readPage(int index, PageModel &page) const
{
    const QByteArray bytes = pageBytes(index);
    return !bytes.isEmpty() && ProjectPages::loadBytes(page, bytes).ok;
}

void ProjectSession::changeOtherPages(const std::function<void()> &change)
{
    const int home = m_current;
    for (int i = 0; i < pageCount(); ++i) {
        if (i == home || !showPage(i))
            continue;
        change();
        m_host.SetModified(true);
        m_documents.recordChange();
        m_documents.flushPendingChange();
        emit pageChanged(i);
    }
    showPage(home);
}

void ProjectSession::applyStyleToAll()
{
    if (!isOpen())
        return;
    m_host.DoSaveRichtext();
    TCalendarPanel32 style;
    style.hide();
    style.AssignSettings(m_host.page());
    const DocumentOptions options = m_host.page().model().options();
    changeOtherPages([this, &style, &options] {
        TCalendarPanel32 &page = m_host.page();
        const int day = page.MainCalDay();
        const int month = page.MainCalMonth();
        const int year = page.MainCalYear();
        const CellKind kind = page.LayoutKind();
        const QRect paper = page.paperRect();
        page.AssignSettings(style);
        page.SetMainCalYear(year);
        page.SetMainCalMonth(month);
        page.SetMainCalDay(day);
        page.setOptions(options);
        if (page.paperRect() != paper)
            page.keepObjectsOnPaper();
        // Texts belong to one kind of cells, as when Properties changes the layout.
        if (page.LayoutKind() != kind)
            page.ClearAllCells();
        page.update();
    });
}

void ProjectSession::copyObjectsToAll(const std::vector<const TGGraphicControl *> &objects)
{
    if (!isOpen() || objects.empty())
        return;
    const QByteArray list = ObjectRecords::objectListBytes(objects);
    changeOtherPages([this, &list] {
        TCalendarPanel32 &page = m_host.page();
        ObjectRecords::ReadResult read
            = ObjectRecords::readObjectList(list, [&page](const QString &name) { return page.objectNameTaken(name); });
        page.adoptReadObjects(std::move(read.objects));
        page.update();
    });
}

PageOutput::PageSource ProjectSession::pageSource(std::unique_ptr<PageModel> &holder, QString *readError) const
{
    return [this, &holder, readError](int index, QString *error) -> PageModel * {
        holder = std::make_unique<PageModel>();
        if (readPage(index, *holder))
            return holder.get();
        const QString reason = QStringLiteral("%1 cannot be read").arg(m_pages[size_t(index)].path);
        if (error)
            *error = reason;
        if (readError)
            *readError = reason;
        return nullptr;
    };
}

bool ProjectSession::savePdf(const QString &path, QString *error, const PageOutput::PageProgress &progress)
{
    m_host.DoSaveRichtext();
    std::unique_ptr<PageModel> holder;
    return PageOutput::savePdfPages(pageCount(), pageSource(holder, nullptr), path, error, progress);
}

bool ProjectSession::print(QPagedPaintDevice &device, QString *error, const PageOutput::PageProgress &progress)
{
    m_host.DoSaveRichtext();
    std::unique_ptr<PageModel> holder;
    return PageOutput::paintPages(device, pageCount(), pageSource(holder, nullptr), error, progress);
}

bool ProjectSession::saveImages(const QString &pattern, float zoom, QString *error)
{
    m_host.DoSaveRichtext();
    std::unique_ptr<PageModel> holder;
    return ProjectOutput::saveImages(pageCount(), pageSource(holder, nullptr), pattern, zoom, error);
}
