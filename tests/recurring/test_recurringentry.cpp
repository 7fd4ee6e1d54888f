// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>

#include "englishnames.h"
#include "recurring/holidaylist.h"
#include "recurring/recurringdays.h"
#include "recurring/recurringentry.h"
#include "recurring/recurringformula.h"

using namespace RecurringFormula;

TEST(OrdinalText, SuffixesIncludingTeens)
{
    const std::pair<int, const char *> cases[] = {
        {0, "0th"},   {1, "1st"},   {2, "2nd"},   {3, "3rd"},   {4, "4th"},   {10, "10th"},
        {11, "11th"}, {12, "12th"}, {13, "13th"}, {19, "19th"}, {21, "21st"}, {22, "22nd"},
        {23, "23rd"}, {31, "31st"}, {101, "101st"}, {111, "111st"}};
    for (const auto &[n, text] : cases)
        EXPECT_EQ(OrdinalText(quint16(n)), QLatin1String(text)) << n;
}

TEST(EntryLine, NameAndFormulaArePaddedOrCut)
{
    const QString line = RecurringEntry::makeLine(QStringLiteral("Birthday"), QStringLiteral("@0512"));
    EXPECT_EQ(line.size(), 130);
    EXPECT_EQ(RecurringEntry::name(line), QStringLiteral("Birthday"));
    EXPECT_EQ(RecurringEntry::formula(line), QStringLiteral("@0512     "));

    const QString longLine = RecurringEntry::makeLine(QString(150, QLatin1Char('x')),
                                                      QStringLiteral("%1234567890123"));
    EXPECT_EQ(longLine, QString(120, QLatin1Char('x')) + QStringLiteral("%123456789"));

    // An empty name still gives a full line.
    EXPECT_EQ(RecurringEntry::makeLine(QString(), QStringLiteral("@0101")),
              QString(120, QLatin1Char(' ')) + QStringLiteral("@0101     "));
}

TEST(EntryLine, LineBreaksInTheNameCannotSplitTheEntry)
{
    const QString line = RecurringEntry::makeLine(QStringLiteral("two\r\nlines"), QStringLiteral("@0101"));
    EXPECT_FALSE(line.contains(QLatin1Char('\n')));
    EXPECT_FALSE(line.contains(QLatin1Char('\r')));
    EXPECT_EQ(line.size(), 130);
}

TEST(Formula, TwoCharacterFieldsConvertOrMakeTheFormulaUnreadable)
{
    EXPECT_EQ(readField(QStringLiteral("$3 4 11"), 2), 3);
    EXPECT_EQ(readField(QStringLiteral("$3 4 11"), 6), 11);
    EXPECT_EQ(readField(QStringLiteral("$ 3"), 2), 3);
    EXPECT_FALSE(readField(QStringLiteral("$  4 11"), 2));
    EXPECT_FALSE(readField(QStringLiteral("$x4 11"), 2));
    EXPECT_FALSE(readField(QStringLiteral("$3"), 4)); // beyond the end
    EXPECT_FALSE(readDayOfMonth(QStringLiteral("@")));
    EXPECT_FALSE(readDayOfMonth(QStringLiteral("@12")));
    EXPECT_FALSE(readSpecial(QStringLiteral("$3 4")));
    // No range check on reading.
    const auto special = readSpecial(QStringLiteral("$9 9 99"));
    ASSERT_TRUE(special);
    EXPECT_EQ(special->occurrence, 9);
    EXPECT_EQ(special->month, 99);
}

TEST(Formula, EncodingIsFixedWidth)
{
    EXPECT_EQ(dayOfMonthFormula({12, 25}), QStringLiteral("@1225"));
    EXPECT_EQ(dayOfMonthFormula({0, 1}), QStringLiteral("@0001"));
    EXPECT_EQ(specialFormula({3, 4, 11}), QStringLiteral("$3 4 11"));
    EXPECT_EQ(specialFormula({5, 1, 5}), QStringLiteral("$5 1 5 "));
    EXPECT_EQ(specialFormula({5, 7, 0}), QStringLiteral("$5 7 0 "));
    EXPECT_EQ(weekdaysFormula({false, true, false, true, false, true, false}), QStringLiteral("%246"));
    EXPECT_EQ(weekdaysFormula({true, true, true, true, true, true, true}), QStringLiteral("%1234567"));
}

TEST(Formula, FeastKeywordsAreTrimmedAndCaseBlind)
{
    EXPECT_EQ(feastOf(QStringLiteral("#EASTER    ")), Feast::Easter);
    EXPECT_EQ(feastOf(QStringLiteral("#goodFriday")), Feast::GoodFriday);
    EXPECT_EQ(feastOf(QStringLiteral("#PALMSUNDAY")), Feast::PalmSunday);
    EXPECT_FALSE(feastOf(QStringLiteral("#EASTERX")));
    // Only characters 121 to 131 of the line count.
    EXPECT_EQ(feastOf(QStringLiteral("#PALMSUNDAYS")), Feast::PalmSunday);
}

