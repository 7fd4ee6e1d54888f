// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "pageoptions.h"

#include "graphics/tcolor.h"

namespace PageOptions {
namespace {

const QString kWeekNumbers = QStringLiteral("WeekNumbers");
const QString kMoonPhases = QStringLiteral("MoonPhases");
const QString kHolidaysOf = QStringLiteral("HolidaysOf");
const QString kHolidayColour = QStringLiteral("HolidayColour");
const QString kHolidaySundays = QStringLiteral("HolidaySundays");
const QString kHolidayNames = QStringLiteral("HolidayNames");
const QString kLocaleDates = QStringLiteral("LocaleDates");
const QString kLanguage = QStringLiteral("Language");

constexpr TColor kDefaultHolidayColour = Colors::clRed;

// Stores a yes/no option only when it differs from its default.
void setFlag(DocumentOptions &options, const QString &name, bool on, bool fallback)
{
    if (on == fallback)
        options.remove(name);
    else
        options.setValue(name, on);
}

bool flag(const DocumentOptions &options, const QString &name, bool fallback)
{
    const QVariant value = options.value(name);
    return value.typeId() == QMetaType::Bool ? value.toBool() : fallback;
}

} // namespace

QString weekNumbersName(WeekNumbers numbers)
{
    switch (numbers) {
    case WeekNumbers::Iso: return QStringLiteral("iso");
    case WeekNumbers::FirstJanuary: return QStringLiteral("us");
    case WeekNumbers::None: break;
    }
    return QStringLiteral("none");
}

std::optional<WeekNumbers> weekNumbersNamed(const QString &name)
{
    for (const WeekNumbers numbers : {WeekNumbers::None, WeekNumbers::Iso, WeekNumbers::FirstJanuary}) {
        if (name == weekNumbersName(numbers))
            return numbers;
    }
    return std::nullopt;
}

WeekNumbers weekNumbers(const DocumentOptions &options)
{
    return weekNumbersNamed(options.value(kWeekNumbers).toString()).value_or(WeekNumbers::None);
}

void setWeekNumbers(DocumentOptions &options, WeekNumbers numbers)
{
    if (numbers == WeekNumbers::None)
        options.remove(kWeekNumbers);
    else
        options.setValue(kWeekNumbers, weekNumbersName(numbers));
}

bool moonPhases(const DocumentOptions &options) { return flag(options, kMoonPhases, false); }
void setMoonPhases(DocumentOptions &options, bool on) { setFlag(options, kMoonPhases, on, false); }

QString holidaysOf(const DocumentOptions &options)
{
    const QVariant value = options.value(kHolidaysOf);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void setHolidaysOf(DocumentOptions &options, const QString &code)
{
    if (code.isEmpty())
        options.remove(kHolidaysOf);
    else
        options.setValue(kHolidaysOf, code);
}

TColor holidayColour(const DocumentOptions &options)
{
    const QVariant value = options.value(kHolidayColour);
    return value.typeId() == QMetaType::Int ? TColor(value.toInt()) : kDefaultHolidayColour;
}

void setHolidayColour(DocumentOptions &options, TColor colour)
{
    if (colour == kDefaultHolidayColour)
        options.remove(kHolidayColour);
    else
        options.setValue(kHolidayColour, int(colour));
}

bool holidaySundays(const DocumentOptions &options) { return flag(options, kHolidaySundays, false); }
void setHolidaySundays(DocumentOptions &options, bool on) { setFlag(options, kHolidaySundays, on, false); }
bool holidayNames(const DocumentOptions &options) { return flag(options, kHolidayNames, false); }
void setHolidayNames(DocumentOptions &options, bool on) { setFlag(options, kHolidayNames, on, false); }
bool localeDates(const DocumentOptions &options) { return flag(options, kLocaleDates, false); }
void setLocaleDates(DocumentOptions &options, bool on) { setFlag(options, kLocaleDates, on, false); }

QString language(const DocumentOptions &options)
{
    const QVariant value = options.value(kLanguage);
    return value.typeId() == QMetaType::QString ? value.toString() : QString();
}

void setLanguage(DocumentOptions &options, const QString &name)
{
    if (name.isEmpty())
        options.remove(kLanguage);
    else
        options.setValue(kLanguage, name);
}

} // namespace PageOptions
