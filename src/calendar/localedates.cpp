// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "localedates.h"

#include "calendar/calendardates.h"
#include "calendar/calendartexts.h"
#include "calendar/pageoptions.h"

#include <QRegularExpression>
#include <QTime>

#include <algorithm>
#include <iterator>

namespace {

using Piece = LocaleDates::Piece;
using Pattern = LocaleDates::Pattern;
using Kind = Piece::Kind;

const QString rangeDash = QStringLiteral(" \u2013 ");

bool isSeparator(QChar c)
{
    return c.isSpace() || c == u',' || c == u'\uff0c' || c == u'\u060c';
}

// The part of the text after a field that belongs to the field ("." after a German day,
// "日" after a Japanese one): what comes before the first blank or comma.
QString fieldSuffix(const QString &text)
{
    const auto end = std::find_if(text.cbegin(), text.cend(), isSeparator);
    return text.left(int(end - text.cbegin()));
}

void appendText(Pattern &pattern, const QString &text)
{
    if (!pattern.isEmpty() && pattern.last().kind == Kind::Text)
        pattern.last().text += text;
    else
        pattern.append({Kind::Text, text, 0});
}

Kind fieldKind(QChar letter, int count)
{
    if (letter == u'd')
        return count >= 3 ? Kind::DayName : Kind::Day;
    return letter == u'M' ? Kind::Month : Kind::Year;
}

// Blanks at the ends and empty text pieces go.
Pattern trimmed(Pattern pattern)
{
    pattern.removeIf([](const Piece &piece) { return piece.kind == Kind::Text && piece.text.isEmpty(); });
    if (!pattern.isEmpty() && pattern.first().kind == Kind::Text) {
        pattern.first().text.remove(QRegularExpression(QStringLiteral("^\\s+")));
        if (pattern.first().text.isEmpty())
            pattern.removeFirst();
    }
    if (!pattern.isEmpty() && pattern.last().kind == Kind::Text) {
        pattern.last().text.remove(QRegularExpression(QStringLiteral("\\s+$")));
        if (pattern.last().text.isEmpty())
            pattern.removeLast();
    }
    return pattern;
}

qsizetype indexOf(const Pattern &pattern, Kind kind)
{
    const auto found = std::find_if(pattern.cbegin(), pattern.cend(),
                                    [kind](const Piece &piece) { return piece.kind == kind; });
    return found == pattern.cend() ? -1 : found - pattern.cbegin();
}

bool sameName(const QString &pageName, const QString &a, const QString &b)
{
    const QString name = pageName.trimmed();
    return name.compare(a, Qt::CaseInsensitive) == 0 || name.compare(b, Qt::CaseInsensitive) == 0;
}

// QLocale numbers the days Monday 1 .. Sunday 7; the page's names start on Sunday.
int qtDay(int index)
{
    return index == 1 ? 7 : index - 1;
}

bool namesOfLocale(const QLocale &locale, const CalendarNames &names)
{
    for (int month = 1; month <= 12; ++month) {
        if (!sameName(names.month(month), locale.standaloneMonthName(month, QLocale::LongFormat),
                      locale.monthName(month, QLocale::LongFormat)))
            return false;
    }
    for (int day = 1; day <= 7; ++day) {
        if (!sameName(names.day(day), locale.standaloneDayName(qtDay(day), QLocale::LongFormat),
                      locale.dayName(qtDay(day), QLocale::LongFormat)))
            return false;
    }
    return true;
}

QString capitalised(const QLocale &locale, const QString &text)
{
    if (text.isEmpty() || !text.front().isLower())
        return text;
    return locale.toUpper(text.left(1)) + text.mid(1);
}

} // namespace

LocaleDates::Pattern LocaleDates::parsePattern(const QString &format)
{
    Pattern pattern;
    for (qsizetype i = 0; i < format.size();) {
        const QChar c = format.at(i);
        if (c == u'\'') {
            // Quoted text; two quotes stand for one, inside quotes or out.
            if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                appendText(pattern, QStringLiteral("'"));
                i += 2;
                continue;
            }
            QString text;
            for (++i; i < format.size(); ++i) {
                if (format.at(i) == u'\'') {
                    if (i + 1 < format.size() && format.at(i + 1) == u'\'') {
                        text += u'\'';
                        ++i;
                        continue;
                    }
                    ++i;
                    break;
                }
                text += format.at(i);
            }
            appendText(pattern, text);
            continue;
        }
        if (c == u'd' || c == u'M' || c == u'y') {
            qsizetype end = i;
            while (end < format.size() && format.at(end) == c)
                ++end;
            const int count = int(std::min<qsizetype>(end - i, 4));
            pattern.append({fieldKind(c, count), QString(), count});
            i = end;
            continue;
        }
        appendText(pattern, QString(c));
        ++i;
    }
    return pattern;
}

