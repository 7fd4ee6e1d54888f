// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The marks the page's options put on the days it shows.
#include "pagemodel.h"

#include "calendar/calendardates.h"
#include "calendar/pageoptions.h"
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

QDate firstOfMonth(const MonthOfYear &month)
{
    return QDate(month.year, month.month, 1);
}

QDate lastOfMonth(const MonthOfYear &month)
{
    const QDate first = firstOfMonth(month);
    return first.isValid() ? first.addDays(first.daysInMonth() - 1) : QDate();
}

void widen(std::pair<QDate, QDate> &range, const QDate &first, const QDate &last)
{
    if (!first.isValid() || !last.isValid())
        return;
    if (!range.first.isValid() || first < range.first)
        range.first = first;
    if (!range.second.isValid() || last > range.second)
        range.second = last;
}

} // namespace

std::pair<QDate, QDate> PageModel::shownDays() const
{
    std::pair<QDate, QDate> range;
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
    const auto [first, last] = shownDays();
    if (first.isValid() && PageOptions::moonPhases(m_options))
        addMoonPhases(marks, first, last);
    m_dayMarks = std::move(marks);
}
