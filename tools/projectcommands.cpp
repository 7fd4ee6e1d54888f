// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectcommands.h"

#include "documentcommands.h"
#include "icalcommands.h"
#include "renderoptions.h"
#include "terminaltext.h"

#include "calendar/layouttable.h"
#include "pagemodel/pagemodel.h"
#include "project/projectbuilder.h"
#include "project/projectoutput.h"
#include "project/projectpages.h"
#include "storage/streamerror.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTextCharFormat>

#include <cstdio>

namespace {

QString kindName(ProjectPage::Kind kind)
{
    switch (kind) {
    case ProjectPage::Kind::Cover: return QStringLiteral("cover");
    case ProjectPage::Kind::Back: return QStringLiteral("back");
    case ProjectPage::Kind::Month: break;
    }
    return QStringLiteral("month");
}

ProjectBuilder::Cover coverOf(const QString &name)
{
    if (name == QLatin1String("overview"))
        return ProjectBuilder::Cover::Overview;
    if (name == QLatin1String("copy"))
        return ProjectBuilder::Cover::Copy;
    return ProjectBuilder::Cover::None;
}

// Each page as --geometry lists it: where it is and what it shows.
QJsonObject pageJson(const ProjectPage &entry, const QString &projectPath)
{
    QJsonObject json{{QStringLiteral("kind"), kindName(entry.kind)}, {QStringLiteral("file"), entry.file}};
    if (entry.month)
        json.insert(QStringLiteral("month"), QStringLiteral("%1-%2").arg(entry.month->year).arg(entry.month->month, 2, 10, QLatin1Char('0')));
    PageModel page;
    const CalendarFile::LoadOutcome loaded = ProjectPages::load(page, ProjectFile::pagePath(projectPath, entry));
    if (!loaded.ok) {
        json.insert(QStringLiteral("error"), loaded.message);
        return json;
    }
    json.insert(QStringLiteral("layout"), int(page.CalendarLayout()));
    json.insert(QStringLiteral("shows"), QStringLiteral("%1-%2").arg(page.MainCalYear()).arg(page.MainCalMonth(), 2, 10, QLatin1Char('0')));
    json.insert(QStringLiteral("objects"), int(page.objects().size()));
    int filled = 0;
    for (int cell = 1; cell <= 42; ++cell)
        filled += page.cellText(cell).isEmpty() ? 0 : 1;
    json.insert(QStringLiteral("cellsWithText"), filled);
    return json;
}

void printJson(const QJsonObject &json)
{
    const QByteArray bytes = QJsonDocument(json).toJson(QJsonDocument::Indented);
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

} // namespace

int runNewProject(const RenderOptions &options, const PageModel &design)
{
    ProjectBuilder::Recipe recipe;
    recipe.first = *options.projectFirst;
    recipe.months = options.months;
    recipe.cover = coverOf(options.cover);
    recipe.emptyCellFormat = emptyCellFormat();
    if (!options.fillRecurringFile.isEmpty()) {
        if (!recurringFillLines(options, recipe.fills.recurringLines))
            return 1;
        recipe.fills.recurringSource = options.fillRecurringFile;
    }
    recipe.fills.holidayPlace = options.fillHolidays;
    recipe.fills.holidayLocalNames = options.localHolidayNames;
    recipe.fills.icsFiles = options.fillIcsFiles;
    recipe.photosFolder = options.photosFolder;
    recipe.frame.objectName = options.photoFrame;
    if (options.photoRect) {
        const auto &r = *options.photoRect;
        recipe.frame.rectInches = QRectF(r[0], r[1], r[2], r[3]);
    }
    QByteArray designBytes;
    try {
        designBytes = ProjectPages::documentBytes(design);
    } catch (const StreamError &error) {
        printProblem(QStringLiteral("the design cannot be written: %1").arg(error.message()));
        return 1;
    }
    const ProjectBuilder::Result built = ProjectBuilder::build(designBytes, recipe, options.newProjectFile);
    for (const QString &warning : built.warnings)
        printProblem(warning);
    if (!built.ok()) {
        QString message = built.error;
        if (!options.photosFolder.isEmpty() && options.photoFrame.isEmpty() && !options.photoRect
            && built.project.photoFrame.objectIndex < 0 && message.contains(QLatin1String("clip-art")))
            message += QStringLiteral(" Give --photo-rect L,T,W,H for a new frame, or --photo-frame OBJECTNAME.");
        printProblem(message);
        return 1;
    }
    return 0;
}

int runProject(const RenderOptions &options)
{
    const ProjectFile::ReadResult read = ProjectFile::read(options.projectFile);
    if (!read.ok()) {
        printProblem(QStringLiteral("cannot open the project %1: %2").arg(options.projectFile, read.error));
        return 1;
    }
    if (!options.outFile.isEmpty()) {
        if (!read.missingPages.isEmpty()) {
            printProblem(QStringLiteral("%1: pages missing from its folder: %2")
                             .arg(options.projectFile, read.missingPages.join(QStringLiteral(", "))));
            return 1;
        }
        QString error;
        const bool written
            = PageOutput::formatOfPath(options.outFile) == PageOutput::Format::Pdf
                  ? ProjectOutput::savePdf(read.project, options.projectFile, options.outFile, &error)
                  : ProjectOutput::saveImages(read.project, options.projectFile, options.outFile, options.zoom, &error);
        if (!written) {
            printProblem(error);
            return 1;
        }
    }
    if (options.geometry) {
        QJsonArray pages;
        for (const ProjectPage &entry : read.project.pages)
            pages.append(pageJson(entry, options.projectFile));
        QJsonObject json{{QStringLiteral("first"), QStringLiteral("%1-%2").arg(read.project.first.year).arg(read.project.first.month, 2, 10, QLatin1Char('0'))},
                         {QStringLiteral("months"), read.project.months},
                         {QStringLiteral("pages"), pages},
                         {QStringLiteral("missing"), QJsonArray::fromStringList(read.missingPages)}};
        if (read.project.photoFrame.isSet())
            json.insert(QStringLiteral("photoFrame"), read.project.photoFrame.objectName);
        printJson(json);
    }
    return read.missingPages.isEmpty() ? 0 : kExitReadInPart;
}
