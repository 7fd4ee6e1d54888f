// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "calendar/pagetypes.h"

#include <QFlags>

#include <array>
#include <cstddef>

// Everything the program decides by the kind of page layout, one row per TCalendarLayout.
// A new layout is a row here plus its placement in the layout engine and its drawing.

enum class LayoutFamily {
    OneMonth,  // one month calendar, with or without mini calendars around it
    MiniSheet, // a sheet of mini calendars and nothing else
    Planner,   // a week or day planner
};

// Where a layout's mini calendars go; the layout engine has one placement for each.
enum class MiniPlacement {
    NoMinis,
    InTitle, // two, in the corners of the main calendar's title
    Strips,  // six above and six below the main calendar; left and right in landscape
    Block,   // twelve below the main calendar; beside it in landscape
    Grid,    // a sheet of minis over the whole page
};

enum class PlannerKind { NotPlanner, Week, Day };

// What a layout's day cells stand for. Cell texts keep their meaning only between layouts
// of one kind, so changing to another kind clears them.
enum class CellKind { MonthDays, NoCells, OneWeek, TwoWeeks, TenHours, FifteenHours };

// The groups of Calendar Properties controls that apply to a layout; the others are greyed.
enum class LayoutControl : unsigned {
    Orientation = 0x01,
    WeekStart = 0x02,
    MainMonthStyle = 0x04,  // the title's year and colour, the cell font, the line layout
    TitleAndHeaders = 0x08, // the title and header fonts, the header colour and style
    MiniStyle = 0x10,       // the minis' year, fonts, colours, header style and lines
    StartingDate = 0x20,    // the date chooser picks a starting day, not a month
    StartingTime = 0x40,    // a day planner's first hour
};
Q_DECLARE_FLAGS(LayoutControls, LayoutControl)
Q_DECLARE_OPERATORS_FOR_FLAGS(LayoutControls)

struct MiniCalendars
{
    MiniPlacement placement = MiniPlacement::NoMinis;
    int count = 0;
    // The sheet's grid in portrait; landscape swaps rows and columns.
    int gridRows = 0;
    int gridColumns = 0;
    // Months from the page's month to the first mini. The others follow month by month,
    // stepping over the main calendar's own month.
    int firstMonthOffset = 0;
    // The minis' title size in points when choosing the layout resets their fonts.
    int titleSize = 0;
};

struct PlannerShape
{
    PlannerKind kind = PlannerKind::NotPlanner;
    // The days the page covers: 7 or 14 for a week planner, 1 for a day planner.
    int days = 0;
    // The hourly rows of a day planner.
    int slotCount = 0;
    // The rows of the planner box, the notes row included.
    int rows = 0;
};

struct LayoutInfo
{
    TCalendarLayout layout;
    LayoutFamily family;
    TCalendarOrientation orientation;
    // The same layout in the other orientation; the layout itself when it has only one.
    TCalendarLayout partner;
    MiniCalendars minis;
    PlannerShape planner;
    CellKind cellKind;
    // The day cells take typed text, icons and filled events.
    bool takesText;
    LayoutControls controls;
    // The Properties list shows one entry for a pair of partners: the portrait layout's.
    const char *caption;

    constexpr bool hasMainCalendar() const { return family == LayoutFamily::OneMonth; }
    constexpr bool isPlanner() const { return family == LayoutFamily::Planner; }
    constexpr bool hasPartner() const { return partner != layout; }
    // The layout whose entry in the Properties list stands for this one.
    constexpr TCalendarLayout listedLayout() const
    {
        return hasPartner() && orientation != coPortrait ? partner : layout;
    }
    constexpr bool applies(LayoutControl control) const { return controls.testFlag(control); }
};

namespace LayoutControlSets {
constexpr LayoutControls Month = LayoutControl::Orientation | LayoutControl::WeekStart
                                 | LayoutControl::MainMonthStyle | LayoutControl::TitleAndHeaders;
constexpr LayoutControls MonthWithMinis = Month | LayoutControl::MiniStyle;
constexpr LayoutControls Sheet = LayoutControl::Orientation | LayoutControl::WeekStart
                                 | LayoutControl::MiniStyle;
constexpr LayoutControls WeekPlanner = LayoutControl::TitleAndHeaders | LayoutControl::StartingDate;
constexpr LayoutControls DayPlanner = WeekPlanner | LayoutControl::StartingTime;
} // namespace LayoutControlSets

