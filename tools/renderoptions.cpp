// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "renderoptions.h"

#include "output/pageoutput.h"
#include "pagemodel/pagemodel.h"
#include "calendar/pageoptions.h"
#include "project/calendarproject.h"
#include "recurring/holidayplaces.h"

#include <QCommandLineParser>
#include <QFileInfo>

#include <cmath>

namespace {

struct IntRange
{
    int low;
    int high;
};

const QStringList languageKeys = {QStringLiteral("english"), QStringLiteral("french"),
                                  QStringLiteral("german"), QStringLiteral("italian"),
                                  QStringLiteral("spanish")};

void addOptions(QCommandLineParser &parser)
{
    const auto valueOption = [&parser](const char *name, const char *help, const char *value) {
        parser.addOption({QString::fromLatin1(name), QString::fromLatin1(help),
                          QString::fromLatin1(value)});
    };
    valueOption("layout", "Page layout 0..21.", "N");
    valueOption("paper", "Paper size: letter or a4.", "paper");
    valueOption("month", "Month 1..12.", "M");
    valueOption("year", "Year 1..9999.", "Y");
    valueOption("day", "Day of the month 1..31.", "D");
    valueOption("week-start", "1 = Sunday, 2 = Monday.", "1|2");
    valueOption("margins", "Margins in inches.", "L,T,R,B");
    valueOption("border", "Decorative border name.", "NAME");
    valueOption("language", "english, french, german, italian or spanish, or a locale name (pl, "
                            "ja-JP) for that language's names.", "language");
    valueOption("locale-dates", "on: titles, planner labels, times and short day names as the page's "
                                "language writes them; off: the classic texts (the default for pages "
                                "made here; documents keep their own).", "on|off");
    valueOption("ppi", "Screen pixels per inch (default 96).", "N");
    valueOption("zoom", "Zoom factor (default 1.0).", "Z");
    parser.addOption({QStringLiteral("geometry"),
                      QStringLiteral("Print the layout and the painted cells as JSON.")});
    valueOption("out", "Write the page to FILE (.png, .bmp, .jpg, .pdf, or .svg as vectors).", "FILE");
    valueOption("months", "Pages of consecutive months to write (default 1).", "N");
    valueOption("recurring", "Print the entries of a recurring-date file that apply to --month/--year.",
                "FILE");
    parser.addOption({QStringLiteral("holidays"),
                      QStringLiteral("Print the built-in holidays that apply to --month/--year.")});
    valueOption("holidays-of", "Print the public and other holidays of a country or region (DE, DE-BY) "
                               "in --year as JSON.", "CC[-RR]");
    valueOption("dump", "Print a calendar document or style sheet as readable text.", "FILE");
    parser.addOption({QStringLiteral("moon"),
                      QStringLiteral("Print the moon's principal phases in --year as JSON (UTC).")});
    valueOption("week-numbers", "Week numbers left of the month grids: iso (ISO 8601), us (the "
                                "week that holds 1 January is week 1) or none.", "iso|us|none");
    parser.addOption({QStringLiteral("moon-phases"),
                      QStringLiteral("Mark the moon's principal phases in the day cells.")});
    valueOption("picture", "Load a picture file as the picture browsers do; with --out draw it, "
                           "with --info describe it.", "FILE");
    parser.addOption({QStringLiteral("info"),
                      QStringLiteral("With --picture: print the picture's kind and size as JSON.")});
    valueOption("size", "With --picture: the size to draw it at (default its own); with --icon: "
                        "the size to choose the icon's entry for.", "WxH");
    valueOption("icons", "Print the icons of an icon library (.ico, .icl, .dll, .exe) as JSON.", "FILE");
    valueOption("icon", "With N (0-based) and --out: write icon N of an icon library as PNG; "
                        "--size chooses the entry for another size.", "FILE");
    valueOption("rtf", "Read a rich text file: with --runs print its paragraphs and runs, with "
                       "--out and --width/--height draw it, with --save-rtf write it back.", "FILE");
    parser.addOption({QStringLiteral("runs"),
                      QStringLiteral("With --rtf: print the paragraphs and runs as JSON.")});
    valueOption("width", "With --rtf: the width to lay the text out in, in pixels.", "W");
    valueOption("height", "With --rtf: the height of the drawing, in pixels.", "H");
    valueOption("save-rtf", "With --rtf: write the text back as RTF.", "FILE");
    valueOption("ics", "Print the events of an iCalendar file on the days of --month/--year as JSON.",
                "FILE");
    valueOption("fill-ics", "Fill the page's day cells with the events of an iCalendar file (may be "
                            "given more than once).", "FILE");
    valueOption("fill-recurring", "Fill the page's day cells with every entry of a recurring-date list "
                                  "that falls on its days, as the window's command does with all chosen.", "FILE");
    parser.addOption({QStringLiteral("holidays-too"),
                      QStringLiteral("With --fill-recurring: the built-in holidays as well.")});
    valueOption("holiday-colouring", "Colour the day numbers of a country's or region's holidays (DE, "
                                     "DE-BY); none turns it off.", "CC[-RR]|none");
    parser.addOption({QStringLiteral("holiday-names"),
                      QStringLiteral("With --holiday-colouring: the holidays' names small in their cells.")});
    valueOption("new-project", "Make a calendar project from the page: a page a month beside FILE, "
                               "filled by --fill-recurring, --fill-holidays and --fill-ics, with "
                               "--photos in the photo frame. Needs --first and --months.", "FILE.ovproj");
    valueOption("first", "With --new-project: the first month.", "YYYY-MM");
    valueOption("cover", "With --new-project: a cover page, a year overview or a copy of the design.",
                "overview|copy");
    valueOption("photos", "With --new-project: a folder of photos, one a month in name order.", "DIR");
    valueOption("photo-frame", "With --photos: the clip-art object that holds them (default the largest).",
                "OBJECTNAME");
    valueOption("photo-rect", "With --photos: a new photo frame, in inches from the paper's top left.",
                "L,T,W,H");
    valueOption("fill-holidays", "With --new-project: the public holidays of a country or region.",
                "CC[-RR]");
    parser.addOption({QStringLiteral("local-names"),
                      QStringLiteral("With --fill-holidays: the holidays' names in the country's language.")});
    valueOption("project", "A calendar project to write with --out (a .pdf, or images numbered by %02d "
                           "in the name) or list with --geometry.", "FILE.ovproj");
    parser.addOption({QStringLiteral("templates"),
                      QStringLiteral("Print the templates (shipped and the user's) as JSON.")});
    valueOption("template", "Start the page from a template (its name or file name), at --month and --year "
                            "(default: next month).", "NAME");
    valueOption("add-picture", "Place a picture (any the image browser reads: SVG, WebP, TIFF, PNG, "
                               "JPG, BMP, WMF, ...) as clip art over the --rect that follows it; may "
                               "be given more than once.", "FILE");
    valueOption("rect", "With --add-picture: where the picture goes, in inches from the paper's top "
                        "left.", "L,T,W,H");
    valueOption("style", "Apply a calendar style sheet (.OVS).", "FILE");
    valueOption("save", "Save the page as a calendar document (.OVF) or style sheet (.OVS).",
                "FILE");
    parser.addPositionalArgument(QStringLiteral("document"),
                                 QStringLiteral("A calendar document (.OVF) to start from."),
                                 QStringLiteral("[document]"));
}

std::optional<int> intValue(const QString &text, IntRange range)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < range.low || value > range.high)
        return std::nullopt;
    return value;
}

