// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/calendardates.h"
#include "calendar/calendarnames.h"
#include "calendar/calendartexts.h"
#include "calendar/layouttable.h"
#include "calendar/pagelayout.h"

#include <QDate>
#include <QSet>
#include <QString>

namespace {

TCalendarLayout layoutAt(int value)
{
    return static_cast<TCalendarLayout>(value);
}

// The rows a planner's labels give, the notes row included; 0 for other layouts.
int labelRows(const PlannerShape &planner)
{
    switch (planner.kind) {
    case PlannerKind::Week:
        return int(WeekPlannerLabels(languageNames(CalendarLanguage::English), QDate(2026, 12, 28), planner.days, dsWhole)
                       .first.size());
    case PlannerKind::Day:
        return int(DayPlannerLabels(EncodeTime(8, 0), planner.slotCount, QStringLiteral("am"),
                                    QStringLiteral("pm"))
                       .first.size());
    case PlannerKind::NotPlanner:
        break;
    }
    return 0;
}

} // namespace

TEST(LayoutTable, EveryLayoutHasItsOwnRow)
{
    ASSERT_EQ(LayoutTable.size(), std::size_t(CalendarLayoutCount));
    for (int value = 0; value < CalendarLayoutCount; ++value)
        EXPECT_EQ(layoutInfo(layoutAt(value)).layout, value);
    EXPECT_FALSE(isValidLayout(-1));
    EXPECT_FALSE(isValidLayout(CalendarLayoutCount));
    // A value no reader lets through still finds a row. (Negative values are not tried:
    // the enumeration cannot hold them, so even making one is undefined.)
    EXPECT_EQ(layoutInfo(layoutAt(CalendarLayoutCount)).layout, loFullCalendar);
}

// Partners differ in their orientation alone, so turning the paper keeps everything else.
TEST(LayoutTable, PartnersAreTheSameLayoutTurned)
{
    for (const LayoutInfo &row : LayoutTable) {
        SCOPED_TRACE(testing::Message() << "layout " << row.layout);
        const LayoutInfo &other = layoutInfo(row.partner);
        EXPECT_EQ(other.partner, row.layout);
        EXPECT_EQ(row.applies(LayoutControl::Orientation), row.hasPartner());
        if (!row.hasPartner())
            continue;
        EXPECT_NE(other.orientation, row.orientation);
        EXPECT_EQ(other.family, row.family);
        EXPECT_EQ(other.minis.placement, row.minis.placement);
        EXPECT_EQ(other.minis.count, row.minis.count);
        EXPECT_EQ(other.minis.gridRows, row.minis.gridRows);
        EXPECT_EQ(other.minis.gridColumns, row.minis.gridColumns);
        EXPECT_EQ(other.minis.firstMonthOffset, row.minis.firstMonthOffset);
        EXPECT_EQ(other.minis.titleSize, row.minis.titleSize);
        EXPECT_EQ(other.planner.kind, row.planner.kind);
        EXPECT_EQ(other.cellKind, row.cellKind);
        EXPECT_EQ(other.takesText, row.takesText);
        EXPECT_EQ(other.controls, row.controls);
        EXPECT_STREQ(other.caption, row.caption);
    }
}

TEST(LayoutTable, EveryOrientationReachesAListedLayout)
{
    for (const LayoutInfo &row : LayoutTable) {
        SCOPED_TRACE(testing::Message() << "layout " << row.layout);
        for (TCalendarOrientation orientation : {coPortrait, coLandscape}) {
            const LayoutInfo &turned = layoutInfo(layoutInOrientation(row.layout, orientation));
            EXPECT_TRUE(turned.orientation == orientation || !row.hasPartner());
            EXPECT_EQ(turned.listedLayout(), row.listedLayout());
        }
        EXPECT_EQ(layoutInfo(row.listedLayout()).listedLayout(), row.listedLayout());
    }
}

TEST(LayoutTable, ListedCaptionsAreUniqueAndInEnumOrder)
{
    QSet<QString> captions;
    int previous = -1;
    for (const LayoutInfo &row : LayoutTable) {
        if (row.listedLayout() != row.layout)
            continue;
        const QString caption = QString::fromLatin1(row.caption);
        EXPECT_FALSE(caption.trimmed().isEmpty()) << row.layout;
        EXPECT_FALSE(captions.contains(caption)) << qPrintable(caption);
        captions.insert(caption);
        EXPECT_GT(int(row.layout), previous);
        previous = row.layout;
    }
}

