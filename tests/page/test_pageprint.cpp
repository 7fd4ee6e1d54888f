// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "page/calpanel32.h"
#include "calendar/pageoptions.h"
#include "calendar/drawmonth.h"
#include "objects/tgplabel.h"
#include "graphics/reportcanvas.h"

#include <QPainter>

#include <cmath>

namespace {

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);
// The printed sheet: 100 dots per inch make inches easy to read back.
constexpr int Dpi = 100;

QImage blankSheet(double widthInches, double heightInches, int dpi = Dpi)
{
    QImage sheet(int(widthInches * dpi), int(heightInches * dpi), QImage::Format_RGB32);
    sheet.setDotsPerMeterX(int(std::lround(dpi / 0.0254)));
    sheet.setDotsPerMeterY(int(std::lround(dpi / 0.0254)));
    sheet.fill(Qt::white);
    return sheet;
}

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

QImage print(TCalendarPanel32 &page, double offsetX = 0, double offsetY = 0, int dpi = Dpi)
{
    const bool landscape = page.CalendarOrientation() == coLandscape;
    QImage sheet = blankSheet(landscape ? 11 : 8.5, landscape ? 8.5 : 11, dpi);
    QPainter painter(&sheet);
    ReportCanvas report(painter);
    page.PrintPage(report, offsetX, offsetY);
    painter.end();
    return sheet;
}

// Printer pixels of a page-pixel coordinate at 96 PPI.
int printed(int pagePixel, double offsetInches = 0, int dpi = Dpi)
{
    return int(std::lround((pagePixel / 96.0 + offsetInches) * dpi));
}

// The rightmost dark column in a rectangle of the sheet, or -1.
int rightmostInk(const QImage &sheet, const QRect &area)
{
    for (int x = area.right(); x >= area.left(); --x) {
        for (int y = area.top(); y <= area.bottom(); ++y) {
            if (qGray(sheet.pixel(x, y)) < 128)
                return x;
        }
    }
    return -1;
}

} // namespace

TEST(PagePrint, FrameAndGridAtTheirInchPositions)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.SetCalendarBorder(cbAll);
    page.SetCellBorder(cbAll);
    const PageRect box = page.CalendarRect();
    const QImage sheet = print(page);
    const int middle = printed((box.top + box.bottom) / 2);
    EXPECT_EQ(sheet.pixel(printed(box.left), middle), Black);
    EXPECT_EQ(sheet.pixel(printed(box.left) - 3, middle), White);

    const QImage shifted = print(page, 1.0, 0.5);
    EXPECT_EQ(shifted.pixel(printed(box.left, 1.0), printed((box.top + box.bottom) / 2, 0.5)),
              Black);
    EXPECT_EQ(shifted.pixel(printed(box.left), middle), White);
}

TEST(PagePrint, UpperRightNumbersStandOffTheRightEdge)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.SetCellBorder(cbNone);
    page.SetCalendarBorder(cbNone);
    const QImage sheet = print(page);
    const PageRect box = page.CalendarRect();
    const int left = printed(box.left);
    const int columnWidth = (printed(box.right) - 1 - left) / 7;
    // Column 3 (Wednesday) holds numbers in every row; its number boxes end 6 pixels
    // inside the column, and the numbers 0.05 inch (5 pixels) before that.
    const int boxRight = left + 4 * columnWidth - 6;
    const int cellsTop = printed(box.top) + 260;
    const QRect strip(boxRight - 15, cellsTop, 16, printed(box.bottom) - 10 - cellsTop);
    const int ink = rightmostInk(sheet, strip);
    ASSERT_GE(ink, 0);
    EXPECT_LE(ink, boxRight - 5);
    EXPECT_GE(ink, boxRight - 5 - 4);
}

TEST(PagePrint, PrintedTextIsFittedToItsBox)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.SetHeadersStyle(dsWhole);
    TFont big = page.HeadersFont();
    big.setSize(40);
    page.SetHeadersFont(big);
    page.SetHeadersBorder(cbNone);
    page.SetCellBorder(cbNone);
    page.SetCalendarBorder(cbNone);
    page.SetTitleShowYear(false);
    const QImage sheet = print(page);
    // Columns are 1 inch wide; "Wednesday" at 40 points is far wider. Nothing of a day
    // name may cross into the next column.
    const PageRect box = page.CalendarRect();
    const int column = (printed(box.right) - 1 - printed(box.left)) / 7;
    for (int k = 1; k < 7; ++k) {
        const int x = printed(box.left) + k * column;
        for (int y = printed(box.top) + 160; y < printed(box.top) + 295; ++y)
            EXPECT_GT(qGray(sheet.pixel(x, y)), 128) << "column " << k << " y " << y;
    }
}

