// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "documents/documentcommands.h"
#include "project/calendarproject.h"
#include "output/pageoutput.h"

#include <QObject>
#include <QString>

#include <memory>
#include <optional>
#include <vector>

class DocumentHost;
class PageModel;
class QPagedPaintDevice;
class TGGraphicControl;

// The project open in the window: its pages, one shown by the window at a time and the
// others parked with their own undo history and unsaved changes, so moving between pages
// loses nothing and Save writes every changed page.
class ProjectSession : public QObject
{
    Q_OBJECT

public:
    ProjectSession(DocumentCommands &documents, DocumentHost &host, QObject *parent = nullptr);
    ~ProjectSession() override;

    bool isOpen() const { return !m_path.isEmpty(); }
    const CalendarProject &project() const { return m_project; }
    const QString &path() const { return m_path; }
    int pageCount() const { return int(m_pages.size()); }
    int currentPage() const { return m_current; }
    // A page's caption for lists: "Cover", "January 2027", "Back".
    QString pageCaption(int index) const;

    // Opens a project after the save question of what the window holds, and shows its first
    // month; false, after telling the user why, when it cannot be opened.
    bool open(const QString &projectPath);
    // Shows page index (another page is parked as it is); false when the page cannot be read.
    bool showPage(int index);
    // The page before or after the one shown; false at either end.
    bool step(int delta);
    // Saves every page with unsaved changes and the project file; false when one failed
    // (the others are still saved).
    bool saveAll();
    bool anyModified() const;
    bool isModified(int index) const;
    // Asks whether to save the changed pages (Yes, No, Cancel) and closes the project; the
    // window keeps showing the page it shows, as an ordinary document. False when cancelled.
    bool close();

    // Page index as it is now, whether shown, parked or only in its file; empty when its
    // file cannot be read.
    QByteArray pageBytes(int index) const;
    // Reads page index as it is now into page; false when it cannot be read.
    bool readPage(int index, PageModel &page) const;

    // The shown page's settings (the Properties dialog's, and its options) on every other
    // page, each keeping its own month; each page records it as a step of its own history.
    void applyStyleToAll();
    // Copies of the objects onto every other page, at the same places.
    void copyObjectsToAll(const std::vector<const TGGraphicControl *> &objects);

    // Output of every page as it is now, in page order.
    bool savePdf(const QString &path, QString *error, const PageOutput::PageProgress &progress = {});
    bool print(QPagedPaintDevice &device, QString *error, const PageOutput::PageProgress &progress = {});
    bool saveImages(const QString &pattern, float zoom, QString *error);

signals:
    void opened();
    void closed();
    // The window shows another page.
    void currentPageChanged(int index);
    // A page not shown changed (a style or objects applied to all pages).
    void pageChanged(int index);

private:
    struct Page
    {
        ProjectPage entry;
        QString path;
        std::optional<DocumentCommands::ParkedDocument> parked;
    };
    // Visits every other page, shows it, runs change on it and comes back.
    void changeOtherPages(const std::function<void()> &change);
    PageOutput::PageSource pageSource(std::unique_ptr<PageModel> &holder, QString *readError) const;
    void reset();

    DocumentCommands &m_documents;
    DocumentHost &m_host;
    CalendarProject m_project;
    QString m_path;
    std::vector<Page> m_pages;
    int m_current = -1;
};