std::optional<float> floatValue(const QString &text, float low, float high)
{
    bool ok = false;
    const float value = text.toFloat(&ok);
    if (!ok || !std::isfinite(value) || value < low || value > high)
        return std::nullopt;
    return value;
}

QString invalid(const QString &name, const QString &value)
{
    return QStringLiteral("invalid value for --%1: '%2'").arg(name, value);
}

// Reads one integer option into target; false when it is given but out of range.
bool readInt(const QCommandLineParser &parser, const QString &name, IntRange range,
             std::optional<int> &target, QString &error)
{
    if (!parser.isSet(name))
        return true;
    target = intValue(parser.value(name), range);
    if (!target)
        error = invalid(name, parser.value(name));
    return target.has_value();
}

bool readMargins(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    if (!parser.isSet(QStringLiteral("margins")))
        return true;
    const QString text = parser.value(QStringLiteral("margins"));
    const QStringList parts = text.split(QLatin1Char(','));
    std::array<float, 4> margins{};
    for (int i = 0; i < 4; ++i) {
        const auto value = parts.size() == 4 ? floatValue(parts[i], 0.0f, 5.0f) : std::nullopt;
        if (!value) {
            error = invalid(QStringLiteral("margins"), text);
            return false;
        }
        margins[i] = *value;
    }
    options.margins = margins;
    return true;
}

