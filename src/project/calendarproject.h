// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendardates.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// A calendar project: an ordered list of pages (an optional cover, the months, an optional
// back page), each an ordinary calendar document in the project's folder, and a small file
// (JSON, ".ovproj") that lists them with what the project was made from. The file holds no
// page content, so every page still opens on its own; page names are relative to the
// project file's folder, so the folder can move.
struct ProjectPage
{
    enum class Kind { Cover, Month, Back };
    Kind kind = Kind::Month;
    // A plain file name in the project's folder ("2027-01.OVF").
    QString file;
    // The month a month page shows; unset for cover and back pages.
    std::optional<MonthOfYear> month;

    bool operator==(const ProjectPage &) const = default;
};

// Where the photos go: a clip-art object of the design, by its place among the page's
// objects (back to front) and the name it had.
struct PhotoFrame
{
    int objectIndex = -1;
    QString objectName;

    bool isSet() const { return objectIndex >= 0; }
    bool operator==(const PhotoFrame &) const = default;
};

// What the month pages were filled from, kept so a user can see it and do it again.
struct ProjectFills
{
    // The recurring-date lines chosen (their text as the list holds them) and where they came
    // from: the user's list or a file.
    QString recurringSource;
    QStringList recurringLines;
    // A holiday place ("DE", "DE-BY") and whether its holidays were named in the country's
    // language.
    QString holidayPlace;
    bool holidayLocalNames = false;
    // iCalendar files, as given.
    QStringList icsFiles;

    bool operator==(const ProjectFills &) const = default;
};

struct CalendarProject
{
    static constexpr int kFormatVersion = 1;
    static constexpr int kMaxMonths = 24;
    // A project file lists pages and sources: far below this.
    static constexpr qint64 kMaxFileSize = 1024 * 1024;
    static constexpr const char *kExtension = "ovproj";

    MonthOfYear first{1, 2027};
    int months = 12;
    std::vector<ProjectPage> pages;
    PhotoFrame photoFrame;
    QString photosFolder;
    ProjectFills fills;

    bool operator==(const CalendarProject &) const = default;

    // The page showing month offset (0 for the first month), or -1.
    int monthPageIndex(int offset) const;
    int coverIndex() const;
};

namespace ProjectFile {

struct ReadResult
{
    CalendarProject project;
    // Why the project cannot be opened; empty when it was read.
    QString error;
    // Pages the project lists whose files are not in its folder (plain names).
    QStringList missingPages;

    bool ok() const { return error.isEmpty(); }
};

// The project's JSON; parse() checks everything a hand-edited or damaged file can get
// wrong and names the first fault.
QByteArray serialize(const CalendarProject &project);
ReadResult parse(const QByteArray &bytes);

// Reads a project file (a regular file of at most kMaxFileSize) and looks for its pages.
ReadResult read(const QString &path);
// Writes through a temporary file that replaces path only when complete; returns why it
// failed, or an empty string.
QString write(const CalendarProject &project, const QString &path);

// The folder that a project file's page names are relative to.
QString folderOf(const QString &projectPath);
QString pagePath(const QString &projectPath, const ProjectPage &page);
// A page file name that stays inside the project's folder: no folder part, not "." or "..".
bool isPlainFileName(const QString &name);

} // namespace ProjectFile
