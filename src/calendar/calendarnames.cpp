// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "calendarnames.h"

#include "calendar/pagetypes.h"

#include <QLocale>

#include <algorithm>
#include <iterator>

namespace {

struct LanguageTable
{
    const char16_t *months[12];
    const char16_t *days[7];
};

// The German Friday keeps its trailing blank: it is part of the stored table.
const LanguageTable languageTables[] = {
    {{u"January", u"February", u"March", u"April", u"May", u"June", u"July", u"August",
      u"September", u"October", u"November", u"December"},
     {u"Sunday", u"Monday", u"Tuesday", u"Wednesday", u"Thursday", u"Friday", u"Saturday"}},
    {{u"Janvier", u"Février", u"Mars", u"Avril", u"Mai", u"Juin", u"Juillet", u"Août",
      u"Septembre", u"Octobre", u"Novembre", u"Décembre"},
     {u"Dimanche", u"Lundi", u"Mardi", u"Mercredi", u"Jeudi", u"Vendredi", u"Samedi"}},
    {{u"Januar", u"Februar", u"März", u"April", u"Mai", u"Juni", u"Juli", u"August",
      u"September", u"Oktober", u"November", u"Dezember"},
     {u"Sonntag", u"Montag", u"Dienstag", u"Mittwoch", u"Donnerstag", u"Freitag ", u"Samstag"}},
    {{u"Gennaio", u"Febbraio", u"Marzo", u"Aprile", u"Maggio", u"Giugno", u"Luglio", u"Agosto",
      u"Settembre", u"Ottobre", u"Novembre", u"Dicembre"},
     {u"Domenica", u"Lunedì", u"Martedì", u"Mercoledì", u"Giovedì", u"Venerdì", u"Sabato"}},
    {{u"Enero", u"Febrero", u"Marzo", u"Abril", u"Mayo", u"Junio", u"Julio", u"Agosto",
      u"Septiembre", u"Octubre", u"Noviembre", u"Diciembre"},
     {u"Domingo", u"Lunes", u"Martes", u"Miércoles", u"Jueves", u"Viernes", u"Sábado"}},
};

} // namespace

QString CalendarNames::month(int index) const
{
    return (index >= 1 && index <= 12) ? months[index - 1] : QString();
}

QString CalendarNames::day(int index) const
{
    return (index >= 1 && index <= 7) ? days[index - 1] : QString();
}

CalendarNames languageNames(CalendarLanguage language)
{
    const LanguageTable &table = languageTables[static_cast<int>(language)];
    CalendarNames names;
    for (int i = 0; i < 12; ++i)
        names.months[i] = QString::fromUtf16(table.months[i]);
    for (int i = 0; i < 7; ++i)
        names.days[i] = QString::fromUtf16(table.days[i]);
    return names;
}

std::optional<CalendarLanguage> calendarLanguageOf(const QLocale &locale)
{
    switch (locale.language()) {
    case QLocale::English: return CalendarLanguage::English;
    case QLocale::French: return CalendarLanguage::French;
    case QLocale::German: return CalendarLanguage::German;
    case QLocale::Italian: return CalendarLanguage::Italian;
    case QLocale::Spanish: return CalendarLanguage::Spanish;
    default: return std::nullopt;
    }
}

CalendarNames localeNames()
{
    return localeNames(QLocale::system());
}

CalendarNames localeNames(const QLocale &locale)
{
    CalendarNames names;
    for (int i = 0; i < 12; ++i)
        names.months[i] = locale.standaloneMonthName(i + 1, QLocale::LongFormat);
    // The table starts on Sunday; QLocale numbers Monday 1 .. Sunday 7.
    for (int i = 0; i < 7; ++i)
        names.days[i] = locale.standaloneDayName(i == 0 ? 7 : i, QLocale::LongFormat);
    return names;
}

int localePaperSize(const QLocale &locale)
{
    // The countries of the Americas that print on Letter; the C locale has no country
    // and keeps the paper calendars always started on.
    static constexpr QLocale::Territory letter[] = {
        QLocale::AnyTerritory, QLocale::UnitedStates, QLocale::Canada, QLocale::Mexico,
        QLocale::Chile, QLocale::Colombia, QLocale::CostaRica, QLocale::DominicanRepublic,
        QLocale::ElSalvador, QLocale::Guatemala, QLocale::Nicaragua, QLocale::Panama,
        QLocale::Philippines, QLocale::PuertoRico, QLocale::Venezuela};
    return std::find(std::begin(letter), std::end(letter), locale.territory()) != std::end(letter)
               ? PaperLetter
               : PaperA4;
}

QString localeAmText()
{
    return QLocale::system().amText();
}

QString localePmText()
{
    return QLocale::system().pmText();
}