inline constexpr std::array<LayoutInfo, CalendarLayoutCount> LayoutTable = {{
    // layout, family, orientation, partner,
    // minis {placement, count, grid rows, grid columns, first month, title size},
    // planner {kind, days, slot count, rows}, cell kind, takes text, controls, caption
    {loFullCalendar, LayoutFamily::OneMonth, coPortrait, LOFullCalendarLS,
     {}, {}, CellKind::MonthDays, true, LayoutControlSets::Month,
     "1 Month Calendar "},
    {LOFullCalendarLS, LayoutFamily::OneMonth, coLandscape, loFullCalendar,
     {}, {}, CellKind::MonthDays, true, LayoutControlSets::Month,
     "1 Month Calendar "},
    {loFCMinisInTitle, LayoutFamily::OneMonth, coPortrait, loFCMinisInTitleLS,
     {MiniPlacement::InTitle, 2, 0, 0, -1, 10}, {}, CellKind::MonthDays, true,
     LayoutControlSets::MonthWithMinis, "1 Month Calendar, 2 Mini Calendars"},
    {loFCMinisInTitleLS, LayoutFamily::OneMonth, coLandscape, loFCMinisInTitle,
     {MiniPlacement::InTitle, 2, 0, 0, -1, 10}, {}, CellKind::MonthDays, true,
     LayoutControlSets::MonthWithMinis, "1 Month Calendar, 2 Mini Calendars"},
    {loFC6Before6After, LayoutFamily::OneMonth, coPortrait, loFC6Before6AfterLS,
     {MiniPlacement::Strips, 12, 0, 0, -6, 10}, {}, CellKind::MonthDays, true,
     LayoutControlSets::MonthWithMinis, "1 Month Calendar, 6 Mini Calendars Before & After "},
    {loFC6Before6AfterLS, LayoutFamily::OneMonth, coLandscape, loFC6Before6After,
     {MiniPlacement::Strips, 12, 0, 0, -6, 10}, {}, CellKind::MonthDays, true,
     LayoutControlSets::MonthWithMinis, "1 Month Calendar, 6 Mini Calendars Before & After "},
    {loFC12After, LayoutFamily::OneMonth, coPortrait, loFC12AfterLS,
     {MiniPlacement::Block, 12, 0, 0, 1, 10}, {}, CellKind::MonthDays, true,
     LayoutControlSets::MonthWithMinis, "1 Month Calendar, 12 Mini Calendars After "},
    {loFC12AfterLS, LayoutFamily::OneMonth, coLandscape, loFC12After,
     {MiniPlacement::Block, 12, 0, 0, 1, 10}, {}, CellKind::MonthDays, true,
     LayoutControlSets::MonthWithMinis, "1 Month Calendar, 12 Mini Calendars After "},
    {lopMC6Month, LayoutFamily::MiniSheet, coPortrait, lopMC6MonthLS,
     {MiniPlacement::Grid, 6, 3, 2, 0, 18}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "6 Month Calendar (Mini Calendars)"},
    {lopMC6MonthLS, LayoutFamily::MiniSheet, coLandscape, lopMC6Month,
     {MiniPlacement::Grid, 6, 3, 2, 0, 18}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "6 Month Calendar (Mini Calendars)"},
    {loMC12Month, LayoutFamily::MiniSheet, coPortrait, loMC12MonthLS,
     {MiniPlacement::Grid, 12, 4, 3, 0, 18}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "12 Month Calendar (Mini Calendars)"},
    {loMC12MonthLS, LayoutFamily::MiniSheet, coLandscape, loMC12Month,
     {MiniPlacement::Grid, 12, 4, 3, 0, 18}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "12 Month Calendar (Mini Calendars)"},
    {loMC24Month, LayoutFamily::MiniSheet, coPortrait, loMC24MonthLS,
     {MiniPlacement::Grid, 24, 6, 4, 0, 12}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "24 Month Calendar (Mini Calendars)"},
    {loMC24MonthLS, LayoutFamily::MiniSheet, coLandscape, loMC24Month,
     {MiniPlacement::Grid, 24, 6, 4, 0, 12}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "24 Month Calendar (Mini Calendars)"},
    {loMC48Month, LayoutFamily::MiniSheet, coPortrait, loMC48MonthLS,
     {MiniPlacement::Grid, 48, 8, 6, 0, 10}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "48 Month Calendar (Mini Calendars)"},
    {loMC48MonthLS, LayoutFamily::MiniSheet, coLandscape, loMC48Month,
     {MiniPlacement::Grid, 48, 8, 6, 0, 10}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "48 Month Calendar (Mini Calendars)"},
    {loMC60Month, LayoutFamily::MiniSheet, coPortrait, loMC60MonthLS,
     {MiniPlacement::Grid, 60, 10, 6, 0, 8}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "60 Month Calendar (Mini Calendars)"},
    {loMC60MonthLS, LayoutFamily::MiniSheet, coLandscape, loMC60Month,
     {MiniPlacement::Grid, 60, 10, 6, 0, 8}, {}, CellKind::NoCells, false,
     LayoutControlSets::Sheet, "60 Month Calendar (Mini Calendars)"},
    {loWeek, LayoutFamily::Planner, coPortrait, loWeek,
     {}, {PlannerKind::Week, 7, 0, 8}, CellKind::OneWeek, true,
     LayoutControlSets::WeekPlanner, "One Week Planner"},
    {lo2Week, LayoutFamily::Planner, coPortrait, lo2Week,
     {}, {PlannerKind::Week, 14, 0, 15}, CellKind::TwoWeeks, true,
     LayoutControlSets::WeekPlanner, "Two Week Planner"},
    {loDay10, LayoutFamily::Planner, coPortrait, loDay10,
     {}, {PlannerKind::Day, 1, 10, 11}, CellKind::TenHours, true,
     LayoutControlSets::DayPlanner, "Day Planner (10 hours) "},
    {loDay15, LayoutFamily::Planner, coPortrait, loDay15,
     {}, {PlannerKind::Day, 1, 15, 16}, CellKind::FifteenHours, true,
     LayoutControlSets::DayPlanner, "Day Planner (15 hours) "},
}};

