// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "calendar/calendardates.h"
#include "calendar/pagelayout.h"

#include <QDir>
#include <QFile>
#include <QTextStream>

namespace {

PageLayoutInput halfInchInput(TCalendarLayout layout, int paper = PaperLetter, bool border = false)
{
    PageLayoutInput input;
    input.layout = layout;
    input.paperSize = paper;
    input.leftMargin = input.topMargin = input.rightMargin = input.bottomMargin = 0.5f;
    input.hasBorder = border;
    input.month = 1;
    input.year = 1998;
    return input;
}

bool inside(const PageRect &inner, const PageRect &outer)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right
        && inner.bottom <= outer.bottom;
}

bool overlap(const PageRect &a, const PageRect &b)
{
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

QString rectText(const PageRect &r)
{
    return QStringLiteral("(%1,%2,%3,%4)").arg(r.left).arg(r.top).arg(r.right).arg(r.bottom);
}

} // namespace

TEST(PageLayout, LetterPortraitWithAndWithoutBorder)
{
    const PageLayout plain = computePageLayout(halfInchInput(loFullCalendar));
    EXPECT_EQ(plain.pageWidth, 816);
    EXPECT_EQ(plain.pageHeight, 1056);
    EXPECT_EQ(plain.calendarRect, (PageRect{50, 50, 766, 1006}));
    EXPECT_EQ(plain.marginRect, (PageRect{48, 48, 768, 1008}));
    const PageLayout framed = computePageLayout(halfInchInput(loFullCalendar, PaperLetter, true));
    EXPECT_EQ(InchToPixels(96, 0.97f), 93);
    EXPECT_EQ(framed.calendarRect, (PageRect{95, 95, 721, 961}));
    EXPECT_EQ(framed.marginRect, (PageRect{48, 48, 768, 1008}));
}

TEST(PageLayout, PaperSizes)
{
    const PageLayout a4 = computePageLayout(halfInchInput(LOFullCalendarLS, PaperA4));
    EXPECT_EQ(a4.orientation, coLandscape);
    EXPECT_EQ(a4.pageWidth, 1122);
    EXPECT_EQ(a4.pageHeight, 793);
    PageLayoutInput input = halfInchInput(loWeek, PaperA4);
    input.ppi = 120;
    const PageLayout planner = computePageLayout(input);
    EXPECT_EQ(planner.orientation, coPortrait);
    EXPECT_EQ(planner.pageWidth, 992);   // Trunc(120 x 8.27)
    EXPECT_EQ(planner.pageHeight, 1402); // Trunc(120 x 11.69)
}

TEST(PageLayout, SixMonthSheetIsThreeRowsOfTwo)
{
    const PageLayout layout = computePageLayout(halfInchInput(lopMC6Month));
    ASSERT_EQ(layout.miniCount, 6);
    // Area 716 x 956: gaps 7 and 9, boxes 354 x 312, the last column flush right.
    EXPECT_EQ(layout.miniRect(1), (PageRect{50, 50, 404, 362}));
    EXPECT_EQ(layout.miniRect(2), (PageRect{412, 50, 766, 362}));
    EXPECT_EQ(layout.miniRect(3), (PageRect{50, 371, 404, 683}));
    EXPECT_EQ(layout.miniRect(6), (PageRect{412, 694, 766, 1006}));
}

TEST(PageLayout, MainCalendarAreasBesideTheirMinis)
{
    const PageLayout strips = computePageLayout(halfInchInput(loFC6Before6After));
    EXPECT_EQ(strips.calendarRect, (PageRect{50, 174, 766, 882}));
    const PageLayout block = computePageLayout(halfInchInput(loFC12AfterLS));
    // P(0.5 + 2.9) = 326; the landscape right edge adds 8.
    EXPECT_EQ(block.calendarRect, (PageRect{50, 50, 1056 - 326 + 8, 766}));
    const PageLayout title = computePageLayout(halfInchInput(loFCMinisInTitle));
    EXPECT_EQ(title.miniRect(1), (PageRect{62, 62, 182, 182}));
    EXPECT_EQ(title.miniRect(2), (PageRect{766 + 12 - 144, 62, 754, 182}));
}

