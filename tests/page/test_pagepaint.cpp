// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "page/calpanel32.h"
#include "surface/tghandle.h"
#include "objects/tgplabel.h"
#include "graphics/reportcanvas.h"

#include <QPainter>
#include <QTest>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Letter portrait at 96 PPI with half-inch margins: the calendar box is (50, 50, 766, 1006).
void prepare(TCalendarPanel32 &page, TCalendarLayout layout)
{
    page.setPixelsPerInch(96);
    page.ResetToDefaults();
    page.SetCalendarLayout(layout);
    page.SetMainCalYear(1997);
    page.SetMainCalMonth(1);
    page.SetMainCalDay(6);
    page.setNames(languageNames(CalendarLanguage::English));
}

// The month grid as painted, read back from the cell table of a centred-number page:
// every number box lies one pixel inside its grid lines.
struct PaintedGrid
{
    explicit PaintedGrid(const TCalendarPanel32 &page)
    {
        for (int k = 0; k < 7; ++k)
            columns[k] = page.cellTable().cell(k + 1).rTotal.left - 1;
        columns[7] = page.CalendarRect().right - 1;
        for (int r = 0; r < 6; ++r)
            rows[r] = page.cellTable().cell(7 * r + 1).rTotal.top - 1;
        rows[6] = page.CalendarRect().bottom - 1;
    }
    int columnMiddle(int k) const { return (columns[k] + columns[k + 1]) / 2; }
    int rowMiddle(int r) const { return (rows[r] + rows[r + 1]) / 2; }

    std::array<int, 8> columns{};
    std::array<int, 7> rows{};
};

QImage monthWithCellBorder(TCalendarPanel32 &page, TCalBorderStyle style)
{
    prepare(page, loFullCalendar);
    page.SetNumberPosition(cnpCenter);
    // Only the cell grid draws lines.
    page.SetCalendarBorder(cbNone);
    page.SetHeadersBorder(cbNone);
    page.SetCellBorder(style);
    return page.RenderToBitmap();
}

// Records what the page asks of its cell text renderer and paints the target red.
class RecordingRenderer : public CellTextRenderer
{
public:
    struct Call
    {
        QByteArray rtf;
        int zoomPercent;
        QSize pageSize;
        QRectF target;
    };

    explicit RecordingRenderer(QList<Call> &calls) : m_calls(calls) {}
    void loadRtf(const TWPRtfStorage &text) override { m_rtf = text.rtf(); }
    void setZoomPercent(int percent) override { m_zoom = percent; }
    void setPageSize(const QSize &size) override { m_size = size; }
    void paint(QPainter &painter, const QRectF &target) override
    {
        m_calls.append({m_rtf, m_zoom, m_size, target});
        painter.fillRect(target, Qt::red);
    }

private:
    QList<Call> &m_calls;
    QByteArray m_rtf;
    int m_zoom = 0;
    QSize m_size;
};

TWPRtfStorage textOf(const char *text)
{
    return TWPRtfStorage(QByteArray("{\\rtf1\\ansi ") + text + "\\par}");
}

} // namespace

TEST(PagePaint, CellGridOfEveryBorderStyle)
{
    struct Case
    {
        TCalBorderStyle style;
        std::array<bool, 7> rowLines;
        bool columnLines;
    };
    const Case cases[] = {
        {cbNone, {false, false, false, false, false, false, false}, false},
        {cbAll, {true, true, true, true, true, true, true}, true},
        {cbTop, {true, true, true, true, true, true, false}, false},
        {cbBottom, {false, true, true, true, true, true, true}, false},
        {cbTopBottom, {true, true, true, true, true, true, true}, false},
    };
    for (const Case &c : cases) {
        TCalendarPanel32 page;
        const QImage image = monthWithCellBorder(page, c.style);
        const PaintedGrid grid(page);
        // Probe between the columns' numbers, away from the centred day numbers.
        const int x = grid.columns[0] + 3;
        for (int r = 0; r <= 6; ++r) {
            EXPECT_EQ(image.pixel(x, grid.rows[r]) == Black, c.rowLines[r])
                << "style " << c.style << " row line " << r;
        }
        for (int k = 0; k <= 7; ++k) {
            EXPECT_EQ(image.pixel(grid.columns[k], grid.rows[2] + 3) == Black, c.columnLines)
                << "style " << c.style << " column line " << k;
        }
    }
}