LocaleDates::Pattern LocaleDates::withoutField(Pattern pattern, Piece::Kind kind)
{
    const qsizetype at = indexOf(pattern, kind);
    if (at < 0)
        return pattern;
    const bool fieldFollows = std::any_of(pattern.cbegin() + at + 1, pattern.cend(),
                                          [](const Piece &piece) { return piece.kind != Kind::Text; });
    if (fieldFollows) {
        // The text after the field is its suffix and the separator to the next field.
        const qsizetype count = at + 1 < pattern.size() && pattern[at + 1].kind == Kind::Text ? 2 : 1;
        pattern.remove(at, count);
        return trimmed(pattern);
    }
    // The last field: what follows it is its own, and of the text before it only the
    // previous field's suffix stays.
    pattern.remove(at, pattern.size() - at);
    if (!pattern.isEmpty() && pattern.last().kind == Kind::Text)
        pattern.last().text = fieldSuffix(pattern.last().text);
    return trimmed(pattern);
}

LocaleDates::LocaleDates(const QLocale &locale, const CalendarNames &names)
    : m_locale(locale), m_names(names), m_languageNames(namesOfLocale(locale, names))
{
    m_locale.setNumberOptions(QLocale::OmitGroupSeparator);
    m_longDate = parsePattern(locale.dateFormat(QLocale::LongFormat));
    m_date = withoutField(m_longDate, Kind::DayName);
    m_dateWithoutYear = withoutField(m_date, Kind::Year);
    m_yearMonth = withoutField(m_date, Kind::Day);
    m_dayAndMonth = m_dateWithoutYear;
    for (Piece &piece : m_dayAndMonth) {
        if (piece.kind == Kind::Month && piece.letters == 4)
            piece.letters = 3;
    }
    const qsizetype day = indexOf(m_date, Kind::Day);
    if (day >= 0) {
        m_rangeStart = m_date.first(day + 1);
        if (day + 1 < m_date.size() && m_date[day + 1].kind == Kind::Text) {
            const QString suffix = fieldSuffix(m_date[day + 1].text);
            if (!suffix.isEmpty())
                m_rangeStart.append({Kind::Text, suffix, 0});
        }
        m_rangeEnd = m_date.mid(day);
    }
}

QString LocaleDates::number(int value, int digits) const
{
    const QString text = m_locale.toString(value);
    return digits == 2 && value >= 0 && value < 10 ? m_locale.zeroDigit() + text : text;
}

QString LocaleDates::monthName(int month, int letters, bool afterDay) const
{
    if (letters <= 2)
        return number(month, letters);
    if (letters == 3) {
        return m_languageNames ? m_locale.monthName(month, QLocale::ShortFormat)
                               : m_names.month(month).trimmed().left(3);
    }
    // After a day number a language may inflect the name; a heading has it standing alone.
    if (m_languageNames && afterDay)
        return m_locale.monthName(month, QLocale::LongFormat);
    return m_names.month(month).trimmed();
}

QString LocaleDates::dayName(int index, int letters) const
{
    if (letters == 3) {
        return m_languageNames ? m_locale.dayName(qtDay(index), QLocale::ShortFormat)
                               : m_names.day(index).trimmed().left(3);
    }
    return m_languageNames ? m_locale.dayName(qtDay(index), QLocale::LongFormat)
                           : m_names.day(index).trimmed();
}

QString LocaleDates::render(const Pattern &pattern, const QDate &date) const
{
    const bool hasDay = indexOf(pattern, Kind::Day) >= 0;
    QString text;
    for (const Piece &piece : pattern) {
        switch (piece.kind) {
        case Kind::Text: text += piece.text; break;
        case Kind::DayName: text += dayName(DayOfWeek(date), piece.letters); break;
        case Kind::Day: text += number(date.day(), piece.letters); break;
        case Kind::Month: text += monthName(date.month(), piece.letters, hasDay); break;
        case Kind::Year:
            text += piece.letters <= 2 ? number(date.year() % 100, 2) : number(date.year(), 4);
            break;
        }
    }
    return text;
}

QString LocaleDates::monthTitle(int month, int year, bool showYear) const
{
    if (!showYear)
        return capitalised(m_locale, m_names.month(month));
    return capitalised(m_locale, render(m_yearMonth, QDate(year, month, 1)));
}

