// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "mainwindowfixture.h"

#include <QApplication>
#include <QBoxLayout>
#include <QDialog>
#include <QDropEvent>
#include <QMimeData>
#include <QUrl>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QScrollArea>
#include <QScrollBar>
#include <QTextEdit>
#include <QTest>
#include <QToolButton>

#include "objects/objectkinds.h"
#include "objects/tgflatcalendar.h"
#include "page/calpanel32.h"
#include "dialogs/gettitle.h"
#include "documents/mrufilelist.h"

namespace {

struct Caption {
    const char *name;
    const char *text;
    QKeySequence shortcut;
};

// Spot checks of captions and access keys as the user sees them.
const Caption kCaptions[] = {
    {"New1", "&New ", QKeySequence(Qt::CTRL | Qt::Key_N)},
    {"Open1", "&Open", QKeySequence(Qt::CTRL | Qt::Key_O)},
    {"mnuSave", "&Save ", QKeySequence(Qt::CTRL | Qt::Key_S)},
    {"mnuSaveAs", "Save &As...", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_S)},
    {"mnuClearAllCellContents", "C&lear All Cell Contents", {}},
    {"mnuPrintCalendar", "P&rint Calendar", QKeySequence(Qt::CTRL | Qt::Key_P)},
    {"mnuPrintSetup", "Print Set&up", {}},
    {"Exit1", "E&xit", QKeySequence(Qt::CTRL | Qt::Key_Q)},
    {"Contents1", "&Contents", QKeySequence(Qt::Key_F1)},
    {"mnuShowHint", "&Show Hints", {}},
    {"VisitOurInternetW1", "Visit Our Internet Website", {}},
    {"FrequentlyAskedQuestions1", "Frequently Asked Questions", {}},
};

struct Hint {
    const char *name;
    const char *text;
};

const Hint kHints[] = {
    {"ZoomSpinner", "Press plus (+) or minus (-) to \nincrease or decrease the zoom percentage"},
    {"PropertiesButton", "Set/change Properties for the calendar"},
    {"Printbutton", "Print the calendar"},
    {"Pointerbutton", "Selection tool"},
    {"DrawImageButton", "Clip Art Tool"},
    {"DrawSuperText", "SuperText tool \nSpecial Effects Text - fill with gradients or bitmaps"},
    {"PSpeedButton1", "Floating Calendar tool \nMini Calendar that you can place anywhere"},
    {"Assistantbutton", "Show Quick Tips"},
    {"Savebutton", "Save changes to the calendar"},
    {"CancelButton", "Cancel all changes"},
};

QStringList menuTexts(const QMenu *menu)
{
    QStringList texts;
    for (const QAction *a : menu->actions())
        texts << (a->isSeparator() ? QStringLiteral("-") : a->text());
    return texts;
}

} // namespace

TEST_F(MainWindowFixture, MenusCarryTheirCaptionsAccessKeysAndSeparators)
{
    for (const Caption &c : kCaptions) {
        SCOPED_TRACE(c.name);
        QAction *a = action(c.name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->text(), QLatin1String(c.text));
        EXPECT_EQ(a->shortcut(), c.shortcut);
    }
    const QStringList file = menuTexts(window().fileMenu());
    EXPECT_EQ(file.mid(0, 3), (QStringList{"&New ", "&Open", "-"}));
    EXPECT_EQ(file.indexOf("-", 3), file.indexOf("Save &Year As PDF File...") + 1);
    EXPECT_EQ(file.indexOf("Save As Ima&ge..."), file.indexOf("Save As JPG File") + 1);
    EXPECT_EQ(file.indexOf("Save As &PDF File..."), file.indexOf("Save As Ima&ge...") + 1);
    EXPECT_EQ(file.indexOf("Print Pre&view..."), file.indexOf("P&rint Calendar") + 1);
    EXPECT_EQ(file.last(), QStringLiteral("E&xit")) << "no recent files: no separator after Exit";
    const QStringList help = menuTexts(window().findChild<QMenu *>(QStringLiteral("Help1")));
    EXPECT_EQ(help.indexOf("-"), help.indexOf("&Show Hints") + 1);
    EXPECT_TRUE(action("mnuShowHint")->isChecked());
}

TEST_F(MainWindowFixture, ToolBarHintsAndCaptions)
{
    for (const Hint &h : kHints) {
        SCOPED_TRACE(h.name);
        auto *w = window().findChild<QWidget *>(QLatin1String(h.name));
        ASSERT_NE(w, nullptr);
        EXPECT_EQ(w->toolTip(), QLatin1String(h.text));
    }
    auto *caption = window().findChild<QLabel *>(QStringLiteral("ZoomCaption"));
    EXPECT_EQ(caption->text(), QStringLiteral("60%")) << "default zoom";
    EXPECT_EQ(window().findChild<QToolButton *>(QStringLiteral("Savebutton"))->text(), QStringLiteral("&Save"));
    EXPECT_EQ(window().findChild<QToolButton *>(QStringLiteral("ShowHideIconTool"))->text(),
              QStringLiteral("Show Icon Tool"));
}

