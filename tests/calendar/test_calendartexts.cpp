// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/calendardates.h"
#include "calendar/calendartexts.h"
#include "core/win1252.h"

#include <cmath>

namespace {

const CalendarNames english = languageNames(CalendarLanguage::English);

} // namespace

TEST(CalendarTexts, HeaderLabelStyles)
{
    EXPECT_EQ(HeaderLabel(QStringLiteral("Wednesday"), dsFirstChar), QStringLiteral("W"));
    EXPECT_EQ(HeaderLabel(QStringLiteral("Wednesday"), dsThreeChars), QStringLiteral("Wed"));
    EXPECT_EQ(HeaderLabel(QStringLiteral("Mai"), dsThreeChars), QStringLiteral("Mai"));
    EXPECT_EQ(HeaderLabel(QStringLiteral("Fr"), dsThreeChars), QStringLiteral("Fr"));
    EXPECT_EQ(HeaderLabel(QString(), dsThreeChars), QString());
    EXPECT_EQ(HeaderLabel(QString(), dsFirstChar), QString());
    EXPECT_EQ(HeaderLabel(QStringLiteral("Freitag "), dsWhole), QStringLiteral("Freitag "));
}

TEST(CalendarTexts, MonthTitles)
{
    EXPECT_EQ(MonthTitle(english, QString(), 1, 1997, true), QStringLiteral("January 1997"));
    EXPECT_EQ(MonthTitle(english, QString(), 1, 1997, false), QStringLiteral("January"));
    EXPECT_EQ(MonthTitle(english, QStringLiteral("Our Family"), 1, 1997, true),
              QStringLiteral("Our Family"));
}

TEST(CalendarTexts, WeekPlannerTitleForms)
{
    EXPECT_EQ(WeekPlannerTitle(english, QString(), QDate(1997, 1, 6), 7),
              QStringLiteral("January 6-12, 1997"));
    EXPECT_EQ(WeekPlannerTitle(english, QString(), QDate(1997, 1, 27), 7),
              QStringLiteral("January 27 - February 2, 1997"));
    EXPECT_EQ(WeekPlannerTitle(english, QString(), QDate(1997, 12, 29), 7),
              QStringLiteral("December 29, 1997 - January 4, 1998"));
    EXPECT_EQ(WeekPlannerTitle(english, QString(), QDate(1997, 1, 1), 14),
              QStringLiteral("January 1-14, 1997"));
    EXPECT_EQ(WeekPlannerTitle(english, QStringLiteral("Trip"), QDate(1997, 1, 1), 14),
              QStringLiteral("Trip"));
}

TEST(CalendarTexts, WeekPlannerRowsCarryTheirDays)
{
    const PlannerLabels labels = WeekPlannerLabels(english, QDate(1997, 1, 27), 7, dsThreeChars);
    ASSERT_EQ(labels.first.size(), 8);
    ASSERT_EQ(labels.second.size(), 8);
    EXPECT_EQ(labels.first[0], QStringLiteral("Mon"));
    EXPECT_EQ(labels.second[0], QStringLiteral("27 Jan"));
    EXPECT_EQ(labels.second[5], QStringLiteral("1 Feb"));
    EXPECT_EQ(labels.first[7], QStringLiteral("Notes"));
    EXPECT_EQ(labels.second[7], QString());
    QList<int> days;
    for (const QString &line : labels.second)
        days.append(RowDayNumber(line));
    EXPECT_EQ(days, (QList<int>{27, 28, 29, 30, 31, 1, 2, 0}));
    EXPECT_EQ(RowDayNumber(QStringLiteral("x9 Jan")), 0);
}

TEST(CalendarTexts, DayPlannerTitleAndSlots)
{
    EXPECT_EQ(DayPlannerTitle(english, QString(), QDate(1997, 1, 6)),
              QStringLiteral("Monday, January 6, 1997"));
    const PlannerLabels morning = DayPlannerLabels(EncodeTime(8, 0), 15, QStringLiteral("AM"),
                                                   QStringLiteral("PM"));
    ASSERT_EQ(morning.first.size(), 16);
    EXPECT_EQ(morning.first[0], QStringLiteral("8:00 AM"));
    EXPECT_EQ(morning.first[4], QStringLiteral("12:00 PM"));
    EXPECT_EQ(morning.first[14], QStringLiteral("10:00 PM"));
    EXPECT_EQ(morning.first[15], QStringLiteral("Notes"));
    for (const QString &second : morning.second)
        EXPECT_TRUE(second.isEmpty());
    // Past midnight the labels go on with the time of day.
    const PlannerLabels evening = DayPlannerLabels(EncodeTime(20, 0), 10, QStringLiteral("AM"),
                                                   QStringLiteral("PM"));
    EXPECT_EQ(evening.first[3], QStringLiteral("11:00 PM"));
    EXPECT_EQ(evening.first[4], QStringLiteral("12:00 AM"));
    EXPECT_EQ(evening.first[5], QStringLiteral("1:00 AM"));
    EXPECT_EQ(evening.first[9], QStringLiteral("5:00 AM"));
    EXPECT_EQ(SlotTimeLabel(EncodeTime(9, 5), QStringLiteral("a"), QStringLiteral("p")),
              QStringLiteral("9:05 a"));
    // A damaged stored time shows as midnight rather than garbage.
    EXPECT_EQ(SlotTimeLabel(std::nan(""), QStringLiteral("a"), QStringLiteral("p")),
              QStringLiteral("12:00 a"));
}

TEST(CalendarTexts, LanguageTablesAreWindows1252Text)
{
    const CalendarNames german = languageNames(CalendarLanguage::German);
    EXPECT_EQ(german.days[5], QStringLiteral("Freitag "));
    EXPECT_EQ(Win1252::fromUnicode(german.months[2]), QByteArray("M\xe4rz"));
    EXPECT_EQ(languageNames(CalendarLanguage::French).months[7], QStringLiteral("Août"));
    EXPECT_EQ(languageNames(CalendarLanguage::Italian).days[1], QStringLiteral("Lunedì"));
    EXPECT_EQ(languageNames(CalendarLanguage::Spanish).days[6], QStringLiteral("Sábado"));
    EXPECT_EQ(english.month(0), QString());
    EXPECT_EQ(english.day(8), QString());
    for (auto language : {CalendarLanguage::English, CalendarLanguage::French,
                          CalendarLanguage::German, CalendarLanguage::Italian,
                          CalendarLanguage::Spanish}) {
        const CalendarNames names = languageNames(language);
        for (const QString &name : names.months)
            EXPECT_TRUE(Win1252::canEncode(name) && !name.isEmpty());
        for (const QString &name : names.days)
            EXPECT_TRUE(Win1252::canEncode(name) && !name.isEmpty());
    }
}
