// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "geometryjson.h"

#include "objects/tggraphiccontrol.h"
#include "page/calpanel32.h"

#include <QJsonArray>

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

QJsonArray cellsJson(const CellTable &cells)
{
    QJsonArray list;
    for (int cell = 1; cell <= CellCount; ++cell) {
        const CellRecord record = cells.cell(cell);
        list.append(QJsonObject{{QStringLiteral("cell"), cell},
                                {QStringLiteral("total"), rectJson(record.rTotal)},
                                {QStringLiteral("free"), rectJson(record.rFree)},
                                {QStringLiteral("day"), record.iDay}});
    }
    return list;
}

QJsonArray objectsJson(const TCalendarPanel32 &page)
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

} // namespace

QJsonObject pageGeometryJson(const TCalendarPanel32 &page)
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
        {QStringLiteral("cells"), cellsJson(page.cellTable())},
        // Back to front, at the page's zoom.
        {QStringLiteral("objects"), objectsJson(page)},
    };
}