TEST(PagePaint, BandsAndFrame)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.SetTitleBGColor(Colors::clRed);
    page.SetHeadersBGColor(Colors::clBlue);
    page.SetCalendarBorder(cbAll);
    QImage image = page.RenderToBitmap();
    const PageRect title = page.cellTable().titleRect();
    const PageRect days = page.cellTable().daysRect();
    const PageRect box = page.CalendarRect();
    EXPECT_EQ(image.pixel(title.left + 3, title.top + 3), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(title.left + 3, title.bottom), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(days.left + 3, days.top + 3), qRgb(0, 0, 255));
    const int middle = (box.top + box.bottom) / 2;
    EXPECT_EQ(image.pixel(box.left, middle), Black);
    EXPECT_EQ(image.pixel(box.right - 1, middle), Black);
    EXPECT_EQ(image.pixel(box.right, middle), White);
    // Outside the calendar the page stays white.
    EXPECT_EQ(image.pixel(box.left - 2, middle), White);

    page.SetCalendarBorder(cbNone);
    page.SetCellBorder(cbNone);
    image = page.RenderToBitmap();
    EXPECT_EQ(image.pixel(box.left, middle), White);
}

TEST(PagePaint, MinisLieOverTheTitleBand)
{
    TCalendarPanel32 page;
    prepare(page, loFCMinisInTitle);
    page.SetTitleBGColor(Colors::clRed);
    page.SetMiniCalBGColor(Colors::clYellow);
    page.SetMiniCalendarLineLayout(mllFull);
    // A long title runs under the minis.
    page.SetUserTitle(QStringLiteral("A title far too long to fit between the two mini calendars"));
    const QImage image = page.RenderToBitmap();
    const PageRect mini = page.pageLayout().miniRect(1);
    const PageRect title = page.cellTable().titleRect();
    ASSERT_GT(mini.bottom, title.top);
    ASSERT_LT(mini.bottom, title.bottom);
    EXPECT_EQ(image.pixel(mini.left, mini.top + 20), Black);
    EXPECT_EQ(image.pixel(mini.left + 2, mini.top + 2), qRgb(255, 255, 0));
    EXPECT_EQ(image.pixel(mini.left - 2, mini.top + 2), qRgb(255, 0, 0));
    const PageRect second = page.pageLayout().miniRect(2);
    EXPECT_EQ(image.pixel(second.right - 3, second.bottom - 3), qRgb(255, 255, 0));
}

TEST(PagePaint, MinimalMiniShowsOneLineAboveItsDayNames)
{
    TCalendarPanel32 page;
    prepare(page, lopMC6Month);
    page.SetMiniCalendarLineLayout(mllMinimal);
    const QImage image = page.RenderToBitmap();
    const PageRect mini = page.pageLayout().miniRect(1);
    int lines = 0;
    // Walk down the mini's left column, where no text is drawn.
    for (int y = mini.top; y < mini.bottom; ++y) {
        if (image.pixel(mini.left + 1, y) == Black)
            ++lines;
    }
    EXPECT_EQ(lines, 1);
    EXPECT_EQ(image.pixel(mini.left, (mini.top + mini.bottom) / 2), White);
}

TEST(PagePaint, PaintWritesTheCellTableOfTheLayout)
{
    const TCalendarLayout layouts[] = {loFullCalendar, loFC12AfterLS, loWeek, lo2Week, loDay10,
                                       loDay15};
    for (const TCalendarLayout layout : layouts) {
        for (const float zoom : {1.0f, 1.5f}) {
            TCalendarPanel32 page;
            prepare(page, layout);
            page.SetZoom(zoom);
            page.RenderToBitmap();
            EXPECT_EQ(page.cellTable(), page.computeCellTable()) << layout << " at " << zoom;
            EXPECT_FALSE(page.cellTable().titleRect().isAllZero());
            EXPECT_FALSE(page.cellTable().cell(1).rTotal.isAllZero());
        }
    }
}