TEST_F(MainWindowFixture, WithoutADocumentOnlyFileIndependentCommandsAreAvailable)
{
    window().setHooks(allHooks());
    for (const char *name : {"New1", "Open1", "DefaultEditorFont1", "mnuEditrecurringDates", "Exit1",
                             "Contents1", "About1", "mnuShowHint", "ConfigurationInformation1",
                             "Technicalsupport1", "FrequentlyAskedQuestions1", "VisitOurInternetW1"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    for (const char *name : {"mnuSave", "mnuSaveAs", "mnuSaveAsBitmap", "mnuSaveAsJPG", "mnuProperties",
                             "mnuUserTitle", "mnuCancelChanges", "mnuClearAllCellContents",
                             "mnuFillCalendarwithRecurringDates", "mnuPrintCalendar", "mnuPrintSetup"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    for (const char *name : {"PropertiesButton", "Printbutton", "ZoomSpinner", "ShowHideIconTool"})
        EXPECT_FALSE(window().findChild<QWidget *>(QLatin1String(name))->isEnabled()) << name;
    EXPECT_TRUE(window().findChild<QWidget *>(QStringLiteral("Savebutton"))->isHidden());
    EXPECT_TRUE(window().findChild<QWidget *>(QStringLiteral("CancelButton"))->isHidden());
}

TEST_F(MainWindowFixture, AnOpenDocumentEnablesByLayoutFileNameAndModifiedState)
{
    window().setHooks(allHooks());
    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    for (const char *name : {"mnuSaveAs", "mnuProperties", "mnuPrintSetup", "mnuSaveAsBitmap",
                             "mnuUserTitle", "mnuFillCalendarwithRecurringDates", "mnuClearAllCellContents"})
        EXPECT_TRUE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("mnuSave")->isEnabled()) << "without a file name it asks for one";
    EXPECT_FALSE(action("mnuPrintCalendar")->isEnabled()) << "no printer checked";

    window().CalendarPanel().SetCalendarLayout(loMC12Month);
    window().SetButtons();
    EXPECT_FALSE(action("mnuUserTitle")->isEnabled()) << "a sheet of mini calendars takes no text";
    EXPECT_FALSE(action("mnuFillCalendarwithRecurringDates")->isEnabled());

    window().SetModified(true);
    EXPECT_FALSE(window().findChild<QWidget *>(QStringLiteral("Savebutton"))->isHidden());
    EXPECT_TRUE(window().findChild<QWidget *>(QStringLiteral("CancelButton"))->isHidden());
    window().setDocumentFileName(QStringLiteral("/home/someone/Cal/May.OVF"));
    EXPECT_TRUE(action("mnuSave")->isEnabled());
    EXPECT_TRUE(action("mnuCancelChanges")->isEnabled());
    EXPECT_FALSE(window().findChild<QWidget *>(QStringLiteral("CancelButton"))->isHidden());
}

TEST_F(MainWindowFixture, CommandsOfUnconnectedModulesStayDisabled)
{
    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    window().setDocumentFileName(QStringLiteral("/tmp/a.OVF"));
    for (const char *name : {"New1", "Open1", "mnuSave", "mnuSaveAs", "mnuProperties", "mnuPrintSetup",
                             "mnuClearAllCellContents", "mnuFillCalendarwithRecurringDates"})
        EXPECT_FALSE(action(name)->isEnabled()) << name;
    EXPECT_TRUE(action("mnuUserTitle")->isEnabled());
    EXPECT_TRUE(action("mnuEditrecurringDates")->isEnabled());

    window().connectHooks([](TCalendarMainHooks &h) { h.Open1Click = [] {}; });
    window().connectHooks([](TCalendarMainHooks &h) { h.mnuSaveClick = [] {}; });
    EXPECT_TRUE(action("Open1")->isEnabled()) << "a later module keeps the earlier one's hooks";
    EXPECT_TRUE(action("mnuSave")->isEnabled());
    EXPECT_FALSE(action("New1")->isEnabled());
}

TEST_F(MainWindowFixture, CaptionShowsTheFileNameWithoutItsFolder)
{
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane[*]"));
    window().setDocumentFileName(QStringLiteral("/home/someone/Calendars/Family 2027.OVF"));
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane  [Family 2027.OVF][*]"));
    window().setDocumentFileName(QString());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane[*]"));
}

TEST_F(MainWindowFixture, ZoomStepsStayOnTheGridAndStopAtTheLimits)
{
    auto *caption = window().findChild<QLabel *>(QStringLiteral("ZoomCaption"));
    TCalendarPanel32 &page = window().CalendarPanel();
    for (int i = 0; i < 4; ++i)
        window().ZoomSpinnerUpClick();
    EXPECT_FLOAT_EQ(page.ZoomFactor(), 1.001f);
    EXPECT_EQ(caption->text(), QStringLiteral("100%"));
    QStringList shown;
    for (int i = 0; i < 6; ++i) {
        window().ZoomSpinnerUpClick();
        shown << caption->text();
    }
    EXPECT_EQ(shown, (QStringList{"125%", "150%", "200%", "300%", "400%", "400%"}));
    EXPECT_FLOAT_EQ(page.ZoomFactor(), 4.001f);
    window().ZoomSpinnerDownClick();
    EXPECT_EQ(caption->text(), QStringLiteral("300%"));
    for (int i = 0; i < 14; ++i)
        window().ZoomSpinnerDownClick();
    EXPECT_NEAR(page.ZoomFactor(), 0.501f, 1e-5);
    EXPECT_EQ(caption->text(), QStringLiteral("50%"));
}

TEST_F(MainWindowFixture, AtFourHundredPercentThePageAndItsObjectsScaleFourfold)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    window().setPageShown(true);
    TGGraphicControl *object = page.appendObject(createObjectOfClass(QStringLiteral("TGFlatCalendar")));
    ASSERT_NE(object, nullptr);
    while (page.ZoomFactor() < 1.0f)
        window().ZoomSpinnerUpClick();
    object->setBounds(100, 80, 160, 120);
    const QSize fullScale = page.size();
    const auto pitch = [&page](int first, int second) {
        const CellTable cells = page.computeCellTable();
        return QPoint(cells.cell(second).rTotal.left - cells.cell(first).rTotal.left,
                      cells.cell(second).rTotal.top - cells.cell(first).rTotal.top);
    };
    const QPoint pitchAt100(pitch(10, 11).x(), pitch(10, 17).y());
    while (page.ZoomFactor() < 4.0f)
        window().ZoomSpinnerUpClick();
    EXPECT_NEAR(page.width(), 4 * fullScale.width(), 4);
    EXPECT_NEAR(page.height(), 4 * fullScale.height(), 4);
    EXPECT_NEAR(object->boundsRect().left(), 400, 2);
    EXPECT_NEAR(object->boundsRect().width(), 640, 2);
    // Within a page pixel at full scale.
    EXPECT_NEAR(pitch(10, 11).x(), 4 * pitchAt100.x(), 4);
    EXPECT_NEAR(pitch(10, 17).y(), 4 * pitchAt100.y(), 4);
    while (page.ZoomFactor() > 1.1f)
        window().ZoomSpinnerDownClick();
    EXPECT_EQ(page.size(), fullScale);
    EXPECT_EQ(object->boundsRect(), QRect(100, 80, 160, 120)) << "back where it was";
}

TEST_F(MainWindowFixture, StoredZoomBelowTheOutLimitOnlyZoomsIn)
{
    IniFile file = ini();
    file.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 30);
    window().ZoomSpinnerDownClick();
    EXPECT_FLOAT_EQ(window().CalendarPanel().ZoomFactor(), 0.301f);
    window().ZoomSpinnerUpClick();
    EXPECT_NEAR(window().CalendarPanel().ZoomFactor(), 0.401f, 1e-5);
}

TEST_F(MainWindowFixture, PageKeysZoomOnlyWithinTheLimits)
{
    // With no page shown there is nothing to scroll: the keys zoom.
    IniFile file = ini();
    file.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 60);
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : &window();
    TCalendarPanel32 &page = window().CalendarPanel();
    for (int i = 0; i < 2; ++i)
        QTest::keyClick(target, Qt::Key_PageUp);
    EXPECT_NEAR(page.ZoomFactor(), 0.501f, 1e-5) << "Page Up at 50 % does nothing";
    QTest::keyClick(target, Qt::Key_PageDown);
    EXPECT_NEAR(page.ZoomFactor(), 0.601f, 1e-5) << "one key press, one step";
}

