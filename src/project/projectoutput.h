// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "output/pageoutput.h"
#include "project/calendarproject.h"

#include <QString>

#include <memory>

class PageModel;
class QPagedPaintDevice;

// A project's pages in output: one PDF in page order, one print job, numbered images. Pages
// are read one at a time from their files, so a year of photos is never all in memory.
namespace ProjectOutput {

// The pages of a project read from their files in turn; the page read last is kept until
// the next is asked for.
class PageReader
{
public:
    PageReader(CalendarProject project, QString projectPath);
    ~PageReader();
    int count() const { return int(m_project.pages.size()); }
    // Page index, or null with the reason (a missing or damaged page file).
    PageModel *page(int index, QString *error);
    // As PageOutput's writers ask for pages.
    PageOutput::PageSource source();

private:
    CalendarProject m_project;
    QString m_projectPath;
    std::unique_ptr<PageModel> m_page;
};

bool savePdf(const CalendarProject &project, const QString &projectPath, const QString &pdfPath,
             QString *error, const PageOutput::PageProgress &progress = {});
bool print(const CalendarProject &project, const QString &projectPath, QPagedPaintDevice &device,
           QString *error, const PageOutput::PageProgress &progress = {});

// The file of image number (1-based): the pattern's "%d" or "%0Nd" takes the number ("%%" is
// a percent sign); a pattern without one gets "-NN" before its extension, as other numbered
// images do. Empty when the pattern holds another "%" code.
QString imagePath(const QString &pattern, int number);
// Writes count pages from pageAt as images at the zoom, named by imagePath().
bool saveImages(int count, const PageOutput::PageSource &pageAt, const QString &pattern, float zoom, QString *error);
// Writes every page as an image at the zoom (1.0 = the screen's 96 pixels an inch).
bool saveImages(const CalendarProject &project, const QString &projectPath, const QString &pattern,
                float zoom, QString *error, const PageOutput::PageProgress &progress = {});

} // namespace ProjectOutput
