// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "project/calendarproject.h"

#include <QByteArray>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextCharFormat>

#include <functional>
#include <optional>

class PageModel;

// Making a project from a design: one page a month, each a copy of the design showing its
// month with its cells filled from the chosen sources by their dates, a photo a month in
// the design's photo frame, and an optional cover.
namespace ProjectBuilder {

enum class Cover { None, Overview, Copy };

// Which clip-art object takes the photos: one by its place or its name, a new one at a
// rectangle in inches from the paper's top left, or (none of these) the largest.
struct FrameChoice
{
    std::optional<int> objectIndex;
    QString objectName;
    std::optional<QRectF> rectInches;
};

struct Recipe
{
    MonthOfYear first{1, 2027};
    int months = 12;
    Cover cover = Cover::None;
    ProjectFills fills;
    QString photosFolder;
    FrameChoice frame;
    // The text format of a filled cell that was empty.
    QTextCharFormat emptyCellFormat;
};

struct Result
{
    QString error;
    // What was done but may not be what the user expected (fewer photos than months, events
    // cut short, a photo that did not read...).
    QStringList warnings;
    CalendarProject project;

    bool ok() const { return error.isEmpty(); }
};

// Told each page before it is made (0-based, of count); false stops the making, which then
// fails and leaves no file.
using Progress = std::function<bool(int page, int count)>;

// The pictures of a folder in name order as people sort them ("2" before "10").
QStringList photosOf(const QString &folder, QString *error);
// The index of the clip-art object that choice names in the design, or -1 with the reason.
// With nothing chosen, the largest clip-art object; a design without one has no frame.
int findPhotoFrame(const PageModel &design, const FrameChoice &choice, QString *error);
// Puts the photo into the clip-art object, as large as it fits in the object's place
// without changing its proportions, centred there.
bool placePhoto(PageModel &page, int objectIndex, const QString &photoPath, QString *error);

// Writes the pages and the project file projectPath (pages go beside it) from the design
// (a whole document's bytes). Nothing is overwritten: a page file or project file that
// exists already stops it before anything is written, and a failure part way removes what
// was written.
Result build(const QByteArray &design, const Recipe &recipe, const QString &projectPath,
             const Progress &progress = {});

} // namespace ProjectBuilder
