// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/calendardates.h"
#include "calendar/calendartexts.h"
#include "calendar/localedates.h"
#include "calendar/pageoptions.h"

namespace {

const CalendarNames german = languageNames(CalendarLanguage::German);
const CalendarNames french = languageNames(CalendarLanguage::French);
const CalendarNames english = languageNames(CalendarLanguage::English);

PageTexts localeTexts(const CalendarNames &names, const char *locale)
{
    return PageTexts(names, QLocale(QString::fromLatin1(locale)));
}

} // namespace

TEST(LocaleDates, GermanTitlesAcrossTheYearsEnd)
{
    const PageTexts texts = localeTexts(german, "de_DE");
    EXPECT_EQ(texts.weekPlannerTitle({}, QDate(2026, 12, 28), 14),
              QStringLiteral("28. Dezember 2026 \u2013 10. Januar 2027"));
    EXPECT_EQ(texts.weekPlannerTitle({}, QDate(2027, 1, 25), 7),
              QStringLiteral("25. \u2013 31. Januar 2027"));
    EXPECT_EQ(texts.weekPlannerTitle({}, QDate(2027, 1, 27), 7),
              QStringLiteral("27. Januar \u2013 2. Februar 2027"));
    EXPECT_EQ(texts.dayPlannerTitle({}, QDate(2027, 1, 25)), QStringLiteral("Montag, 25. Januar 2027"));
    EXPECT_EQ(texts.monthTitle({}, 12, 2026, true), QStringLiteral("Dezember 2026"));
    EXPECT_EQ(texts.monthTitle({}, 12, 2026, false), QStringLiteral("Dezember"));
    // A title the user gave wins, whatever the language.
    EXPECT_EQ(texts.weekPlannerTitle(QStringLiteral("Urlaub"), QDate(2026, 12, 28), 14), QStringLiteral("Urlaub"));
}

TEST(LocaleDates, GermanLabelsTimesAndNotes)
{
    const PageTexts texts = localeTexts(german, "de_DE");
    const PlannerLabels week = texts.weekPlannerLabels(QDate(2026, 12, 28), 14, dsThreeChars);
    ASSERT_EQ(week.first.size(), 15);
    EXPECT_EQ(week.first.mid(0, 3), QStringList({"Mo", "Di", "Mi"}));
    EXPECT_EQ(week.second[0], QStringLiteral("28. Dez."));
    EXPECT_EQ(week.second[4], QStringLiteral("1. Jan."));
    EXPECT_EQ(week.first[14], QStringLiteral("Notizen"));
    EXPECT_EQ(week.days.mid(0, 5), QList<int>({28, 29, 30, 31, 1}));
    EXPECT_EQ(week.days.last(), 0);
    // Whole names stay the page's own, the German Friday's blank and all.
    EXPECT_EQ(texts.dayLabel(6, dsWhole), QStringLiteral("Freitag "));
    EXPECT_EQ(texts.dayLabel(2, dsFirstChar), QStringLiteral("M"));

    const PlannerLabels day = texts.dayPlannerLabels(EncodeTime(17, 0), 10);
    EXPECT_EQ(day.first[0], QStringLiteral("17:00"));
    EXPECT_EQ(day.first[1], QStringLiteral("18:00"));
    EXPECT_EQ(day.first[7], QStringLiteral("00:00")) << "past midnight the clock starts again";
    EXPECT_EQ(day.first[10], QStringLiteral("Notizen"));
    EXPECT_EQ(day.days, QList<int>(11, 0));
}