bool readHolidayColouring(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    options.holidayNames = parser.isSet(QStringLiteral("holiday-names"));
    if (!parser.isSet(QStringLiteral("holiday-colouring"))) {
        if (options.holidayNames)
            error = QStringLiteral("--holiday-names goes with --holiday-colouring CC[-RR]");
        return error.isEmpty();
    }
    const QString place = parser.value(QStringLiteral("holiday-colouring"));
    if (place.compare(QLatin1String("none"), Qt::CaseInsensitive) == 0) {
        options.holidayColouring = QString();
        return true;
    }
    QString country;
    QString region;
    if (!HolidayFiles::splitPlace(place, &country, &region)) {
        error = invalid(QStringLiteral("holiday-colouring"), place);
        return false;
    }
    options.holidayColouring = place.toUpper();
    return true;
}

bool readChoices(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    if (parser.isSet(QStringLiteral("paper"))) {
        const QString paper = parser.value(QStringLiteral("paper")).toLower();
        if (paper != QLatin1String("letter") && paper != QLatin1String("a4")) {
            error = invalid(QStringLiteral("paper"), parser.value(QStringLiteral("paper")));
            return false;
        }
        options.paperSize = paper == QLatin1String("a4") ? PaperA4 : PaperLetter;
    }
    if (parser.isSet(QStringLiteral("language"))) {
        const QString value = parser.value(QStringLiteral("language"));
        const int index = languageKeys.indexOf(value.toLower());
        if (index >= 0) {
            options.language = static_cast<CalendarLanguage>(index);
        } else {
            // QLocale turns every name it does not know into the C locale.
            const QLocale locale(value);
            if (locale.language() == QLocale::C || locale.language() == QLocale::AnyLanguage) {
                error = invalid(QStringLiteral("language"), value);
                return false;
            }
            options.localeLanguage = locale.bcp47Name();
        }
    }
    if (parser.isSet(QStringLiteral("locale-dates"))) {
        const QString value = parser.value(QStringLiteral("locale-dates")).toLower();
        if (value != QLatin1String("on") && value != QLatin1String("off")) {
            error = invalid(QStringLiteral("locale-dates"), parser.value(QStringLiteral("locale-dates")));
            return false;
        }
        options.localeDates = value == QLatin1String("on");
    }
    if (parser.isSet(QStringLiteral("border")))
        options.border = parser.value(QStringLiteral("border"));
    if (parser.isSet(QStringLiteral("out"))) {
        options.outFile = parser.value(QStringLiteral("out"));
        if (PageOutput::formatOfPath(options.outFile) == PageOutput::Format::Unknown) {
            error = QStringLiteral("--out needs a .png, .bmp, .jpg, .pdf or .svg file: '%1'")
                        .arg(options.outFile);
            return false;
        }
    }
    return true;
}