TEST(PagePrint, FitTextDropsCharactersFromTheEnd)
{
    QImage image(10, 10, QImage::Format_RGB32);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    canvas.setFont(TFont(QStringLiteral("Times New Roman"), 12));
    const QString text = QStringLiteral("Wednesday");
    const int full = canvas.textWidth(text);
    EXPECT_EQ(fitText(canvas, text, full), text);
    const QString shorter = fitText(canvas, text, full - 1);
    EXPECT_TRUE(text.startsWith(shorter));
    EXPECT_LT(shorter.size(), text.size());
    EXPECT_LE(canvas.textWidth(shorter), full - 1);
    EXPECT_EQ(fitText(canvas, text, 0), QString());
}

TEST(PagePrint, PrintingLeavesTheScreenCellTableAlone)
{
    const TCalendarLayout layouts[] = {loFCMinisInTitleLS, loMC60Month, loWeek, loDay15};
    for (const TCalendarLayout layout : layouts) {
        TCalendarPanel32 page;
        prepare(page, layout);
        page.RenderToBitmap();
        const CellTable screen = page.cellTable();
        const QImage sheet = print(page);
        EXPECT_EQ(page.cellTable(), screen) << layout;
        // Something was printed inside the calendar or mini area.
        const PageRect area = page.ShowMiniCalendars() && !page.ShowMainCalendar()
                                  ? page.pageLayout().miniRect(1)
                                  : page.CalendarRect();
        EXPECT_EQ(sheet.pixel(printed(area.left), printed((area.top + area.bottom) / 2)), Black)
            << layout;
    }
}

TEST(PagePrint, CellTextsPrintIntoThePrintedFreeRectanglesLaidOutAtFullScale)
{
    struct Layout {
        QSize size;
        int zoomPercent = 0;
    };
    class Painter : public CellTextRenderer
    {
    public:
        explicit Painter(Layout &layout) : m_layout(layout) {}
        void loadRtf(const TWPRtfStorage &) override {}
        void setZoomPercent(int percent) override { m_layout.zoomPercent = percent; }
        void setPageSize(const QSize &size) override { m_layout.size = size; }
        void paint(QPainter &painter, const QRectF &target) override
        {
            painter.fillRect(target, Qt::red);
        }

    private:
        Layout &m_layout;
    };
    Layout layout;
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.setCellRenderer(std::make_unique<Painter>(layout));
    page.SetCellRtfText(11, TWPRtfStorage("{\\rtf1 Meeting\\par}"));
    // Shown at 60 % as the window does, then printed at full scale: the text is laid out
    // as the full-scale page lays it out, not at the size the screen last saw.
    page.SetZoom(0.6f);
    page.RenderToBitmap();
    page.SetZoom(1.0f);
    const QImage sheet = print(page);
    const PageRect free = page.computeCellTable().cell(11).rFree;
    EXPECT_EQ(layout.size, QSize(free.width() + 1, free.height() + 1));
    EXPECT_EQ(layout.zoomPercent, 100);
    const int x = printed((free.left + free.right) / 2);
    EXPECT_EQ(sheet.pixel(x, printed(free.bottom) - 10), qRgb(255, 0, 0));
    // Above the cell's number nothing is red.
    EXPECT_NE(sheet.pixel(x, printed(free.top) - 25), qRgb(255, 0, 0));
}

TEST(PagePrint, PlannerBodyKeepsItsWholeOutline)
{
    TCalendarPanel32 page;
    prepare(page, loWeek);
    // At 300 dpi the pen is 3 pixels wide.
    const QImage sheet = print(page, 0, 0, 300);
    const PageRect box = page.CalendarRect();
    const int middle = printed((box.top + box.bottom) / 2, 0, 300);
    const int left = printed(box.left, 0, 300);
    // The label column's fill must not cover the body's left edge.
    for (int x = left; x < left + 3; ++x)
        EXPECT_EQ(sheet.pixel(x, middle), Black) << x - left;
    EXPECT_EQ(sheet.pixel(left + 4, middle), White);
}