TEST(PagePaint, PlannersIgnoreTheMonthStyles)
{
    TCalendarPanel32 plain;
    prepare(plain, loWeek);
    TCalendarPanel32 styled;
    prepare(styled, loWeek);
    styled.SetCalendarBorder(cbTopBottom);
    styled.SetHeadersBorder(cbNone);
    styled.SetCellBorder(cbBottom);
    styled.SetTitleBGColor(Colors::clRed);
    EXPECT_EQ(plain.RenderToBitmap(), styled.RenderToBitmap());
}

TEST(PagePaint, TheCellTableFollowsTheSettingsWhetherThePagePaintsOrNot)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    page.repaint();
    const CellTable painted = page.cellTable();
    EXPECT_EQ(painted, page.computeCellTable());

    // Painting computes nothing: a suspended or hidden page has the cells of its month.
    page.SetPaintSuspended(true);
    page.SetMainCalMonth(2);
    EXPECT_EQ(page.cellTable(), page.computeCellTable());
    EXPECT_NE(page.cellTable(), painted);
    page.SetPaintSuspended(false);
    page.hide();
    page.SetMainCalMonth(3);
    EXPECT_EQ(page.cellTable(), page.computeCellTable());
    page.SetZoom(0.5f);
    EXPECT_EQ(page.cellTable(), page.computeCellTable()) << "and of its zoom";
    const CellTable before = page.cellTable();
    page.show();
    page.grab();
    EXPECT_EQ(page.cellTable(), before);
}

TEST(PagePaint, CellTextsGoThroughTheRendererIntoTheirFreeRectangles)
{
    QList<RecordingRenderer::Call> calls;
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.setCellRenderer(std::make_unique<RecordingRenderer>(calls));
    page.SetZoom(1.5f);
    page.SetCellRtfText(5, textOf("Party"));
    const QImage image = page.RenderToBitmap();
    ASSERT_EQ(calls.size(), 1);
    const PageRect free = page.cellTable().cell(5).rFree;
    EXPECT_EQ(calls[0].rtf, textOf("Party").rtf());
    EXPECT_EQ(calls[0].zoomPercent, 150);
    EXPECT_EQ(calls[0].pageSize, QSize(free.width() + 1, free.height() + 1));
    EXPECT_EQ(image.pixel(free.left, free.top), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(free.right - 1, free.bottom - 1), qRgb(255, 0, 0));
    EXPECT_NE(image.pixel(free.right, free.bottom), qRgb(255, 0, 0));

    // Centred numbers leave no room for text.
    calls.clear();
    page.SetNumberPosition(cnpCenter);
    page.RenderToBitmap();
    EXPECT_TRUE(calls.isEmpty());
}

TEST(PagePaint, PlannersDrawOnlyTheTextsOfTheirRows)
{
    QList<RecordingRenderer::Call> calls;
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.setCellRenderer(std::make_unique<RecordingRenderer>(calls));
    page.RenderToBitmap();
    page.SetCellRtfText(2, textOf("Tuesday"));
    page.SetCellRtfText(20, textOf("left from the month"));
    page.SetCalendarLayout(loWeek);
    calls.clear();
    page.RenderToBitmap();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].rtf, textOf("Tuesday").rtf());

    page.SetCalendarLayout(loDay15);
    calls.clear();
    page.RenderToBitmap();
    ASSERT_EQ(calls.size(), 1);
    EXPECT_EQ(calls[0].rtf, textOf("Tuesday").rtf());
}

