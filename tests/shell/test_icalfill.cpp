// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"
#include "mainwindowfixture.h"

#include "calendar/calendardates.h"
#include "calendar/calendarnames.h"
#include "page/calpanel32.h"
#include "recurringdialogs/checkmarklistdialog.h"
#include "recurring/recurringentry.h"
#include "recurring/recurringstore.h"
#include "richtext/rtfreader.h"
#include "richtext/rtfstorage.h"
#include "cells/cellediting.h"
#include "richedit/twprichtext.h"
#include "shell/cellwiring.h"
#include "shell/documentwiring.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileDialog>
#include <QListWidget>
#include <QTextDocument>

namespace {

class ICalendarFill : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        connectDocuments(window());
        m_dialogs->onDialog = [this](QDialog &d) {
            if (FileDialogs::isFileDialog(d)) {
                startFolder = FileDialogs::folder(d);
                FileDialogs::choose(d, chosenFile);
                return int(QDialog::Accepted);
            }
            if (auto *list = dynamic_cast<CheckMarkListDialog *>(&d)) {
                offered.clear();
                for (int row = 0; row < list->list()->count(); ++row) {
                    offered.append(list->list()->item(row)->text());
                    if (row >= chooseFirst)
                        list->list()->item(row)->setSelected(false);
                }
                list->OkClick();
                return list->result();
            }
            return int(QDialog::Rejected);
        };
        window().FormActivate();
        // The rest of the start comes once the document shows.
        QCoreApplication::sendPostedEvents();
        window().setPageShown(true);
    }

    TCalendarPanel32 &page() { return window().CalendarPanel(); }

    void writeCalendar(const QStringList &events)
    {
        chosenFile = files.filePath(QStringLiteral("family.ics"));
        QFile file(chosenFile);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(("BEGIN:VCALENDAR\r\nVERSION:2.0\r\n" + events.join(QString()) + "END:VCALENDAR\r\n").toUtf8());
    }

    static QString event(const QString &uid, const QString &start, const QString &summary)
    {
        return QStringLiteral("BEGIN:VEVENT\r\nUID:%1\r\nDTSTART%2\r\nSUMMARY:%3\r\nEND:VEVENT\r\n")
            .arg(uid, start, summary);
    }

    QString cellText(int cell)
    {
        QTextDocument text;
        RtfReader::read(page().GetCellRtfText(cell, TWPRtfStorage()).rtf(), text);
        return text.toPlainText();
    }

    void fill()
    {
        action("mnuFillCalendarFromICalendarFile")->trigger();
        // The undo step is recorded once the command's changes are all in.
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

    QString chosenFile;
    QString startFolder;
    QStringList offered;
    int chooseFirst = 1000;
    QTemporaryDir files;
};

QString at(int hour, const QString &summary)
{
    return SlotTimeLabel(EncodeTime(hour, 0), localeAmText(), localePmText()) + QLatin1Char(' ') + summary;
}

} // namespace

TEST_F(ICalendarFill, FillsAMonthOnceAsOneUndoStep)
{
    newPage(loFullCalendar, QDate(2026, 12, 1));
    ASSERT_TRUE(action("mnuFillCalendarFromICalendarFile")->isEnabled());
    writeCalendar({event("a", ":20261204T190000", "Club night"), event("b", ";VALUE=DATE:20261224", "Eve"),
                   event("c", ":20261224T150000", "Carols"), event("d", ":20270101T100000", "Next year")});
    window().SetModified(false);
    fill();
    EXPECT_EQ(offered.size(), 3) << "only the page's month is offered";
    EXPECT_EQ(cellText(page().CellOfDay(4)), at(19, QStringLiteral("Club night")));
    EXPECT_EQ(cellText(page().CellOfDay(24)), QStringLiteral("Eve\n") + at(15, QStringLiteral("Carols")));
    EXPECT_TRUE(window().Modified());
    EXPECT_EQ(ini().readString(QStringLiteral("iCalendar"), QStringLiteral("Folder"), QString()), files.path());

    // The same file again adds nothing; the next file dialog starts where the last one ended.
    fill();
    EXPECT_EQ(startFolder, files.path());
    EXPECT_EQ(cellText(page().CellOfDay(24)), QStringLiteral("Eve\n") + at(15, QStringLiteral("Carols")));

    action("mnuUndo")->trigger();
    EXPECT_TRUE(cellText(page().CellOfDay(4)).isEmpty());
    EXPECT_TRUE(cellText(page().CellOfDay(24)).isEmpty());

    chooseFirst = 1;
    fill();
    EXPECT_EQ(cellText(page().CellOfDay(4)), at(19, QStringLiteral("Club night")));
    EXPECT_TRUE(cellText(page().CellOfDay(24)).isEmpty()) << "only the chosen event is placed";

    newPage(loMC12Month, QDate(2026, 12, 1));
    EXPECT_FALSE(action("mnuFillCalendarFromICalendarFile")->isEnabled());
}

