// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometryjson.h"

#include "objects/tggraphiccontrol.h"
#include "calendar/calendardates.h"
#include "calendar/daymarkdrawing.h"
#include "calendar/drawmonth.h"
#include "calendar/weeknumbers.h"
#include "graphics/canvas.h"
#include "pagemodel/pagedrawinfo.h"
#include "pagemodel/pagemodel.h"
#include "calendar/pageoptions.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"

#include <QImage>
#include <QJsonArray>
#include <QPainter>
#include <QTextDocument>

#include <algorithm>
#include <cmath>

namespace {

QJsonArray rectJson(const PageRect &rect)
{
    return QJsonArray{rect.left, rect.top, rect.right, rect.bottom};
}

QJsonArray minisJson(const PageLayout &layout)
{
    QJsonArray minis;
    for (int k = 1; k <= layout.miniCount; ++k) {
        const MonthOfYear month = layout.miniMonth(k);
        minis.append(QJsonObject{{QStringLiteral("rect"), rectJson(layout.miniRect(k))},
                                 {QStringLiteral("month"), month.month},
                                 {QStringLiteral("year"), month.year}});
    }
    return minis;
}

// The date a painted cell shows: its day of the page's month, or a planner cell's date.
QDate dateOfCell(const PageModel &page, int cell, int day)
{
    if (page.PlannerSpanDays() > 0)
        return page.cellDate(cell);
    return day > 0 ? QDate(page.MainCalYear(), page.MainCalMonth(), day) : QDate();
}

QString plainTextOfCell(const PageModel &page, int cell)
{
    QTextDocument text;
    RtfReader::read(page.GetCellRtfText(cell, TWPRtfStorage()).rtf(), text);
    return text.toPlainText();
}

QJsonArray cellsJson(const PageModel &page)
{
    const CellTable &cells = page.cellTable();
    QJsonArray list;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const CellRecord record = cells.cell(cell);
        QJsonObject json{{QStringLiteral("cell"), cell},
                         {QStringLiteral("total"), rectJson(record.rTotal)},
                         {QStringLiteral("free"), rectJson(record.rFree)},
                         {QStringLiteral("day"), record.iDay}};
        // Painted cells also say which date they stand for and what they hold, so a fill's
        // placement can be checked from outside.
        if (record.rTotal.right > record.rTotal.left) {
            if (const QDate date = dateOfCell(page, cell, record.iDay); date.isValid())
                json.insert(QStringLiteral("date"), date.toString(Qt::ISODate));
            json.insert(QStringLiteral("text"), plainTextOfCell(page, cell));
        }
        list.append(json);
    }
    return list;
}

QJsonArray objectsJson(const PageModel &page)
{
    QJsonArray list;
    for (const std::unique_ptr<TGGraphicControl> &object : page.objects()) {
        const QRect r = object->boundsRect();
        list.append(QJsonObject{{QStringLiteral("class"), object->className()},
                                {QStringLiteral("name"), object->Name()},
                                {QStringLiteral("rect"), QJsonArray{r.left(), r.top(), r.left() + r.width(),
                                                                    r.top() + r.height()}},
                                {QStringLiteral("locked"), object->Locked()},
                                {QStringLiteral("unselectable"), object->Unselectable()}});
    }
    return list;
}

// The holidays the page marks, by date, with the cell of the main calendar that shows
// each (0 when only a mini calendar does).
QJsonArray holidaysJson(const PageModel &page)
{
    QList<QDate> dates = page.dayMarks().days.keys();
    std::sort(dates.begin(), dates.end());
    QJsonArray list;
    for (const QDate &date : dates) {
        const DayMark *mark = page.dayMarks().find(date);
        if (mark->holiday.isEmpty())
            continue;
        int shownIn = 0;
        for (int cell = 1; cell <= CellCount && shownIn == 0; ++cell) {
            if (dateOfCell(page, cell, page.cellTable().cell(cell).iDay) == date)
                shownIn = cell;
        }
        list.append(QJsonObject{{QStringLiteral("date"), date.toString(Qt::ISODate)},
                                {QStringLiteral("name"), mark->holiday},
                                {QStringLiteral("cell"), shownIn}});
    }
    return list;
}

const char *moonPhaseName(MoonPhase phase)
{
    switch (phase) {
    case MoonPhase::New: return "new";
    case MoonPhase::FirstQuarter: return "first-quarter";
    case MoonPhase::Full: return "full";
    case MoonPhase::LastQuarter: return "last-quarter";
    case MoonPhase::None: break;
    }
    return "";
}

// The month box of a calendar as the screen paints it, from the painter's own functions.
MonthBoxGeometry paintedMonthBox(const TCalDrawInfo &info, int ppi, int *cellLineHeight)
{
    QImage scratch(1, 1, QImage::Format_RGB32);
    QPainter painter(&scratch);
    Canvas canvas(painter, ppi);
    const MonthBoxMetrics metrics = monthBoxMetrics(canvas, info);
    if (cellLineHeight)
        *cellLineHeight = metrics.cellLineHeight;
    return layoutMonthBox(info.box, metrics);
}

void appendWeekNumbers(QJsonArray &list, const TCalDrawInfo &info, const MonthBoxGeometry &g,
                       const QJsonValue &calendar)
{
    for (int row = 0; row < 6 && g.weekColumnWidth > 0; ++row) {
        const int week = RowWeekNumber(info.year, info.month, info.startOfWeek, row, info.weekNumbers);
        if (week != 0)
            list.append(QJsonObject{{QStringLiteral("calendar"), calendar},
                                    {QStringLiteral("row"), row},
                                    {QStringLiteral("week"), week},
                                    {QStringLiteral("rect"), rectJson(g.weekNumberBox(row))}});
    }
}

