// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's layout, titles and cell table.
#include "pagemodel.h"

#include "calendar/calendardates.h"
#include "calendar/pageoptions.h"
#include "calendar/weeknumbers.h"

#include <cmath>

PageLayoutInput PageModel::layoutInput() const
{
    PageLayoutInput input;
    input.layout = m_settings.calendarLayout;
    input.paperSize = m_settings.paperSize;
    input.leftMargin = m_settings.leftMargin;
    input.topMargin = m_settings.topMargin;
    input.rightMargin = m_settings.rightMargin;
    input.bottomMargin = m_settings.bottomMargin;
    input.hasBorder = !m_settings.borderFile.isEmpty();
    input.ppi = m_ppi;
    input.month = m_settings.month;
    input.year = m_settings.year;
    input.previousCalendarRect = m_layout.calendarRect;
    return input;
}

void PageModel::resetMiniFonts()
{
    const int size = layoutInfo(m_settings.calendarLayout).minis.titleSize;
    if (size == 0)
        return;
    const int smaller = static_cast<int>(std::trunc(0.8 * size));
    m_settings.mini.titleFont.setSize(size);
    m_settings.mini.headersFont.setSize(smaller);
    m_settings.mini.cellFont.setSize(smaller);
}

void PageModel::RecalcLayout(bool resetFonts)
{
    m_layout = computePageLayout(layoutInput());
    m_settings.orientation = m_layout.orientation;
    if (resetFonts)
        resetMiniFonts();
    updateDayMarks();
    UpdateCellTable();
    changed(Change::Layout);
}

QSize PageModel::sizeAtZoom(float factor) const
{
    const double zoom = factor;
    return {static_cast<int>(std::trunc(m_layout.pageWidth * zoom)),
            static_cast<int>(std::trunc(m_layout.pageHeight * zoom))};
}

QDate PageModel::plannerDate() const
{
    const int day = qBound(1, m_settings.day, qMax(1, DaysInMonth(m_settings.year, m_settings.month)));
    return QDate(m_settings.year, m_settings.month, day);
}

std::optional<QLocale> PageModel::dateLocale() const
{
    if (!PageOptions::localeDates(m_options))
        return std::nullopt;
    return pageLocale(m_options, m_settings.names);
}

PlannerLabels PageModel::plannerLabels() const
{
    const PlannerShape &planner = layoutInfo(m_settings.calendarLayout).planner;
    switch (planner.kind) {
    case PlannerKind::Week:
        return texts().weekPlannerLabels(plannerDate(), planner.days, m_settings.main.headersStyle);
    case PlannerKind::Day:
        return texts().dayPlannerLabels(m_settings.dayPlannerStart, planner.slotCount);
    case PlannerKind::NotPlanner:
        break;
    }
    return {};
}

QString PageModel::titleText() const
{
    const PlannerShape &planner = layoutInfo(m_settings.calendarLayout).planner;
    switch (planner.kind) {
    case PlannerKind::Week:
        return texts().weekPlannerTitle(m_settings.userTitle, plannerDate(), planner.days);
    case PlannerKind::Day:
        return texts().dayPlannerTitle(m_settings.userTitle, plannerDate());
    case PlannerKind::NotPlanner:
        break;
    }
    if (!ShowMainCalendar())
        return {};
    return texts().monthTitle(m_settings.userTitle, m_settings.month, m_settings.year, m_settings.main.showYear);
}

MonthBoxMetrics PageModel::mainMonthMetrics(float zoom) const
{
    MonthBoxMetrics metrics;
    metrics.minTitleHeight = static_cast<int>(std::trunc(m_ppi * 1.5 * zoom));
    metrics.headerPixelSize = m_settings.main.headersFont.zoomed(zoom, m_ppi).pixelSizeAt(m_ppi);
    metrics.cellLineHeight = TFont::lineHeight(m_settings.main.cellFont.zoomed(zoom, m_ppi).pixelSizeAt(m_ppi));
    metrics.numberPosition = m_numberPosition;
    return metrics;
}

CellTable PageModel::computeCellTable(float zoom) const
{
    // Cells the layout has no place for (past a planner's rows, every cell of a sheet of
    // small months) stay empty rather than keep a rectangle of an earlier layout.
    CellTable table;
    const PageRect box = zoomRect(m_layout.calendarRect, zoom);
    if (IsPlanner()) {
        const PlannerShape &planner = layoutInfo(m_settings.calendarLayout).planner;
        const int titleLine = TFont::lineHeight(m_settings.main.titleFont.zoomed(zoom, m_ppi).pixelSizeAt(m_ppi));
        const PlannerBoxGeometry geometry = layoutPlannerBox(box, planner.rows, titleLine);
        QList<int> days;
        if (planner.kind == PlannerKind::Day)
            table.clearAll();
        else
            days = plannerLabels().days;
        table.fillPlanner(geometry, days);
    } else if (ShowMainCalendar()) {
        MonthBoxMetrics metrics = mainMonthMetrics(zoom);
        if (PageOptions::weekNumbers(m_options) != PageOptions::WeekNumbers::None)
            metrics.weekNumberWidth = weekNumberColumnWidth(metrics.headerPixelSize, box.width());
        table.fillMonth(layoutMonthBox(box, metrics), m_settings.year, m_settings.month, m_settings.startOfWeek);
    }
    return table;
}

void PageModel::UpdateCellTable()
{
    m_cells = computeCellTable();
}
