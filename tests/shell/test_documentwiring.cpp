// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "filedialogs.h"
#include "mainwindowfixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPushButton>
#include <QToolButton>
#include <QFileDialog>
#include <QListWidget>
#include <QTest>

#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "objects/tgimage.h"
#include "objects/tgplabel.h"
#include "objects/tgprichbaselabel.h"
#include "objects/tgsupertext.h"
#include "properties/calprop.h"
#include "storage/calendarfile.h"
#include "storage/objectrecords.h"
#include "page/calpanel32.h"
#include "documents/documentcommands.h"
#include "shell/documentwiring.h"
#include "documents/recoverychooser.h"
#include "documents/recoverycopy.h"
#include "documents/mrufilelist.h"
#include "richtext/rtfreader.h"
#include "recurring/recurringstore.h"
#include "recurringdialogs/selectrecurringdates.h"

#include <QTextDocument>

namespace {

class DocumentWiring : public MainWindowFixture
{
protected:
    void SetUp() override
    {
        MainWindowFixture::SetUp();
        connectDocuments(window());
        m_dialogs->onDialog = [this](QDialog &d) {
            if (auto *properties = dynamic_cast<TCalendarProperties *>(&d)) {
                properties->FormActivate();
                if (!layoutRow.has_value())
                    return int(QDialog::Rejected);
                properties->findChild<QListWidget *>(QStringLiteral("LayoutList"))->setCurrentRow(*layoutRow);
                properties->OkButtonClick();
                return properties->result();
            }
            if (dynamic_cast<TSelectRecurringDates *>(&d))
                return int(QDialog::Accepted);
            if (FileDialogs::choose(d, chosenFile))
                return int(chosenFile.isEmpty() ? QDialog::Rejected : QDialog::Accepted);
            return int(QDialog::Rejected);
        };
        window().FormActivate();
        // The rest of the start comes once the document shows.
        QCoreApplication::sendPostedEvents();
    }

    std::optional<int> layoutRow;
    QString chosenFile;
    QTemporaryDir documents;
};

} // namespace

TEST_F(DocumentWiring, NewSaveReopenThroughTheMenus)
{
    layoutRow = 9; // One Week Planner
    action("New1")->trigger();
    EXPECT_EQ(window().CalendarPanel().CalendarLayout(), loWeek);
    EXPECT_TRUE(window().Modified());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane [untitled][*]"));
    EXPECT_TRUE(action("mnuSaveAs")->isEnabled());

    chosenFile = documents.filePath(QStringLiteral("week.OVF"));
    action("mnuSaveAs")->trigger();
    ASSERT_TRUE(QFile::exists(chosenFile));
    EXPECT_FALSE(window().Modified());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane  [week.OVF][*]"));
    EXPECT_EQ(window().mruList().files().value(0), chosenFile);
    EXPECT_EQ(ini().readString(QStringLiteral("MRU"), QStringLiteral("F0"), QString()), chosenFile);

    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().SetModified(true);
    m_dialogs->answers = {QMessageBox::Yes};
    action("mnuCancelChanges")->trigger();
    EXPECT_EQ(window().CalendarPanel().CalendarLayout(), loWeek);
    EXPECT_FALSE(window().Modified());
}

TEST_F(DocumentWiring, CancellingTheSaveQuestionKeepsTheWindowOpen)
{
    layoutRow = 0;
    action("New1")->trigger();
    ASSERT_TRUE(window().Modified());
    window().show();
    m_dialogs->answers = {QMessageBox::Cancel};
    EXPECT_FALSE(window().close());
    EXPECT_TRUE(window().isVisible());
    EXPECT_TRUE(window().Modified());
    m_dialogs->answers = {QMessageBox::Discard};
    EXPECT_TRUE(window().close());
}

TEST_F(DocumentWiring, PropertiesCancelLeavesThePageAndNewStops)
{
    const TCalendarLayout before = window().CalendarPanel().CalendarLayout();
    layoutRow.reset();
    action("New1")->trigger();
    EXPECT_EQ(window().CalendarPanel().CalendarLayout(), before);
    EXPECT_FALSE(window().Modified());
    EXPECT_FALSE(action("mnuSaveAs")->isEnabled());
}

