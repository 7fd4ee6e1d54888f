// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QListWidget>
#include <QTemporaryDir>

#include "englishnames.h"
#include "fakedialogs.h"
#include "core/apppaths.h"
#include "recurringdialogs/fillcalendar.h"
#include "recurring/holidaylist.h"
#include "recurring/recurringstore.h"
#include "recurringdialogs/selectrecurringdates.h"

namespace {


class FillCalendar : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setUserFolderOverride(m_dir.path()); }
    void TearDown() override { AppPaths::setUserFolderOverride(QString()); }

    void writeList(const QStringList &lines)
    {
        ASSERT_TRUE(RecurringStore::save(RecurringStore::datesFilePath(), lines).isEmpty());
    }

    bool fill(int month, int year)
    {
        const QDate first(year, month, 1);
        return fill(first, first.addMonths(1).addDays(-1));
    }
    bool fill(const QDate &first, const QDate &last)
    {
        return fillCalendarWithRecurringDates(
            nullptr, first, last, [this](const QList<RecurringDate> &dates) { placed += dates; },
            {[this] { ++before; }, [this] { ++after; }});
    }

    QTemporaryDir m_dir;
    ScopedFakeDialogs fake;
    QList<RecurringDate> placed;
    int before = 0;
    int after = 0;
};

} // namespace

TEST_F(FillCalendar, WithoutAListNothingHappensAndNothingIsSaid)
{
    EXPECT_FALSE(fill(12, 2026));
    EXPECT_TRUE(fake->messages.isEmpty());
    EXPECT_EQ(fake->dialogCount, 0);
    EXPECT_EQ(before, 0);
}

TEST_F(FillCalendar, AMonthWithoutEntriesSaysSoAndStillRestoresTheIconsWindow)
{
    writeList({entryLine(QStringLiteral("Christmas Day"), QStringLiteral("@1225"))});
    EXPECT_FALSE(fill(3, 2018));
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("No predefined dates match the current month"));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
}

TEST_F(FillCalendar, EasterFeastsGoToTheirDaysInListOrder)
{
    writeList(holidayLines());
    QStringList offered;
    fake->onDialog = [&](QDialog &d) {
        auto &dialog = dynamic_cast<TSelectRecurringDates &>(d);
        EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Select Recurring Dates To Use"));
        offered = dialog.lines();
        EXPECT_EQ(dialog.selectedLines(), offered); // every line starts chosen
        dialog.NoneClick();
        for (int row = 0; row < dialog.list()->count(); ++row) {
            const QString line = dialog.lines().at(row);
            if (line.startsWith(QLatin1String("Palm Sunday")) || line.startsWith(QLatin1String("Good Friday")))
                dialog.list()->item(row)->setSelected(true);
        }
        return int(QDialog::Accepted);
    };
    EXPECT_TRUE(fill(3, 2018));
    for (const QString &line : offered)
        EXPECT_FALSE(line.startsWith(QLatin1String("Easter"))) << qPrintable(line); // 1 April 2018
    EXPECT_EQ(placed, (QList<RecurringDate>{{QDate(2018, 3, 30), QStringLiteral("Good Friday")},
                                            {QDate(2018, 3, 25), QStringLiteral("Palm Sunday")}}));
    EXPECT_EQ(after, 1);
}

TEST_F(FillCalendar, CancellingPlacesNothing)
{
    writeList({entryLine(QStringLiteral("Gym"), QStringLiteral("%246"))});
    EXPECT_FALSE(fill(11, 2026));
    EXPECT_EQ(fake->dialogCount, 1);
    EXPECT_TRUE(placed.empty());
}

TEST_F(FillCalendar, APlannerIsOfferedAndGivenTheDatesItShowsAcrossTheYearsEnd)
{
    // Two weeks from Monday 22 December 2025: the end of one year and the start of the next.
    writeList({entryLine(QStringLiteral("New Year's Day"), QStringLiteral("@0101")),
               entryLine(QStringLiteral("Mondays"), QStringLiteral("%2")),
               entryLine(QStringLiteral("Payday"), QStringLiteral("@0025")),
               entryLine(QStringLiteral("Valentine"), QStringLiteral("@0214"))});
    QStringList offered;
    fake->onDialog = [&](QDialog &d) {
        offered = dynamic_cast<TSelectRecurringDates &>(d).lines();
        return int(QDialog::Accepted);
    };
    EXPECT_TRUE(fill(QDate(2025, 12, 22), QDate(2026, 1, 4)));
    EXPECT_EQ(offered.size(), 3) << "Valentine's Day is not on the page";
    EXPECT_EQ(placed, (QList<RecurringDate>{{QDate(2026, 1, 1), QStringLiteral("New Year's Day")},
                                            {QDate(2025, 12, 22), QStringLiteral("Mondays")},
                                            {QDate(2025, 12, 29), QStringLiteral("Mondays")},
                                            {QDate(2025, 12, 25), QStringLiteral("Payday")}}));

    // One day: what falls on it, or the planner's own message.
    placed.clear();
    EXPECT_TRUE(fill(QDate(2026, 1, 1), QDate(2026, 1, 1)));
    EXPECT_EQ(placed, (QList<RecurringDate>{{QDate(2026, 1, 1), QStringLiteral("New Year's Day")}}));
    placed.clear();
    fake->messages.clear();
    EXPECT_FALSE(fill(QDate(2026, 1, 6), QDate(2026, 1, 6)));
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("No predefined dates fall on the days of this page"));
}
