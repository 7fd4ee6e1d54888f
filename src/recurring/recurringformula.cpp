// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringformula.h"

namespace RecurringFormula {

namespace {

// Positions 2 to 10: the formula proper after its marker.
QStringView weekdayDigits(const QString &formula)
{
    return QStringView(formula).mid(1, 9);
}

QString twoCharacterField(int value)
{
    return QString::number(value).leftJustified(2, QLatin1Char(' '), true);
}

} // namespace

Kind kindOf(const QString &formula)
{
    if (formula.isEmpty())
        return Kind::None;
    switch (formula.at(0).unicode()) {
    case '@': return Kind::DayOfMonth;
    case '$': return Kind::Special;
    case '%': return Kind::Weekdays;
    case '#': return Kind::Feast;
    default: return Kind::None;
    }
}

std::optional<int> readField(const QString &formula, int position)
{
    const QStringView text = QStringView(formula).mid(position - 1, 2).trimmed();
    bool ok = false;
    const int value = text.toInt(&ok, 10);
    if (!ok || text.isEmpty())
        return std::nullopt;
    return value;
}

std::optional<DayOfMonth> readDayOfMonth(const QString &formula)
{
    const auto month = readField(formula, 2);
    const auto day = readField(formula, 4);
    if (!month || !day)
        return std::nullopt;
    return DayOfMonth{*month, *day};
}

std::optional<Special> readSpecial(const QString &formula)
{
    const auto occurrence = readField(formula, 2);
    const auto weekday = readField(formula, 4);
    const auto month = readField(formula, 6);
    if (!occurrence || !weekday || !month)
        return std::nullopt;
    return Special{*occurrence, *weekday, *month};
}

std::optional<int> monthField(const QString &formula)
{
    switch (kindOf(formula)) {
    case Kind::DayOfMonth:
        if (const auto fields = readDayOfMonth(formula))
            return fields->month;
        break;
    case Kind::Special:
        if (const auto fields = readSpecial(formula))
            return fields->month;
        break;
    default:
        break;
    }
    return std::nullopt;
}

bool hasWeekday(const QString &formula, int weekday)
{
    if (weekday < 1 || weekday > 7)
        return false;
    return weekdayDigits(formula).contains(QChar(u'0' + weekday));
}

namespace {

bool validDayOfMonth(const QString &formula)
{
    // The longest each month can be, February in a leap year.
    static constexpr int longest[12] = {31, 29, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    const auto fields = readDayOfMonth(formula);
    if (!fields || fields->month < EachMonth || fields->month > 12 || fields->day < 1)
        return false;
    return fields->day <= (fields->month == EachMonth ? 31 : longest[fields->month - 1]);
}

bool validSpecial(const QString &formula)
{
    const auto fields = readSpecial(formula);
    return fields && fields->month >= EachMonth && fields->month <= 12 && fields->weekday >= 0
        && fields->weekday <= AnyDay && fields->occurrence >= 0 && fields->occurrence <= LastOccurrence;
}

} // namespace

bool isValidFormula(const QString &formula)
{
    switch (kindOf(formula)) {
    case Kind::DayOfMonth: return validDayOfMonth(formula);
    case Kind::Special: return validSpecial(formula);
    case Kind::Feast: return feastOf(formula).has_value();
    case Kind::Weekdays:
    case Kind::None: return true;
    }
    return true;
}

std::optional<Feast> feastOf(const QString &formula)
{
    const QString keyword = formula.left(11).trimmed().toUpper();
    for (Feast feast : {Feast::Easter, Feast::GoodFriday, Feast::PalmSunday}) {
        if (keyword == feastKeyword(feast))
            return feast;
    }
    return std::nullopt;
}

QString feastKeyword(Feast feast)
{
    switch (feast) {
    case Feast::Easter: return QStringLiteral("#EASTER");
    case Feast::GoodFriday: return QStringLiteral("#GOODFRIDAY");
    case Feast::PalmSunday: return QStringLiteral("#PALMSUNDAY");
    }
    return QString();
}

QString dayOfMonthFormula(const DayOfMonth &fields)
{
    return QString::asprintf("@%2.2d%2.2d", fields.month, fields.day);
}

QString specialFormula(const Special &fields)
{
    return QLatin1Char('$') + twoCharacterField(fields.occurrence)
           + twoCharacterField(fields.weekday) + twoCharacterField(fields.month);
}

QString weekdaysFormula(const std::array<bool, 7> &days)
{
    QString formula(QLatin1Char('%'));
    for (int i = 0; i < 7; ++i) {
        if (days[i])
            formula.append(QChar(u'1' + i));
    }
    return formula;
}

} // namespace RecurringFormula
