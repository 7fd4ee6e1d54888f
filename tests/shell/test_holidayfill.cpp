// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
// "Fill Calendar with Holidays...": a place's holidays placed in the day cells by date.
#include "mainwindowfixture.h"

#include "calendar/pageoptions.h"
#include "page/calpanel32.h"
#include "recurringdialogs/countryholidays.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"
#include "shell/documentwiring.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QListWidget>
#include <QTextDocument>

namespace {

class HolidayFill : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        connectDocuments(window());
        m_dialogs->onDialog = [this](QDialog &d) {
            auto *dialog = dynamic_cast<TCountryHolidays *>(&d);
            if (!dialog)
                return int(QDialog::Rejected);
            startPlace = dialog->place();
            if (!choosePlace.isEmpty()) {
                QString country;
                QString region;
                HolidayFiles::splitPlace(choosePlace, &country, &region);
                dialog->countryBox()->setCurrentIndex(dialog->countryBox()->findData(country));
                dialog->regionBox()->setCurrentIndex(dialog->regionBox()->findData(region));
            }
            dialog->localNamesBox()->setChecked(localNames);
            offered.clear();
            for (int row = 0; row < dialog->list()->count(); ++row)
                offered.append((dialog->list()->item(row)->isSelected() ? "+ " : "- ")
                               + dialog->list()->item(row)->text());
            dialog->OkClick();
            return dialog->result();
        };
        window().FormActivate();
        QCoreApplication::sendPostedEvents();
        window().setPageShown(true);
    }

    TCalendarPanel32 &page() { return window().CalendarPanel(); }

    void fill()
    {
        action("mnuFillCalendarwithHolidays")->trigger();
        QCoreApplication::processEvents();
    }

    void newPage(TCalendarLayout layout, const QDate &date)
    {
        page().SetCalendarLayout(layout);
        page().SetMainCalYear(date.year());
        page().SetMainCalMonth(date.month());
        page().SetMainCalDay(date.day());
        page().RenderToBitmap();
        window().SetButtons();
    }

    QString cellText(int cell)
    {
        QTextDocument text;
        RtfReader::read(page().GetCellRtfText(cell, TWPRtfStorage()).rtf(), text);
        return text.toPlainText();
    }

    QString startPlace;
    QString choosePlace;
    bool localNames = true;
    QStringList offered;
};

} // namespace

TEST_F(HolidayFill, FillsThePagesMonthWithThePagesPlaceOnceAsOneUndoStep)
{
    newPage(loFullCalendar, QDate(2026, 12, 1));
    DocumentOptions options;
    PageOptions::setHolidaysOf(options, "DE-BY");
    page().model().setOptions(options);
    window().SetModified(false);
    fill();
    EXPECT_EQ(startPlace, "DE-BY") << "the page's own place comes first";
    // Days off are chosen at first, observances offered unchosen.
    EXPECT_TRUE(offered.filter("1. Weihnachtstag").value(0).startsWith("+ ")) << qPrintable(offered.join('\n'));
    EXPECT_TRUE(offered.filter("2. Advent").value(0).startsWith("- ")) << qPrintable(offered.join('\n'));
    EXPECT_EQ(cellText(page().CellOfDay(25)), "1. Weihnachtstag");
    EXPECT_TRUE(cellText(page().CellOfDay(6)).isEmpty()) << "unchosen observances stay out";
    EXPECT_TRUE(window().Modified());
    EXPECT_EQ(window().preferences().holidayPlace, "DE-BY");

    // Again: nothing twice. Undo takes the whole fill back.
    fill();
    EXPECT_EQ(cellText(page().CellOfDay(25)), "1. Weihnachtstag");
    action("mnuUndo")->trigger();
    EXPECT_TRUE(cellText(page().CellOfDay(25)).isEmpty());
    EXPECT_TRUE(cellText(page().CellOfDay(26)).isEmpty());
}

TEST_F(HolidayFill, APlannerAcrossTheYearsEndTakesTheHolidaysOfItsOwnDays)
{
    newPage(loWeek, QDate(2026, 12, 28));
    choosePlace = "US";
    localNames = false;
    fill();
    // Monday 28 December to Sunday 3 January: New Year's Day on the Friday.
    EXPECT_EQ(offered.filter("New Year's Day").size(), 1) << qPrintable(offered.join('\n'));
    EXPECT_TRUE(offered.filter("Christmas").isEmpty()) << "Christmas is before the page's days";
    bool placed = false;
    for (int cell = 1; cell <= CellCount; ++cell)
        placed = placed || (cellText(cell) == "New Year's Day" && page().model().cellDate(cell) == QDate(2027, 1, 1));
    EXPECT_TRUE(placed);
    // The last place chosen comes first next time, on a page without a place of its own.
    newPage(loFullCalendar, QDate(2027, 5, 1));
    choosePlace.clear();
    fill();
    EXPECT_EQ(startPlace, "US");
    EXPECT_EQ(cellText(page().CellOfDay(31)), "Memorial Day");
}