TEST(LocaleDates, OtherLanguagesKeepTheirOrderAndForms)
{
    const PageTexts frenchTexts = localeTexts(french, "fr_FR");
    EXPECT_EQ(frenchTexts.dayPlannerTitle({}, QDate(2027, 1, 25)), QStringLiteral("Lundi 25 janvier 2027"));
    EXPECT_EQ(frenchTexts.weekPlannerTitle({}, QDate(2027, 1, 4), 7), QStringLiteral("4 \u2013 10 janvier 2027"));
    // The page's names start with capitals, so its abbreviations do too.
    EXPECT_EQ(frenchTexts.dayLabel(2, dsThreeChars), QStringLiteral("Lun."));
    EXPECT_EQ(frenchTexts.monthTitle({}, 8, 2027, true), QStringLiteral("Ao\u00fbt 2027"));

    const PageTexts american = localeTexts(english, "en_US");
    EXPECT_EQ(american.weekPlannerTitle({}, QDate(2027, 1, 4), 7), QStringLiteral("January 4 \u2013 10, 2027"));
    EXPECT_EQ(american.weekPlannerTitle({}, QDate(2027, 1, 27), 7),
              QStringLiteral("January 27 \u2013 February 2, 2027"));
    EXPECT_EQ(american.dayPlannerLabels(EncodeTime(18, 0), 1).first[0], QStringLiteral("6:00 PM"));
    EXPECT_EQ(american.weekPlannerLabels(QDate(2027, 1, 4), 7, dsThreeChars).second[0], QStringLiteral("Jan 4"));
    EXPECT_EQ(american.weekPlannerLabels(QDate(2027, 1, 4), 7, dsThreeChars).days[0], 4);

    // Polish names a month differently after a day number than as a heading.
    const QLocale polish(QStringLiteral("pl_PL"));
    const CalendarNames polishNames = localeNames(polish);
    const PageTexts polishTexts(polishNames, polish);
    EXPECT_EQ(polishTexts.monthTitle({}, 1, 2027, true), QStringLiteral("Stycze\u0144 2027"));
    EXPECT_EQ(polishTexts.dayPlannerTitle({}, QDate(2027, 1, 25)),
              QStringLiteral("Poniedzia\u0142ek, 25 stycznia 2027"));
    EXPECT_EQ(polishTexts.weekPlannerLabels(QDate(2027, 1, 25), 7, dsWhole).first.last(), QStringLiteral("Notatki"));

    // Year first, month by number: the order comes from the locale, not from a template.
    const QLocale japanese(QStringLiteral("ja_JP"));
    const PageTexts japaneseTexts(localeNames(japanese), japanese);
    EXPECT_EQ(japaneseTexts.monthTitle({}, 1, 2027, true), QStringLiteral("2027\u5e741\u6708"));
    EXPECT_EQ(japaneseTexts.weekPlannerTitle({}, QDate(2027, 1, 4), 7),
              QStringLiteral("2027\u5e741\u67084\u65e5 \u2013 10\u65e5"));
    EXPECT_EQ(japaneseTexts.weekPlannerLabels(QDate(2027, 1, 4), 7, dsThreeChars).days[0], 4);
}

TEST(LocaleDates, NamesThePageChangedAreKept)
{
    CalendarNames names = german;
    names.months[0] = QStringLiteral("Hartung");
    names.days[1] = QStringLiteral("Mondtag");
    const PageTexts texts = localeTexts(names, "de_DE");
    EXPECT_EQ(texts.dayPlannerTitle({}, QDate(2027, 1, 25)), QStringLiteral("Mondtag, 25. Hartung 2027"));
    // Shortened from the page's names, since the language's abbreviations would not fit them.
    EXPECT_EQ(texts.dayLabel(2, dsThreeChars), QStringLiteral("Mon"));
    EXPECT_EQ(texts.weekPlannerLabels(QDate(2027, 1, 25), 7, dsThreeChars).second[0], QStringLiteral("25. Har"));
}

TEST(LocaleDates, WithoutALocaleTheTextsAreTheClassicOnes)
{
    const PageTexts texts(german, std::nullopt);
    EXPECT_EQ(texts.weekPlannerTitle({}, QDate(2026, 12, 28), 14),
              WeekPlannerTitle(german, {}, QDate(2026, 12, 28), 14));
    EXPECT_EQ(texts.weekPlannerTitle({}, QDate(2026, 12, 28), 14),
              QStringLiteral("Dezember 28, 2026 - Januar 10, 2027"));
    EXPECT_EQ(texts.dayPlannerTitle({}, QDate(2027, 1, 25)), QStringLiteral("Montag, Januar 25, 2027"));
    const PlannerLabels week = texts.weekPlannerLabels(QDate(2027, 1, 25), 7, dsThreeChars);
    EXPECT_EQ(week.first.mid(0, 3), QStringList({"Mon", "Die", "Mit"}));
    EXPECT_EQ(week.first.last(), QStringLiteral("Notes"));
    EXPECT_EQ(week.days.mid(0, 2), QList<int>({25, 26}));
    const PlannerLabels day = texts.dayPlannerLabels(EncodeTime(8, 0), 10);
    EXPECT_EQ(day, DayPlannerLabels(EncodeTime(8, 0), 10, localeAmText(), localePmText()));
}

