// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/calendardates.h"
#include "calendar/pageoptions.h"
#include "objects/tgplabel.h"
#include "page/calpanel32.h"
#include "surface/tghandle.h"



TEST(CalendarPanel, ConstructorValues)
{
    TCalendarPanel32 page;
    EXPECT_EQ(page.CalendarLayout(), loFullCalendar);
    EXPECT_EQ(page.CalendarOrientation(), coPortrait);
    EXPECT_EQ(page.LeftMarginInch(), 0.25f);
    EXPECT_EQ(page.MainCalDay(), 0);
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 1997);
    EXPECT_EQ(page.HeadersStyle(), dsThreeChars);
    EXPECT_EQ(page.MiniHeadersBorder(), cbBottom);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    EXPECT_EQ(page.TitleFont(), TFont(QStringLiteral("Times New Roman"), 26, TFont::Style::Bold));
    EXPECT_EQ(page.MiniHeadersFont(),
              TFont(QStringLiteral("Times New Roman"), 8, {}, Colors::clWhite));
    EXPECT_EQ(page.MiniCellFont().size(), 6);
    EXPECT_EQ(HourOfDateTime(page.DayPlannerStartTime()), 8);
    EXPECT_EQ(page.names(), localeNames());
}

TEST(CalendarPanel, ResetToDefaultsKeepsMainFontsAndHeaderStyle)
{
    TCalendarPanel32 page;
    page.SetHeadersStyle(dsWhole);
    page.SetNumberPosition(cnpCenter);
    const TFont title(QStringLiteral("Arial"), 40);
    page.SetTitleFont(title);
    page.SetPaperSize(PaperA4);
    page.SetUserTitle(QStringLiteral("x"));
    const QDate today(2031, 7, 4);
    page.ResetToDefaults(today);
    EXPECT_EQ(page.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_EQ(page.PaperSize(), PaperLetter);
    EXPECT_TRUE(page.UserTitle().isEmpty());
    EXPECT_EQ(page.TopMarginInch(), 0.5f);
    EXPECT_EQ(QDate(page.MainCalYear(), page.MainCalMonth(), page.MainCalDay()), today);
    EXPECT_EQ(page.MiniCalendarLineLayout(), mllBoxed);
    EXPECT_EQ(page.MiniCalBorder(), cbAll);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTopBottom);
    EXPECT_EQ(page.MiniTitleFont().size(), 10);
    EXPECT_EQ(page.MiniHeadersFont().size(), 8);
    EXPECT_EQ(page.MiniHeadersFont().color(), Colors::clBlack);
    EXPECT_EQ(page.MiniCellFont().size(), 8);
    EXPECT_EQ(page.HeadersStyle(), dsWhole);
    EXPECT_EQ(page.NumberPosition(), cnpCenter);
    EXPECT_EQ(page.TitleFont(), title);
}

TEST(CalendarPanel, OrientationFollowsTheLayout)
{
    TCalendarPanel32 page;
    page.SetCalendarLayout(loWeek);
    page.SetCalendarOrientation(coLandscape);
    EXPECT_EQ(page.CalendarOrientation(), coPortrait);
    page.SetCalendarLayout(LOFullCalendarLS);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_EQ(page.width(), 1056);
    EXPECT_EQ(page.height(), 816);
}

TEST(CalendarPanel, MiniFontsFollowTheLayoutOnlyWhenReset)
{
    TCalendarPanel32 page;
    page.SetCalendarLayout(loMC60Month);
    EXPECT_EQ(page.MiniTitleFont().size(), 6);
    page.RecalcLayout(true);
    EXPECT_EQ(page.MiniTitleFont().size(), 8);
    EXPECT_EQ(page.MiniHeadersFont().size(), 6);
    EXPECT_EQ(page.MiniCellFont().size(), 6);
    page.SetCalendarLayout(loWeek);
    page.RecalcLayout(true);
    EXPECT_EQ(page.MiniTitleFont().size(), 8);
}