TEST(PagePrint, RichCellTextPrintsAtTheSizeOfItsCell)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.SetCellRtfText(11, TWPRtfStorage("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}"
                                          "\\fs24\\cf1\\b Meeting at the town hall\\par}"));
    page.RenderToBitmap();
    const int dpi = 600;
    const QImage sheet = print(page, 0, 0, dpi);
    const PageRect free = page.cellTable().cell(11).rFree;
    const QRect cell(QPoint(printed(free.left, 0, dpi), printed(free.top, 0, dpi)),
                     QPoint(printed(free.right, 0, dpi), printed(free.bottom, 0, dpi)));
    QRect red;
    for (int y = 0; y < sheet.height(); y += 2) {
        for (int x = 0; x < sheet.width(); x += 2) {
            const QRgb pixel = sheet.pixel(x, y);
            if (qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80)
                red |= QRect(x, y, 1, 1);
        }
    }
    ASSERT_FALSE(red.isEmpty());
    // The text is not resized a second time for the printer's resolution.
    const int slack = dpi / 20;
    EXPECT_TRUE(cell.adjusted(-slack, -slack, slack, slack).contains(red))
        << red.x() << "," << red.y() << " " << red.width() << "x" << red.height();
}

TEST(PagePrint, APageNeverPaintedPrintsItsCellTextsAsAPaintedOne)
{
    const TWPRtfStorage text("{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}\\fs24\\cf1\\b Dentist\\par}");
    const auto redArea = [](const QImage &sheet) {
        QRect red;
        for (int y = 0; y < sheet.height(); y += 2) {
            for (int x = 0; x < sheet.width(); x += 2) {
                const QRgb pixel = sheet.pixel(x, y);
                if (qRed(pixel) > 200 && qGreen(pixel) < 80 && qBlue(pixel) < 80)
                    red |= QRect(x, y, 1, 1);
            }
        }
        return red;
    };
    TCalendarPanel32 painted;
    prepare(painted, loFullCalendar);
    painted.SetCellRtfText(11, text);
    painted.RenderToBitmap();
    TCalendarPanel32 fresh;
    prepare(fresh, loFullCalendar);
    fresh.SetCellRtfText(11, text);
    const QRect expected = redArea(print(painted, 0, 0, 300));
    ASSERT_FALSE(expected.isEmpty());
    EXPECT_EQ(redArea(print(fresh, 0, 0, 300)), expected);
}

TEST(PagePrint, FreeformObjectsPrintWithThePagesOffsets)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    auto label = std::make_unique<TGPLabel>();
    label->SetCaption(QStringLiteral(" "));
    label->SetTransparent(false);
    label->SetBackColor(Colors::clRed);
    label->setPixelsPerInch(96);
    TGGraphicControl *object = page.appendObject(std::move(label));
    object->setBounds(96, 192, 48, 24);
    const QImage sheet = print(page, 0.25, 0.5);
    // One inch and two inches from the page's corner, plus the offsets.
    EXPECT_EQ(sheet.pixel(printed(100, 0.25), printed(200, 0.5)), qRgb(255, 0, 0));
    EXPECT_EQ(sheet.pixel(printed(90, 0.25), printed(200, 0.5)), White);
}

TEST(PagePrint, RowLinesRunThroughTheWeekNumbersAsOnTheScreen)
{
    TCalendarPanel32 page;
    prepare(page, loFullCalendar);
    page.SetCellBorder(cbAll);
    DocumentOptions options = page.options();
    PageOptions::setWeekNumbers(options, PageOptions::WeekNumbers::Iso);
    page.setOptions(options);
    const QImage sheet = print(page);
    // Between the frame and the first day's column, at the line under the first week.
    const CellRecord first = page.cellTable().cell(1);
    const CellRecord second = page.cellTable().cell(8);
    const int x = printed((page.CalendarRect().left + first.rTotal.left) / 2);
    int dark = 0;
    for (int y = printed(first.rTotal.bottom) - 4; y <= printed(second.rTotal.top) + 4; ++y)
        dark += qGray(sheet.pixel(x, y)) < 128;
    EXPECT_GT(dark, 0) << "a row line crosses the week numbers' column";
}