TEST_F(MainWindowFixture, PageKeysScrollAPageLargerThanTheWindowButNotInTheCellEditor)
{
    IniFile file = ini();
    file.writeInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 100);
    // The cell editor is a rich-text editor, which moves its cursor with these keys.
    auto *editor = new QTextEdit(window().pageArea());
    editor->hide();
    window().setCellEditor(editor, nullptr);
    window().setPageShown(true);
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    auto *scroll = window().findChild<QScrollArea *>(QStringLiteral("ScrollBox2"));
    ASSERT_NE(scroll, nullptr);
    QScrollBar *bar = scroll->verticalScrollBar();
    ASSERT_GT(bar->maximum(), 0) << "the page at 100 % is taller than the window";
    window().CalendarPanel().setFocus();
    QWidget *target = QApplication::focusWidget();
    ASSERT_NE(target, nullptr);

    QTest::keyClick(target, Qt::Key_PageDown);
    EXPECT_EQ(bar->value(), qMin(bar->pageStep(), bar->maximum())) << "one page down";
    EXPECT_FLOAT_EQ(window().CalendarPanel().ZoomFactor(), 1.001f) << "no zoom";
    QTest::keyClick(target, Qt::Key_End);
    EXPECT_EQ(bar->value(), bar->maximum());
    QTest::keyClick(target, Qt::Key_PageUp);
    EXPECT_EQ(bar->value(), qMax(0, bar->maximum() - bar->pageStep()));
    QTest::keyClick(target, Qt::Key_Home);
    EXPECT_EQ(bar->value(), 0);

    // The open cell editor keeps the keys: nothing scrolls and nothing zooms.
    editor->show();
    editor->setFocus();
    QTest::keyClick(editor, Qt::Key_PageDown);
    QTest::keyClick(editor, Qt::Key_End);
    EXPECT_EQ(bar->value(), 0);
    EXPECT_FLOAT_EQ(window().CalendarPanel().ZoomFactor(), 1.001f);
}

