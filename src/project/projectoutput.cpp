// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectoutput.h"

#include "projectpages.h"

#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"

#include <QPagedPaintDevice>

namespace ProjectOutput {

PageReader::PageReader(CalendarProject project, QString projectPath)
    : m_project(std::move(project)), m_projectPath(std::move(projectPath))
{
}

PageReader::~PageReader() = default;

PageModel *PageReader::page(int index, QString *error)
{
    m_page.reset();
    if (index < 0 || index >= count()) {
        if (error)
            *error = QStringLiteral("The project has no page %1").arg(index + 1);
        return nullptr;
    }
    const QString path = ProjectFile::pagePath(m_projectPath, m_project.pages[size_t(index)]);
    auto page = std::make_unique<PageModel>();
    const CalendarFile::LoadOutcome loaded = ProjectPages::load(*page, path);
    if (!loaded.ok) {
        if (error)
            *error = QStringLiteral("Cannot read %1: %2").arg(path, loaded.message);
        return nullptr;
    }
    m_page = std::move(page);
    return m_page.get();
}

PageOutput::PageSource PageReader::source()
{
    return [this](int index, QString *error) { return page(index, error); };
}

bool savePdf(const CalendarProject &project, const QString &projectPath, const QString &pdfPath,
             QString *error, const PageOutput::PageProgress &progress)
{
    PageReader reader(project, projectPath);
    return PageOutput::savePdfPages(reader.count(), reader.source(), pdfPath, error, progress);
}

bool print(const CalendarProject &project, const QString &projectPath, QPagedPaintDevice &device,
           QString *error, const PageOutput::PageProgress &progress)
{
    PageReader reader(project, projectPath);
    return PageOutput::paintPages(device, reader.count(), reader.source(), error, progress);
}

QString imagePath(const QString &pattern, int number)
{
    QString path;
    bool numbered = false;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != QLatin1Char('%')) {
            path += pattern[i];
            continue;
        }
        qsizetype j = i + 1;
        if (j < pattern.size() && pattern[j] == QLatin1Char('%')) {
            path += QLatin1Char('%');
            i = j;
            continue;
        }
        const bool zeros = j < pattern.size() && pattern[j] == QLatin1Char('0');
        if (zeros)
            ++j;
        int width = 0;
        while (j < pattern.size() && pattern[j].isDigit() && width < 10)
            width = width * 10 + pattern[j++].digitValue();
        if (j >= pattern.size() || pattern[j] != QLatin1Char('d') || width > 9)
            return {};
        path += QStringLiteral("%1").arg(number, width, 10, zeros ? QLatin1Char('0') : QLatin1Char(' '));
        numbered = true;
        i = j;
    }
    return numbered ? path : PageOutput::numberedPath(pattern, number);
}

bool saveImages(const CalendarProject &project, const QString &projectPath, const QString &pattern,
                float zoom, QString *error, const PageOutput::PageProgress &progress)
{
    if (imagePath(pattern, 1).isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: only %d or %02d may follow a % in an image name").arg(pattern);
        return false;
    }
    PageReader reader(project, projectPath);
    const PageOutput::PageSource pages = reader.source();
    return saveImages(
        reader.count(),
        [&pages, &progress](int k, QString *error) -> PageModel * {
            PageModel *page = pages(k, error);
            if (page && progress && !progress(k)) {
                if (error)
                    *error = QStringLiteral("Cancelled");
                return nullptr;
            }
            return page;
        },
        pattern, zoom, error);
}

bool saveImages(int count, const PageOutput::PageSource &pageAt, const QString &pattern, float zoom, QString *error)
{
    for (int k = 0; k < count; ++k) {
        PageModel *page = pageAt(k, error);
        if (!page)
            return false;
        page->setZoom(zoom);
        if (!PageOutput::saveImage(PagePainter::renderPage(*page), imagePath(pattern, k + 1), error))
            return false;
    }
    return true;
}

} // namespace ProjectOutput
