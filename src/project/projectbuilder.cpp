// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "projectbuilder.h"

#include "projectpages.h"

#include "calendar/calendardates.h"
#include "calendar/layouttable.h"
#include "core/filebytes.h"
#include "eventfill/eventfill.h"
#include "ical/calendarevents.h"
#include "images/picturefile.h"
#include "objects/tgimage.h"
#include "pagemodel/pagemodel.h"
#include "recurring/holidayplaces.h"
#include "recurring/recurringmonth.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace ProjectBuilder {

namespace {

bool isDayOff(HolidayKind kind)
{
    return kind == HolidayKind::Public || kind == HolidayKind::Bank;
}

QString pageFileName(const ProjectPage &page)
{
    switch (page.kind) {
    case ProjectPage::Kind::Cover: return QStringLiteral("cover.OVF");
    case ProjectPage::Kind::Back: return QStringLiteral("back.OVF");
    case ProjectPage::Kind::Month: break;
    }
    return QStringLiteral("%1-%2.OVF")
        .arg(page.month->year, 4, 10, QLatin1Char('0'))
        .arg(page.month->month, 2, 10, QLatin1Char('0'));
}

std::vector<ProjectPage> projectPages(const Recipe &recipe)
{
    std::vector<ProjectPage> pages;
    if (recipe.cover != Cover::None)
        pages.push_back({ProjectPage::Kind::Cover, {}, {}});
    for (int k = 0; k < recipe.months; ++k)
        pages.push_back({ProjectPage::Kind::Month, {}, AddMonths(recipe.first.month, recipe.first.year, k)});
    for (ProjectPage &page : pages)
        page.file = pageFileName(page);
    return pages;
}

// Everything the sources put on the pages, read once for all the months.
struct Sources
{
    QDate first;
    QDate last;
    QStringList recurringLines;
    QList<RecurringDate> holidays;
    QList<CalendarEvent> events;
};

QString readSources(const Recipe &recipe, Sources &sources, QStringList &warnings)
{
    const MonthOfYear lastMonth = AddMonths(recipe.first.month, recipe.first.year, recipe.months - 1);
    sources.first = QDate(recipe.first.year, recipe.first.month, 1);
    sources.last = QDate(lastMonth.year, lastMonth.month, DaysInMonth(lastMonth.year, lastMonth.month));
    sources.recurringLines = recipe.fills.recurringLines;
    if (!recipe.fills.holidayPlace.isEmpty()) {
        QString error;
        const QList<Holiday> holidays
            = HolidayPlaces::between(recipe.fills.holidayPlace, sources.first, sources.last, &error);
        if (!error.isEmpty())
            return QStringLiteral("The holidays of %1: %2").arg(recipe.fills.holidayPlace, error);
        for (const Holiday &holiday : holidays) {
            if (isDayOff(holiday.kind))
                sources.holidays.append(
                    {holiday.date, recipe.fills.holidayLocalNames ? holiday.localName : holiday.name});
        }
    }
    for (const QString &path : recipe.fills.icsFiles) {
        const CalendarEventsResult read = CalendarEvents::readFile(path, sources.first, sources.last);
        if (!read.ok())
            return QStringLiteral("Cannot read %1: %2").arg(path, read.error);
        if (read.eventsCut > 0)
            warnings << QStringLiteral("%1: %2").arg(path, CalendarEvents::cutShortMessage(read.eventsCut));
        sources.events += read.events;
    }
    return {};
}

void fillMonth(PageModel &page, const Sources &sources, const QTextCharFormat &format, QStringList &warnings)
{
    const EventFill::Period period = EventFill::pagePeriod(page);
    if (!period.isValid())
        return;
    page.UpdateCellTable();
    QList<RecurringDate> dates = recurringDatesInPeriod(sources.recurringLines, period.first, period.last);
    for (const RecurringDate &holiday : sources.holidays) {
        if (holiday.date >= period.first && holiday.date <= period.last)
            dates.append(holiday);
    }
    std::stable_sort(dates.begin(), dates.end(),
                     [](const RecurringDate &a, const RecurringDate &b) { return a.date < b.date; });
    int unreadable = EventFill::fillRecurringDates(page, dates, format).unreadableCells;
    unreadable += EventFill::fillPage(page, EventFill::placements(page, sources.events), format).unreadableCells;
    if (unreadable > 0)
        warnings << EventFill::unreadableCellsMessage(unreadable);
}

// The cover: a year at a glance in the design's style, or the design itself.
void makeCover(PageModel &page, Cover cover, const Recipe &recipe)
{
    if (cover != Cover::Overview)
        return;
    page.objectList().clear();
    page.SetCalendarLayout(layoutInOrientation(loMC12Month, page.CalendarOrientation()));
    const MonthOfYear last = AddMonths(recipe.first.month, recipe.first.year, recipe.months - 1);
    page.SetUserTitle(last.year == recipe.first.year
                          ? QString::number(recipe.first.year)
                          : QStringLiteral("%1 – %2").arg(recipe.first.year).arg(last.year));
}

const TGImage *clipArtAt(const PageModel &page, int index)
{
    if (index < 0 || size_t(index) >= page.objects().size())
        return nullptr;
    return dynamic_cast<const TGImage *>(page.objects()[size_t(index)].get());
}

double area(const QRectF &rect)
{
    return rect.width() * rect.height();
}

QString freeObjectName(const PageModel &page)
{
    for (int n = 0;; ++n) {
        const QString name = QStringLiteral("Component%1").arg(n);
        const bool taken = std::any_of(page.objects().begin(), page.objects().end(),
                                       [&name](const auto &object) { return object->Name() == name; });
        if (!taken)
            return name;
    }
}

// A new, empty clip-art object at a rectangle in inches; its index.
int addFrame(PageModel &design, const QRectF &inches)
{
    const double ppi = design.pixelsPerInch();
    auto frame = std::make_unique<TGImage>();
    frame->setName(freeObjectName(design));
    frame->SetStretch(true);
    design.appendObject(std::move(frame))
        ->setPageBounds(QRectF(inches.left() * ppi, inches.top() * ppi, inches.width() * ppi, inches.height() * ppi));
    return int(design.objects().size()) - 1;
}

// Removes the files written so far, newest first.
void removeWritten(const QStringList &written)
{
    for (auto it = written.rbegin(); it != written.rend(); ++it)
        QFile::remove(*it);
}

QString checkRecipe(const Recipe &recipe, const PageModel &design)
{
    if (recipe.months < 1 || recipe.months > CalendarProject::kMaxMonths)
        return QStringLiteral("A project has 1 to %1 months.").arg(CalendarProject::kMaxMonths);
    if (recipe.first.month < 1 || recipe.first.month > 12 || recipe.first.year < 1
        || recipe.first.year + (recipe.first.month + recipe.months - 2) / 12 > 9999)
        return QStringLiteral("The first month is not a month this program shows.");
    if (layoutInfo(design.CalendarLayout()).family == LayoutFamily::Planner)
        return QStringLiteral("A project has a page a month: choose a month layout for its design, "
                              "not a week or day planner.");
    return {};
}

QString existingFile(const QString &projectPath, const std::vector<ProjectPage> &pages)
{
    if (FileBytes::exists(projectPath))
        return projectPath;
    for (const ProjectPage &page : pages) {
        if (FileBytes::exists(ProjectFile::pagePath(projectPath, page)))
            return ProjectFile::pagePath(projectPath, page);
    }
    return {};
}

// Names as people sort them: runs of digits by their value ("img2" before "img10"), the
// rest without regard to case. QCollator's numeric mode does this only in some locales.
int compareNaturally(const QString &a, const QString &b)
{
    qsizetype i = 0;
    qsizetype j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i].isDigit() && b[j].isDigit()) {
            const qsizetype startA = i;
            const qsizetype startB = j;
            while (i < a.size() && a[i].isDigit())
                ++i;
            while (j < b.size() && b[j].isDigit())
                ++j;
            // Leading zeros do not count; then the longer run is the larger number.
            QStringView runA = QStringView(a).mid(startA, i - startA);
            QStringView runB = QStringView(b).mid(startB, j - startB);
            while (runA.size() > 1 && runA.front() == QLatin1Char('0'))
                runA = runA.mid(1);
            while (runB.size() > 1 && runB.front() == QLatin1Char('0'))
                runB = runB.mid(1);
            if (runA.size() != runB.size())
                return runA.size() < runB.size() ? -1 : 1;
            if (const int order = runA.compare(runB); order != 0)
                return order;
            continue;
        }
        if (const int order = QStringView(a).mid(i, 1).compare(QStringView(b).mid(j, 1), Qt::CaseInsensitive); order != 0)
            return order;
        ++i;
        ++j;
    }
    return (a.size() - i > 0) - (b.size() - j > 0);
}

} // namespace