TEST_F(MainWindowFixture, ExitAsksTheSaveQuestionThenStoresTheZoomAndThePlacement)
{
    TCalendarMainHooks hooks = allHooks();
    int asked = 0;
    hooks.FormCloseQuery = [&asked] {
        ++asked;
        return true;
    };
    window().setHooks(hooks);
    window().ZoomSpinnerUpClick();
    action("Exit1")->trigger();
    EXPECT_EQ(asked, 1);
    EXPECT_EQ(ini().readInteger(QStringLiteral("Zooming"), QStringLiteral("Main"), 0), 70);
    EXPECT_NE(ini().readInteger(QStringLiteral("TCalendarMain_Placement"), QStringLiteral("Bottom"), 0), 0);
    window().close();
    EXPECT_EQ(asked, 1) << "a second close asks nothing more";
}

TEST_F(MainWindowFixture, TheSaveButtonSavesUnderTheNameOrAsksForOne)
{
    TCalendarMainHooks hooks = allHooks();
    QStringList calls;
    hooks.mnuSaveClick = [&calls] { calls << QStringLiteral("save"); };
    hooks.mnuSaveAsClick = [&calls] { calls << QStringLiteral("save as"); };
    window().setHooks(hooks);
    window().SetModified(true);
    auto *save = window().findChild<QToolButton *>(QStringLiteral("Savebutton"));
    save->click();
    window().setDocumentFileName(QStringLiteral("/tmp/x.OVF"));
    save->click();
    EXPECT_EQ(calls, (QStringList{"save as", "save"}));
}

TEST_F(MainWindowFixture, UserTitleDialogSetsTheTitleAndMarksTheDocument)
{
    window().CalendarPanel().SetUserTitle(QStringLiteral("Old"));
    QString shownTitle;
    m_dialogs->onDialog = [&shownTitle](QDialog &dialog) {
        auto &form = dynamic_cast<TUserTitleForm &>(dialog);
        EXPECT_EQ(form.windowTitle(), QStringLiteral("User Defined Title"));
        shownTitle = form.TitleText()->text();
        form.TitleText()->setText(QStringLiteral("Our Family Year"));
        return int(QDialog::Accepted);
    };
    window().mnuUserTitleClick();
    EXPECT_EQ(shownTitle, QStringLiteral("Old"));
    EXPECT_EQ(window().CalendarPanel().UserTitle(), QStringLiteral("Our Family Year"));
    EXPECT_TRUE(window().Modified());

    window().SetModified(false);
    m_dialogs->onDialog = [](QDialog &dialog) {
        dynamic_cast<TUserTitleForm &>(dialog).TitleText()->setText(QStringLiteral("Ignored"));
        return int(QDialog::Rejected);
    };
    window().mnuUserTitleClick();
    EXPECT_EQ(window().CalendarPanel().UserTitle(), QStringLiteral("Our Family Year"));
    EXPECT_FALSE(window().Modified());
}

TEST_F(MainWindowFixture, ShowHintsIsStoredAtOnceAndReadAtTheNextStart)
{
    action("mnuShowHint")->trigger();
    EXPECT_FALSE(action("mnuShowHint")->isChecked());
    EXPECT_FALSE(ini().readBool(QStringLiteral("Hints"), QStringLiteral("On"), true));
    QWidget *button = window().findChild<QWidget *>(QStringLiteral("Printbutton"));
    QHelpEvent tip(QEvent::ToolTip, QPoint(2, 2), button->mapToGlobal(QPoint(2, 2)));
    QObject &filter = window(); // the application-wide filter that handles hints
    EXPECT_TRUE(filter.eventFilter(button, &tip)) << "tool tips are swallowed";

    TCalendarMain second;
    EXPECT_FALSE(second.findChild<QAction *>(QStringLiteral("mnuShowHint"))->isChecked());
}

