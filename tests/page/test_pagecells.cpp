// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "page/calpanel32.h"
#include "objects/objecteditors.h"
#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgplabel.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgsupertext.h"

#include <QList>
#include <QTest>

namespace {

// The drawing tool of the kind with that class name.
TLPanelState drawingTool(const char *className)
{
    return TLPanelState{ObjectKinds::find(QString::fromLatin1(className))};
}

void showMonth(TCalendarPanel32 &page, TCalendarNumberPosition position = cnpUpperRight)
{
    page.setPixelsPerInch(96);
    page.ResetToDefaults();
    page.SetCalendarLayout(loFullCalendar);
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(1);
    page.SetNumberPosition(position);
    page.UpdateCellTable();
}

TWPRtfStorage textOf(const char *text)
{
    return TWPRtfStorage(QByteArray("{\\rtf1\\ansi ") + text + "\\par}");
}

QPoint centreOf(const PageRect &rect)
{
    return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

// Records every event the page raises.
struct EventLog
{
    QList<int> openedCells;
    QStringList events;

    void attach(TCalendarPanel32 &page)
    {
        page.setClickedInCellEvent([this](TCalendarPanel32 &, const PageRect &, const PageRect &,
                                          int cell, int, TWPRtfStorage &) {
            openedCells.append(cell);
        });
        page.setOnClick([this](TCalendarPanel32 &) { events.append(QStringLiteral("click")); });
        page.setOnClickedHeader(
            [this](TCalendarPanel32 &) { events.append(QStringLiteral("header")); });
        page.setOnClickedDaysArea(
            [this](TCalendarPanel32 &) { events.append(QStringLiteral("days")); });
    }
};

// Counts the dialogs a new object opens and confirms them.
class CountingEditors : public ObjectEditors
{
public:
    CountingEditors() { ObjectEditors::setInstance(this); }
    ~CountingEditors() override { ObjectEditors::setInstance(nullptr); }
    bool chooseFont(TFont &) override { return false; }
    bool chooseColor(TColor &) override { return false; }
    bool editObject(TGGraphicControl &subject, const QString &dialog) override
    {
        if (!dialog.isEmpty())
            return false;
        if (dynamic_cast<TGPLabel *>(&subject))
            return ++labelTexts, true;
        if (auto *preview = dynamic_cast<TGSuperText *>(&subject)) {
            superTextPreviews.append(preview->BorderStyle() == bsSingle && !preview->ControlTransparent());
            return true;
        }
        if (dynamic_cast<TGPRichBaseLabel *>(&subject)) {
            ++richLabelEdits;
            if (reenter)
                reenter();
            return true;
        }
        return false;
    }

    int labelTexts = 0;
    int richLabelEdits = 0;
    // Run from inside the rich label's editor, as a click on the page would.
    std::function<void()> reenter;
    // For each properties dialog: whether its preview had the tool's frame and background.
    QList<bool> superTextPreviews;
};

} // namespace

TEST(PageCells, TextsByIndex)
{
    TCalendarPanel32 page;
    const TWPRtfStorage fallback = textOf("fallback");
    EXPECT_FALSE(page.HasCellText());
    page.SetCellRtfText(5, textOf("Party"));
    page.SetCellRtfText(0, textOf("ignored"));
    page.SetCellRtfText(43, textOf("ignored"));
    EXPECT_EQ(page.GetCellRtfText(5, fallback), textOf("Party"));
    EXPECT_EQ(page.GetCellRtfText(43, fallback), fallback);
    EXPECT_TRUE(page.GetCellRtfText(6, fallback).isEmpty());
    EXPECT_TRUE(page.HasCellText());
    showMonth(page);
    page.ClearAllCells();
    EXPECT_FALSE(page.HasCellText());
    EXPECT_EQ(page.CellAtPoint(centreOf(page.cellTable().cell(10).rTotal).x(),
                               centreOf(page.cellTable().cell(10).rTotal).y()), 10);
    EXPECT_EQ(page.DayOfCell(10), 7) << "clearing the texts leaves the cells where they are";
}

TEST(PageCells, DaysOfCellsForEveryMonth)
{
    TCalendarPanel32 page;
    showMonth(page);
    for (int month = 1; month <= 12; ++month) {
        page.SetMainCalMonth(month);
        page.UpdateCellTable();
        EXPECT_EQ(page.CellOfDay(32), -1) << month;
        const int firstBlank = page.CellOfDay(0);
        EXPECT_EQ(page.DayOfCell(firstBlank), 0);
        for (int cell = 1; cell < firstBlank; ++cell)
            EXPECT_NE(page.DayOfCell(cell), 0);
    }
    EXPECT_EQ(page.DayOfCell(0), 0);
    EXPECT_EQ(page.DayOfCell(43), 0);
}

TEST(PageCells, CellTableFollowsTheZoom)
{
    TCalendarPanel32 page;
    showMonth(page);
    const PageRect full = page.cellTable().cell(1).rTotal;
    page.SetZoom(0.5f);
    page.UpdateCellTable();
    const PageRect half = page.cellTable().cell(1).rTotal;
    EXPECT_LT(half.right, full.right);
    EXPECT_NEAR(half.left, full.left / 2, 3);
    EXPECT_EQ(page.CellAtPoint(half.left, half.top), 1);
}

TEST(PageCells, OpeningNeighboursNeedsFreeRectangles)
{
    TCalendarPanel32 page;
    EventLog log;
    log.attach(page);
    showMonth(page);
    page.OpenPreviousCell(1);
    page.OpenNextCell(42);
    page.OpenCell(0);
    page.OpenCell(43);
    EXPECT_TRUE(log.openedCells.isEmpty());
    page.OpenNextCell(3);
    page.OpenPreviousCell(3);
    page.OpenCell(17);
    EXPECT_EQ(log.openedCells, (QList<int>{4, 2, 17}));
    showMonth(page, cnpCenter);
    log.openedCells.clear();
    page.OpenNextCell(3);
    page.OpenPreviousCell(3);
    EXPECT_TRUE(log.openedCells.isEmpty());
}

TEST(PageCells, CellEventMayExchangeTheStorage)
{
    TCalendarPanel32 page;
    showMonth(page);
    int seenDay = -1;
    PageRect seenFree;
    page.setClickedInCellEvent([&](TCalendarPanel32 &, const PageRect &, const PageRect &free,
                                   int, int day, TWPRtfStorage &storage) {
        seenDay = day;
        seenFree = free;
        storage = textOf("edited");
    });
    const PageRect rect = page.cellTable().cell(4).rTotal;
    page.OpenCellAtPoint(rect.left, rect.top);
    EXPECT_EQ(seenDay, 1);
    EXPECT_EQ(seenFree, page.cellTable().cell(4).rFree);
    EXPECT_EQ(page.GetCellRtfText(4, {}), textOf("edited"));
}

TEST(PageCells, ClicksOnTitleDaysAndCells)
{
    TCalendarPanel32 page;
    EventLog log;
    log.attach(page);
    showMonth(page);
    page.Click(centreOf(page.cellTable().titleRect()));
    page.Click(centreOf(page.cellTable().daysRect()));
    page.Click(centreOf(page.cellTable().cell(9).rTotal));
    page.Click({2, 2});
    // The header events do not stop the click: outside the cells OnClick follows.
    EXPECT_EQ(log.events, (QStringList{QStringLiteral("header"), QStringLiteral("click"),
                                       QStringLiteral("days"), QStringLiteral("click"),
                                       QStringLiteral("click")}));
    EXPECT_EQ(log.openedCells, (QList<int>{9}));
}

TEST(PageCells, ClicksThatOpenNothing)
{
    TCalendarPanel32 page;
    EventLog log;
    log.attach(page);
    showMonth(page);
    const QPoint inCell = centreOf(page.cellTable().cell(9).rTotal);
    // A freeform object over the cell takes the click.
    TGGraphicControl *object = page.appendObject(std::make_unique<TGPLabel>());
    object->setBounds(inCell.x() - 5, inCell.y() - 5, 10, 10);
    page.Click(inCell);
    page.DeleteAllObjects();
    // A drawing tool is active.
    page.SetPanelState(drawingTool("TGPLabel"));
    page.Click(inCell);
    page.SetPanelState(psPointing);
    // No cell handler: nothing, not even OnClick.
    page.setClickedInCellEvent({});
    page.Click(inCell);
    EXPECT_TRUE(log.openedCells.isEmpty());
    EXPECT_TRUE(log.events.isEmpty());
}

TEST(PageCells, ReleasingAToolOverACellOpensNoCell)
{
    CountingEditors editors;
    TCalendarPanel32 page;
    EventLog log;
    log.attach(page);
    showMonth(page);
    page.show();
    const QPoint inCell = centreOf(page.cellTable().cell(9).rTotal);
    // The label's text dialog runs during the release; afterwards the page points again,
    // and the release must not count as a click on the cell below.
    page.SetPanelState(drawingTool("TGPLabel"));
    // Dragged from above and left of the cell's centre: the release point lies on the
    // new object's outer corner, outside it (the label fits its height to its text, which
    // takes less than the drag), over the cell.
    const QPoint start = inCell - QPoint(60, 60);
    QTest::mousePress(&page, Qt::LeftButton, {}, start);
    QTest::mouseMove(&page, start + QPoint(30, 30));
    QTest::mouseMove(&page, inCell);
    QTest::mouseRelease(&page, Qt::LeftButton, {}, inCell);
    ASSERT_EQ(page.objects().size(), 1u);
    EXPECT_FALSE(page.objects()[0]->boundsRect().contains(inCell));
    EXPECT_EQ(editors.labelTexts, 1);
    EXPECT_TRUE(log.openedCells.isEmpty());
    // A click with the pointer still opens the cell.
    const QPoint otherCell = centreOf(page.cellTable().cell(20).rTotal);
    QTest::mouseClick(&page, Qt::LeftButton, {}, otherCell);
    EXPECT_EQ(log.openedCells, (QList<int>{20}));
}

TEST(PageCells, MiniSheetsRaiseOnClick)
{
    TCalendarPanel32 page;
    EventLog log;
    log.attach(page);
    showMonth(page);
    const QPoint inCell = centreOf(page.cellTable().cell(9).rTotal);
    page.SetCalendarLayout(loMC12Month);
    page.UpdateCellTable();
    page.Click(inCell);
    EXPECT_TRUE(log.openedCells.isEmpty());
    EXPECT_EQ(log.events, QStringList{QStringLiteral("click")});
}

TEST(PageCells, PlannerCells)
{
    TCalendarPanel32 page;
    showMonth(page);
    page.SetMainCalDay(27);
    page.SetCalendarLayout(loWeek);
    QList<int> days;
    for (int cell = 1; cell <= 8; ++cell)
        days.append(page.DayOfCell(cell));
    EXPECT_EQ(days, (QList<int>{27, 28, 29, 30, 31, 1, 2, 0}));
    EXPECT_EQ(page.cellTable().cell(30), CellRecord()) << "past the planner's rows: no cell";
    EXPECT_EQ(page.cellTable().cell(1).rFree, page.cellTable().cell(1).rTotal);
    page.SetCalendarLayout(loDay10);
    page.UpdateCellTable();
    EXPECT_EQ(page.CellOfDay(27), -1);
    EXPECT_FALSE(page.cellTable().cell(11).rTotal.isAllZero());
    EXPECT_TRUE(page.cellTable().cell(12).rTotal.isAllZero());
    EXPECT_TRUE(page.cellTable().cell(30).rTotal.isAllZero());
}

TEST(PageCells, ToolRectanglesGrowToTheSmallestObject)
{
    EXPECT_EQ(TCalendarPanel32::toolRectangle({10, 20, 20, 30}), (PageRect{10, 20, 60, 35}));
    EXPECT_EQ(TCalendarPanel32::toolRectangle({10, 20, 35, 35}), (PageRect{10, 20, 35, 35}));
    EXPECT_EQ(TCalendarPanel32::toolRectangle({10, 20, 34, 30}), (PageRect{10, 20, 60, 35}));
    CountingEditors editors;
    TCalendarPanel32 page;
    page.CreateObjectInRect({5, 5, 15, 15});
    EXPECT_TRUE(page.objects().empty()) << "pointing creates nothing";
    page.SetPanelState(drawingTool("TGPRichBaseLabel"));
    EXPECT_FALSE(page.Pointing());
    TLPanelState stateInEditor = drawingTool("TGPRichBaseLabel");
    editors.reenter = [&] {
        stateInEditor = page.PanelState();
        page.SetPanelState(drawingTool("TGPRichBaseLabel"));
        page.CreateObjectInRect({0, 0, 100, 100});
    };
    page.CreateObjectInRect({5, 5, 15, 15});
    EXPECT_EQ(stateInEditor, psPointing) << "the page is back at the pointer before the editor opens";
    EXPECT_EQ(editors.richLabelEdits, 1) << "the new rich label opens its editor";
    ASSERT_EQ(page.objects().size(), 1u) << "re-entry during creation is ignored";
    EXPECT_EQ(page.objects()[0]->className(), QStringLiteral("TGPRichBaseLabel"));
    EXPECT_EQ(page.objects()[0]->boundsRect(), QRect(5, 5, 50, 15));
}

TEST(PageCells, ToolsPlaceLabelsAndCalendars)
{
    CountingEditors editors;
    TCalendarPanel32 page;
    page.setPixelsPerInch(96);
    EXPECT_FALSE(page.HasDrawingObjects());
    int changes = 0;
    page.setLabelChangedEvent([&](TGBasePanel &) { ++changes; });

    page.SetPanelState(drawingTool("TGPLabel"));
    page.CreateObjectInRect({10, 20, 20, 30});
    ASSERT_EQ(page.objects().size(), 1u);
    auto *label = dynamic_cast<TGPLabel *>(page.objects()[0].get());
    ASSERT_NE(label, nullptr);
    EXPECT_EQ(label->Name(), QStringLiteral("Special1"));
    EXPECT_EQ(label->Caption(), QStringLiteral("Enter text..."));
    EXPECT_EQ(label->Font().size(), 20);
    EXPECT_EQ(label->boundsRect().topLeft(), QPoint(10, 20));
    EXPECT_GE(label->Width(), 50) << "a 10 x 10 rectangle makes a 50 x 15 object";
    EXPECT_EQ(label->host(), &page);
    EXPECT_EQ(page.PanelState(), psPointing);
    EXPECT_EQ(editors.labelTexts, 1) << "the new label opens its text dialog";
    EXPECT_GT(changes, 0);

    page.SetPanelState(drawingTool("TGFlatCalendar"));
    page.CreateObjectInRect({100, 100, 300, 250});
    ASSERT_EQ(page.objects().size(), 2u);
    auto *calendar = dynamic_cast<TGFlatCalendar *>(page.objects()[1].get());
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendar->Name(), QStringLiteral("Special2"));
    EXPECT_EQ(calendar->boundsRect(), QRect(100, 100, 200, 150));
    EXPECT_EQ(editors.labelTexts, 1);
    EXPECT_TRUE(page.HasDrawingObjects());
    EXPECT_FALSE(page.HasSuperTextObjects());

