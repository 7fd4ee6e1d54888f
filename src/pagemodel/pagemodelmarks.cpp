// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The marks the page's options put on the days it shows: the holidays of a place and the
// moon's phases.
#include "pagemodel.h"

#include "calendar/calendardates.h"
#include "calendar/localedates.h"
#include "calendar/pageoptions.h"
#include "recurring/holidayplaces.h"
#include "recurring/moonphases.h"

namespace {

MoonPhase dayMarkPhase(MoonPhases::Phase phase)
{
    switch (phase) {
    case MoonPhases::Phase::New: return MoonPhase::New;
    case MoonPhases::Phase::FirstQuarter: return MoonPhase::FirstQuarter;
    case MoonPhases::Phase::Full: return MoonPhase::Full;
    case MoonPhases::Phase::LastQuarter: return MoonPhase::LastQuarter;
    }
    return MoonPhase::None;
}

// The moon's phases on the days from first to last, on their local dates.
void addMoonPhases(DayMarks &marks, const QDate &first, const QDate &last)
{
    const QHash<QDate, MoonPhases::Phase> phases = MoonPhases::localDates(first, last);
    for (auto it = phases.cbegin(); it != phases.cend(); ++it)
        marks.days[it.key()].moon = dayMarkPhase(it.value());
}

// The days off of a place from first to last, named in English on English pages and as the
// country names them on others. A place without holiday data marks nothing; the page itself
// is still fine.
void addHolidays(DayMarks &marks, const QString &place, const QDate &first, const QDate &last, bool english)
{
    for (const Holiday &holiday : HolidayPlaces::between(place, first, last)) {
        // Days off, not observances such as Advent Sundays or Mother's Day.
        if (holiday.kind != HolidayKind::Public && holiday.kind != HolidayKind::Bank)
            continue;
        const QString name = english || holiday.localName.isEmpty() ? holiday.name : holiday.localName;
        DayMark &mark = marks.days[holiday.date];
        // Two holidays on one day share the cell's line.
        mark.holiday = mark.holiday.isEmpty() ? name : mark.holiday + QStringLiteral(", ") + name;
    }
}

QDate firstOfMonth(const MonthOfYear &month)
{
    return QDate(month.year, month.month, 1);
}

QDate lastOfMonth(const MonthOfYear &month)
{
    const QDate first = firstOfMonth(month);
    return first.isValid() ? first.addDays(first.daysInMonth() - 1) : QDate();
}

void widen(PageModel::ShownDays &range, const QDate &first, const QDate &last)
{
    if (!first.isValid() || !last.isValid())
        return;
    if (!range.first.isValid() || first < range.first)
        range.first = first;
    if (!range.last.isValid() || last > range.last)
        range.last = last;
}

} // namespace

PageModel::ShownDays PageModel::shownDays() const
{
    // A planner's days, which may run into the next month, or the main month, and the
    // mini calendars' months.
    ShownDays range;
    const MonthOfYear main{m_settings.month, m_settings.year};
    if (IsPlanner()) {
        const QDate start = plannerDate();
        widen(range, start, start.addDays(qMax(1, PlannerSpanDays()) - 1));
    } else if (ShowMainCalendar()) {
        widen(range, firstOfMonth(main), lastOfMonth(main));
    }
    if (ShowMiniCalendars()) {
        for (int k = 1; k <= m_layout.miniCount; ++k)
            widen(range, firstOfMonth(m_layout.miniMonth(k)), lastOfMonth(m_layout.miniMonth(k)));
    }
    return range;
}

void PageModel::updateDayMarks()
{
    DayMarks marks;
    const ShownDays days = shownDays();
    marks.holidayColour = PageOptions::holidayColour(m_options);
    const QString place = PageOptions::holidaysOf(m_options);
    if (!place.isEmpty() && days.first.isValid()) {
        marks.colourSundays = PageOptions::holidaySundays(m_options);
        marks.holidayNames = PageOptions::holidayNames(m_options);
        addHolidays(marks, place, days.first, days.last,
                    pageLocale(m_options, m_settings.names).language() == QLocale::English);
    }
    if (days.first.isValid() && PageOptions::moonPhases(m_options))
        addMoonPhases(marks, days.first, days.last);
    m_dayMarks = std::move(marks);
}