QStringList photosOf(const QString &folder, QString *error)
{
    const FileBytes::FolderListing listing = FileBytes::listFolder(folder);
    if (!listing.ok()) {
        if (error)
            *error = QStringLiteral("Cannot read the folder %1: %2").arg(folder, listing.reason);
        return {};
    }
    QStringList names;
    for (const FileBytes::FolderEntry &entry : listing.entries) {
        const QString suffix = QFileInfo(entry.name).suffix().toLower();
        if (!entry.folder && !entry.name.startsWith(QLatin1Char('.'))
            && (pictureKind(entry.name) != PictureKind::Other || suffix == QLatin1String("png")))
            names.append(entry.name);
    }
    std::sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        const int order = compareNaturally(a, b);
        return order != 0 ? order < 0 : a < b;
    });
    QStringList paths;
    for (const QString &name : names)
        paths.append(folder + QLatin1Char('/') + name);
    return paths;
}

int findPhotoFrame(const PageModel &design, const FrameChoice &choice, QString *error)
{
    const auto fail = [error](const QString &reason) {
        if (error)
            *error = reason;
        return -1;
    };
    if (choice.objectIndex) {
        if (!clipArtAt(design, *choice.objectIndex))
            return fail(QStringLiteral("Object %1 of the design is not clip art.").arg(*choice.objectIndex + 1));
        return *choice.objectIndex;
    }
    if (!choice.objectName.isEmpty()) {
        for (size_t i = 0; i < design.objects().size(); ++i) {
            if (design.objects()[i]->Name() != choice.objectName)
                continue;
            if (!clipArtAt(design, int(i)))
                return fail(QStringLiteral("%1 is not a clip-art object.").arg(choice.objectName));
            return int(i);
        }
        return fail(QStringLiteral("The design has no object named %1.").arg(choice.objectName));
    }
    int largest = -1;
    for (size_t i = 0; i < design.objects().size(); ++i) {
        if (clipArtAt(design, int(i))
            && (largest < 0 || area(design.objects()[i]->pageBounds()) > area(design.objects()[size_t(largest)]->pageBounds())))
            largest = int(i);
    }
    if (largest < 0)
        return fail(QStringLiteral("The design has no clip-art object to hold the photos."));
    return largest;
}

