// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// The page model on its own: this program starts a QGuiApplication and links no widgets.
#include <gtest/gtest.h>

#include "pagemodel/pagemodel.h"
#include "pagemodel/pagepainter.h"
#include "eventfill/eventfill.h"
#include "output/pageoutput.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "objects/tgplabel.h"
#include "graphics/reportcanvas.h"
#include "calendar/calendardates.h"
#include "calendar/pageoptions.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QPainter>
#include <QTemporaryDir>

#include <vector>

namespace {

const QByteArray Choir = "{\\rtf1\\fs28 Choir practice\\par}";

// A January 2027 month page with a day's text and a label.
void fillPage(PageModel &page)
{
    page.ResetToDefaults(QDate(2027, 1, 1));
    page.SetCalendarLayout(loFullCalendar);
    page.SetCellRtfText(page.CellOfDay(13), TWPRtfStorage(Choir));
    auto label = std::make_unique<TGPLabel>();
    // Named as reading names it, so the page reads back as it was written.
    label->setName(QStringLiteral("Component0"));
    label->SetCaption(QStringLiteral("Family"));
    label->SetFont(TFont(QStringLiteral("Liberation Sans"), 28, TFont::Style::Bold, 0xC00000));
    label->setBounds(160, 250, 241, 61);
    page.appendObject(std::move(label));
}

QByteArray bytesOf(const PageModel &page)
{
    const ObjectRecords::RecordList records(page.objects());
    return CalendarFile::documentBytes(page.document(), records.components());
}

CalendarFile::LoadOutcome load(PageModel &page, const QByteArray &bytes)
{
    PageDocument doc = page.document();
    std::vector<std::unique_ptr<TGGraphicControl>> objects;
    const CalendarFile::LoadOutcome outcome
        = CalendarFile::loadDocumentBytes(doc, bytes, nullptr, ObjectRecords::collectObjects(objects));
    if (outcome.ok) {
        page.applyDocument(doc);
        page.adoptReadObjects(std::move(objects));
    }
    return outcome;
}

// Pixels of the label's blue in an area of an image.
int bluePixels(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            count += qBlue(pixel) > 150 && qRed(pixel) < 80 && qGreen(pixel) < 80;
        }
    }
    return count;
}

} // namespace

TEST(PageModel, IsMadeLoadedChangedPaintedAndSavedWithoutAWidget)
{
    ASSERT_FALSE(QCoreApplication::instance()->inherits("QApplication"));
    PageModel original;
    fillPage(original);
    const QByteArray saved = bytesOf(original);

    PageModel page;
    page.setPixelsPerInch(original.pixelsPerInch());
    ASSERT_TRUE(load(page, saved).ok);
    ASSERT_EQ(page.objects().size(), 1u);
    EXPECT_EQ(page.GetCellRtfText(page.CellOfDay(13), {}).rtf(), Choir);
    EXPECT_EQ(bytesOf(page), saved);

    page.SetMainCalMonth(2);
    page.SetUserTitle(QStringLiteral("Our year"));
    const QImage image = PagePainter::renderPage(page);
    ASSERT_EQ(image.size(), page.paperRect().size());
    const QRect label = page.objects().front()->boundsRect();
    EXPECT_GT(bluePixels(image, label), 50);
    EXPECT_EQ(bluePixels(image, QRect(QPoint(0, 0), label.size())), 0);

    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QString error;
    ASSERT_TRUE(PageOutput::writePdf(page, 2, pdf, &error)) << qPrintable(error);
    EXPECT_TRUE(pdf.data().startsWith("%PDF"));
    EXPECT_EQ(page.MainCalMonth(), 2);

    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("year.OVF"));
    const ObjectRecords::RecordList records(page.objects());
    ASSERT_TRUE(CalendarFile::SaveDocument(page.document(), path, records.components()).ok);
    PageModel reread;
    reread.setPixelsPerInch(page.pixelsPerInch());
    QByteArray written;
    ASSERT_TRUE(CalendarFile::readFileBytes(path, written).ok);
    ASSERT_TRUE(load(reread, written).ok);
    EXPECT_EQ(reread.UserTitle(), QStringLiteral("Our year"));
    EXPECT_EQ(reread.MainCalMonth(), 2);
    EXPECT_EQ(bytesOf(reread), bytesOf(page));
}

TEST(PageModel, TellsItsViewWhatChanged)
{
    PageModel page;
    std::vector<PageModel::Change> changes;
    page.setChangeHandler([&](PageModel::Change change) { changes.push_back(change); });
    page.SetCalendarLayout(loWeek);
    page.SetTitleBGColor(Colors::clBlack);
    page.SetCellRtfText(1, TWPRtfStorage(Choir));
    EXPECT_EQ(changes, (std::vector{PageModel::Change::Layout, PageModel::Change::Content,
                                    PageModel::Change::Content}));
    changes.clear();
    // Values that stay as they are, and cells that do not exist, tell nothing.
    page.SetCalendarLayout(loWeek);
    page.SetTitleBGColor(Colors::clBlack);
    page.SetCellRtfText(43, TWPRtfStorage(Choir));
    EXPECT_TRUE(changes.empty());
}