QString LocaleDates::longDate(const QDate &date) const
{
    return capitalised(m_locale, render(m_longDate, date));
}

QString LocaleDates::date(const QDate &date) const
{
    return render(m_date, date);
}

QString LocaleDates::range(const QDate &first, const QDate &last) const
{
    if (first == last)
        return capitalised(m_locale, date(first));
    QString text;
    if (first.year() != last.year())
        text = date(first) + rangeDash + date(last);
    else if (first.month() != last.month() || m_rangeStart.isEmpty())
        text = render(m_dateWithoutYear, first) + rangeDash + date(last);
    else
        text = render(m_rangeStart, first) + rangeDash + render(m_rangeEnd, last);
    return capitalised(m_locale, text);
}

QString LocaleDates::dayAndMonth(const QDate &date) const
{
    return render(m_dayAndMonth, date);
}

QString LocaleDates::time(int hour, int minute) const
{
    // A planner's slots never have seconds, which some short formats (the C locale's) carry.
    static const QRegularExpression seconds(QStringLiteral("[:.]?s+"));
    QString format = m_locale.timeFormat(QLocale::ShortFormat);
    format.remove(seconds);
    return m_locale.toString(QTime(hour, minute), format);
}

QString LocaleDates::dayLabel(int index, TCalHeadersStyle style) const
{
    const QString name = m_names.day(index);
    if (style == dsWhole || !m_languageNames)
        return HeaderLabel(name, style);
    const QString label = m_locale.standaloneDayName(
        qtDay(index), style == dsFirstChar ? QLocale::NarrowFormat : QLocale::ShortFormat);
    const QString trimmedName = name.trimmed();
    if (!trimmedName.isEmpty() && trimmedName.front().isUpper())
        return capitalised(m_locale, label);
    return label;
}

QString LocaleDates::notes() const
{
    return notesWord(m_locale);
}

QLocale localeOfLanguage(CalendarLanguage language)
{
    static constexpr QLocale::Language languages[] = {QLocale::English, QLocale::French, QLocale::German,
                                                      QLocale::Italian, QLocale::Spanish};
    const QLocale::Language wanted = languages[int(language)];
    const QLocale user;
    return user.language() == wanted ? user : QLocale(wanted);
}

QLocale pageLocale(const DocumentOptions &options, const CalendarNames &names)
{
    const QString chosen = PageOptions::language(options);
    if (!chosen.isEmpty()) {
        const QLocale locale(chosen);
        // An unknown name gives the C locale, which is no language at all.
        if (locale.language() != QLocale::C && locale.language() != QLocale::AnyLanguage)
            return locale;
    }
    for (CalendarLanguage language : {CalendarLanguage::English, CalendarLanguage::French,
                                      CalendarLanguage::German, CalendarLanguage::Italian,
                                      CalendarLanguage::Spanish}) {
        if (names == languageNames(language))
            return localeOfLanguage(language);
    }
    return QLocale();
}

QString notesWord(const QLocale &locale)
{
    struct Word
    {
        QLocale::Language language;
        const char16_t *word;
    };
    static constexpr Word words[] = {
        {QLocale::Catalan, u"Notes"},        {QLocale::Czech, u"Poznámky"},
        {QLocale::Danish, u"Noter"},         {QLocale::Dutch, u"Notities"},
        {QLocale::Finnish, u"Muistiinpanot"}, {QLocale::French, u"Notes"},
        {QLocale::German, u"Notizen"},       {QLocale::Greek, u"Σημειώσεις"},
        {QLocale::Hungarian, u"Jegyzetek"},  {QLocale::Italian, u"Note"},
        {QLocale::Japanese, u"メモ"},         {QLocale::Korean, u"메모"},
        {QLocale::NorwegianBokmal, u"Notater"}, {QLocale::NorwegianNynorsk, u"Notat"},
        {QLocale::Polish, u"Notatki"},       {QLocale::Portuguese, u"Notas"},
        {QLocale::Russian, u"Заметки"},      {QLocale::Spanish, u"Notas"},
        {QLocale::Swedish, u"Anteckningar"}, {QLocale::Turkish, u"Notlar"},
        {QLocale::Ukrainian, u"Нотатки"},
    };
    const auto found = std::find_if(std::begin(words), std::end(words),
                                    [&](const Word &w) { return w.language == locale.language(); });
    return found == std::end(words) ? QStringLiteral("Notes") : QString::fromUtf16(found->word);
}