    page.SetPanelState(drawingTool("TGSuperText"));
    page.CreateObjectInRect({50, 400, 350, 480});
    ASSERT_EQ(page.objects().size(), 3u);
    auto *text = dynamic_cast<TGSuperText *>(page.objects()[2].get());
    ASSERT_NE(text, nullptr);
    EXPECT_EQ(text->Name(), QStringLiteral("Special3"));
    EXPECT_EQ(text->boundsRect().topLeft(), QPoint(50, 400));
    EXPECT_EQ(text->Width(), 300);
    EXPECT_EQ(page.PanelState(), psPointing);
    EXPECT_EQ(editors.superTextPreviews, QList<bool>{true}) << "placed, then its properties open";
    EXPECT_TRUE(page.HasSuperTextObjects());
}

TEST(PageCells, ToolObjectsStayOnThePaperAtTheZoom)
{
    CountingEditors editors;
    TCalendarPanel32 page;
    page.setPixelsPerInch(96);
    page.SetZoom(0.5f);
    page.SetCalendarLayout(LOFullCalendarLS);
    const QRect paper = page.paperRect();
    EXPECT_EQ(paper, QRect(0, 0, int(page.PageWidth() * 0.5), int(page.PageHeight() * 0.5)));
    EXPECT_EQ(paper.size(), page.size()) << "the page widget is the paper";
    EXPECT_GT(paper.width(), paper.height());

    // A click near the bottom-right corner widens to the smallest object, then moves in.
    page.SetPanelState(drawingTool("TGFlatCalendar"));
    page.CreateObjectInRect({paper.width() - 5, paper.height() - 2, paper.width() - 5, paper.height() - 2});
    ASSERT_EQ(page.objects().size(), 1u);
    EXPECT_EQ(page.objects()[0]->boundsRect(), QRect(paper.width() - 50, paper.height() - 15, 50, 15));

    // Turned to portrait, an object near the right edge comes back onto the narrower paper.
    TGGraphicControl *wide = page.objects()[0].get();
    wide->setBounds(paper.width() - 120, 10, 100, 40);
    page.SetCalendarLayout(loFullCalendar);
    const QRect portrait = page.paperRect();
    ASSERT_LT(portrait.width(), paper.width());
    EXPECT_EQ(page.keepObjectsOnPaper(), 1);
    EXPECT_EQ(wide->boundsRect(), QRect(portrait.width() - 100, 10, 100, 40));
}

