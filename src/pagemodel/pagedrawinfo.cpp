// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pagedrawinfo.h"

#include "pagemodel/pagemodel.h"
#include "calendar/drawmonth.h"
#include "calendar/drawplanner.h"
#include "calendar/layouttable.h"
#include "calendar/pageoptions.h"

namespace PageDrawInfo {

namespace {

// The part of a month's drawing description that its style and strokes decide.
void applyMonthStyle(TCalDrawInfo &info, const MonthStyle &style, const MonthBorders &borders,
                     float fontZoom, int ppi)
{
    info.titleBGColor = style.titleBGColor;
    info.titleFont = style.titleFont.zoomed(fontZoom, ppi);
    info.showYear = style.showYear;
    info.headerFont = style.headersFont.zoomed(fontZoom, ppi);
    info.headerStyle = style.headersStyle;
    info.headerBGColor = style.headersBGColor;
    info.cellFont = style.cellFont.zoomed(fontZoom, ppi);
    info.frameBorder = borders.frame;
    info.headerBorder = borders.headers;
    info.cellBorder = borders.cell;
}

} // namespace

TCalDrawInfo mainDrawInfo(const PageModel &page, float fontZoom)
{
    const PageSettings &settings = page.settings();
    TCalDrawInfo info;
    applyMonthStyle(info, settings.main, page.mainBorders(), fontZoom, page.pixelsPerInch());
    info.backgroundColor = Colors::clWhite;
    info.month = settings.month;
    info.year = settings.year;
    info.day = page.plannerDate().day();
    info.numberPosition = page.NumberPosition();
    info.startOfWeek = settings.startOfWeek;
    info.names = settings.names;
    info.dateLocale = page.dateLocale();
    const PlannerShape &planner = layoutInfo(settings.calendarLayout).planner;
    if (planner.kind == PlannerKind::Week)
        info.plannerDays = planner.days;
    if (planner.kind == PlannerKind::Day)
        info.plannerSlots = planner.slotCount;
    info.plannerStartTime = settings.dayPlannerStart;
    info.marks = &page.dayMarks();
    info.weekNumbers = PageOptions::weekNumbers(page.options());
    info.moonPhases = PageOptions::moonPhases(page.options());
    return info;
}

TCalDrawInfo miniDrawInfo(const PageModel &page, int index, float fontZoom)
{
    const PageSettings &settings = page.settings();
    const MonthOfYear shown = page.pageLayout().miniMonth(index);
    TCalDrawInfo info;
    applyMonthStyle(info, settings.mini, page.miniBorders(), fontZoom, page.pixelsPerInch());
    // A mini calendar's box is filled with its title colour.
    info.backgroundColor = settings.mini.titleBGColor;
    info.month = shown.month;
    info.year = shown.year;
    info.numberPosition = cnpCenter;
    info.startOfWeek = settings.startOfWeek;
    info.names = settings.names;
    info.marks = &page.dayMarks();
    info.weekNumbers = PageOptions::weekNumbers(page.options());
    info.dateLocale = page.dateLocale();
    return info;
}

bool drawMainCalendar(const PageModel &page, Canvas &canvas, TCalDrawInfo &info)
{
    const QString &title = page.settings().userTitle;
    switch (layoutInfo(page.CalendarLayout()).planner.kind) {
    case PlannerKind::Week:
        DrawWeekPlanner(canvas, info, title);
        return true;
    case PlannerKind::Day:
        DrawDayPlanner(canvas, info, title);
        return true;
    case PlannerKind::NotPlanner:
        break;
    }
    if (!page.ShowMainCalendar())
        return false;
    DrawMonth(canvas, info, title);
    return true;
}

} // namespace PageDrawInfo