// The columns that follow from one another must agree, or a new row would draw one kind of
// page and offer the controls or cell handling of another.
TEST(LayoutTable, FamiliesAgreeWithTheirColumns)
{
    for (const LayoutInfo &row : LayoutTable) {
        SCOPED_TRACE(testing::Message() << "layout " << row.layout);
        const bool planner = row.family == LayoutFamily::Planner;
        EXPECT_EQ(row.planner.kind != PlannerKind::NotPlanner, planner);
        EXPECT_EQ(row.minis.count > 0, row.minis.placement != MiniPlacement::NoMinis);
        EXPECT_EQ(row.minis.placement == MiniPlacement::Grid, row.family == LayoutFamily::MiniSheet);
        if (row.minis.placement == MiniPlacement::Grid) {
            EXPECT_EQ(row.minis.gridRows * row.minis.gridColumns, row.minis.count);
        }
        EXPECT_EQ(row.minis.titleSize > 0, row.minis.count > 0);
        EXPECT_EQ(row.takesText, row.cellKind != CellKind::NoCells);
        EXPECT_EQ(row.takesText, row.family != LayoutFamily::MiniSheet);
        EXPECT_EQ(row.applies(LayoutControl::MiniStyle), row.minis.count > 0);
        EXPECT_EQ(row.applies(LayoutControl::MainMonthStyle), row.hasMainCalendar());
        EXPECT_EQ(row.applies(LayoutControl::TitleAndHeaders), row.hasMainCalendar() || planner);
        EXPECT_EQ(row.applies(LayoutControl::WeekStart), !planner);
        EXPECT_EQ(row.applies(LayoutControl::StartingDate), planner);
        EXPECT_EQ(row.applies(LayoutControl::StartingTime), row.planner.kind == PlannerKind::Day);
    }
}

// Texts stay when the layout changes within a cell kind, so layouts of one kind must have
// cells that mean the same: the days of the month, or the same days and hours of a planner.
TEST(LayoutTable, CellKindsMatchWhatTheCellsStandFor)
{
    for (const LayoutInfo &a : LayoutTable) {
        for (const LayoutInfo &b : LayoutTable) {
            const bool sameCells = a.family == b.family && a.planner.days == b.planner.days
                                   && a.planner.slotCount == b.planner.slotCount;
            EXPECT_EQ(a.cellKind == b.cellKind, sameCells) << a.layout << " " << b.layout;
        }
    }
}

TEST(LayoutTable, PlannerRowsAreTheRowsTheLabelsGive)
{
    for (const LayoutInfo &row : LayoutTable) {
        SCOPED_TRACE(testing::Message() << "layout " << row.layout);
        const PlannerShape &planner = row.planner;
        EXPECT_EQ(planner.rows, labelRows(planner));
        switch (planner.kind) {
        case PlannerKind::Week:
            EXPECT_GT(planner.days, 1);
            EXPECT_EQ(planner.slotCount, 0);
            break;
        case PlannerKind::Day:
            EXPECT_EQ(planner.days, 1);
            EXPECT_GT(planner.slotCount, 0);
            break;
        case PlannerKind::NotPlanner:
            EXPECT_EQ(planner.days, 0);
            EXPECT_EQ(planner.slotCount, 0);
            break;
        }
    }
}

// The layout engine shows what the table says, and minis around a main calendar show the
// months around it, each once and never its own.
TEST(LayoutTable, TheLayoutEngineFollowsTheTable)
{
    for (const LayoutInfo &row : LayoutTable) {
        SCOPED_TRACE(testing::Message() << "layout " << row.layout);
        PageLayoutInput input;
        input.layout = row.layout;
        input.month = 12;
        input.year = 2026;
        const PageLayout page = computePageLayout(input);
        EXPECT_EQ(page.orientation, row.orientation);
        EXPECT_EQ(page.showMainCalendar, row.hasMainCalendar());
        EXPECT_EQ(page.isPlanner, row.isPlanner());
        EXPECT_EQ(page.showMiniCalendars, row.minis.count > 0);
        ASSERT_EQ(page.miniCount, row.minis.count);
        QSet<int> months;
        for (int k = 1; k <= page.miniCount; ++k) {
            const MonthOfYear shown = page.miniMonth(k);
            const int serial = shown.year * 12 + shown.month;
            EXPECT_FALSE(months.contains(serial)) << "mini " << k;
            months.insert(serial);
            if (row.hasMainCalendar()) {
                EXPECT_FALSE(shown == (MonthOfYear{12, 2026})) << "mini " << k;
            }
            EXPECT_FALSE(page.miniRect(k).isAllZero()) << "mini " << k;
        }
    }
}