bool readNumbers(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    std::optional<int> layout;
    std::optional<int> ppi;
    std::optional<int> months;
    if (!readInt(parser, QStringLiteral("layout"), {0, CalendarLayoutCount - 1}, layout, error)
        || !readInt(parser, QStringLiteral("month"), {1, 12}, options.month, error)
        || !readInt(parser, QStringLiteral("year"), {1, 9999}, options.year, error)
        || !readInt(parser, QStringLiteral("day"), {1, 31}, options.day, error)
        || !readInt(parser, QStringLiteral("week-start"), {1, 2}, options.startOfWeek, error)
        || !readInt(parser, QStringLiteral("ppi"), {1, 4800}, ppi, error)
        || !readInt(parser, QStringLiteral("months"), {1, 1200}, months, error))
        return false;
    options.months = months.value_or(options.months);
    if (layout)
        options.layout = static_cast<TCalendarLayout>(*layout);
    options.ppi = ppi.value_or(options.ppi);
    if (parser.isSet(QStringLiteral("zoom"))) {
        const auto zoom = floatValue(parser.value(QStringLiteral("zoom")), 0.01f, 20.0f);
        if (!zoom) {
            error = invalid(QStringLiteral("zoom"), parser.value(QStringLiteral("zoom")));
            return false;
        }
        options.zoom = *zoom;
    }
    return true;
}

std::optional<MonthOfYear> monthValue(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char('-'));
    const std::optional<int> year = parts.size() == 2 ? intValue(parts[0], {1, 9999}) : std::nullopt;
    const std::optional<int> month = parts.size() == 2 ? intValue(parts[1], {1, 12}) : std::nullopt;
    if (!year || !month)
        return std::nullopt;
    return MonthOfYear{*month, *year};
}

std::optional<std::array<float, 4>> rectValue(const QString &text)
{
    const QStringList parts = text.split(QLatin1Char(','));
    std::array<float, 4> rect{};
    for (int i = 0; i < 4; ++i) {
        const auto value = parts.size() == 4 ? floatValue(parts[i], i < 2 ? -20.0f : 0.01f, 40.0f) : std::nullopt;
        if (!value)
            return std::nullopt;
        rect[size_t(i)] = *value;
    }
    return rect;
}

bool readPhotoOptions(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    options.photosFolder = parser.value(QStringLiteral("photos"));
    options.photoFrame = parser.value(QStringLiteral("photo-frame"));
    if (parser.isSet(QStringLiteral("photo-rect"))) {
        const QString text = parser.value(QStringLiteral("photo-rect"));
        options.photoRect = rectValue(text);
        if (!options.photoRect) {
            error = invalid(QStringLiteral("photo-rect"), text);
            return false;
        }
    }
    if ((!options.photoFrame.isEmpty() || options.photoRect) && options.photosFolder.isEmpty())
        error = QStringLiteral("--photo-frame and --photo-rect go with --photos DIR");
    else if (!options.photoFrame.isEmpty() && options.photoRect)
        error = QStringLiteral("--photo-frame and --photo-rect cannot be given together");
    return error.isEmpty();
}

// --add-picture and --rect pair up in the order given.
bool readAddedPictures(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    const QStringList files = parser.values(QStringLiteral("add-picture"));
    const QStringList rects = parser.values(QStringLiteral("rect"));
    if (files.size() != rects.size()) {
        error = QStringLiteral("each --add-picture FILE needs one --rect L,T,W,H");
        return false;
    }
    for (qsizetype i = 0; i < files.size(); ++i) {
        const auto rect = rectValue(rects[i]);
        if (!rect) {
            error = invalid(QStringLiteral("rect"), rects[i]);
            return false;
        }
        options.addedPictures.push_back({files[i], *rect});
    }
    return true;
}

