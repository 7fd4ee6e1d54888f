// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakeobjecthost.h"
#include "objects/flatcalendargeometry.h"
#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "calendar/calendarnames.h"
#include "calendar/calendartexts.h"
#include "graphics/canvas.h"
#include "graphics/fontcache.h"
#include "graphics/reportcanvas.h"

#include <QImage>
#include <QPainter>

namespace {

const QRgb White = qRgb(255, 255, 255);
const QRgb Black = qRgb(0, 0, 0);
const QDate January1997(1997, 1, 15);

QImage paint(TGFlatCalendar &calendar, QRgb page = White)
{
    QImage image(calendar.Width() + 10, calendar.Height() + 10, QImage::Format_RGB32);
    image.fill(page);
    QPainter painter(&image);
    Canvas canvas(painter, 96);
    calendar.PaintToCanvas(canvas, 0, 0);
    return image;
}

TGFlatCalendar &prepared(TGFlatCalendar &calendar, int width = 210, int height = 180)
{
    calendar.setPixelsPerInch(96);
    calendar.setBounds(0, 0, width, height);
    return calendar;
}

} // namespace

TEST(TGFlatCalendar, NewCalendarShowsTheMonthOfToday)
{
    std::unique_ptr<TGGraphicControl> object
        = toolObject("TGFlatCalendar", TFont(), QDate(2031, 7, 4));
    auto *calendar = dynamic_cast<TGFlatCalendar *>(object.get());
    ASSERT_TRUE(calendar);
    EXPECT_EQ(calendar->className(), QStringLiteral("TGFlatCalendar"));
    EXPECT_EQ(calendar->Month(), 7);
    EXPECT_EQ(calendar->Year(), 2031);
    EXPECT_EQ(menuCaptions(calendar->popupMenu()).mid(12), QStringList({"-", "Properties"}));
}

TEST(TGFlatCalendar, SettersIgnoreValuesOutOfRange)
{
    TGFlatCalendar calendar(January1997);
    FakeObjectHost host;
    calendar.setHost(&host);
    calendar.SetStartOfWeek(2);
    calendar.SetStartOfWeek(3);
    calendar.SetStartOfWeek(0);
    EXPECT_EQ(calendar.StartOfWeek(), 2);
    calendar.SetShadowDepth(10);
    calendar.SetShadowDepth(11);
    EXPECT_EQ(calendar.ShadowDepth(), 10);
    const int repaints = host.invalidations;
    calendar.SetShadowDepth(10);
    EXPECT_EQ(host.invalidations, repaints);
    calendar.SetMonth(2);
    EXPECT_EQ(host.invalidations, repaints + 1);
    // Property changes repaint; the editor's OK reports the change, not the setters.
    EXPECT_EQ(host.changed, 0);
}

TEST(FlatCalendarGeometry, ShadowBoxesByPosition)
{
    const FlatCalendarBoxes lowerRight = flatCalendarBoxes(100, 80, 6, fcpLowerRight);
    EXPECT_EQ(lowerRight.calendar, (PageRect{0, 0, 94, 74}));
    EXPECT_EQ(lowerRight.shadow, (PageRect{6, 6, 100, 80}));
    EXPECT_EQ(flatCalendarBoxes(100, 80, 6, fcpLowerLeft).calendar, (PageRect{6, 0, 100, 74}));
    EXPECT_EQ(flatCalendarBoxes(100, 80, 6, fcpUpperRight).shadow, (PageRect{6, 0, 100, 74}));
    EXPECT_EQ(flatCalendarBoxes(100, 80, 6, fcpUpperLeft).shadow, (PageRect{0, 0, 94, 74}));
    const FlatCalendarBoxes none = flatCalendarBoxes(100, 80, 0, fcpUpperLeft);
    EXPECT_FALSE(none.hasShadow);
    EXPECT_EQ(none.calendar, (PageRect{0, 0, 100, 80}));
}

TEST(FlatCalendarGeometry, TitleBandKeepsOneLineOfTitleText)
{
    // 17 % of a 300-pixel box is 50; a box 40 high would give 6, below one line of 14.
    const MonthBoxGeometry tall = layoutFlatCalendarMonth({0, 0, 200, 301}, 14, 11);
    EXPECT_EQ(tall.title, (PageRect{0, 0, 199, 51}));
    EXPECT_EQ(tall.dayBand, (PageRect{0, 51, 199, 51 + 16}));
    const MonthBoxGeometry small = layoutFlatCalendarMonth({10, 10, 80, 50}, 14, 11);
    EXPECT_EQ(small.title.height(), 14);
    EXPECT_EQ(small.dayBand.top, 24);
    // A day number's box is one pixel taller than the page's.
    EXPECT_EQ(flatCalendarNumberBox(tall, 9).height(), tall.numberBox(9).height() + 1);
}