constexpr bool isValidLayout(int value)
{
    return value >= 0 && value < CalendarLayoutCount;
}

// A value outside the enumeration, which neither documents nor setters let through, reads
// as the plain month so that a look-up never leaves the table.
constexpr const LayoutInfo &layoutInfo(TCalendarLayout layout)
{
    return LayoutTable[std::size_t(isValidLayout(layout) ? layout : loFullCalendar)];
}

constexpr TCalendarLayout partnerLayout(TCalendarLayout layout)
{
    return layoutInfo(layout).partner;
}

// The layout as it is in the given orientation; a layout with one orientation stays as it is.
constexpr TCalendarLayout layoutInOrientation(TCalendarLayout layout,
                                              TCalendarOrientation orientation)
{
    return layoutInfo(layout).orientation == orientation ? layout : partnerLayout(layout);
}

namespace LayoutTableChecks {
constexpr bool rowsInEnumOrder()
{
    for (std::size_t i = 0; i < LayoutTable.size(); ++i) {
        if (std::size_t(LayoutTable[i].layout) != i)
            return false;
    }
    return true;
}

constexpr bool countsFitThePage()
{
    for (const LayoutInfo &row : LayoutTable) {
        if (row.minis.count < 0 || row.minis.count > MaxMiniCount || row.planner.rows < 0
            || row.planner.rows > CellCount)
            return false;
    }
    return true;
}
} // namespace LayoutTableChecks

// layoutInfo() finds a row by its index.
static_assert(LayoutTableChecks::rowsInEnumOrder(), "LayoutTable needs one row per layout, in enum order");
// The page holds 60 minis and 42 cells.
static_assert(LayoutTableChecks::countsFitThePage(), "a layout has more minis or planner rows than the page holds");