TEST_F(DocumentWiring, FillingTwiceAddsEachNameOnce)
{
    layoutRow = 0;
    action("New1")->trigger();
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetMainCalYear(2026);
    page.SetMainCalMonth(11);
    page.RenderToBitmap();
    const QString line = QStringLiteral("Book club").leftJustified(120) + QStringLiteral("$5 4 11").leftJustified(10);
    ASSERT_TRUE(RecurringStore::save(RecurringStore::datesFilePath(), {line}).isEmpty());
    window().SetModified(false);
    ASSERT_TRUE(action("mnuFillCalendarwithRecurringDates")->isEnabled());
    action("mnuFillCalendarwithRecurringDates")->trigger();
    EXPECT_TRUE(window().Modified());
    // The second fill finds the name in its cell and adds nothing.
    window().SetModified(false);
    action("mnuFillCalendarwithRecurringDates")->trigger();
    EXPECT_FALSE(window().Modified());
    const int cell = page.CellOfDay(26);
    ASSERT_GT(cell, 0);
    QTextDocument text;
    ASSERT_TRUE(RtfReader::read(page.GetCellRtfText(cell, TWPRtfStorage()).rtf(), text));
    EXPECT_EQ(text.toPlainText(), QStringLiteral("Book club"));
}

TEST_F(DocumentWiring, EditMenuUndoesWhatMarkedTheDocumentModified)
{
    layoutRow = 0;
    action("New1")->trigger();
    QAction *undo = action("mnuUndo");
    QAction *redo = action("mnuRedo");
    ASSERT_TRUE(undo && redo);
    EXPECT_EQ(undo->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(redo->shortcut(), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z));
    EXPECT_FALSE(undo->isEnabled()) << "a new calendar starts the history";

    TCalendarPanel32 &page = window().CalendarPanel();
    const int month = page.MainCalMonth();
    page.SetMainCalMonth(month % 12 + 1);
    window().SetModified(true);
    EXPECT_TRUE(undo->isEnabled());
    undo->trigger();
    EXPECT_EQ(page.MainCalMonth(), month);
    EXPECT_TRUE(redo->isEnabled());
    EXPECT_TRUE(window().Modified()) << "a new calendar was never saved";
    redo->trigger();
    EXPECT_EQ(page.MainCalMonth(), month % 12 + 1);
}

namespace {

// A drag with the mouse straight to the page, wherever the scroll box shows it.
void dragOnPage(QWidget &page, QPoint from, QPoint to)
{
    const auto send = [&page](QEvent::Type type, QPoint point, Qt::MouseButtons buttons) {
        QMouseEvent event(type, QPointF(point), page.mapToGlobal(QPointF(point)), Qt::LeftButton,
                          buttons, Qt::NoModifier);
        QApplication::sendEvent(&page, &event);
    };
    send(QEvent::MouseButtonPress, from, Qt::LeftButton);
    send(QEvent::MouseMove, to, Qt::LeftButton);
    send(QEvent::MouseButtonRelease, to, Qt::NoButton);
    // Changes reach the history once control is back in the event loop.
    QCoreApplication::processEvents();
}

} // namespace

TEST_F(DocumentWiring, CancellingANewObjectsDialogLeavesNothingAndNothingToUndo)
{
    layoutRow = 0;
    action("New1")->trigger();
    chosenFile = documents.filePath(QStringLiteral("objects.OVF"));
    action("mnuSaveAs")->trigger();
    ASSERT_FALSE(window().Modified());
    window().show();
    TCalendarPanel32 &page = window().CalendarPanel();
    auto *pointer = window().findChild<QToolButton *>(QStringLiteral("Pointerbutton"));
    ASSERT_TRUE(pointer);
    QStringList asked;
    m_dialogs->onDialog = [&](QDialog &dialog) {
        asked.append(QString::fromLatin1(dialog.metaObject()->className()));
        return int(QDialog::Rejected);
    };
    for (const char *tool : {"DrawLabelButton", "DrawImageButton", "DrawRichText", "DrawSuperText"}) {
        window().findChild<QToolButton *>(QLatin1String(tool))->click();
        ASSERT_FALSE(page.Pointing()) << tool;
        dragOnPage(page, {100, 100}, {250, 180});
        EXPECT_TRUE(page.objects().empty()) << tool;
        EXPECT_TRUE(page.Pointing()) << tool;
        EXPECT_TRUE(pointer->isChecked()) << "the tool bar is back at the pointer too";
    }
    EXPECT_EQ(asked.size(), 4) << asked.join(QLatin1Char(' ')).toStdString();
    EXPECT_FALSE(window().Modified());
    EXPECT_FALSE(action("mnuUndo")->isEnabled()) << "no step was recorded";

    // Ok keeps the object, as one step that Undo takes back.
    m_dialogs->onDialog = [](QDialog &dialog) {
        return int(dialog.inherits("TGetLabelText") ? QDialog::Accepted : QDialog::Rejected);
    };
    window().findChild<QToolButton *>(QStringLiteral("DrawLabelButton"))->click();
    dragOnPage(page, {100, 100}, {250, 180});
    ASSERT_EQ(page.objects().size(), 1u);
    EXPECT_TRUE(window().Modified());
    ASSERT_TRUE(action("mnuUndo")->isEnabled());
    action("mnuUndo")->trigger();
    EXPECT_TRUE(page.objects().empty());
    EXPECT_FALSE(window().Modified()) << "back at the saved state";
}