TEST_F(MainWindowFixture, PropertiesOnAMonthLayoutClearCellsOnlyWhenTheMonthChanges)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetCalendarLayout(loFullCalendar);
    page.SetMainCalMonth(5);
    window().setPageShown(true);
    page.SetCellRtfText(10, TWPRtfStorage(QByteArrayLiteral("{\\rtf1\\ansi Dentist\\par}")));

    TCalendarMainHooks hooks = allHooks();
    int nextMonth = 5;
    hooks.runPropertiesDialog = [&nextMonth](TCalendarPanel32 &preview, const PropertiesRequest &request) {
        EXPECT_EQ(request.oldLayoutKind, CellKind::MonthDays);
        EXPECT_TRUE(request.warnLayoutKindChange) << "the page has cell text";
        TFont font = preview.TitleFont();
        font.setSize(font.size() + 4);
        preview.SetTitleFont(font);
        preview.SetMainCalMonth(nextMonth);
        return true;
    };
    window().setHooks(hooks);
    window().mnuPropertiesClick();
    EXPECT_TRUE(window().Modified());
    EXPECT_TRUE(page.HasCellText()) << "a font change keeps the cell texts";

    nextMonth = 6;
    window().mnuPropertiesClick();
    EXPECT_EQ(page.MainCalMonth(), 6);
    EXPECT_FALSE(page.HasCellText());
}

TEST_F(MainWindowFixture, PropertiesThatTurnThePaperBringObjectsBackOntoIt)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    const QRect portrait = page.paperRect();
    const auto place = [&page](const QRect &bounds) {
        TGGraphicControl *object = page.appendObject(createToolFlatCalendar(QDate(2026, 1, 1)));
        object->setBounds(bounds.left(), bounds.top(), bounds.width(), bounds.height());
        return object;
    };
    TGGraphicControl *low = place(QRect(100, portrait.height() - 150, 200, 120));
    TGGraphicControl *high = place(QRect(100, 50, 200, 120));
    // As a document made elsewhere may have placed it.
    TGGraphicControl *beyond = place(QRect(300, portrait.height() - 20, 100, 100));

    TCalendarMainHooks hooks = allHooks();
    TCalendarLayout chosen = loFC12After;
    hooks.runPropertiesDialog = [&chosen](TCalendarPanel32 &preview, const PropertiesRequest &) {
        preview.SetCalendarLayout(chosen);
        return true;
    };
    window().setHooks(hooks);
    window().mnuPropertiesClick();
    ASSERT_EQ(page.paperRect(), portrait);
    EXPECT_EQ(beyond->boundsRect(), QRect(300, portrait.height() - 20, 100, 100))
        << "objects stay put while the paper does";

    window().SetModified(false);
    chosen = LOFullCalendarLS;
    window().mnuPropertiesClick();
    const QRect landscape = page.paperRect();
    ASSERT_LT(landscape.height(), portrait.height());
    EXPECT_EQ(low->boundsRect(), QRect(100, landscape.height() - 120, 200, 120));
    EXPECT_EQ(high->boundsRect(), QRect(100, 50, 200, 120)) << "what fits stays where it was";
    EXPECT_EQ(beyond->boundsRect(), QRect(300, landscape.height() - 100, 100, 100));
    EXPECT_TRUE(window().Modified());
}

TEST_F(MainWindowFixture, RecentFilesComeFromTheMruSectionAndOpenThroughTheHook)
{
    IniFile file = ini();
    file.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("/data/b.OVF"));
    file.writeString(QStringLiteral("MRU"), QStringLiteral("F1"), QStringLiteral("/data/a.OVF"));
    EXPECT_EQ(window().mruList().files(), (QStringList{"/data/b.OVF", "/data/a.OVF"}));
    EXPECT_EQ(window().fileMenu()->actions().last()->text(), QStringLiteral("&2 /data/a.OVF"));
    EXPECT_FALSE(window().fileMenu()->actions().last()->isEnabled()) << "nothing can open files yet";

    QString opened;
    TCalendarMainHooks hooks = allHooks();
    hooks.openDocument = [&opened](const QString &path) { opened = path; };
    window().setHooks(hooks);
    window().fileMenu()->actions().last()->trigger();
    EXPECT_EQ(opened, QStringLiteral("/data/a.OVF"));
}