bool readProject(const QCommandLineParser &parser, RenderOptions &options, QString &error)
{
    options.projectFile = parser.value(QStringLiteral("project"));
    options.newProjectFile = parser.value(QStringLiteral("new-project"));
    options.cover = parser.value(QStringLiteral("cover")).toLower();
    options.fillHolidays = parser.value(QStringLiteral("fill-holidays")).toUpper();
    options.localHolidayNames = parser.isSet(QStringLiteral("local-names"));
    if (!readPhotoOptions(parser, options, error))
        return false;
    if (parser.isSet(QStringLiteral("first"))) {
        options.projectFirst = monthValue(parser.value(QStringLiteral("first")));
        if (!options.projectFirst) {
            error = invalid(QStringLiteral("first"), parser.value(QStringLiteral("first")));
            return false;
        }
    }
    QString country;
    QString region;
    if (!options.fillHolidays.isEmpty() && !HolidayFiles::splitPlace(options.fillHolidays, &country, &region))
        error = invalid(QStringLiteral("fill-holidays"), parser.value(QStringLiteral("fill-holidays")));
    else if (!options.cover.isEmpty() && options.cover != QLatin1String("overview") && options.cover != QLatin1String("copy"))
        error = invalid(QStringLiteral("cover"), parser.value(QStringLiteral("cover")));
    else if (options.newProjectFile.isEmpty()
             && (options.projectFirst || !options.cover.isEmpty() || !options.photosFolder.isEmpty()
                 || !options.fillHolidays.isEmpty()))
        error = QStringLiteral("--first, --cover, --photos and --fill-holidays go with --new-project FILE");
    else if (!options.newProjectFile.isEmpty()
             && (!options.projectFirst || !parser.isSet(QStringLiteral("months"))))
        error = QStringLiteral("--new-project needs --first YYYY-MM and --months N");
    else if (!options.newProjectFile.isEmpty() && !options.projectFile.isEmpty())
        error = QStringLiteral("--new-project and --project cannot be given together");
    else if (options.localHolidayNames && options.fillHolidays.isEmpty())
        error = QStringLiteral("--local-names goes with --fill-holidays CC[-RR]");
    return error.isEmpty();
}

} // namespace

