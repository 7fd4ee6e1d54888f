// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page's layout, titles and cell table.
#include "calpanel32.h"

#include "calendar/calendardates.h"

#include <cmath>

PageLayoutInput TCalendarPanel32::layoutInput() const
{
    PageLayoutInput input;
    input.layout = m_calendarLayout;
    input.paperSize = m_paperSize;
    input.leftMargin = m_leftMargin;
    input.topMargin = m_topMargin;
    input.rightMargin = m_rightMargin;
    input.bottomMargin = m_bottomMargin;
    input.hasBorder = !m_borderFile.isEmpty();
    input.ppi = m_ppi;
    input.month = m_month;
    input.year = m_year;
    input.previousCalendarRect = m_layout.calendarRect;
    return input;
}

void TCalendarPanel32::resetMiniFonts()
{
    const int size = miniTitleSizeOfLayout(m_calendarLayout);
    if (size == 0)
        return;
    const int smaller = static_cast<int>(std::trunc(0.8 * size));
    m_miniTitleFont.setSize(size);
    m_miniHeadersFont.setSize(smaller);
    m_miniCellFont.setSize(smaller);
}

void TCalendarPanel32::RecalcLayout(bool resetFonts)
{
    m_layout = computePageLayout(layoutInput());
    m_orientation = m_layout.orientation;
    if (resetFonts)
        resetMiniFonts();
    const double zoom = ZoomFactor();
    resize(static_cast<int>(std::trunc(m_layout.pageWidth * zoom)),
           static_cast<int>(std::trunc(m_layout.pageHeight * zoom)));
    repaintPage();
    emit layoutRecalculated();
}

QDate TCalendarPanel32::plannerDate() const
{
    const int day = qBound(1, m_day, qMax(1, DaysInMonth(m_year, m_month)));
    return QDate(m_year, m_month, day);
}

PlannerLabels TCalendarPanel32::plannerLabels() const
{
    switch (m_calendarLayout) {
    case loWeek:
        return WeekPlannerLabels(m_names, plannerDate(), 7, m_headersStyle);
    case lo2Week:
        return WeekPlannerLabels(m_names, plannerDate(), 14, m_headersStyle);
    case loDay10:
        return DayPlannerLabels(m_dayPlannerStart, 10, localeAmText(), localePmText());
    case loDay15:
        return DayPlannerLabels(m_dayPlannerStart, 15, localeAmText(), localePmText());
    default:
        return {};
    }
}

QString TCalendarPanel32::titleText() const
{
    switch (m_calendarLayout) {
    case loWeek:
        return WeekPlannerTitle(m_names, m_userTitle, plannerDate(), 7);
    case lo2Week:
        return WeekPlannerTitle(m_names, m_userTitle, plannerDate(), 14);
    case loDay10:
    case loDay15:
        return DayPlannerTitle(m_names, m_userTitle, plannerDate());
    default:
        break;
    }
    if (!ShowMainCalendar())
        return {};
    return MonthTitle(m_names, m_userTitle, m_month, m_year, m_titleShowYear);
}

MonthBoxMetrics TCalendarPanel32::mainMonthMetrics() const
{
    const float zoom = ZoomFactor();
    MonthBoxMetrics metrics;
    metrics.minTitleHeight = static_cast<int>(std::trunc(m_ppi * 1.5 * zoom));
    metrics.headerPixelSize = m_headersFont.zoomed(zoom, m_ppi).pixelSizeAt(m_ppi);
    metrics.cellLineHeight = TFont::lineHeight(m_cellFont.zoomed(zoom, m_ppi).pixelSizeAt(m_ppi));
    metrics.numberPosition = m_numberPosition;
    return metrics;
}

CellTable TCalendarPanel32::computeCellTable() const
{
    CellTable table = m_cells;
    const float zoom = ZoomFactor();
    const PageRect box = zoomRect(m_layout.calendarRect, zoom);
    if (IsPlanner()) {
        const int titleLine = TFont::lineHeight(m_titleFont.zoomed(zoom, m_ppi).pixelSizeAt(m_ppi));
        const PlannerBoxGeometry geometry =
            layoutPlannerBox(box, plannerRowCount(m_calendarLayout), titleLine);
        QList<int> days;
        if (m_calendarLayout == loDay10 || m_calendarLayout == loDay15) {
            table.clearAll();
        } else {
            const PlannerLabels labels = plannerLabels();
            for (const QString &line : labels.second)
                days.append(RowDayNumber(line));
        }
        table.fillPlanner(geometry, days);
    } else if (ShowMainCalendar()) {
        table.fillMonth(layoutMonthBox(box, mainMonthMetrics()), m_year, m_month, m_startOfWeek);
    }
    return table;
}

void TCalendarPanel32::UpdateCellTable()
{
    m_cells = computeCellTable();
}