TEST_F(MainWindowFixture, FirstActivationReopensTheMostRecentFileWhenItExists)
{
    QTemporaryDir docs;
    const QString existing = docs.filePath(QStringLiteral("Work.OVF"));
    QFile(existing).open(QIODevice::WriteOnly);
    IniFile file = ini();
    file.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), existing);
    TCalendarMainHooks hooks = allHooks();
    QStringList opened;
    bool printerChecked = false;
    hooks.openDocument = [&](const QString &path) {
        opened << path;
        window().setDocumentFileName(path);
        window().SetModified(true);
    };
    hooks.checkPrinter = [&printerChecked] { printerChecked = true; return true; };
    window().setHooks(hooks);
    window().FormActivate();
    // The rest of the start comes once the document shows.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened, QStringList{existing});
    EXPECT_TRUE(printerChecked);
    EXPECT_FALSE(window().firstActivationPending());
    EXPECT_FALSE(window().Modified()) << "a freshly opened document is unchanged";
    EXPECT_TRUE(window().CalendarPanel().isVisible());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane  [Work.OVF][*]"));
    EXPECT_TRUE(action("mnuPrintCalendar")->isEnabled());

    window().FormActivate();

    // The rest of the start comes once the document shows.

    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened.size(), 1) << "only the first activation reopens";
}

TEST_F(MainWindowFixture, AUserFolderThatCannotBeUsedIsSaidOnceAtStart)
{
    QTemporaryDir dir;
    // A file where the folder should be: it can be neither made nor written.
    const QString blocked = dir.filePath(QStringLiteral("config"));
    QFile(blocked).open(QIODevice::WriteOnly);
    AppPaths::setUserFolderOverride(blocked + QStringLiteral("/orvane"));
    window().setHooks(allHooks());
    window().FormActivate();
    // The rest of the start comes once the document shows.
    QCoreApplication::sendPostedEvents();
    window().FormActivate();
    // The rest of the start comes once the document shows.
    QCoreApplication::sendPostedEvents();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages.first().text.startsWith(
        QStringLiteral("Orvane cannot keep its settings, recent files or recovery copies: the folder ")))
        << qPrintable(m_dialogs->messages.first().text);
}

TEST_F(MainWindowFixture, FirstActivationWithAMissingRecentFileShowsNoPage)
{
    IniFile file = ini();
    file.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), QStringLiteral("/nonexistent/Gone.OVF"));
    TCalendarMainHooks hooks = allHooks();
    bool opened = false;
    hooks.openDocument = [&opened](const QString &) { opened = true; };
    window().setHooks(hooks);
    window().FormActivate();
    // The rest of the start comes once the document shows.
    QCoreApplication::sendPostedEvents();
    EXPECT_FALSE(opened);
    EXPECT_FALSE(window().CalendarPanel().isVisible());
    EXPECT_EQ(window().windowTitle(), QStringLiteral("Orvane[*]"));
}

TEST_F(MainWindowFixture, IconsWindowFollowsTheLayoutAndTheToolButton)
{
    QWidget icons;
    window().setIconsWindow(&icons);
    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    EXPECT_TRUE(icons.isVisible()) << "wanted by default";
    auto *toggle = window().findChild<QToolButton *>(QStringLiteral("ShowHideIconTool"));
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Icon Tool"));
    EXPECT_TRUE(toggle->isEnabled());

    window().CalendarPanel().SetCalendarLayout(loMC24Month);
    window().CheckFloaterStatus();
    window().SetButtons();
    EXPECT_FALSE(icons.isVisible());
    EXPECT_FALSE(window().iconsWindowWanted());
    EXPECT_FALSE(toggle->isEnabled());

    window().CalendarPanel().SetCalendarLayout(loWeek);
    window().CheckFloaterStatus();
    window().SetButtons();
    EXPECT_FALSE(icons.isVisible()) << "switching back does not bring it back by itself";
    toggle->click();
    EXPECT_TRUE(icons.isVisible());
    EXPECT_TRUE(window().iconsWindowWanted());
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Icon Tool"));
    window().setIconsWindow(nullptr);
}

TEST_F(MainWindowFixture, TheIconsWindowIsMadeWhenItIsFirstToShow)
{
    QWidget icons;
    int made = 0;
    TCalendarMainHooks hooks;
    hooks.makeIconsWindow = [&icons, &made] {
        ++made;
        return &icons;
    };
    window().setHooks(hooks);
    // A page without day cells has no use for it.
    window().CalendarPanel().SetCalendarLayout(loMC24Month);
    window().setPageShown(true);
    EXPECT_EQ(made, 0);
    auto *toggle = window().findChild<QToolButton *>(QStringLiteral("ShowHideIconTool"));
    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().SetButtons();
    EXPECT_TRUE(toggle->isEnabled()) << "offered before it is made";
    EXPECT_EQ(toggle->text(), QStringLiteral("Show Icon Tool"));
    EXPECT_EQ(made, 0);

    toggle->click();
    EXPECT_EQ(made, 1);
    EXPECT_EQ(window().iconsWindow(), &icons);
    EXPECT_TRUE(icons.isVisible());
    EXPECT_EQ(toggle->text(), QStringLiteral("Hide Icon Tool"));
    toggle->click();
    toggle->click();
    EXPECT_EQ(made, 1) << "made once";
    EXPECT_TRUE(icons.isVisible());
    window().setIconsWindow(nullptr);
    window().setHooks({});
}

