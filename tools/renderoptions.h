// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "calendar/pageoptions.h"
#include "calendar/pagetypes.h"

#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <optional>
#include <vector>

class PageModel;

// The renderer's command line: what to set on the page and what to print.
struct RenderOptions
{
    std::optional<TCalendarLayout> layout;
    std::optional<int> paperSize;
    std::optional<int> month;
    std::optional<int> year;
    std::optional<int> day;
    std::optional<int> startOfWeek;
    std::optional<std::array<float, 4>> margins;
    std::optional<QString> border;
    std::optional<CalendarLanguage> language;
    // --language with a locale name ("pl", "ja-JP"): the locale's names and the page's language.
    QString localeLanguage;
    // --locale-dates on|off; pages the renderer makes new have it off unless asked.
    std::optional<bool> localeDates;
    int ppi = 96;
    float zoom = 1.0f;
    bool geometry = false;
    QString outFile;         // --out FILE
    int months = 1;          // --months N
    // Report modes that print something else than a page.
    QString recurringFile;   // --recurring FILE
    bool holidays = false;   // --holidays
    QString holidaysOf;      // --holidays-of CC[-RR], with --year
    bool moon = false;       // --moon, with --year
    // Page options: week numbers and the moon's phases on the page.
    std::optional<PageOptions::WeekNumbers> weekNumbers; // --week-numbers iso|us|none
    bool moonPhases = false;                             // --moon-phases
    QString dumpFile;        // --dump FILE
    QString pictureFile;     // --picture FILE
    bool pictureInfo = false;         // --info
    std::optional<QSize> pictureSize; // --size WxH, or --width and --height with --rtf
    QString iconsFile;       // --icons FILE
    QString iconFile;        // --icon FILE N
    int iconIndex = 0;
    QString rtfFile;         // --rtf FILE
    bool rtfRuns = false;    // --runs
    QString saveRtfFile;     // --save-rtf FILE
    QString icsFile;         // --ics FILE, with --month and --year
    QStringList fillIcsFiles; // --fill-ics FILE, once or more
    QString fillRecurringFile; // --fill-recurring FILE
    bool holidaysToo = false;  // --holidays-too
    // Page options: a place's holidays coloured ("" turns it off), and their names shown.
    std::optional<QString> holidayColouring; // --holiday-colouring CC[-RR]|none
    bool holidayNames = false;               // --holiday-names
    // Documents: a calendar file to start from, a style sheet to apply, a file to write.
    QString documentFile;    // the one positional argument
    QString styleFile;       // --style FILE.OVS
    QString saveFile;        // --save FILE.OVF or FILE.OVS
    // Calendar projects: making one from the page (--new-project), and writing one out.
    QString newProjectFile;  // --new-project FILE.ovproj
    std::optional<MonthOfYear> projectFirst; // --first YYYY-MM
    QString cover;           // --cover overview|copy; empty for none
    QString photosFolder;    // --photos DIR
    QString photoFrame;      // --photo-frame OBJECTNAME
    std::optional<std::array<float, 4>> photoRect; // --photo-rect L,T,W,H in inches
    QString fillHolidays;    // --fill-holidays CC[-RR]
    bool localHolidayNames = false; // --local-names
    QString projectFile;     // --project FILE.ovproj
    // Templates: listing them, and starting the page from one.
    bool listTemplates = false; // --templates
    QString templateName;       // --template NAME
    // Clip art to place on the page: --add-picture FILE --rect L,T,W,H, in inches from the
    // paper's top left, as often as wanted.
    struct AddedPicture
    {
        QString file;
        std::array<float, 4> rect;
    };
    std::vector<AddedPicture> addedPictures;
};

struct RenderOptionsResult
{
    RenderOptions options;
    // One line naming the offending option; empty on success.
    QString error;
    // Set when --help or --version was asked for: the text to print instead of doing anything.
    QString help;
};

// Parses arguments (the program name first, as QCoreApplication::arguments() gives them).
RenderOptionsResult parseRenderOptions(const QStringList &arguments);

// What the options name that the data folder must hold (a place's holidays); the problem,
// or empty. Asked once the application, which finds the data folder, exists.
QString checkRenderData(const RenderOptions &options);

// Applies the options to a page that was reset to the default style.
void applyRenderOptions(const RenderOptions &options, PageModel &page);
