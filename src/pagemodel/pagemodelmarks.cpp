// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The marks the page's options put on its days: the holidays of a place.
#include "pagemodel.h"

#include "calendar/calendarnames.h"
#include "calendar/pageoptions.h"
#include "recurring/holidayplaces.h"

namespace {

QDate firstOfMonth(int year, int month)
{
    return QDate(year, month, 1);
}

} // namespace

PageModel::ShownDays PageModel::shownDays() const
{
    // Every month the page draws, and a planner's days, which may run into the next month.
    ShownDays days;
    const auto include = [&days](const QDate &first, const QDate &last) {
        if (!first.isValid() || !last.isValid())
            return;
        if (!days.first.isValid() || first < days.first)
            days.first = first;
        if (!days.last.isValid() || last > days.last)
            days.last = last;
    };
    const QDate month = firstOfMonth(m_settings.year, m_settings.month);
    include(month, month.addMonths(1).addDays(-1));
    if (m_layout.isPlanner)
        include(plannerDate(), plannerDate().addDays(qMax(1, PlannerSpanDays()) - 1));
    for (int k = 1; k <= m_layout.miniCount; ++k) {
        const MonthOfYear shown = m_layout.miniMonth(k);
        const QDate first = firstOfMonth(shown.year, shown.month);
        include(first, first.addMonths(1).addDays(-1));
    }
    return days;
}

void PageModel::updateDayMarks()
{
    DayMarks marks;
    marks.holidayColour = PageOptions::holidayColour(m_options);
    const QString place = PageOptions::holidaysOf(m_options);
    if (!place.isEmpty()) {
        marks.colourSundays = PageOptions::holidaySundays(m_options);
        marks.holidayNames = PageOptions::holidayNames(m_options);
        const ShownDays days = shownDays();
        // A page in English names holidays in English, other pages as the country does.
        const bool english = m_settings.names == languageNames(CalendarLanguage::English);
        // A place without holiday data marks nothing; the page itself is still fine.
        for (const Holiday &holiday : HolidayPlaces::between(place, days.first, days.last)) {
            // Days off, not observances such as Advent Sundays or Mother's Day.
            if (holiday.kind != HolidayKind::Public && holiday.kind != HolidayKind::Bank)
                continue;
            const QString name = english || holiday.localName.isEmpty() ? holiday.name : holiday.localName;
            DayMark &mark = marks.days[holiday.date];
            // Two holidays on one day share the cell's line.
            mark.holiday = mark.holiday.isEmpty() ? name : mark.holiday + QStringLiteral(", ") + name;
        }
    }
    m_dayMarks = std::move(marks);
}