TEST_F(MainWindowFixture, EditRecurringDatesStepsTheIconsWindowAside)
{
    QWidget icons;
    window().setIconsWindow(&icons);
    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    bool hiddenDuringDialog = false;
    m_dialogs->onDialog = [&](QDialog &) {
        hiddenDuringDialog = !icons.isVisible();
        return int(QDialog::Rejected);
    };
    action("mnuEditrecurringDates")->trigger();
    EXPECT_EQ(m_dialogs->dialogCount, 1);
    EXPECT_TRUE(hiddenDuringDialog);
    EXPECT_TRUE(icons.isVisible());
    window().setIconsWindow(nullptr);
}

TEST_F(MainWindowFixture, ThePageIsWhitePaperAndTheScrollAreaFollowsItsZoom)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    page.SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    EXPECT_EQ(page.grab().toImage().pixelColor(3, 3), QColor(Qt::white))
        << "the page must not take the button face of the area around it";
    EXPECT_EQ(page.pos(), QPoint(5, 5));
    const QSize before = page.size();
    window().ZoomSpinnerUpClick();
    EXPECT_GT(page.width(), before.width());
    EXPECT_EQ(page.parentWidget()->size(), page.size() + QSize(10, 10));
}

TEST_F(MainWindowFixture, EnteringTheToolBarClearsABusyCursorButNotADrag)
{
    QWidget *toolBar = window().findChild<QWidget *>(QStringLiteral("Panel3"));
    QEvent enter(QEvent::Enter);
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::sendEvent(toolBar, &enter);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    QApplication::setOverrideCursor(Qt::DragMoveCursor);
    QApplication::sendEvent(toolBar, &enter);
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    QApplication::restoreOverrideCursor();
}

TEST_F(MainWindowFixture, TheFormattingToolBarSitsAboveTheToolBarAndNeedsTheEditorsFocus)
{
    auto *editor = new QLineEdit(window().pageArea());
    auto *formatBar = new QWidget;
    window().CalendarPanel().SetCalendarLayout(loFullCalendar);
    window().setPageShown(true);
    window().setCellEditor(editor, formatBar);
    auto *column = qobject_cast<QBoxLayout *>(window().centralWidget()->layout());
    ASSERT_NE(column, nullptr);
    EXPECT_EQ(column->indexOf(formatBar), 0);
    EXPECT_FALSE(formatBar->isEnabled());
    window().show();
    window().activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window()));
    editor->setFocus();
    window().SetButtons();
    EXPECT_TRUE(formatBar->isEnabled());
}

TEST_F(MainWindowFixture, TheWebsiteCommandSaysThereIsNoWebsite)
{
    action("VisitOurInternetW1")->trigger();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_TRUE(m_dialogs->messages[0].text.startsWith(QStringLiteral("Orvane has no website.")));
}

TEST_F(MainWindowFixture, CtrlWheelOverThePageAndCtrlPlusMinusZoom)
{
    TCalendarPanel32 &page = window().CalendarPanel();
    const float start = page.ZoomFactor();
    const auto wheel = [&page](int delta, Qt::KeyboardModifiers modifiers) {
        QWheelEvent event(QPointF(10, 10), page.mapToGlobal(QPointF(10, 10)), QPoint(), QPoint(0, delta),
                          Qt::NoButton, modifiers, Qt::NoScrollPhase, false);
        QApplication::sendEvent(&page, &event);
    };
    wheel(120, Qt::ControlModifier);
    EXPECT_NEAR(page.ZoomFactor(), start + 0.1f, 1e-5);
    wheel(-120, Qt::ControlModifier);
    EXPECT_NEAR(page.ZoomFactor(), start, 1e-5);
    wheel(120, Qt::NoModifier);
    EXPECT_NEAR(page.ZoomFactor(), start, 1e-5) << "a plain wheel scrolls, it does not zoom";

    window().findChild<QAction *>(QStringLiteral("zoomInShortcut"))->trigger();
    EXPECT_NEAR(page.ZoomFactor(), start + 0.1f, 1e-5);
    EXPECT_TRUE(window().findChild<QAction *>(QStringLiteral("zoomOutShortcut"))->shortcuts().contains(
        QKeySequence(QKeySequence::ZoomOut)));
}