RenderOptionsResult parseRenderOptions(const QStringList &arguments)
{
    RenderOptionsResult result;
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Draws, saves and inspects Orvane calendar pages without a window.\n"
                       "Exit status: 0 done, 1 failed, 2 bad options, 3 incomplete: the document was "
                       "read only in part (what could be read was used; --save does not replace it), "
                       "or --ics left events cut short."));
    const QCommandLineOption help = parser.addHelpOption();
    const QCommandLineOption version(QStringList{QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Displays version information."));
    parser.addOption(version);
    addOptions(parser);
    if (!parser.parse(arguments)) {
        result.error = parser.errorText();
        return result;
    }
    if (parser.isSet(version)) {
        result.help = QStringLiteral("orvane-render " ORVANE_VERSION "\n");
        return result;
    }
    if (parser.isSet(help)) {
        // Parsing happens before the application object exists, so name the program here.
        result.help = parser.helpText().replace(QLatin1String("<executable_name>"),
                                                QLatin1String("orvane-render"));
        return result;
    }
    if (parser.positionalArguments().size() > 1) {
        result.error
            = QStringLiteral("unexpected argument '%1'").arg(parser.positionalArguments().at(1));
        return result;
    }
    result.options.documentFile = parser.positionalArguments().value(0);
    result.options.iconsFile = parser.value(QStringLiteral("icons"));
    result.options.iconFile = parser.value(QStringLiteral("icon"));
    if (!result.options.iconFile.isEmpty()) {
        // The icon's number follows the file, where a document would stand otherwise.
        const std::optional<int> index = intValue(result.options.documentFile, {0, 0xFFFF});
        if (!index || !parser.isSet(QStringLiteral("out"))) {
            result.error = QStringLiteral("--icon needs FILE N (N from 0) and --out FILE");
            return result;
        }
        result.options.iconIndex = *index;
        result.options.documentFile.clear();
    }
    result.options.styleFile = parser.value(QStringLiteral("style"));
    result.options.listTemplates = parser.isSet(QStringLiteral("templates"));
    result.options.templateName = parser.value(QStringLiteral("template"));
    if (!result.options.templateName.isEmpty() && !result.options.documentFile.isEmpty()) {
        result.error = QStringLiteral("--template NAME starts the page: give no document as well");
        return result;
    }
    result.options.saveFile = parser.value(QStringLiteral("save"));
    const QString saveSuffix = QFileInfo(result.options.saveFile).suffix().toUpper();
    if (!result.options.saveFile.isEmpty() && saveSuffix != QLatin1String("OVF")
        && saveSuffix != QLatin1String("OVS")) {
        result.error = invalid(QStringLiteral("save"), result.options.saveFile);
        return result;
    }
    RenderOptions &options = result.options;
    options.geometry = parser.isSet(QStringLiteral("geometry"));
    options.recurringFile = parser.value(QStringLiteral("recurring"));
    options.holidays = parser.isSet(QStringLiteral("holidays"));
    if (parser.isSet(QStringLiteral("holidays-of"))) {
        options.holidaysOf = parser.value(QStringLiteral("holidays-of"));
        QString country;
        QString region;
        if (!HolidayFiles::splitPlace(options.holidaysOf, &country, &region)) {
            result.error = invalid(QStringLiteral("holidays-of"), options.holidaysOf);
            return result;
        }
    }
    options.moon = parser.isSet(QStringLiteral("moon"));
    options.moonPhases = parser.isSet(QStringLiteral("moon-phases"));
    if (parser.isSet(QStringLiteral("week-numbers"))) {
        options.weekNumbers = PageOptions::weekNumbersNamed(parser.value(QStringLiteral("week-numbers")).toLower());
        if (!options.weekNumbers) {
            result.error = invalid(QStringLiteral("week-numbers"), parser.value(QStringLiteral("week-numbers")));
            return result;
        }
    }
    options.dumpFile = parser.value(QStringLiteral("dump"));
    options.pictureFile = parser.value(QStringLiteral("picture"));
    options.pictureInfo = parser.isSet(QStringLiteral("info"));
    if (parser.isSet(QStringLiteral("size"))) {
        const QString text = parser.value(QStringLiteral("size"));
        const QStringList parts = text.toLower().split(QLatin1Char('x'));
        const std::optional<int> width = parts.size() == 2 ? intValue(parts[0], {1, 10000}) : std::nullopt;
        const std::optional<int> height = parts.size() == 2 ? intValue(parts[1], {1, 10000}) : std::nullopt;
        if (!width || !height) {
            result.error = invalid(QStringLiteral("size"), text);
            return result;
        }
        options.pictureSize = QSize(*width, *height);
    }
    options.rtfFile = parser.value(QStringLiteral("rtf"));
    options.rtfRuns = parser.isSet(QStringLiteral("runs"));
    options.saveRtfFile = parser.value(QStringLiteral("save-rtf"));
    if (parser.isSet(QStringLiteral("width")) || parser.isSet(QStringLiteral("height"))) {
        const QString widthText = parser.value(QStringLiteral("width"));
        const QString heightText = parser.value(QStringLiteral("height"));
        const std::optional<int> width = intValue(widthText, {1, 10000});
        const std::optional<int> height = intValue(heightText, {1, 10000});
        if (!width || !height) {
            result.error = !width ? invalid(QStringLiteral("width"), widthText)
                                  : invalid(QStringLiteral("height"), heightText);
            return result;
        }
        options.pictureSize = QSize(*width, *height);
    }
    if (!options.rtfFile.isEmpty() && !options.rtfRuns && options.saveRtfFile.isEmpty()
        && !parser.isSet(QStringLiteral("out"))) {
        result.error = QStringLiteral("--rtf needs --runs, --out FILE or --save-rtf FILE");
        return result;
    }
    if (!options.pictureFile.isEmpty() && !options.pictureInfo && options.outFile.isEmpty()
        && !parser.isSet(QStringLiteral("out"))) {
        result.error = QStringLiteral("--picture needs --out FILE or --info");
        return result;
    }
    options.icsFile = parser.value(QStringLiteral("ics"));
    options.fillIcsFiles = parser.values(QStringLiteral("fill-ics"));
    options.fillRecurringFile = parser.value(QStringLiteral("fill-recurring"));
    options.holidaysToo = parser.isSet(QStringLiteral("holidays-too"));
    if (options.holidaysToo && options.fillRecurringFile.isEmpty()) {
        result.error = QStringLiteral("--holidays-too goes with --fill-recurring FILE");
        return result;
    }
    if (!readHolidayColouring(parser, options, result.error) || !readProject(parser, options, result.error)
        || !readAddedPictures(parser, options, result.error))
        return result;
    if (readNumbers(parser, options, result.error) && readChoices(parser, options, result.error))
        readMargins(parser, options, result.error);
    if (result.error.isEmpty() && !options.icsFile.isEmpty() && (!options.month || !options.year))
        result.error = QStringLiteral("--ics needs --month M and --year Y");
    if (result.error.isEmpty() && !options.holidaysOf.isEmpty() && !options.year)
        result.error = QStringLiteral("--holidays-of needs --year Y");
    if (result.error.isEmpty() && !options.addedPictures.empty() && !options.projectFile.isEmpty())
        result.error = QStringLiteral("--add-picture places clip art on a page, not in a --project");
    if (result.error.isEmpty() && options.moon && !options.year)
        result.error = QStringLiteral("--moon needs --year Y");
    if (result.error.isEmpty() && !options.newProjectFile.isEmpty()
        && (options.months > CalendarProject::kMaxMonths || !options.outFile.isEmpty()))
        result.error = options.outFile.isEmpty()
                           ? QStringLiteral("--new-project takes 1 to %1 --months").arg(CalendarProject::kMaxMonths)
                           : QStringLiteral("--new-project writes a project; write it out with --project FILE --out FILE");
    return result;
}

QString checkRenderData(const RenderOptions &options)
{
    // The place must have holiday data, so a typing error is not a page without colours.
    if (options.holidayColouring && !options.holidayColouring->isEmpty()) {
        QString reason;
        HolidayPlaces::between(*options.holidayColouring, {}, {}, &reason);
        if (!reason.isEmpty())
            return QStringLiteral("--holiday-colouring: %1").arg(reason);
    }
    return {};
}

void applyRenderOptions(const RenderOptions &options, PageModel &page)
{
    page.setPixelsPerInch(options.ppi);
    if (options.paperSize)
        page.SetPaperSize(*options.paperSize);
    if (options.layout)
        page.SetCalendarLayout(*options.layout);
    if (options.margins) {
        page.SetLeftMarginInch((*options.margins)[0]);
        page.SetTopMarginInch((*options.margins)[1]);
        page.SetRightMarginInch((*options.margins)[2]);
        page.SetBottomMarginInch((*options.margins)[3]);
    }
    if (options.year)
        page.SetMainCalYear(*options.year);
    if (options.month)
        page.SetMainCalMonth(*options.month);
    if (options.day)
        page.SetMainCalDay(*options.day);
    if (options.startOfWeek)
        page.SetStartOfWeek(*options.startOfWeek);
    if (options.language)
        page.setNames(languageNames(*options.language));
    if (!options.localeLanguage.isEmpty() || options.localeDates) {
        DocumentOptions pageOptions = page.options();
        if (!options.localeLanguage.isEmpty()) {
            page.setNames(localeNames(QLocale(options.localeLanguage)));
            PageOptions::setLanguage(pageOptions, options.localeLanguage);
        }
        if (options.localeDates)
            PageOptions::setLocaleDates(pageOptions, *options.localeDates);
        page.setOptions(pageOptions);
    }
    if (options.border)
        page.SetWMFBorderFile(*options.border);
    if (options.holidayColouring || options.weekNumbers || options.moonPhases) {
        DocumentOptions pageOptions = page.options();
        if (options.holidayColouring) {
            PageOptions::setHolidaysOf(pageOptions, *options.holidayColouring);
            PageOptions::setHolidayNames(pageOptions, options.holidayNames);
        }
        if (options.weekNumbers)
            PageOptions::setWeekNumbers(pageOptions, *options.weekNumbers);
        if (options.moonPhases)
            PageOptions::setMoonPhases(pageOptions, true);
        page.setOptions(pageOptions);
    }
    page.setZoom(options.zoom);
    page.RecalcLayout(false);
}