bool placePhoto(PageModel &page, int objectIndex, const QString &photoPath, QString *error)
{
    auto *image = const_cast<TGImage *>(clipArtAt(page, objectIndex));
    if (!image) {
        if (error)
            *error = QStringLiteral("The page has no photo frame.");
        return false;
    }
    Picture photo;
    const ImageStatus status = photo.loadFromFile(photoPath);
    if (!status.ok() || photo.isEmpty()) {
        if (error)
            *error = QStringLiteral("%1: %2").arg(photoPath, status.ok() ? QStringLiteral("the picture is empty") : status.error);
        return false;
    }
    // The frame's place is kept; the photo takes as much of it as its proportions allow.
    const QRectF frame = image->pageBounds();
    QSizeF fitted = QSizeF(photo.size()).scaled(frame.size(), Qt::KeepAspectRatio);
    image->SetStretch(true);
    image->SetPicture(photo);
    image->setPageBounds(QRectF(frame.left() + (frame.width() - fitted.width()) / 2,
                                frame.top() + (frame.height() - fitted.height()) / 2, fitted.width(),
                                fitted.height()));
    return true;
}

Result build(const QByteArray &designBytes, const Recipe &recipe, const QString &projectPath,
             const Progress &progress)
{
    Result result;
    PageModel design;
    const CalendarFile::LoadOutcome loaded = ProjectPages::loadBytes(design, designBytes);
    if (!loaded.ok) {
        result.error = QStringLiteral("The design cannot be read: %1").arg(loaded.message);
        return result;
    }
    if (const QString problem = checkRecipe(recipe, design); !problem.isEmpty()) {
        result.error = problem;
        return result;
    }
    CalendarProject &project = result.project;
    project.first = recipe.first;
    project.months = recipe.months;
    project.pages = projectPages(recipe);
    project.fills = recipe.fills;

    QStringList photos;
    if (!recipe.photosFolder.isEmpty()) {
        photos = photosOf(recipe.photosFolder, &result.error);
        if (!result.ok())
            return result;
        if (photos.isEmpty()) {
            result.error = QStringLiteral("The folder %1 holds no pictures.").arg(recipe.photosFolder);
            return result;
        }
        const int frame = recipe.frame.rectInches ? addFrame(design, *recipe.frame.rectInches)
                                                  : findPhotoFrame(design, recipe.frame, &result.error);
        if (frame < 0)
            return result;
        project.photoFrame = {frame, design.objects()[size_t(frame)]->Name()};
        project.photosFolder = QFileInfo(recipe.photosFolder).absoluteFilePath();
        if (photos.size() < recipe.months)
            result.warnings << QStringLiteral("%1 photos for %2 months: the last months keep the design's picture.")
                                   .arg(photos.size())
                                   .arg(recipe.months);
    }
    if (const QString existing = existingFile(projectPath, project.pages); !existing.isEmpty()) {
        result.error = QStringLiteral("%1 exists already; choose a new project name or an empty folder.")
                           .arg(existing);
        return result;
    }
    if (!QDir().mkpath(ProjectFile::folderOf(projectPath))) {
        result.error = QStringLiteral("Cannot make the folder %1.").arg(ProjectFile::folderOf(projectPath));
        return result;
    }
    Sources sources;
    if (const QString problem = readSources(recipe, sources, result.warnings); !problem.isEmpty()) {
        result.error = problem;
        return result;
    }
    design.ClearAllCells();
    const QByteArray pageDesign = ProjectPages::documentBytes(design);
    // A cover that copies the design takes the first photo when there is one to spare.
    const bool coverPhoto = recipe.cover == Cover::Copy && photos.size() > recipe.months;
    qsizetype nextPhoto = 0;
    QStringList written;
    for (size_t i = 0; i < project.pages.size(); ++i) {
        const ProjectPage &entry = project.pages[i];
        if (progress && !progress(int(i), int(project.pages.size()))) {
            removeWritten(written);
            result.error = QStringLiteral("Cancelled");
            return result;
        }
        PageModel page;
        ProjectPages::loadBytes(page, pageDesign);
        const MonthOfYear month = entry.month.value_or(recipe.first);
        page.SetMainCalYear(month.year);
        page.SetMainCalMonth(month.month);
        const bool isCover = entry.kind == ProjectPage::Kind::Cover;
        if (isCover)
            makeCover(page, recipe.cover, recipe);
        else
            fillMonth(page, sources, recipe.emptyCellFormat, result.warnings);
        if ((isCover ? coverPhoto : project.photoFrame.isSet()) && nextPhoto < photos.size()) {
            QString problem;
            if (!placePhoto(page, project.photoFrame.objectIndex, photos[nextPhoto++], &problem))
                result.warnings << problem;
        }
        const QString path = ProjectFile::pagePath(projectPath, entry);
        const CalendarFile::FileResult saved = ProjectPages::save(page, path);
        if (!saved.ok) {
            removeWritten(written);
            result.error = QStringLiteral("Cannot write %1: %2").arg(path, saved.message);
            return result;
        }
        written << path;
    }
    if (const QString failure = ProjectFile::write(project, projectPath); !failure.isEmpty()) {
        removeWritten(written);
        result.error = QStringLiteral("Cannot write %1: %2").arg(projectPath, failure);
    }
    return result;
}

} // namespace ProjectBuilder