class Recovery : public MainWindowFixture
{
};

TEST_F(Recovery, AStartAfterACrashOffersTheUnsavedChangesBackAsAModifiedDocument)
{
    TCalendarPanel32 crashed;
    crashed.ResetToDefaults(QDate(2026, 12, 1));
    const TWPRtfStorage typed("{\\rtf1 Dentist at 9\\par}");
    crashed.SetCellRtfText(20, typed);
    // Written by a program that has ended since: its lock went with it.
    ASSERT_TRUE(RecoveryCopy(RecoveryCopy::defaultFolder(), QStringLiteral("1-ended"))
                    .write({QString(), DocumentCommands::stateOf(crashed.model())}));

    connectDocuments(window());
    m_dialogs->onDialog = [](QDialog &dialog) {
        auto *chooser = dynamic_cast<RecoveryChooser *>(&dialog);
        if (!chooser)
            return int(QDialog::Rejected);
        chooser->restoreButton()->click();
        return chooser->result();
    };
    window().FormActivate();
    // The rest of the start comes once the document shows.
    QCoreApplication::sendPostedEvents();
    EXPECT_TRUE(window().Modified());
    EXPECT_TRUE(window().CalendarPanel().isVisibleTo(&window()));
    EXPECT_EQ(window().CalendarPanel().GetCellRtfText(20, {}), typed);
    // Kept until saved, as this program's own copy now.
    const QStringList copies = QDir(RecoveryCopy::defaultFolder()).entryList({QStringLiteral("*.OVR")});
    ASSERT_EQ(copies.size(), 1);
    EXPECT_TRUE(copies.constFirst().startsWith(RecoveryCopy::processOwner())) << qPrintable(copies.constFirst());
}

TEST_F(DocumentWiring, NewStartsFromTheDefaultStyleNotTheCalendarOpenBefore)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    TFont odd(QStringLiteral("Liberation Mono"), 31, TFont::Style::Italic);
    page.SetTitleFont(odd);
    ASSERT_EQ(page.TitleFont().name(), QStringLiteral("Liberation Mono"));
    layoutRow = 0;
    window().hooks().New1Click();
    TCalendarPanel32 defaults;
    defaults.ResetToDefaults();
    EXPECT_EQ(page.TitleFont().name(), defaults.TitleFont().name());
    EXPECT_EQ(page.TitleFont().size(), defaults.TitleFont().size());
}

TEST_F(DocumentWiring, AFileThatCannotBeReadLeavesTheOpenCalendarAndTheNextOpenStartsThere)
{
    layoutRow = 9; // One Week Planner
    action("New1")->trigger();
    chosenFile = documents.filePath(QStringLiteral("week.OVF"));
    action("mnuSaveAs")->trigger();
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetUserTitle(QStringLiteral("Our week"));
    window().SetModified(false);

    ASSERT_TRUE(QDir(documents.path()).mkdir(QStringLiteral("pictures")));
    const QString picture = documents.filePath(QStringLiteral("pictures/photo.OVF"));
    QFile fake(picture);
    ASSERT_TRUE(fake.open(QIODevice::WriteOnly));
    fake.write(QByteArray("\x89PNG\r\n\x1a\n", 8) + QByteArray(200, '\x01'));
    fake.close();
    chosenFile = picture;
    action("Open1")->trigger();
    EXPECT_FALSE(m_dialogs->messages.isEmpty()) << "the failure is reported";
    EXPECT_EQ(window().documentFileName(), documents.filePath(QStringLiteral("week.OVF")));
    EXPECT_EQ(page.CalendarLayout(), loWeek);
    EXPECT_EQ(page.UserTitle(), QStringLiteral("Our week"));
    EXPECT_TRUE(page.isVisibleTo(&window()));
    EXPECT_FALSE(window().Modified());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane  [week.OVF][*]"));

    QString startedIn;
    m_dialogs->onDialog = [&](QDialog &d) {
        if (FileDialogs::isFileDialog(d))
            startedIn = FileDialogs::folder(d);
        return int(QDialog::Rejected);
    };
    action("Open1")->trigger();
    EXPECT_EQ(startedIn, QFileInfo(picture).absolutePath());
}