TEST(PageModel, OptionsMoveThingsAndTravelWithTheSettings)
{
    PageModel page;
    std::vector<PageModel::Change> changes;
    page.setChangeHandler([&](PageModel::Change change) { changes.push_back(change); });
    DocumentOptions options;
    PageOptions::setWeekNumbers(options, PageOptions::WeekNumbers::Iso);
    page.setOptions(options);
    page.setOptions(options);
    EXPECT_EQ(changes, std::vector{PageModel::Change::Layout}) << "only a change is told";

    // The Properties dialog copies settings to its example page and back, style sheets
    // bring theirs: the options go along.
    PageModel example;
    example.AssignSettings(page);
    EXPECT_EQ(example.options(), options);
    PageModel styled;
    styled.applyStyle(page.document());
    EXPECT_EQ(styled.options(), options);
}

TEST(PageModel, TheZoomIsAViewOfTheCellsAndObjects)
{
    PageModel page;
    fillPage(page);
    TGGraphicControl &label = *page.objects().front();
    const QRectF pageBounds = label.pageBounds();
    const PageRect whole = page.cellTable().cell(10).rTotal;
    page.setZoom(0.5f);
    EXPECT_EQ(page.cellTable(), page.computeCellTable(0.5f));
    EXPECT_LT(page.cellTable().cell(10).rTotal.width(), whole.width() * 3 / 4);
    EXPECT_EQ(label.ZoomFactor(), 0.5f);
    EXPECT_EQ(page.paperRect().size(), page.sizeAtZoom(0.5f));
    // Objects appended later are shown at the zoom too.
    auto later = std::make_unique<TGPLabel>();
    later->setPixelsPerInch(page.pixelsPerInch());
    EXPECT_EQ(page.appendObject(std::move(later))->ZoomFactor(), 0.5f);
    page.setZoom(1.0f);
    EXPECT_EQ(page.cellTable().cell(10).rTotal, whole);
    EXPECT_EQ(label.pageBounds(), pageBounds);
    // Zooms that are not positive are refused.
    page.setZoom(0.0f);
    EXPECT_EQ(page.zoom(), 1.0f);
}

TEST(PagePainter, PaintingAndPrintingChangeNothing)
{
    PageModel page;
    fillPage(page);
    page.SetCalendarLayout(loFCMinisInTitleLS);
    page.setZoom(0.75f);
    const QByteArray before = bytesOf(page);
    const CellTable cells = page.cellTable();
    int changes = 0;
    page.setChangeHandler([&](PageModel::Change) { ++changes; });
    PagePainter::renderPage(page);
    PagePainter::composePage(page, QSize(300, 200), 2.0, PagePainter::CellMarks::Overflow);
    QImage printed(850, 1100, QImage::Format_RGB32);
    {
        QPainter painter(&printed);
        ReportCanvas report(painter);
        PagePainter::printPage(page, report, 0.1, 0.1);
    }
    EXPECT_EQ(changes, 0);
    EXPECT_EQ(page.cellTable(), cells);
    EXPECT_EQ(page.zoom(), 0.75f);
    EXPECT_EQ(page.objects().front()->ZoomFactor(), 0.75f);
    EXPECT_EQ(bytesOf(page), before);
}

TEST(EventFill, FillsTheCellsOfAModel)
{
    PageModel page;
    page.ResetToDefaults(QDate(2027, 1, 1));
    page.SetCalendarLayout(loFullCalendar);
    const QList<CalendarEvent> events{{QDate(2027, 1, 13), QStringLiteral("Choir"), true, QTime()},
                                      {QDate(2027, 2, 1), QStringLiteral("Elsewhere"), true, QTime()}};
    const EventFill::FillResult filled
        = EventFill::fillPage(page, EventFill::placements(page, events), QTextCharFormat());
    EXPECT_EQ(filled.appended, 1);
    EXPECT_TRUE(page.GetCellRtfText(page.CellOfDay(13), {}).rtf().contains("Choir"));
}

namespace {

// The number of pixels of a colour in a rectangle of an image.
int pixelsOf(const QImage &image, const QRect &rect, QRgb colour)
{
    int count = 0;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x)
            count += image.pixel(x, y) == colour;
    }
    return count;
}

} // namespace