TEST(LocaleDates, PatternsLoseAFieldWithItsSeparator)
{
    using Kind = LocaleDates::Piece::Kind;
    const auto text = [](const LocaleDates::Pattern &pattern) {
        QString out;
        for (const LocaleDates::Piece &piece : pattern) {
            switch (piece.kind) {
            case Kind::Text: out += QLatin1Char('[') + piece.text + QLatin1Char(']'); break;
            case Kind::DayName: out += QString(piece.letters, u'E'); break;
            case Kind::Day: out += QString(piece.letters, u'd'); break;
            case Kind::Month: out += QString(piece.letters, u'M'); break;
            case Kind::Year: out += QString(piece.letters, u'y'); break;
            }
        }
        return out;
    };
    const auto parse = [](const char *format) { return LocaleDates::parsePattern(QString::fromUtf8(format)); };
    EXPECT_EQ(text(parse("dddd, d 'de' MMMM 'de' yyyy")), QStringLiteral("EEEE[, ]d[ de ]MMMM[ de ]yyyy"));
    EXPECT_EQ(text(parse("d 'o''clock' ''")), QStringLiteral("d[ o'clock ']"));
    EXPECT_EQ(text(parse("'unterminated")), QStringLiteral("[unterminated]"));
    EXPECT_EQ(text(LocaleDates::withoutField(parse("d. MMMM yyyy"), Kind::Day)), QStringLiteral("MMMM[ ]yyyy"));
    EXPECT_EQ(text(LocaleDates::withoutField(parse("MMMM d, yyyy"), Kind::Day)), QStringLiteral("MMMM[ ]yyyy"));
    EXPECT_EQ(text(LocaleDates::withoutField(parse("yyyy. MMMM d., dddd"), Kind::DayName)),
              QStringLiteral("yyyy[. ]MMMM[ ]d[.]"));
    EXPECT_EQ(text(LocaleDates::withoutField(parse("d MMMM yyyy 'г'."), Kind::Year)), QStringLiteral("d[ ]MMMM"));
    EXPECT_EQ(text(LocaleDates::withoutField(parse("MMMM"), Kind::Day)), QStringLiteral("MMMM"));
    EXPECT_TRUE(LocaleDates::withoutField(parse("d"), Kind::Day).isEmpty());
}

TEST(LocaleDates, ThePagesLocaleComesFromItsLanguageOrItsNames)
{
    DocumentOptions options;
    EXPECT_EQ(pageLocale(options, german).language(), QLocale::German);
    EXPECT_EQ(pageLocale(options, french).language(), QLocale::French);
    PageOptions::setLanguage(options, QStringLiteral("pl"));
    EXPECT_EQ(pageLocale(options, german).language(), QLocale::Polish) << "a chosen language wins";
    PageOptions::setLanguage(options, QStringLiteral("no such language"));
    EXPECT_EQ(pageLocale(options, german).language(), QLocale::German);

    CalendarNames invented = german;
    invented.days[0] = QStringLiteral("Sonnentag");
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::Swedish, QLocale::Sweden));
    EXPECT_EQ(pageLocale({}, invented).language(), QLocale::Swedish) << "names of no language take the user's";
    EXPECT_EQ(localeOfLanguage(CalendarLanguage::English).territory(), QLocale::UnitedStates);
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Austria));
    EXPECT_EQ(localeOfLanguage(CalendarLanguage::German).territory(), QLocale::Austria)
        << "the user's own country's customs for their language";
    QLocale::setDefault(before);

    EXPECT_EQ(notesWord(QLocale(QLocale::Italian)), QStringLiteral("Note"));
    EXPECT_EQ(notesWord(QLocale(QLocale::Zulu)), QStringLiteral("Notes"));
}