TEST_F(DocumentWiring, ShowingAndPointingAtAnOpenedDocumentChangesNothing)
{
    // Objects of every kind, with stored sizes other than this machine's fonts lay out, as
    // a document made elsewhere has them.
    TCalendarPanel32 made;
    made.ResetToDefaults(QDate(2026, 12, 1));
    auto turned = std::make_unique<TGPLabel>();
    turned->SetCaption(QStringLiteral("Happy holidays"));
    turned->SetAngle(30);
    turned->setBounds(40, 500, 61, 23);
    made.appendObject(std::move(turned));
    auto tiny = std::make_unique<TGPLabel>();
    tiny->setBounds(300, 80, 3, 3);
    made.appendObject(std::move(tiny));
    auto title = std::make_unique<TGSuperText>();
    title->SetCaption(QStringLiteral("December"));
    title->setBounds(200, 30, 51, 9);
    made.appendObject(std::move(title));
    auto rich = std::make_unique<TGPRichBaseLabel>();
    rich->SetRTFText(TWPRtfStorage("{\\rtf1 Family {\\b dinner}\\par}"));
    rich->setBounds(420, 300, 120, 40);
    made.appendObject(std::move(rich));
    auto calendar = createToolFlatCalendar(QDate(2027, 1, 1));
    calendar->setBounds(500, 600, 121, 97);
    made.appendObject(std::move(calendar));
    QImage pixels(64, 48, QImage::Format_RGB32);
    pixels.fill(Qt::darkGreen);
    Picture picture;
    picture.setBitmap(pixels);
    auto image = std::make_unique<TGImage>();
    image->SetPicture(picture);
    image->SetAutoSize(true);
    image->setBounds(100, 700, 10, 10);
    made.appendObject(std::move(image));
    const QString path = documents.filePath(QStringLiteral("made.OVF"));
    const ObjectRecords::RecordList records(made.objects());
    ASSERT_TRUE(CalendarFile::SaveDocument(made.document(), path, records.components()).ok);

    chosenFile = path;
    action("Open1")->trigger();
    TCalendarPanel32 &page = window().CalendarPanel();
    ASSERT_EQ(page.objects().size(), 6u);
    window().show();
    page.grab();
    QCoreApplication::processEvents();
    for (const auto &object : page.objects()) {
        QTest::mouseMove(&page, object->boundsRect().center());
        QCoreApplication::processEvents();
        page.grab();
    }
    QTest::mouseMove(&page, QPoint(5, 5));
    QCoreApplication::processEvents();
    EXPECT_FALSE(window().Modified());
    EXPECT_FALSE(action("mnuUndo")->isEnabled()) << "nothing was recorded as a change";
}

TEST_F(DocumentWiring, CtrlSOnAnUntitledCalendarRunsSaveAs)
{
    layoutRow = 0;
    action("New1")->trigger();
    // File > Save is there whenever Ctrl+S works: it asks for a name first.
    ASSERT_TRUE(action("mnuSave")->isEnabled());
    chosenFile = documents.filePath(QStringLiteral("fromMenu.OVF"));
    action("mnuSave")->trigger();
    EXPECT_TRUE(QFile::exists(chosenFile));
    action("New1")->trigger();
    chosenFile = documents.filePath(QStringLiteral("untitled.OVF"));
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_TRUE(QFile::exists(chosenFile));
    EXPECT_EQ(window().documentFileName(), chosenFile);
    EXPECT_FALSE(window().Modified());

    // Now Save has a name and takes the key again.
    window().SetModified(true);
    chosenFile.clear();
    QTest::keyClick(&window(), Qt::Key_S, Qt::ControlModifier);
    EXPECT_FALSE(window().Modified());
}