TEST(Describe, EveryKindAsListed)
{
    const RecurringNames names = englishNames();
    auto describe = [&names](const char *name, const char *formula) {
        return DescribeRecurringEntry(entryLine(QLatin1String(name), QLatin1String(formula)), names);
    };
    EXPECT_EQ(describe("Christmas Day", "@1225"), QStringLiteral("Christmas Day (25th of December)"));
    EXPECT_EQ(describe("Rent", "@0001"), QStringLiteral("Rent (1st of Each Month)"));
    EXPECT_EQ(describe("Thanksgiving Day", "$3 4 11"),
              QStringLiteral("Thanksgiving Day (4th Thu of November)"));
    EXPECT_EQ(describe("Memorial Day", "$5 1 5"), QStringLiteral("Memorial Day (Last Mon of May)"));
    EXPECT_EQ(describe("Pay day", "$5 7 0"), QStringLiteral("Pay day (Last Day Each Month)"));
    EXPECT_EQ(describe("Bills", "$3 7 2"), QStringLiteral("Bills (4th Day February)"));
    EXPECT_EQ(describe("Gym", "%246"), QStringLiteral("Gym (Mon,Wed,Fri)"));
    EXPECT_EQ(describe("Weekend", "%71"), QStringLiteral("Weekend (Sun,Sat)"));
    // Padding around the name is not shown for formula kinds.
    EXPECT_EQ(describe("  Spaced  ", "@0101"), QStringLiteral("Spaced (1st of January)"));
}

TEST(Describe, UnreadableAndOutOfRangeFormulasGiveEmptyParentheses)
{
    const RecurringNames names = englishNames();
    for (const char *formula : {"@", "@12", "@ax01", "$3 4", "$x 4 11", "@1301", "$0 8 1", "$0 1 13",
                                "@-101", "$-5 1 1"}) {
        EXPECT_EQ(DescribeRecurringEntry(entryLine(QStringLiteral("Odd"), QLatin1String(formula)), names),
                  QStringLiteral("Odd ()"))
            << formula;
    }
}

TEST(Describe, OtherLinesAreListedAsStored)
{
    const RecurringNames names = englishNames();
    const QString easter = holidayLines().at(5);
    EXPECT_EQ(DescribeRecurringEntry(easter, names), easter.left(120));
    EXPECT_TRUE(DescribeRecurringEntry(easter, names).startsWith(QStringLiteral("Easter ")));
    for (const QString &odd : {QStringLiteral("short line"), QString(), QStringLiteral("tab\there\r"),
                               QString(120, QLatin1Char('n')), entryLine("Other", "!0101")}) {
        EXPECT_EQ(DescribeRecurringEntry(odd, names), odd.left(120)) << odd.toStdString();
    }
    const QString huge = QString(5000, QLatin1Char('%'));
    EXPECT_EQ(DescribeRecurringEntry(huge, names), QString(120, QLatin1Char('%')) + QStringLiteral(" ()"));
}

TEST(Holidays, TheClockChangesFollowTodaysRulesAndOldLinesAreTheSameEntry)
{
    const QStringList lines = holidayLines();
    const auto line = [&lines](const char *name) {
        return *std::find_if(lines.begin(), lines.end(), [name](const QString &l) {
            return RecurringEntry::name(l) == QLatin1String(name);
        });
    };
    const QString begins = line("Daylight Savings time begins");
    const QString ends = line("Daylight Savings Time ends");
    // Second Sunday of March, first Sunday of November.
    EXPECT_EQ(recurringLineDays(begins, 2026, 3), QList<int>{8});
    EXPECT_EQ(recurringLineDays(ends, 2026, 11), QList<int>{1});
    EXPECT_EQ(recurringLineDays(begins, 2027, 3), QList<int>{14});
    EXPECT_EQ(recurringLineDays(ends, 2027, 11), QList<int>{7});

    const QStringList usersList = {entryLine("Daylight Savings time begins", "$0 0 4"),
                                   entryLine("daylight savings time ends", "$5 0 10")};
    EXPECT_TRUE(holidayListed(usersList, begins));
    EXPECT_TRUE(holidayListed(usersList, ends));
    EXPECT_FALSE(holidayListed(usersList, line("Halloween")));
    // Only the clock changes' own earlier formulas count, not any line of the same name.
    EXPECT_FALSE(holidayListed({entryLine("Daylight Savings time begins", "@0301")}, begins));
}

TEST(Holidays, TheBuiltInList)
{
    const QStringList lines = holidayLines();
    ASSERT_EQ(lines.size(), 26);
    EXPECT_EQ(lines.first(), entryLine("April Fools's Day", "@0401"));
    EXPECT_TRUE(lines.contains(entryLine("Thanksgiving Day", "$3 4 11")));
    EXPECT_TRUE(lines.contains(entryLine("Daylight Savings time begins", "$1 0 3")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Easter").leftJustified(120) + QStringLiteral("#EASTER    ")));
    EXPECT_TRUE(lines.contains(QStringLiteral("Good Friday").leftJustified(120) + QStringLiteral("#GOODFRIDAY")));
    for (const QString &line : lines)
        EXPECT_EQ(line.size(), line.at(120) == QLatin1Char('#') ? 131 : 130) << line.toStdString();
}