TEST(PageModel, MarksTheHolidaysOfItsPlaceOnEveryMonthItShows)
{
    PageModel page;
    page.ResetToDefaults(QDate(2027, 5, 1));
    page.SetCalendarLayout(loFullCalendar);
    EXPECT_TRUE(page.dayMarks().isEmpty());

    DocumentOptions options;
    PageOptions::setHolidaysOf(options, "GB-ENG");
    page.setOptions(options);
    // May's two bank holidays; Mother's Day and other observances are no days off.
    EXPECT_EQ(page.dayMarks().days.keys().size(), 2);
    ASSERT_TRUE(page.dayMarks().find(QDate(2027, 5, 31)));
    EXPECT_EQ(page.dayMarks().find(QDate(2027, 5, 31))->holiday, "Spring bank holiday");

    // A page with minis marks their months too; changing the month moves the marks.
    page.SetCalendarLayout(loFCMinisInTitleLS);
    page.SetMainCalMonth(12);
    EXPECT_TRUE(page.dayMarks().find(QDate(2027, 12, 27)));
    EXPECT_FALSE(page.dayMarks().find(QDate(2027, 5, 31)));
    const PageModel::ShownDays shown = page.shownDays();
    for (const QDate &date : page.dayMarks().days.keys()) {
        EXPECT_GE(date, shown.first);
        EXPECT_LE(date, shown.last);
    }
    EXPECT_TRUE(page.dayMarks().find(QDate(2028, 1, 3))) << "the January mini's New Year substitute";

    // German names on a German page.
    PageOptions::setHolidaysOf(options, "DE");
    page.setOptions(options);
    page.setNames(languageNames(CalendarLanguage::German));
    page.RecalcLayout(false);
    EXPECT_EQ(page.dayMarks().find(QDate(2027, 12, 25))->holiday, "1. Weihnachtstag");
}

TEST(PagePainter, HolidayNumbersArePaintedInTheHolidayColourOnlyWhenAsked)
{
    PageModel page;
    page.ResetToDefaults(QDate(2027, 12, 1));
    page.SetCalendarLayout(loFullCalendar);
    const int christmas = page.CellOfDay(25);
    const int ordinary = page.CellOfDay(15);
    const QRgb red = QColor(Qt::red).rgb();
    const auto cellRect = [&page](int cell) { return page.cellTable().cell(cell).rTotal.toQRect(); };

    const QImage plain = PagePainter::renderPage(page);
    EXPECT_EQ(pixelsOf(plain, cellRect(christmas), red), 0);

    DocumentOptions options;
    PageOptions::setHolidaysOf(options, "US");
    PageOptions::setHolidayNames(options, true);
    page.setOptions(options);
    const QImage marked = PagePainter::renderPage(page);
    EXPECT_GT(pixelsOf(marked, cellRect(christmas), red), 20);
    EXPECT_EQ(pixelsOf(marked, cellRect(ordinary), red), 0);
    // Everything but the holidays' cells is painted as before.
    QImage masked = marked;
    QPainter painter(&masked);
    for (const QDate &date : page.dayMarks().days.keys()) {
        if (date.month() == 12)
            painter.fillRect(cellRect(page.CellOfDay(date.day())), Qt::white);
    }
    painter.end();
    QImage plainMasked = plain;
    QPainter plainPainter(&plainMasked);
    for (const QDate &date : page.dayMarks().days.keys()) {
        if (date.month() == 12)
            plainPainter.fillRect(cellRect(page.CellOfDay(date.day())), Qt::white);
    }
    plainPainter.end();
    EXPECT_EQ(masked, plainMasked);

    // Sundays too, in another colour.
    PageOptions::setHolidaySundays(options, true);
    PageOptions::setHolidayColour(options, Colors::clBlue);
    page.setOptions(options);
    const QImage sundays = PagePainter::renderPage(page);
    EXPECT_GT(pixelsOf(sundays, cellRect(page.CellOfDay(5)), QColor(Qt::blue).rgb()), 20) << "5 December 2027 is a Sunday";
}

TEST(PageModel, WeekNumbersMoveTheCellsOnlyWhenOn)
{
    PageModel page;
    page.ResetToDefaults(QDate(2021, 1, 1));
    page.SetCalendarLayout(loFCMinisInTitle);
    const CellTable plain = page.cellTable();
    const QByteArray plainBytes = bytesOf(page);
    const DocumentOptions original = page.options();
    DocumentOptions options = original;
    PageOptions::setWeekNumbers(options, PageOptions::WeekNumbers::Iso);
    page.setOptions(options);
    EXPECT_GT(page.cellTable().cell(1).rTotal.left, plain.cell(1).rTotal.left);
    EXPECT_EQ(page.cellTable().cell(1).rTotal.top, plain.cell(1).rTotal.top);
    // The painted cells are the ones the model keeps, so clicks land where days are drawn.
    QImage image = PagePainter::renderPage(page);
    ASSERT_FALSE(image.isNull());
    PageModel reread;
    ASSERT_TRUE(load(reread, bytesOf(page)).ok);
    EXPECT_EQ(PageOptions::weekNumbers(reread.options()), PageOptions::WeekNumbers::Iso);
    EXPECT_EQ(reread.cellTable(), page.cellTable());
    // Off again: the cells and the saved bytes are what they were before.
    page.setOptions(original);
    EXPECT_EQ(page.cellTable(), plain);
    EXPECT_EQ(bytesOf(page), plainBytes);
}