TEST_F(DocumentWiring, TheUntitledCaptionOutlivesZoomingAndShowsTheModifiedMark)
{
    layoutRow = 0;
    action("New1")->trigger();
    window().ZoomSpinnerUpClick();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane [untitled][*]"));
    EXPECT_TRUE(window().isWindowModified());
    chosenFile = documents.filePath(QStringLiteral("named.OVF"));
    action("mnuSaveAs")->trigger();
    EXPECT_FALSE(window().isWindowModified());
    window().ZoomSpinnerDownClick();
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane  [named.OVF][*]"));
}

TEST_F(DocumentWiring, WithoutSystemPrintersPrintingAndThePdfCommandsAreThere)
{
    for (const FakeDialogService::Message &m : m_dialogs->messages)
        EXPECT_FALSE(m.text.contains(QStringLiteral("printer"))) << qPrintable(m.text);
    layoutRow = 0;
    action("New1")->trigger();
    for (const char *name : {"mnuPrintCalendar", "mnuPrintPreview", "mnuSaveAsPdf", "mnuSaveYearAsPdf"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
}

TEST_F(DocumentWiring, NextAndPreviousOnAPlannerStepByItsOwnPeriod)
{
    layoutRow = 9; // One Week Planner
    action("New1")->trigger();
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetMainCalYear(2026);
    page.SetMainCalMonth(12);
    page.SetMainCalDay(28);
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(page.plannerDate(), QDate(2027, 1, 4)) << "a week later, into the next year";
    action("mnuPreviousMonth")->trigger();
    action("mnuPreviousMonth")->trigger();
    EXPECT_EQ(page.plannerDate(), QDate(2026, 12, 21));

    page.SetCellRtfText(2, TWPRtfStorage("{\\rtf1 typed\\par}"));
    m_dialogs->answers = {QMessageBox::No};
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(page.plannerDate(), QDate(2026, 12, 21)) << "No keeps the week and its text";
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(m_dialogs->messages.last().text,
              QStringLiteral("Changing the starting date clears the text of the days that are no longer on the page. Continue?"));
    m_dialogs->answers = {QMessageBox::Yes};
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(page.plannerDate(), QDate(2026, 12, 28));
    EXPECT_FALSE(page.HasCellText());

    page.SetCalendarLayout(loDay10);
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(page.plannerDate(), QDate(2026, 12, 29)) << "a day planner steps by a day";
}

TEST_F(DocumentWiring, NextAndPreviousMonthStepAsPropertiesWouldAndAskBeforeClearingText)
{
    layoutRow = 0;
    action("New1")->trigger();
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetMainCalYear(2026);
    page.SetMainCalMonth(12);
    window().SetModified(false);
    // No text: no question, the year turns with the month.
    action("mnuNextMonth")->trigger();
    EXPECT_EQ(page.MainCalMonth(), 1);
    EXPECT_EQ(page.MainCalYear(), 2027);
    EXPECT_TRUE(window().Modified());
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(action("mnuPreviousMonth")->shortcut(), QKeySequence(Qt::ALT | Qt::Key_Left));
    auto *nextButton = window().findChild<QToolButton *>(QStringLiteral("mnuNextMonthButton"));
    ASSERT_TRUE(nextButton);
    nextButton->click();
    EXPECT_EQ(page.MainCalMonth(), 2) << "the tool button runs the same command";
    action("mnuPreviousMonth")->trigger();

    page.UpdateCellTable();
    page.SetCellRtfText(page.CellOfDay(5), TWPRtfStorage("{\\rtf1 typed\\par}"));
    ASSERT_TRUE(page.HasCellText());
    m_dialogs->answers = {QMessageBox::No};
    action("mnuPreviousMonth")->trigger();
    EXPECT_EQ(page.MainCalMonth(), 1) << "No keeps the month and the text";
    EXPECT_TRUE(page.HasCellText());
    ASSERT_FALSE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(m_dialogs->messages.last().text,
              QStringLiteral("Changing the month clears the text of all date cells. Continue?"));
    m_dialogs->answers = {QMessageBox::Yes};
    action("mnuPreviousMonth")->trigger();
    EXPECT_EQ(page.MainCalMonth(), 12);
    EXPECT_EQ(page.MainCalYear(), 2026);
    EXPECT_FALSE(page.HasCellText());
}