TEST(TGFlatCalendar, ShadowOffsetScalesWithTheZoom)
{
    TGFlatCalendar calendar(January1997);
    calendar.setZoomFactor(1.5f);
    prepared(calendar, 150, 150);
    calendar.SetShadowDepth(4);
    calendar.SetShadowColor(Colors::clRed);
    calendar.SetCalendarBorderStyle(fcbNone);
    const QImage image = paint(calendar);
    const QRgb red = qRgb(255, 0, 0);
    // The calendar ends 6 pixels before the right and bottom edges; the shadow fills them.
    EXPECT_EQ(image.pixel(145, 100), red);
    EXPECT_EQ(image.pixel(143, 100), White);
    EXPECT_EQ(image.pixel(100, 145), red);
    EXPECT_EQ(image.pixel(3, 146), White);
    EXPECT_EQ(image.pixel(146, 3), White);
}

TEST(TGFlatCalendar, TransparentDrawsOnlyLinesAndTexts)
{
    TGFlatCalendar calendar(January1997);
    prepared(calendar);
    calendar.SetCalTransparent(true);
    calendar.SetShadowDepth(5);
    calendar.SetTitleBGcolor(Colors::clBlue);
    calendar.SetDayNameBGColor(Colors::clBlue);
    calendar.SetBackgroundcolor(Colors::clBlue);
    const QRgb page = qRgb(0, 200, 0);
    const QImage image = paint(calendar, page);
    int pagePixels = 0;
    int otherPixels = 0;
    for (int y = 0; y < calendar.Height(); ++y) {
        for (int x = 0; x < calendar.Width(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            EXPECT_NE(pixel, qRgb(0, 0, 255));
            (pixel == page ? pagePixels : otherPixels)++;
        }
    }
    EXPECT_GT(otherPixels, 0);
    EXPECT_GT(pagePixels, 5 * otherPixels);
    // The frame is still drawn at the very edge, and no shadow lies beside it.
    EXPECT_EQ(image.pixel(0, 100), Black);
    EXPECT_EQ(image.pixel(calendar.Width() - 1, 100), Black);

    calendar.SetCalTransparent(false);
    const QImage opaque = paint(calendar, page);
    EXPECT_EQ(opaque.pixel(2, calendar.Height() - 10), qRgb(0, 0, 255));
}

TEST(TGFlatCalendar, DrawsTheDayNumbersOfItsMonth)
{
    // January 1997 starts on a Wednesday: with a Sunday start the 1st is in column 3.
    TGFlatCalendar calendar(January1997);
    prepared(calendar, 211, 200);
    calendar.SetCellBorderStyle(fcbAll);
    const QImage image = paint(calendar);
    const TFont titleFont = TFont(QStringLiteral("Arial"), 8);
    const MonthBoxGeometry g = layoutFlatCalendarMonth(
        {0, 0, 211, 200}, FontCache::font(titleFont, 96).height(), titleFont.pixelSizeAt(96));
    const auto hasInk = [&image](const PageRect &box) {
        for (int y = box.top; y < box.bottom; ++y) {
            for (int x = box.left; x < box.right; ++x) {
                if (image.pixel(x, y) != White)
                    return true;
            }
        }
        return false;
    };
    EXPECT_FALSE(hasInk(flatCalendarNumberBox(g, 3)));
    EXPECT_TRUE(hasInk(flatCalendarNumberBox(g, 4)));
    EXPECT_TRUE(hasInk(flatCalendarNumberBox(g, 34)));
    EXPECT_FALSE(hasInk(flatCalendarNumberBox(g, 35)));
    // Grid lines at the column edges.
    EXPECT_EQ(image.pixel(g.columnLineX(1), g.cellTop + 3), Black);
}

TEST(TGFlatCalendar, TextsComeFromTheLanguageTables)
{
    TGFlatCalendar calendar(January1997);
    calendar.SetLanguage(fclGerman);
    calendar.SetDayNameStyle(fdsWhole);
    EXPECT_EQ(calendar.dayNameLabel(5), QStringLiteral("Freitag "));
    calendar.SetStartOfWeek(2);
    EXPECT_EQ(calendar.dayNameLabel(4), QStringLiteral("Freitag "));
    EXPECT_EQ(calendar.dayNameLabel(6), QStringLiteral("Sonntag"));
    calendar.SetDayNameStyle(fdsThreeChars);
    EXPECT_EQ(calendar.dayNameLabel(0), QStringLiteral("Mon"));

    calendar.SetLanguage(fclFrench);
    calendar.SetMonth(8);
    EXPECT_EQ(calendar.titleText(), QStringLiteral("Août"));
    calendar.SetShowYear(true);
    EXPECT_EQ(calendar.titleText(), QStringLiteral("Août 1997"));
    calendar.SetLanguage(fclSpanish);
    calendar.SetDayNameStyle(fdsFirstChar);
    EXPECT_EQ(calendar.dayNameLabel(2), QStringLiteral("M"));
}

TEST(TGFlatCalendar, EditorSeesTheObjectAtZoomOneAndOkCopiesBack)
{
    TGFlatCalendar calendar(January1997);
    FakeObjectHost host;
    calendar.setZoomFactor(0.5f);
    prepared(calendar, 100, 60);
    calendar.setHost(&host);
    calendar.AfterLoad();
    calendar.SetShowYear(true);
    FakeObjectEditors editors;
    editors.flatCalendar = [](TGFlatCalendar &sample) {
        EXPECT_EQ(sample.boundsRect().size(), QSize(200, 120));
        EXPECT_TRUE(sample.ShowYear());
        sample.SetMonth(5);
        sample.SetLanguage(fclSpanish);
        sample.setBounds(0, 0, 10, 10);
        return true;
    };
    ASSERT_TRUE(runMenuEntry(calendar, QStringLiteral("Properties")));
    EXPECT_EQ(calendar.Month(), 5);
    EXPECT_EQ(calendar.Language(), fclSpanish);
    EXPECT_EQ(calendar.boundsRect().size(), QSize(100, 60));
    EXPECT_EQ(host.changed, 1);

    editors.flatCalendar = [](TGFlatCalendar &sample) {
        sample.SetMonth(9);
        return false;
    };
    EXPECT_FALSE(calendar.EditProperties());
    EXPECT_EQ(calendar.Month(), 5);
}

TEST(TGFlatCalendar, OddValuesFromAFileDrawWithoutFailing)
{
    TGFlatCalendar calendar(January1997);
    prepared(calendar, 12, 9);
    calendar.SetMonth(13);
    calendar.SetYear(-5);
    calendar.SetCalendarBorderStyle(static_cast<TFlatCalBorderStyle>(42));
    calendar.SetDayNameStyle(static_cast<TFlatCalHeadersStyle>(7));
    calendar.SetShadowDepth(3);
    calendar.SetShadowPosition(static_cast<TFlatShadowPosition>(-1));
    EXPECT_TRUE(calendar.titleText().isEmpty());
    // An unknown shadow position falls to the lower right.
    const QImage image = paint(calendar);
    EXPECT_EQ(image.pixel(11, 8), Black);
    EXPECT_EQ(image.pixel(1, 8), White);
}

TEST(TGFlatCalendar, PrintsIntoItsInchRectangle)
{
    TGFlatCalendar calendar(January1997);
    prepared(calendar, 96, 96);
    calendar.setBounds(48, 48, 96, 96);
    calendar.SetTitleBGcolor(Colors::clRed);
    QImage page(300, 300, QImage::Format_RGB32);
    page.fill(Qt::white);
    {
        QPainter painter(&page);
        ReportCanvas report(painter);
        calendar.PrintTo(report, 0.25, 0.0);
    }
    // (0.75, 0.5) to (1.75, 1.5) inches at 96 dots per inch: the frame and the red title.
    EXPECT_EQ(page.pixel(72, 100), Black);
    EXPECT_EQ(page.pixel(70, 100), White);
    EXPECT_EQ(page.pixel(74, 50), qRgb(255, 0, 0));
    EXPECT_EQ(page.pixel(100, 146), White);
}

TEST(TGFlatCalendar, WeekNumbersTakeAColumnLeftOfTheDaysAndCopyWithTheProperties)
{
    TGFlatCalendar calendar(January1997);
    prepared(calendar, 280, 200);
    const QImage plain = paint(calendar);
    calendar.setWeekNumbers(PageOptions::WeekNumbers::Iso);
    const QImage numbered = paint(calendar);
    EXPECT_NE(numbered, plain);
    // The day names' band keeps its place; the days move right of the numbers' column.
    EXPECT_EQ(numbered.copy(0, 0, 280, 20), plain.copy(0, 0, 280, 20));

    TGFlatCalendar copy(January1997);
    copy.assignProperties(calendar);
    EXPECT_EQ(copy.weekNumbers(), PageOptions::WeekNumbers::Iso);
    prepared(copy, 280, 200);
    EXPECT_EQ(paint(copy), numbered);
}