TEST(CalendarPanel, LineLayoutsPresetBordersOnlyWhenChanged)
{
    TCalendarPanel32 page;
    page.SetCellBorder(cbNone);
    page.SetCalendarLineLayout(llFull);
    EXPECT_EQ(page.CellBorder(), cbNone);
    page.SetCalendarLineLayout(llHeadersAndCells);
    EXPECT_EQ(page.CalendarBorder(), cbNone);
    EXPECT_EQ(page.HeadersBorder(), cbAll);
    EXPECT_EQ(page.CellBorder(), cbAll);
    page.SetCalendarLineLayout(llCellsOnly);
    EXPECT_EQ(page.HeadersBorder(), cbNone);
    page.SetMiniCalendarLineLayout(mllMinimal);
    EXPECT_EQ(page.MiniCalBorder(), cbNone);
    EXPECT_EQ(page.MiniCellBorder(), cbNone);
    EXPECT_EQ(page.MiniHeadersBorder(), cbTop);
    page.SetMiniCalendarLineLayout(mllFull);
    EXPECT_EQ(page.MiniCellBorder(), cbAll);
    EXPECT_EQ(page.MiniHeadersBorder(), cbAll);
}

TEST(CalendarPanel, UnchangedValuesDoNotRecomputeTheLayout)
{
    TCalendarPanel32 page;
    int recalculations = 0;
    QObject::connect(&page, &TCalendarPanel32::layoutRecalculated, [&] { ++recalculations; });
    page.SetMainCalMonth(1);
    page.SetMainCalYear(1997);
    page.SetLeftMarginInch(0.25f);
    page.SetCalendarLayout(loFullCalendar);
    page.SetPaperSize(PaperLetter);
    page.SetDayPlannerStartTime(page.DayPlannerStartTime());
    page.SetWMFBorderFile(QString());
    EXPECT_EQ(recalculations, 0);
    page.SetMainCalMonth(2);
    page.SetTopMarginInch(1.0f);
    EXPECT_EQ(recalculations, 2);
    page.SetHeadersStyle(dsWhole);
    EXPECT_EQ(recalculations, 2) << "style changes only repaint";
}

TEST(CalendarPanel, DatesOutOfRangeAreBroughtIntoRange)
{
    TCalendarPanel32 page;
    page.SetMainCalMonth(13);
    EXPECT_EQ(page.MainCalMonth(), 12);
    page.SetMainCalMonth(0);
    EXPECT_EQ(page.MainCalMonth(), 1);
    page.SetMainCalYear(0);
    EXPECT_EQ(page.MainCalYear(), 1);
    // A planner on a page that never chose a day starts on the 1st.
    page.SetMainCalYear(1997);
    page.SetMainCalDay(0);
    EXPECT_EQ(page.plannerDate(), QDate(1997, 1, 1));
    page.SetMainCalMonth(2);
    page.SetMainCalDay(31);
    EXPECT_EQ(page.plannerDate(), QDate(1997, 2, 28));
}

TEST(CalendarPanel, NameAccessorsIgnoreBadIndexes)
{
    TCalendarPanel32 page;
    QString name = QStringLiteral("untouched");
    page.GetMonthName(0, name);
    page.GetMonthName(13, name);
    page.GetDayName(8, name);
    EXPECT_EQ(name, QStringLiteral("untouched"));
    const CalendarNames before = page.names();
    page.SetDayName(8, QStringLiteral("x"));
    page.SetMonthName(0, QStringLiteral("x"));
    EXPECT_EQ(page.names(), before);
    page.SetMonthName(12, QStringLiteral("Dez"));
    page.GetMonthName(12, name);
    EXPECT_EQ(name, QStringLiteral("Dez"));
}

TEST(CalendarPanel, TitlesByLayout)
{
    TCalendarPanel32 page;
    page.setNames(languageNames(CalendarLanguage::English));
    page.SetMainCalDay(6);
    EXPECT_EQ(page.titleText(), QStringLiteral("January 1997"));
    page.SetCalendarLayout(loWeek);
    EXPECT_EQ(page.titleText(), QStringLiteral("January 6-12, 1997"));
    page.SetCalendarLayout(loDay15);
    EXPECT_EQ(page.titleText(), QStringLiteral("Monday, January 6, 1997"));
    page.SetCalendarLayout(loMC12Month);
    EXPECT_EQ(page.titleText(), QString());
    page.SetCalendarLayout(loFCMinisInTitle);
    page.SetUserTitle(QStringLiteral("Ours"));
    EXPECT_EQ(page.titleText(), QStringLiteral("Ours"));
}

