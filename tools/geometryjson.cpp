// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometryjson.h"

#include "objects/tggraphiccontrol.h"
#include "pagemodel/pagemodel.h"
#include "calendar/pageoptions.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"

#include <QJsonArray>
#include <QTextDocument>

#include <algorithm>

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

QJsonObject pageJson(const PageModel &page)
{
    const PageLayout &layout = page.pageLayout();
    return QJsonObject {
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