TEST(PageCells, PlannerTextsFollowTheirDates)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 21));
    page.SetCalendarLayout(lo2Week);
    page.SetMainCalDay(21);
    EXPECT_EQ(page.PlannerSpanDays(), 14);
    EXPECT_EQ(page.cellDate(1), QDate(2026, 12, 21));
    EXPECT_EQ(page.cellDate(14), QDate(2027, 1, 3));
    EXPECT_FALSE(page.cellDate(15).isValid());
    const auto put = [&page](int cell, const char *text) {
        page.SetCellRtfText(cell, TWPRtfStorage(QByteArray("{\\rtf1 ") + text + "\\par}"));
    };
    put(1, "Monday 21");
    put(3, "Wednesday 23");
    put(12, "New Year");
    EXPECT_EQ(page.textDates(), (QList<QDate>{QDate(2026, 12, 21), QDate(2026, 12, 23), QDate(2027, 1, 1)}));

    // Starting a week later: New Year moves up a week, the days before 28 December leave.
    const QDate oldStart = page.plannerDate();
    page.SetMainCalDay(28);
    page.moveTextsWithDates(oldStart);
    EXPECT_EQ(page.GetCellRtfText(5, {}), TWPRtfStorage("{\\rtf1 New Year\\par}"));
    EXPECT_EQ(page.textDates(), QList<QDate>{QDate(2027, 1, 1)});

    // Back by three days, across nothing: the text keeps its date.
    page.SetMainCalDay(25);
    page.moveTextsWithDates(QDate(2026, 12, 28));
    EXPECT_EQ(page.GetCellRtfText(8, {}), TWPRtfStorage("{\\rtf1 New Year\\par}"));

    // A day planner's hours belong to its one day.
    page.SetCalendarLayout(loDay10);
    put(3, "Dentist");
    EXPECT_EQ(page.cellDate(3), QDate(2026, 12, 25));
    page.moveTextsWithDates(QDate(2026, 12, 25));
    EXPECT_TRUE(page.HasCellText()) << "the same day keeps its texts";
    page.SetMainCalDay(26);
    page.moveTextsWithDates(QDate(2026, 12, 25));
    EXPECT_FALSE(page.HasCellText());
}