TEST(CalendarPanel, NewCalendarsShowWholeDayNamesAndUpperRightNumbers)
{
    TCalendarPanel32 page;
    page.applyFormInitialValues(true);
    EXPECT_EQ(page.CalendarOrientation(), coLandscape);
    EXPECT_EQ(page.TitleFont().pixelHeight(), 64);
    EXPECT_EQ(page.MiniHeadersBGColor(), Colors::clBlack);
    page.ResetToDefaults();
    EXPECT_EQ(page.HeadersStyle(), dsWhole);
    EXPECT_EQ(page.NumberPosition(), cnpUpperRight);
    EXPECT_EQ(page.TitleFont().pixelHeight(), 64);
    EXPECT_EQ(page.MiniTitleFont().size(), 10) << "the layout sizes the mini fonts again";
    EXPECT_EQ(page.LayoutKind(), CellKind::MonthDays);
    page.SetCalendarLayout(loMC48MonthLS);
    EXPECT_EQ(page.LayoutKind(), CellKind::NoCells);
    page.SetCalendarLayout(lo2Week);
    EXPECT_EQ(page.LayoutKind(), CellKind::TwoWeeks);
}

TEST(CalendarPanel, EditableCellsNeedATextLayoutAndAVisiblePage)
{
    QWidget window;
    auto *page = new TCalendarPanel32(&window);
    EXPECT_TRUE(page->HasEditableCells());
    page->SetCalendarLayout(loMC24Month);
    EXPECT_FALSE(page->HasEditableCells());
    page->SetCalendarLayout(loDay10);
    EXPECT_TRUE(page->HasEditableCells());
    page->hide();
    EXPECT_FALSE(page->HasEditableCells());
}

TEST(CalPanel32, EveryZoomSizesThePageToItsPaper)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 3, 1));
    const QSize full = page.size();
    for (const float zoom : {0.601f, 0.701f, 0.801f, 0.901f, 1.001f, 1.251f, 1.501f, 2.001f, 3.001f, 4.001f}) {
        page.SetZoom(zoom);
        EXPECT_EQ(page.size(), page.paperRect().size()) << zoom;
    }
    EXPECT_EQ(page.width(), int(full.width() * 4.001));
    page.SetZoom(1.0f);
    EXPECT_EQ(page.size(), full);
}

TEST(CalPanel32, TheViewFollowsWhateverChangesItsModel)
{
    TCalendarPanel32 page;
    int recalculations = 0;
    QObject::connect(&page, &TCalendarPanel32::layoutRecalculated, [&] { ++recalculations; });
    page.model().SetCalendarLayout(LOFullCalendarLS);
    EXPECT_EQ(recalculations, 1);
    EXPECT_EQ(page.size(), QSize(1056, 816));
    page.SetZoom(0.5f);
    EXPECT_EQ(page.model().zoom(), 0.5f);
    EXPECT_EQ(page.cellTable(), page.model().computeCellTable(0.5f));
    EXPECT_EQ(page.RenderToBitmap().size(), page.size());
}

TEST(CalPanel32, TheObjectsOnThePageAreItsModelsAndGoWithIt)
{
    auto page = std::make_unique<TCalendarPanel32>();
    TGGraphicControl *label = page->appendObject(std::make_unique<TGPLabel>());
    ASSERT_EQ(page->model().objects().size(), 1u);
    EXPECT_EQ(page->model().objects().front().get(), label);
    EXPECT_EQ(label->host(), page.get());
    // An object the model takes in without the view reaches the view all the same.
    TGGraphicControl *other = page->model().appendObject(std::make_unique<TGPLabel>());
    EXPECT_EQ(other->host(), page.get());
    EXPECT_EQ(page->objects().size(), 2u);
    page->frame().AddToSelection(label);
    page->frame().AddToSelection(other);
    page->DeleteAllObjects();
    EXPECT_TRUE(page->model().objects().empty());
    // A page closed with objects selected lets go of them before its model goes.
    page->appendObject(std::make_unique<TGPLabel>());
    page->frame().AddToSelection(page->model().objects().front().get());
    page.reset();
}

TEST(CalPanel32, ToolObjectsTakeThePagesMonthWeekStartAndLanguage)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 4, 9));
    page.setNames(languageNames(CalendarLanguage::Italian));
    page.SetMainCalMonth(11);
    page.SetStartOfWeek(2);
    const ToolPage tool = page.toolPage();
    EXPECT_EQ(tool.date, QDate(2026, 11, 1));
    EXPECT_EQ(tool.startOfWeek, 2);
    EXPECT_EQ(tool.language, CalendarLanguage::Italian);
    page.setNames(localeNames(QLocale(QLocale::Polish)));
    DocumentOptions options = page.options();
    PageOptions::setLanguage(options, QStringLiteral("pl"));
    page.setOptions(options);
    EXPECT_EQ(page.toolPage().language, std::nullopt);
}
