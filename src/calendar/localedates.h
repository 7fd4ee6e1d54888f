// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/calendarnames.h"
#include "calendar/pagetypes.h"

#include <QDate>
#include <QList>
#include <QLocale>
#include <QString>

class DocumentOptions;

// Dates, times and day names as a language writes them: the order, punctuation, clock and
// abbreviations of Qt's locale data, with the page's own names. Where the page's names are
// the language's own (in whatever case), dates take the language's forms of them too, since
// many languages inflect a month's name after a day number ("25 stycznia").
class LocaleDates
{
public:
    LocaleDates(const QLocale &locale, const CalendarNames &names);

    const QLocale &locale() const { return m_locale; }
    // Whether every name of the page is the language's own, case aside.
    bool namesAreTheLanguages() const { return m_languageNames; }

    // "Januar 2027", "2027年1月"; the month's name alone without the year.
    QString monthTitle(int month, int year, bool showYear) const;
    // "Montag, 25. Januar 2027".
    QString longDate(const QDate &date) const;
    // "25. Januar 2027": the date without its day name.
    QString date(const QDate &date) const;
    // "28. Dezember 2026 – 10. Januar 2027", "4. – 10. Januar 2027", "January 4 – 10, 2027".
    QString range(const QDate &first, const QDate &last) const;
    // A planner row's date under its day name: "25. Jan.", "Jan 25".
    QString dayAndMonth(const QDate &date) const;
    // "18:00", "6:00 PM".
    QString time(int hour, int minute) const;
    // Day 1..7 (Sunday first) in a header's style: whole names stay the page's, shortened
    // ones take the language's abbreviations in the case the page's name starts with.
    QString dayLabel(int index, TCalHeadersStyle style) const;
    // The planners' last row.
    QString notes() const;

    // One part of a date pattern: text, or a field with the count of its letters.
    struct Piece
    {
        enum class Kind { Text, DayName, Day, Month, Year };
        Kind kind = Kind::Text;
        QString text;
        int letters = 0;
        bool operator==(const Piece &) const = default;
    };
    using Pattern = QList<Piece>;
    // Qt's date format ("dddd, d. MMMM yyyy") as pieces; quoted text becomes text.
    static Pattern parsePattern(const QString &format);
    // The pattern without a field and the separator that belongs to it: "d. MMMM yyyy"
    // without the day is "MMMM yyyy", "yyyy年M月d日dddd" without the day name "yyyy年M月d日".
    static Pattern withoutField(Pattern pattern, Piece::Kind kind);

private:
    QString render(const Pattern &pattern, const QDate &date) const;
    QString monthName(int month, int letters, bool afterDay) const;
    QString dayName(int index, int letters) const;
    QString number(int value, int digits) const;

    QLocale m_locale;
    CalendarNames m_names;
    bool m_languageNames = false;
    Pattern m_longDate;
    Pattern m_date;
    Pattern m_dateWithoutYear;
    Pattern m_yearMonth;
    Pattern m_dayAndMonth;
    // A range within one month: the first date up to its day, the last from its day on.
    Pattern m_rangeStart;
    Pattern m_rangeEnd;
};

// The locale a page writes its dates in: the language it chose, else the language of the
// built-in names it carries, else the user's.
QLocale pageLocale(const DocumentOptions &options, const CalendarNames &names);
// The locale of a built-in language: the user's own where it is that language (their
// country's customs), else the language's main country.
QLocale localeOfLanguage(CalendarLanguage language);
// The word for the planners' notes row; English for languages we have no word for.
QString notesWord(const QLocale &locale);