TEST(PagePaint, MissingFontsChangeGlyphsNotCells)
{
    const auto renamed = [](TFont font) {
        font.setName(QStringLiteral("No Such Face At All"));
        return font;
    };
    for (const TCalendarLayout layout : {loFullCalendar, loWeek}) {
        TCalendarPanel32 present;
        prepare(present, layout);
        present.RenderToBitmap();
        TCalendarPanel32 missing;
        prepare(missing, layout);
        missing.SetTitleFont(renamed(missing.TitleFont()));
        missing.SetHeadersFont(renamed(missing.HeadersFont()));
        missing.SetCellFont(renamed(missing.CellFont()));
        missing.RenderToBitmap();
        EXPECT_EQ(missing.cellTable(), present.cellTable()) << layout;
    }
}

TEST(PagePaint, FreeformObjectsLieOnThePageAndOnlyTheScreenShowsTheMarks)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    // A blank red box in the top margin.
    auto label = std::make_unique<TGPLabel>();
    label->SetCaption(QStringLiteral(" "));
    label->SetTransparent(false);
    label->SetBackColor(Colors::clRed);
    TGGraphicControl *object = page.appendObject(std::move(label));
    object->setBounds(10, 10, 30, 15);
    page.frame().AddToSelection(object);

    const QImage image = page.RenderToBitmap();
    EXPECT_EQ(image.pixel(12, 12), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(8, 8), White) << "no selection marks in an exported image";

    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    const QImage shown = page.grab().toImage();
    EXPECT_EQ(shown.pixel(20, 18), qRgb(255, 0, 0));
    EXPECT_EQ(shown.pixel(8, 8), Black);
}

namespace {

bool showsOverflowMark(const QImage &image, const PageRect &free)
{
    const QPolygon mark = TCalendarPanel32::overflowMark(free);
    // Well inside the triangle, clear of its antialiased edges.
    const QPoint inside = (2 * mark.point(0) + mark.point(1) + mark.point(2)) / 4;
    return image.pixel(inside) == TCalendarPanel32::OverflowMarkColor;
}

} // namespace

TEST(PagePaint, OnlyTheScreenMarksCellTextsThatRunOutOfTheirCells)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    QByteArray agenda = "{\\rtf1\\ansi\\fs24 ";
    for (int i = 0; i < 15; ++i)
        agenda += "Meeting " + QByteArray::number(i) + "\\par ";
    agenda += "}";
    page.SetCellRtfText(10, TWPRtfStorage(agenda));
    page.SetCellRtfText(11, textOf("Party"));
    page.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&page));
    const QImage shown = page.grab().toImage();
    const PageRect longCell = page.cellTable().cell(10).rFree;
    const PageRect shortCell = page.cellTable().cell(11).rFree;
    ASSERT_GT(longCell.width(), 20);
    EXPECT_TRUE(showsOverflowMark(shown, longCell));
    EXPECT_FALSE(showsOverflowMark(shown, shortCell));
    EXPECT_FALSE(showsOverflowMark(page.RenderToBitmap(), longCell)) << "not in exported images";

    // Printed at the screen's resolution, the cells lie where the screen has them.
    QImage sheet(page.PageWidth(), page.PageHeight(), QImage::Format_RGB32);
    sheet.setDotsPerMeterX(qRound(96 / 0.0254));
    sheet.setDotsPerMeterY(qRound(96 / 0.0254));
    sheet.fill(White);
    {
        QPainter painter(&sheet);
        ReportCanvas report(painter);
        page.PrintPage(report, 0, 0);
    }
    int marked = 0;
    for (int y = longCell.top; y < longCell.bottom; ++y) {
        for (int x = longCell.left; x < longCell.right; ++x)
            marked += sheet.pixel(x, y) == TCalendarPanel32::OverflowMarkColor;
    }
    EXPECT_EQ(marked, 0) << "not in print";

    // Texts wrap and fit alike at every zoom; the mark keeps its size on the screen.
    page.SetZoom(3.0f);
    const QImage zoomed = page.grab().toImage();
    EXPECT_TRUE(showsOverflowMark(zoomed, page.cellTable().cell(10).rFree));
    EXPECT_FALSE(showsOverflowMark(zoomed, page.cellTable().cell(11).rFree));
}
