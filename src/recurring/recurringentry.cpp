// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "recurringentry.h"

#include "recurringformula.h"

using namespace RecurringFormula;

namespace RecurringEntry {

QString padField(const QString &text, int width)
{
    return text.leftJustified(width, QLatin1Char(' '), true);
}

QString makeLine(const QString &name, const QString &formula)
{
    QString oneLine = name;
    oneLine.replace(QLatin1Char('\r'), QLatin1Char(' ')).replace(QLatin1Char('\n'), QLatin1Char(' '));
    return padField(oneLine, NameWidth) + padField(formula, FormulaWidth);
}

QString nameField(const QString &line)
{
    return line.left(NameWidth);
}

QString name(const QString &line)
{
    return nameField(line).trimmed();
}

QString formula(const QString &line)
{
    return line.mid(NameWidth);
}

bool hasFormula(const QString &line)
{
    return line.size() > NameWidth;
}

} // namespace RecurringEntry

QString OrdinalText(quint16 n)
{
    const char *suffix = "th";
    if (n < 11 || n > 19) {
        switch (n % 10) {
        case 1: suffix = "st"; break;
        case 2: suffix = "nd"; break;
        case 3: suffix = "rd"; break;
        default: break;
        }
    }
    return QString::number(n) + QLatin1String(suffix);
}

namespace {

QString monthText(int month, const RecurringNames &names)
{
    return month == EachMonth ? QStringLiteral("Each Month") : names.month(month);
}

bool isMonthField(int month)
{
    return month >= EachMonth && month <= 12;
}

// Negative numbers would come out as huge ordinals; they cannot be described sensibly.
bool isOrdinal(int n)
{
    return n >= 0 && n <= 0xFFFF;
}

QString describeDayOfMonth(const QString &formula, const RecurringNames &names)
{
    const auto fields = readDayOfMonth(formula);
    if (!fields || !isMonthField(fields->month) || !isOrdinal(fields->day))
        return QString();
    return OrdinalText(quint16(fields->day)) + QStringLiteral(" of ")
           + monthText(fields->month, names);
}

QString describeSpecial(const QString &formula, const RecurringNames &names)
{
    const auto fields = readSpecial(formula);
    if (!fields || !isMonthField(fields->month) || fields->weekday < 0 || fields->weekday > AnyDay
        || !isOrdinal(fields->occurrence + 1))
        return QString();
    QString text = fields->occurrence == LastOccurrence
                       ? QStringLiteral("Last ")
                       : OrdinalText(quint16(fields->occurrence + 1)) + QLatin1Char(' ');
    if (fields->weekday == AnyDay)
        text += QStringLiteral("Day ");
    else
        text += names.weekday(fields->weekday + 1) + QStringLiteral(" of ");
    return text + monthText(fields->month, names);
}

QString describeWeekdays(const QString &formula, const RecurringNames &names)
{
    QStringList days;
    for (int weekday = 1; weekday <= 7; ++weekday) {
        if (hasWeekday(formula, weekday))
            days.append(names.weekday(weekday));
    }
    return days.join(QLatin1Char(','));
}

} // namespace

QString describeFormula(const QString &formula, const RecurringNames &names)
{
    switch (kindOf(formula)) {
    case Kind::DayOfMonth: return describeDayOfMonth(formula, names);
    case Kind::Special: return describeSpecial(formula, names);
    case Kind::Weekdays: return describeWeekdays(formula, names);
    default: return QString();
    }
}

QString DescribeRecurringEntry(const QString &line, const RecurringNames &names)
{
    const QString formula = RecurringEntry::formula(line);
    switch (kindOf(formula)) {
    case Kind::DayOfMonth:
    case Kind::Special:
    case Kind::Weekdays:
        return RecurringEntry::name(line) + QStringLiteral(" (") + describeFormula(formula, names)
               + QLatin1Char(')');
    default:
        return RecurringEntry::nameField(line);
    }
}

QString DescribeRecurringEntry(const QString &line)
{
    static const RecurringNames names = RecurringNames::system();
    return DescribeRecurringEntry(line, names);
}
