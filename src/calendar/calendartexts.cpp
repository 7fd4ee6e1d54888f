// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendartexts.h"

#include "calendar/calendardates.h"

namespace {

const QString notesLabel = QStringLiteral("Notes");

QString monthDay(const CalendarNames &names, const QDate &date)
{
    return names.month(date.month()) + QLatin1Char(' ') + QString::number(date.day());
}

// The times of a day planner's hourly slots.
QList<TDateTime> slotTimes(TDateTime startTime, int slotCount)
{
    // One hour as the stored day fraction; the value keeps growing past midnight.
    constexpr double hourStep = 60 * 0.000694445;
    QList<TDateTime> times;
    TDateTime time = startTime;
    for (int k = 0; k < slotCount; ++k) {
        if (k > 0)
            time += hourStep;
        if (time < 0)
            time = 0;
        times.append(time);
    }
    return times;
}

PlannerLabels slotLabels(const QStringList &times, const QString &notes)
{
    PlannerLabels labels;
    labels.first = times;
    labels.first.append(notes);
    for (qsizetype k = 0; k < labels.first.size(); ++k) {
        labels.second.append(QString());
        labels.days.append(0);
    }
    return labels;
}

} // namespace

QString HeaderLabel(const QString &name, TCalHeadersStyle style)
{
    switch (style) {
    case dsFirstChar:
        return name.left(1);
    case dsThreeChars:
        return name.left(3);
    case dsWhole:
        break;
    }
    return name;
}

QString MonthTitle(const CalendarNames &names, const QString &userTitle, int month, int year,
                   bool showYear)
{
    if (!userTitle.isEmpty())
        return userTitle;
    if (showYear)
        return names.month(month) + QLatin1Char(' ') + QString::number(year);
    return names.month(month);
}

QString WeekPlannerTitle(const CalendarNames &names, const QString &userTitle,
                         const QDate &start, int days)
{
    if (!userTitle.isEmpty())
        return userTitle;
    const QDate end = start.addDays(days - 1);
    const QString endYear = QString::number(end.year());
    if (start.year() != end.year()) {
        return monthDay(names, start) + QStringLiteral(", ") + QString::number(start.year())
            + QStringLiteral(" - ") + monthDay(names, end) + QStringLiteral(", ") + endYear;
    }
    if (start.month() != end.month()) {
        return monthDay(names, start) + QStringLiteral(" - ") + monthDay(names, end)
            + QStringLiteral(", ") + endYear;
    }
    return monthDay(names, start) + QLatin1Char('-') + QString::number(end.day())
        + QStringLiteral(", ") + endYear;
}

PlannerLabels WeekPlannerLabels(const CalendarNames &names, const QDate &start, int days,
                                TCalHeadersStyle style)
{
    PlannerLabels labels;
    for (int k = 0; k < days; ++k) {
        const QDate date = start.addDays(k);
        labels.first.append(HeaderLabel(names.day(DayOfWeek(date)), style));
        labels.second.append(QString::number(date.day()) + QLatin1Char(' ')
                             + names.month(date.month()).left(3));
        labels.days.append(date.day());
    }
    labels.first.append(notesLabel);
    labels.second.append(QString());
    labels.days.append(0);
    return labels;
}

int RowDayNumber(const QString &secondLine)
{
    bool ok = false;
    const int day = secondLine.left(2).trimmed().toInt(&ok);
    return ok ? day : 0;
}

QString DayPlannerTitle(const CalendarNames &names, const QString &userTitle, const QDate &day)
{
    if (!userTitle.isEmpty())
        return userTitle;
    return names.day(DayOfWeek(day)) + QStringLiteral(", ") + monthDay(names, day)
        + QStringLiteral(", ") + QString::number(day.year());
}

QString SlotTimeLabel(TDateTime time, const QString &amText, const QString &pmText)
{
    const int hour = HourOfDateTime(time);
    const int hour12 = hour % 12 == 0 ? 12 : hour % 12;
    return QString::number(hour12) + QLatin1Char(':')
        + QStringLiteral("%1").arg(MinuteOfDateTime(time), 2, 10, QLatin1Char('0'))
        + QLatin1Char(' ') + (hour < 12 ? amText : pmText);
}

PlannerLabels DayPlannerLabels(TDateTime startTime, int slotCount, const QString &amText,
                               const QString &pmText)
{
    QStringList times;
    for (TDateTime time : slotTimes(startTime, slotCount))
        times.append(SlotTimeLabel(time, amText, pmText));
    return slotLabels(times, notesLabel);
}

PageTexts::PageTexts(const CalendarNames &names, const std::optional<QLocale> &locale)
    : m_names(names)
{
    if (locale)
        m_dates.emplace(*locale, names);
}

QString PageTexts::monthTitle(const QString &userTitle, int month, int year, bool showYear) const
{
    if (!m_dates || !userTitle.isEmpty())
        return MonthTitle(m_names, userTitle, month, year, showYear);
    return m_dates->monthTitle(month, year, showYear);
}

QString PageTexts::weekPlannerTitle(const QString &userTitle, const QDate &start, int days) const
{
    if (!m_dates || !userTitle.isEmpty())
        return WeekPlannerTitle(m_names, userTitle, start, days);
    return m_dates->range(start, start.addDays(days - 1));
}

QString PageTexts::dayPlannerTitle(const QString &userTitle, const QDate &day) const
{
    if (!m_dates || !userTitle.isEmpty())
        return DayPlannerTitle(m_names, userTitle, day);
    return m_dates->longDate(day);
}

PlannerLabels PageTexts::weekPlannerLabels(const QDate &start, int days, TCalHeadersStyle style) const
{
    if (!m_dates)
        return WeekPlannerLabels(m_names, start, days, style);
    PlannerLabels labels;
    for (int k = 0; k < days; ++k) {
        const QDate date = start.addDays(k);
        labels.first.append(m_dates->dayLabel(DayOfWeek(date), style));
        labels.second.append(m_dates->dayAndMonth(date));
        labels.days.append(date.day());
    }
    labels.first.append(m_dates->notes());
    labels.second.append(QString());
    labels.days.append(0);
    return labels;
}

PlannerLabels PageTexts::dayPlannerLabels(TDateTime startTime, int slotCount) const
{
    if (!m_dates)
        return DayPlannerLabels(startTime, slotCount, localeAmText(), localePmText());
    QStringList times;
    for (TDateTime time : slotTimes(startTime, slotCount))
        times.append(m_dates->time(HourOfDateTime(time), MinuteOfDateTime(time)));
    return slotLabels(times, m_dates->notes());
}

QString PageTexts::dayLabel(int index, TCalHeadersStyle style) const
{
    if (!m_dates)
        return HeaderLabel(m_names.day(index), style);
    return m_dates->dayLabel(index, style);
}