TEST(PageLayout, MiniMonthsOfEveryLayout)
{
    for (int value = 0; value < CalendarLayoutCount; ++value) {
        const auto layout = static_cast<TCalendarLayout>(value);
        const PageLayout result = computePageLayout(halfInchInput(layout));
        QList<int> offsets;
        if (layout == loFCMinisInTitle || layout == loFCMinisInTitleLS)
            offsets = {-1, 1};
        else if (layout == loFC6Before6After || layout == loFC6Before6AfterLS)
            offsets = {-6, -5, -4, -3, -2, -1, 1, 2, 3, 4, 5, 6};
        else if (layout == loFC12After || layout == loFC12AfterLS)
            offsets = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12};
        else if (layout >= lopMC6Month && layout <= loMC60MonthLS) {
            static const int counts[] = {6, 12, 24, 48, 60};
            for (int k = 0; k < counts[(value - lopMC6Month) / 2]; ++k)
                offsets.append(k);
        }
        ASSERT_EQ(result.miniCount, offsets.size()) << value;
        for (int k = 0; k < offsets.size(); ++k) {
            // January 1998 plus the offset, counted independently of AddMonths.
            const int serial = 1998 * 12 + offsets[k];
            EXPECT_EQ(result.miniMonth(k + 1), (MonthOfYear{serial % 12 + 1, serial / 12}))
                << "layout " << value << " mini " << k + 1;
        }
    }
    const PageLayout fc6 = computePageLayout(halfInchInput(loFC6Before6After));
    EXPECT_EQ(fc6.miniMonth(1), (MonthOfYear{7, 1997}));
    EXPECT_EQ(fc6.miniMonth(12), (MonthOfYear{7, 1998}));
}

TEST(PageLayout, MiniSheetsKeepThePreviousCalendarBox)
{
    PageLayoutInput input = halfInchInput(loMC12Month);
    input.previousCalendarRect = {1, 2, 3, 4};
    EXPECT_EQ(computePageLayout(input).calendarRect, (PageRect{1, 2, 3, 4}));
}

TEST(PageLayout, DivideIntoGridStopsAtLast)
{
    std::array<PageRect, MaxMiniCount> rects{};
    DivideIntoGrid(2, 3, {0, 0, 300, 200}, 5, 7, rects);
    EXPECT_TRUE(rects[3].isAllZero());
    EXPECT_EQ(rects[4], (PageRect{0, 0, 98, 99}));
    EXPECT_EQ(rects[5], (PageRect{101, 0, 199, 99}));
    EXPECT_EQ(rects[6], (PageRect{202, 0, 300, 99}));
    EXPECT_TRUE(rects[7].isAllZero());
    DivideIntoGrid(0, 3, {0, 0, 300, 200}, 1, 6, rects);
    EXPECT_TRUE(rects[0].isAllZero());
}

// Every layout on both papers, with and without a border: structural rules, then the
// rectangles compared with a checked-in dump.
TEST(PageLayout, AllLayoutsPapersAndBorders)
{
    QString dump;
    QTextStream out(&dump);
    for (int value = 0; value < CalendarLayoutCount; ++value) {
        for (int paper : {PaperLetter, PaperA4}) {
            for (bool border : {false, true}) {
                const auto layout = static_cast<TCalendarLayout>(value);
                const PageLayout r = computePageLayout(halfInchInput(layout, paper, border));
                const bool landscape = value <= loMC60MonthLS && value % 2 == 1;
                const PageRect area = computePageLayout(halfInchInput(
                    landscape ? LOFullCalendarLS : loFullCalendar, paper, border)).calendarRect;
                SCOPED_TRACE(testing::Message() << value << " " << paper << " " << border);
                EXPECT_EQ(r.orientation == coLandscape, landscape);
                EXPECT_EQ(r.pageWidth > r.pageHeight, landscape);
                EXPECT_EQ(r.showMainCalendar, value <= 7);
                EXPECT_EQ(r.showMiniCalendars, value >= 2 && value <= 17);
                EXPECT_EQ(r.isPlanner, value >= 18);
                if (r.showMainCalendar || r.isPlanner) {
                    EXPECT_TRUE(inside(r.calendarRect, area));
                }
                for (int k = 1; k <= r.miniCount; ++k) {
                    const PageRect mini = r.miniRect(k);
                    EXPECT_GT(mini.width(), 0);
                    EXPECT_GT(mini.height(), 0);
                    EXPECT_TRUE(inside(mini, area));
                    if (value >= 4 && value <= 7) {
                        EXPECT_FALSE(overlap(mini, r.calendarRect)) << k;
                    }
                    for (int j = 1; j < k; ++j)
                        EXPECT_FALSE(overlap(mini, r.miniRect(j))) << j << " " << k;
                }
                out << value << (paper == PaperA4 ? " A4" : " Letter")
                    << (border ? " border" : "") << ": page " << r.pageWidth << "x"
                    << r.pageHeight << " calendar " << rectText(r.calendarRect);
                for (int k = 1; k <= r.miniCount; ++k)
                    out << " " << rectText(r.miniRect(k));
                out << "\n";
            }
        }
    }
    out.flush();
    const QString refPath = QStringLiteral(ORVANE_CALENDAR_TEST_DIR "/layouts.ref");
    QFile ref(refPath);
    const QString expected
        = ref.open(QIODevice::ReadOnly) ? QString::fromUtf8(ref.readAll()) : QString();
    if (expected != dump) {
        QFile actual(QStringLiteral(ORVANE_CALENDAR_TEST_DIR "/layouts.out"));
        if (actual.open(QIODevice::WriteOnly))
            actual.write(dump.toUtf8());
        ADD_FAILURE() << "layout dump differs from layouts.ref; see layouts.out";
    }
}
