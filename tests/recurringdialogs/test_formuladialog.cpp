// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "recurringdialogs/editrecurringdateformula.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>

namespace {

template<typename T>
T *child(const QDialog &dialog, const char *name)
{
    T *widget = dialog.findChild<T *>(QLatin1String(name));
    EXPECT_NE(widget, nullptr) << name;
    return widget;
}

const char *const kWeekdayBoxes[7] = {"Sunday", "Monday", "Tuesday", "Wednesday",
                                      "Thursday", "Friday", "Saturday"};

QString checkedWeekdays(const QDialog &dialog)
{
    QString digits;
    for (int i = 0; i < 7; ++i) {
        if (child<QCheckBox>(dialog, kWeekdayBoxes[i])->isChecked())
            digits.append(QChar(u'1' + i));
    }
    return digits;
}

} // namespace

TEST(FormulaDialog, StartsOnDayOneOfEachMonth)
{
    TEditRecurringDateFormula dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Recurring Date - Formulas"));
    EXPECT_EQ(dialog.formula(), QStringLiteral("@"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbDayOfMonth")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbDayOfMonth")->font().bold());
    EXPECT_FALSE(child<QRadioButton>(dialog, "rbSpecial")->font().bold());
    EXPECT_EQ(child<QSpinBox>(dialog, "DayOfMonthDay")->value(), 1);
    EXPECT_EQ(child<QComboBox>(dialog, "DayOfMonthMonth")->currentText(), QStringLiteral("Each Month"));
    EXPECT_EQ(child<QComboBox>(dialog, "SpecialDayOfWeek")->itemText(7), QStringLiteral("Day (any day)"));
    EXPECT_EQ(checkedWeekdays(dialog), QStringLiteral("23456"));
    EXPECT_EQ(child<QCheckBox>(dialog, "Tuesday")->text(), QStringLiteral("Tues"));
    EXPECT_FALSE(child<QCheckBox>(dialog, "Monday")->isEnabled());
    EXPECT_FALSE(child<QComboBox>(dialog, "SpecialMonth")->isEnabled());
    EXPECT_TRUE(child<QComboBox>(dialog, "DayOfMonthMonth")->isEnabled());

    // A new entry's "@" changes nothing and confirms as day 1 of each month.
    dialog.setFormula(QStringLiteral("@"));
    child<QPushButton>(dialog, "Okbutton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.formula(), QStringLiteral("@0001"));
}

TEST(FormulaDialog, LoadsEachKindAndWritesItBack)
{
    for (const char *formula : {"@1225", "@0031", "$3 4 11", "$5 7 0 ", "%246", "%17", "%1234567"}) {
        TEditRecurringDateFormula dialog;
        dialog.setFormula(QLatin1String(formula));
        ASSERT_TRUE(dialog.DetermineFormulaString()) << formula;
        EXPECT_EQ(dialog.formula().trimmed(), QString::fromLatin1(formula).trimmed()) << formula;
    }
    TEditRecurringDateFormula dialog;
    dialog.setFormula(QStringLiteral("$3 4 11   "));
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbSpecial")->isChecked());
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbSpecial")->font().bold());
    EXPECT_EQ(child<QComboBox>(dialog, "SpecialDayOfWeek")->currentText(), QStringLiteral("Thursday"));
    EXPECT_EQ(child<QComboBox>(dialog, "SpecialMonth")->currentText(), QStringLiteral("November"));
    EXPECT_TRUE(child<QComboBox>(dialog, "SpecialMonth")->isEnabled());
    EXPECT_FALSE(child<QSpinBox>(dialog, "DayOfMonthDay")->isEnabled());
}

TEST(FormulaDialog, UnreadableFormulasKeepTheDefaults)
{
    for (const char *formula : {"@x", "@12", "$3 4", "$a 4 11"}) {
        TEditRecurringDateFormula dialog;
        dialog.setFormula(QLatin1String(formula));
        EXPECT_TRUE(child<QRadioButton>(dialog, "rbDayOfMonth")->isChecked()) << formula;
        EXPECT_EQ(child<QSpinBox>(dialog, "DayOfMonthDay")->value(), 1);
        ASSERT_TRUE(dialog.DetermineFormulaString());
        EXPECT_EQ(dialog.formula(), QStringLiteral("@0001"));
    }
    // Any other text chooses weekdays by the digits it holds.
    TEditRecurringDateFormula dialog;
    dialog.setFormula(QStringLiteral("!7x1"));
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbDayOfweek")->isChecked());
    EXPECT_EQ(checkedWeekdays(dialog), QStringLiteral("17"));
}

TEST(FormulaDialog, AllDaysAndTheEmptyWeekRefusal)
{
    ScopedFakeDialogs fake;
    TEditRecurringDateFormula dialog;
    child<QRadioButton>(dialog, "rbDayOfweek")->click();
    EXPECT_TRUE(child<QCheckBox>(dialog, "Sunday")->isEnabled());
    EXPECT_TRUE(child<QRadioButton>(dialog, "rbDayOfweek")->font().bold());
    EXPECT_FALSE(child<QRadioButton>(dialog, "rbDayOfMonth")->font().bold());
    auto *allDays = child<QCheckBox>(dialog, "AllDaysCheck");
    allDays->click(); // checks it: all seven follow
    EXPECT_EQ(checkedWeekdays(dialog), QStringLiteral("1234567"));
    allDays->click(); // clears it: all seven follow
    EXPECT_EQ(checkedWeekdays(dialog), QString());

    child<QPushButton>(dialog, "Okbutton")->click();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_EQ(fake->messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(fake->messages[0].text,
              QStringLiteral("You must select at least one day for this \rreminder to occur on"));

    allDays->click();
    child<QPushButton>(dialog, "Okbutton")->click();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.formula(), QStringLiteral("%1234567"));
}

TEST(FormulaDialog, MissingSelectionsAreRefused)
{
    ScopedFakeDialogs fake;
    TEditRecurringDateFormula dialog;
    child<QComboBox>(dialog, "DayOfMonthMonth")->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.DetermineFormulaString());
    child<QRadioButton>(dialog, "rbSpecial")->click();
    child<QComboBox>(dialog, "SpecialDayOfWeek")->setCurrentIndex(-1);
    EXPECT_FALSE(dialog.DetermineFormulaString());
    // A stored field beyond the list leaves it without a selection, which is refused too.
    dialog.setFormula(QStringLiteral("$9 1 1"));
    EXPECT_FALSE(dialog.DetermineFormulaString());
    ASSERT_EQ(fake->messages.size(), 3);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("Invalid month entered "));
    EXPECT_EQ(fake->messages[1].text, QStringLiteral("Invalid value entered for Special category"));
    EXPECT_EQ(fake->messages[2].text, QStringLiteral("Invalid value entered for Special category"));
    EXPECT_EQ(dialog.formula(), QStringLiteral("$9 1 1"));

    child<QComboBox>(dialog, "SpecialOccurrance")->setCurrentIndex(5);
    child<QComboBox>(dialog, "SpecialDayOfWeek")->setCurrentIndex(1);
    child<QComboBox>(dialog, "SpecialMonth")->setCurrentIndex(5);
    EXPECT_TRUE(dialog.DetermineFormulaString());
    EXPECT_EQ(dialog.formula(), QStringLiteral("$5 1 5 "));
}
