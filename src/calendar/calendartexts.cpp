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
    }
    labels.first.append(notesLabel);
    labels.second.append(QString());
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
    // One hour as the stored day fraction; the value keeps growing past midnight.
    constexpr double hourStep = 60 * 0.000694445;
    PlannerLabels labels;
    TDateTime time = startTime;
    for (int k = 0; k < slotCount; ++k) {
        if (k > 0)
            time += hourStep;
        if (time < 0)
            time = 0;
        labels.first.append(SlotTimeLabel(time, amText, pmText));
        labels.second.append(QString());
    }
    labels.first.append(notesLabel);
    labels.second.append(QString());
    return labels;
}