TEST_F(MainWindowFixture, ADocumentFromOutsideOpensAfterTheSaveQuestion)
{
    QStringList opened;
    int questions = 0;
    QMessageBox::StandardButton answer = QMessageBox::Cancel;
    TCalendarMainHooks hooks = allHooks();
    hooks.openDocument = [&opened](const QString &path) { opened << path; };
    // The save question as the document commands ask it: Cancel keeps the work.
    hooks.FormCloseQuery = [&] {
        ++questions;
        return answer != QMessageBox::Cancel;
    };
    window().setHooks(hooks);

    window().openRequested(QStringLiteral("/docs/Plan.OVF"));
    EXPECT_EQ(questions, 1);
    EXPECT_TRUE(opened.isEmpty()) << "Cancel keeps the calendar that is open";

    answer = QMessageBox::Discard;
    window().MRUItemClick(QStringLiteral("/docs/Plan.OVF"));
    EXPECT_EQ(questions, 2) << "a recent file no longer replaces unsaved work without asking";
    EXPECT_EQ(opened, QStringList{QStringLiteral("/docs/Plan.OVF")});

    window().openRequested(QStringLiteral("/docs/holiday.png"));
    EXPECT_EQ(opened.size(), 1);
    EXPECT_EQ(m_dialogs->messages.last().text, QStringLiteral("Must be a Calendar file (*.OVF)"));
}

TEST_F(MainWindowFixture, ADocumentFromOutsideWaitsForAnOpenDialog)
{
    QStringList opened;
    TCalendarMainHooks hooks = allHooks();
    hooks.openDocument = [&opened](const QString &path) { opened << path; };
    window().setHooks(hooks);
    auto dialog = std::make_unique<QDialog>(&window());
    dialog->setModal(true);
    dialog->show();
    ASSERT_EQ(QApplication::activeModalWidget(), dialog.get());

    window().openRequested(QStringLiteral("/docs/a.OVF"));
    window().openRequested(QStringLiteral("/docs/b.OVF"));
    QTest::qWait(400);
    EXPECT_TRUE(opened.isEmpty());
    dialog.reset();
    for (int waited = 0; opened.size() < 2 && waited < 30000; waited += 50)
        QTest::qWait(50);
    EXPECT_EQ(opened, (QStringList{QStringLiteral("/docs/a.OVF"), QStringLiteral("/docs/b.OVF")}))
        << "both requests open, in the order they came";
}

TEST_F(MainWindowFixture, ACalendarDroppedOnThePageOpens)
{
    QStringList opened;
    TCalendarMainHooks hooks = allHooks();
    hooks.openDocument = [&opened](const QString &path) { opened << path; };
    window().setHooks(hooks);
    window().setPageShown(true);

    QMimeData picture;
    picture.setUrls({QUrl::fromLocalFile(QStringLiteral("/docs/photo.jpg"))});
    EXPECT_TRUE(TCalendarMain::draggedCalendarFile(&picture).isEmpty());
    QMimeData calendar;
    calendar.setUrls({QUrl::fromLocalFile(QStringLiteral("/docs/photo.jpg")),
                      QUrl::fromLocalFile(QStringLiteral("/docs/June 2027.ovf"))});
    EXPECT_EQ(TCalendarMain::draggedCalendarFile(&calendar), QStringLiteral("/docs/June 2027.ovf"));

    QWidget &page = window().CalendarPanel();
    QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, &calendar, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(20, 20), Qt::CopyAction, &calendar, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &drop);
    EXPECT_TRUE(drop.isAccepted());
    EXPECT_TRUE(opened.isEmpty()) << "the drop returns before any question is asked";
    QCoreApplication::processEvents();
    EXPECT_EQ(opened, QStringList{QStringLiteral("/docs/June 2027.ovf")});

    QDragEnterEvent other(QPoint(20, 20), Qt::CopyAction, &picture, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&page, &other);
    EXPECT_FALSE(other.isAccepted()) << "pictures are left to the page and the cells";
}

TEST_F(MainWindowFixture, ADocumentNamedAtStartReplacesTheRecentOne)
{
    QTemporaryDir docs;
    const QString recent = docs.filePath(QStringLiteral("Recent.OVF"));
    QFile(recent).open(QIODevice::WriteOnly);
    IniFile file = ini();
    file.writeString(QStringLiteral("MRU"), QStringLiteral("F0"), recent);
    QStringList opened;
    TCalendarMainHooks hooks = allHooks();
    hooks.openDocument = [&opened](const QString &path) { opened << path; };
    window().setHooks(hooks);
    window().setStartDocument(docs.filePath(QStringLiteral("Asked.OVF")));
    window().FormActivate();
    // The rest of the start comes once the document shows.
    QCoreApplication::sendPostedEvents();
    EXPECT_EQ(opened, QStringList{docs.filePath(QStringLiteral("Asked.OVF"))});
}