TEST(PageModel, MoonPhasesMarkTheDaysShownWhenOn)
{
    qputenv("TZ", "UTC");
    tzset();
    PageModel page;
    page.ResetToDefaults(QDate(2024, 1, 1));
    page.SetCalendarLayout(loFC6Before6After);
    EXPECT_TRUE(page.dayMarks().isEmpty());
    DocumentOptions options;
    PageOptions::setMoonPhases(options, true);
    page.setOptions(options);
    const DayMarks &marks = page.dayMarks();
    ASSERT_TRUE(marks.find(QDate(2024, 1, 11)));
    EXPECT_EQ(marks.find(QDate(2024, 1, 11))->moon, MoonPhase::New);
    EXPECT_EQ(marks.find(QDate(2024, 1, 25))->moon, MoonPhase::Full);
    // The minis' months (July 2023 .. July 2024) are marked too, nothing beyond them.
    EXPECT_EQ(marks.find(QDate(2023, 7, 3))->moon, MoonPhase::Full);
    EXPECT_FALSE(marks.find(QDate(2024, 1, 12)));
    const auto [first, last] = page.shownDays();
    EXPECT_EQ(first, QDate(2023, 7, 1));
    EXPECT_EQ(last, QDate(2024, 7, 31));
    for (auto it = marks.days.cbegin(); it != marks.days.cend(); ++it)
        EXPECT_TRUE(it.key() >= first && it.key() <= last);
    // Another month recomputes them; a week planner marks its own days.
    page.SetMainCalMonth(2);
    EXPECT_EQ(page.dayMarks().find(QDate(2024, 2, 9))->moon, MoonPhase::New);
    page.SetCalendarLayout(loWeek);
    page.SetMainCalDay(14);
    EXPECT_EQ(page.shownDays().first, QDate(2024, 2, 14));
    EXPECT_EQ(page.shownDays().last, QDate(2024, 2, 20));
    EXPECT_EQ(page.dayMarks().find(QDate(2024, 2, 16))->moon, MoonPhase::FirstQuarter);
    page.setOptions(DocumentOptions());
    EXPECT_TRUE(page.dayMarks().isEmpty());
}

TEST(PageModel, NewPagesWriteTheirDatesAsTheirLanguageDoes)
{
    PageModel page;
    page.ResetToDefaults(QDate(2026, 12, 28));
    EXPECT_TRUE(PageOptions::localeDates(page.options()));
    page.setNames(languageNames(CalendarLanguage::German));
    page.SetCalendarLayout(lo2Week);
    EXPECT_EQ(page.titleText(), QStringLiteral("28. Dezember 2026 \u2013 10. Januar 2027"));
    const PlannerLabels labels = page.plannerLabels();
    EXPECT_EQ(labels.first.mid(0, 3), QStringList({"Mo", "Di", "Mi"}));
    EXPECT_EQ(labels.first.last(), QStringLiteral("Notizen"));
    // The cells still know their days, though the labels no longer start with them.
    EXPECT_EQ(page.cellTable().cell(5).iDay, 1);
    EXPECT_EQ(page.cellDate(5), QDate(2027, 1, 1));

    page.SetCalendarLayout(loDay10);
    page.SetMainCalYear(2027);
    page.SetMainCalMonth(1);
    page.SetMainCalDay(25);
    page.SetDayPlannerStartTime(EncodeTime(18, 0));
    EXPECT_EQ(page.titleText(), QStringLiteral("Montag, 25. Januar 2027"));
    EXPECT_EQ(page.plannerLabels().first.first(), QStringLiteral("18:00"));

    // The same page without the option shows what older versions showed.
    DocumentOptions classic = page.options();
    PageOptions::setLocaleDates(classic, false);
    page.setOptions(classic);
    EXPECT_EQ(page.titleText(), QStringLiteral("Montag, Januar 25, 2027"));
    EXPECT_EQ(page.plannerLabels().first.last(), QStringLiteral("Notes"));
    page.SetCalendarLayout(lo2Week);
    page.SetMainCalYear(2026);
    page.SetMainCalMonth(12);
    page.SetMainCalDay(28);
    EXPECT_EQ(page.titleText(), QStringLiteral("Dezember 28, 2026 - Januar 10, 2027"));
    EXPECT_EQ(page.cellTable().cell(5).iDay, 1);
}