TEST_F(ICalendarFill, PlannersTakeEventsInTheirDaysAndHours)
{
    writeCalendar({event("a", ":20261229T093000", "Dentist"), event("b", ";VALUE=DATE:20261229", "Holiday"),
                   event("c", ":20261229T060000", "Early train"), event("d", ":20270102T200000", "Party"),
                   event("e", ":20270110T200000", "Later")});
    newPage(loDay10, QDate(2026, 12, 29));
    page().SetDayPlannerStartTime(EncodeTime(8, 0));
    fill();
    EXPECT_EQ(cellText(2), SlotTimeLabel(EncodeTime(9, 30), localeAmText(), localePmText()) + " Dentist");
    EXPECT_EQ(cellText(11), QStringLiteral("Holiday\n") + at(6, QStringLiteral("Early train")))
        << "all-day events and those before the first hour go into Notes";

    page().ClearAllCells();
    newPage(loWeek, QDate(2026, 12, 28));
    fill();
    EXPECT_EQ(cellText(2), QStringLiteral("Holiday\n") + at(6, QStringLiteral("Early train")) + "\n"
                               + SlotTimeLabel(EncodeTime(9, 30), localeAmText(), localePmText()) + " Dentist");
    EXPECT_EQ(cellText(6), at(20, QStringLiteral("Party"))) << "the week runs into the next year";
    EXPECT_EQ(offered.size(), 4);
}

TEST_F(ICalendarFill, ADamagedFileSaysWhyAndChangesNothing)
{
    newPage(loFullCalendar, QDate(2026, 12, 1));
    chosenFile = files.filePath(QStringLiteral("broken.ics"));
    QFile file(chosenFile);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("BEGIN:VCALENDAR\r\nBEGIN:VEVENT\r\nDTSTART:20261204T190000\r\nSUMMARY:Cut");
    file.close();
    window().SetModified(false);
    fill();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.first().text.contains(QStringLiteral("broken.ics")));
    EXPECT_TRUE(m_dialogs->messages.first().text.contains(QStringLiteral("cut off")));
    EXPECT_FALSE(window().Modified());
    EXPECT_TRUE(cellText(page().CellOfDay(4)).isEmpty());
}

TEST_F(ICalendarFill, EventsCutShortAreSaidAndTheRestIsOffered)
{
    newPage(loFullCalendar, QDate(2026, 12, 1));
    writeCalendar({event("a", ":20261204T190000", "Club night"),
                   QStringLiteral("BEGIN:VEVENT\r\nUID:c\r\nDTSTART:19000101T090000\r\nRRULE:FREQ=DAILY;COUNT=100000\r\n"
                                  "SUMMARY:Counted\r\nEND:VEVENT\r\n")});
    fill();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.first().text.startsWith(QStringLiteral("One of the file's events")));
    EXPECT_EQ(offered.size(), 1);
    EXPECT_EQ(cellText(page().CellOfDay(4)), at(19, QStringLiteral("Club night")));
}

TEST_F(ICalendarFill, RecurringDatesGoOnThePlannersCellsOfTheirOwnDates)
{
    // The recurring fill places as the iCalendar fill does: by date, into a day planner's Notes.
    ASSERT_TRUE(RecurringStore::save(RecurringStore::datesFilePath(),
                                     {RecurringEntry::makeLine(QStringLiteral("New Year's Day"), QStringLiteral("@0101")),
                                      RecurringEntry::makeLine(QStringLiteral("Mondays"), QStringLiteral("%2")),
                                      RecurringEntry::makeLine(QStringLiteral("Eve"), QStringLiteral("@1231"))})
                    .isEmpty());
    const auto fillRecurring = [this] {
        action("mnuFillCalendarwithRecurringDates")->trigger();
        QCoreApplication::processEvents();
    };
    // Two weeks from Monday 22 December 2025.
    newPage(lo2Week, QDate(2025, 12, 22));
    fillRecurring();
    EXPECT_EQ(cellText(1), QStringLiteral("Mondays"));
    EXPECT_EQ(cellText(8), QStringLiteral("Mondays"));
    EXPECT_EQ(cellText(10), QStringLiteral("Eve"));
    EXPECT_EQ(cellText(11), QStringLiteral("New Year's Day")) << "in the next year's cell, not on 1 December";
    EXPECT_TRUE(cellText(4).isEmpty());

    page().ClearAllCells();
    newPage(loWeek, QDate(2026, 1, 29));
    fillRecurring();
    EXPECT_EQ(cellText(5), QStringLiteral("Mondays")) << "2 February, in the planner's second month";

    page().ClearAllCells();
    newPage(loDay10, QDate(2026, 1, 1));
    fillRecurring();
    EXPECT_EQ(cellText(11), QStringLiteral("New Year's Day")) << "a day planner's dates go into Notes";
}

TEST_F(ICalendarFill, AFillReopensOnlyTheCellThatWasOpen)
{
    CellEditing *editing = connectCellEditing(window());
    ASSERT_TRUE(RecurringStore::save(RecurringStore::datesFilePath(),
                                     {RecurringEntry::makeLine(QStringLiteral("Mondays"), QStringLiteral("%2"))})
                    .isEmpty());
    newPage(loFullCalendar, QDate(2027, 3, 1));
    const auto fillRecurring = [this] {
        action("mnuFillCalendarwithRecurringDates")->trigger();
        QCoreApplication::processEvents();
    };
    // A cell opened and left again: the fill opens no editor by itself.
    page().OpenCell(page().CellOfDay(10));
    ASSERT_TRUE(editing->holdsCell());
    editing->DoSaveRichtext();
    fillRecurring();
    EXPECT_FALSE(editing->holdsCell());
    EXPECT_FALSE(editing->editor().isVisibleTo(window().pageArea()));
    writeCalendar({event(QStringLiteral("a"), QStringLiteral(";VALUE=DATE:20270312"), QStringLiteral("Choir"))});
    fill();
    EXPECT_FALSE(editing->holdsCell());

    // The cell being typed in stays open through a fill.
    page().OpenCell(page().CellOfDay(11));
    fillRecurring();
    EXPECT_TRUE(editing->holdsCell());
    EXPECT_EQ(editing->currentCell(), page().CellOfDay(11));
}