void appendMoonMark(QJsonArray &list, const TCalDrawInfo &info, const QDate &date, const PageRect &rect)
{
    const DayMark *mark = info.marks ? info.marks->find(date) : nullptr;
    if (!info.moonPhases || !mark || mark->moon == MoonPhase::None || rect.width() <= 0)
        return;
    list.append(QJsonObject{{QStringLiteral("date"), date.toString(Qt::ISODate)},
                            {QStringLiteral("phase"), QLatin1String(moonPhaseName(mark->moon))},
                            {QStringLiteral("rect"), rectJson(rect)}});
}

QJsonArray plannerMoonMarks(const PageModel &page, const TCalDrawInfo &info)
{
    QJsonArray list;
    const int ppi = page.pixelsPerInch();
    const int titleLine = TFont::lineHeight(info.titleFont.pixelSizeAt(ppi));
    const bool week = page.PlannerSpanDays() > 1;
    const int rows = (week ? info.plannerDays : info.plannerSlots) + 1;
    const PlannerBoxGeometry g = layoutPlannerBox(info.box, rows, titleLine);
    const QDate start = page.plannerDate();
    if (!week) {
        appendMoonMark(list, info, start, dayPlannerMoonMarkRect(g));
        return list;
    }
    for (int row = 0; row < info.plannerDays; ++row)
        appendMoonMark(list, info, start.addDays(row), plannerMoonMarkRect(g, row));
    return list;
}

// The week-number boxes of the main and mini calendars and the moon marks, at the page's
// zoom, where the screen paints them.
QJsonObject marksJson(const PageModel &page)
{
    const float zoom = page.zoom();
    const PageLayout &layout = page.pageLayout();
    TCalDrawInfo info = PageDrawInfo::mainDrawInfo(page, zoom);
    info.box = zoomRect(layout.calendarRect, zoom);
    info.minTitleHeight = static_cast<int>(std::trunc(page.pixelsPerInch() * 1.5 * zoom));
    QJsonArray weeks;
    QJsonArray moons;
    if (page.IsPlanner()) {
        moons = plannerMoonMarks(page, info);
    } else if (page.ShowMainCalendar()) {
        int lineHeight = 0;
        const MonthBoxGeometry g = paintedMonthBox(info, page.pixelsPerInch(), &lineHeight);
        appendWeekNumbers(weeks, info, g, QStringLiteral("main"));
        for (int cell = 1; cell <= CellCount; ++cell) {
            const int day = DayInCell(info.year, info.month, info.startOfWeek, cell);
            if (day != 0)
                appendMoonMark(moons, info, QDate(info.year, info.month, day),
                               moonMarkRect(g.numberBox(cell), info.numberPosition, lineHeight));
        }
    }
    for (int k = 1; page.ShowMiniCalendars() && k <= layout.miniCount; ++k) {
        TCalDrawInfo mini = PageDrawInfo::miniDrawInfo(page, k, zoom);
        mini.box = zoomRect(layout.miniRect(k), zoom);
        appendWeekNumbers(weeks, mini, paintedMonthBox(mini, page.pixelsPerInch(), nullptr), k);
    }
    return QJsonObject{{QStringLiteral("weekNumbers"), weeks}, {QStringLiteral("moonMarks"), moons}};
}

QJsonObject pageJson(const PageModel &page)
{
    const PageLayout &layout = page.pageLayout();
    QJsonObject json {
        {QStringLiteral("pageWidth"), layout.pageWidth},
        {QStringLiteral("pageHeight"), layout.pageHeight},
        {QStringLiteral("orientation"),
         layout.orientation == coLandscape ? QStringLiteral("landscape")
                                           : QStringLiteral("portrait")},
        {QStringLiteral("marginRect"), rectJson(layout.marginRect)},
        {QStringLiteral("calendarRect"), rectJson(layout.calendarRect)},
        {QStringLiteral("showMainCalendar"), layout.showMainCalendar},
        {QStringLiteral("showMiniCalendars"), layout.showMiniCalendars},
        {QStringLiteral("isPlanner"), layout.isPlanner},
        {QStringLiteral("minis"), minisJson(layout)},
        {QStringLiteral("title"), page.titleText()},
        {QStringLiteral("titleRect"), rectJson(page.cellTable().titleRect())},
        {QStringLiteral("headerRect"), rectJson(page.cellTable().daysRect())},
        {QStringLiteral("cells"), cellsJson(page)},
        // Back to front, at the page's zoom.
        {QStringLiteral("objects"), objectsJson(page)},
    };
    // Pages without these options keep the geometry they always had.
    if (PageOptions::weekNumbers(page.options()) == PageOptions::WeekNumbers::None
        && !PageOptions::moonPhases(page.options()))
        return json;
    const QJsonObject marks = marksJson(page);
    json.insert(QStringLiteral("weekNumbers"), marks.value(QStringLiteral("weekNumbers")));
    json.insert(QStringLiteral("moonMarks"), marks.value(QStringLiteral("moonMarks")));
    return json;
}

} // namespace

QJsonObject pageGeometryJson(const PageModel &page)
{
    QJsonObject json = pageJson(page);
    // Marks are listed only on pages that have them, so other pages read as before.
    if (!PageOptions::holidaysOf(page.options()).isEmpty())
        json.insert(QStringLiteral("holidays"), holidaysJson(page));
    return json;
}
