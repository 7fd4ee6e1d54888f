// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QCheckBox>
#include <QComboBox>
#include <QPushButton>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QTemporaryDir>

#include "filedialogs.h"
#include "fakedialogs.h"
#include "calendar/calendardates.h"
#include "calendar/localedates.h"
#include "calendar/pageoptions.h"
#include "properties/calprop.h"
#include "page/calpanel32.h"
#include "calendar/borderpicture.h"
#include "core/apppaths.h"
#include "core/datafolders.h"

namespace {

QByteArray minimalMetafile()
{
    return QByteArray("\x01\x00\x09\x00\x00\x03\x0c\x00\x00\x00\x00\x00\x03\x00\x00\x00\x00\x00"
                      "\x03\x00\x00\x00\x00\x00",
                      24);
}

// A data folder with a "Borders" folder holding the named borders in both orientations.
class BorderFolder
{
public:
    explicit BorderFolder(const QStringList &names)
    {
        QDir(m_dir.path()).mkdir(QStringLiteral("Borders"));
        for (const QString &name : names) {
            for (const char *ext : {".wls", ".wpo"}) {
                QFile file(m_dir.path() + QStringLiteral("/Borders/") + name + QLatin1String(ext));
                file.open(QIODevice::WriteOnly);
                file.write(minimalMetafile());
            }
        }
        AppPaths::setDataFolderOverride(m_dir.path());
    }
    ~BorderFolder() { AppPaths::setDataFolderOverride(qEnvironmentVariable("ORVANE_SOURCE_DATA")); }

private:
    QTemporaryDir m_dir;
};

template<typename T>
T *child(QObject &parent, const char *name)
{
    T *found = parent.findChild<T *>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// Every file dialog chooses the path 'chosen' holds when it opens; other dialogs are cancelled.
void answerFileDialogsWith(FakeDialogService &fake, const QString &chosen)
{
    fake.onDialog = [&chosen](QDialog &d) {
        if (!FileDialogs::choose(d, chosen))
            return int(QDialog::Rejected);
        return int(QDialog::Accepted);
    };
}

// A dialog opened on a page the way the main window does it.
struct Opened {
    explicit Opened(const TCalendarPanel32 &document, TCalendarProperties::Hooks hooks = {})
        : dialog(nullptr, std::move(hooks))
    {
        dialog.ExampleCalendar().AssignSettings(document);
    }
    TCalendarProperties dialog;
};

} // namespace

TEST(CalendarProperties, ChoosingLayoutsSetsTheExamplePage)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    Opened o(page);
    o.dialog.FormActivate();
    TCalendarPanel32 &example = o.dialog.ExampleCalendar();
    auto *list = child<QListWidget>(o.dialog, "LayoutList");
    list->setCurrentRow(1);
    child<QGroupBox>(o.dialog, "rOrientation")->findChildren<QRadioButton *>()[0]->click();
    EXPECT_EQ(example.CalendarLayout(), loFCMinisInTitle);
    child<QGroupBox>(o.dialog, "rOrientation")->findChildren<QRadioButton *>()[1]->click();
    EXPECT_EQ(example.CalendarLayout(), loFCMinisInTitleLS);
    EXPECT_EQ(example.CalendarOrientation(), coLandscape);

    list->setCurrentRow(9);
    EXPECT_EQ(example.CalendarLayout(), loWeek);
    EXPECT_FALSE(child<QGroupBox>(o.dialog, "rOrientation")->isEnabled());
    EXPECT_EQ(child<QLabel>(o.dialog, "SelectMonthYearLabel")->text(), QStringLiteral("Select Starting Date"));
    EXPECT_FALSE(child<QWidget>(o.dialog, "StartingtimeButton")->isEnabled());
    list->setCurrentRow(12);
    EXPECT_EQ(example.CalendarLayout(), loDay15);
    EXPECT_TRUE(child<QWidget>(o.dialog, "StartingtimeButton")->isEnabled());
    EXPECT_FALSE(child<QWidget>(o.dialog, "MiniCalBGColorButton")->isEnabled());
}

TEST(CalendarProperties, OpeningKeepsChosenMiniFontSizesAndAnotherLayoutResetsThem)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loFCMinisInTitle);
    page.SetMiniTitleFont(TFont(QStringLiteral("Arial"), 30));
    page.SetMiniCellFont(TFont(QStringLiteral("Arial"), 30));
    Opened o(page);
    o.dialog.FormActivate();
    EXPECT_EQ(o.dialog.ExampleCalendar().MiniTitleFont().size(), 30);
    EXPECT_EQ(o.dialog.ExampleCalendar().MiniCellFont().size(), 30);
    // The paper changes nothing that decides them either.
    for (QRadioButton *button : o.dialog.findChildren<QRadioButton *>()) {
        if (button->text() == QStringLiteral("A4"))
            button->click();
    }
    EXPECT_EQ(o.dialog.ExampleCalendar().PaperSize(), PaperA4);
    EXPECT_EQ(o.dialog.ExampleCalendar().MiniTitleFont().size(), 30);

    // Another layout and back: the layout's own sizes.
    auto *list = child<QListWidget>(o.dialog, "LayoutList");
    const int row = list->currentRow();
    list->setCurrentRow(row == 0 ? 1 : 0);
    list->setCurrentRow(row);
    EXPECT_EQ(o.dialog.ExampleCalendar().CalendarLayout(), loFCMinisInTitle);
    EXPECT_EQ(o.dialog.ExampleCalendar().MiniTitleFont().size(), 10);
    EXPECT_EQ(o.dialog.ExampleCalendar().MiniHeadersFont().size(), 8);
    EXPECT_EQ(o.dialog.ExampleCalendar().MiniCellFont().size(), 8);
}

TEST(CalendarProperties, MarginListsShowTheStepBelowAndKeepUnchangedValues)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetLeftMarginInch(0.6f);
    page.SetTopMarginInch(0.3f);
    Opened o(page);
    o.dialog.FormActivate();
    auto *left = child<QComboBox>(o.dialog, "LeftMarginInchcombo");
    EXPECT_EQ(left->currentText(), QStringLiteral("\u00bd Inch"));
    EXPECT_EQ(child<QComboBox>(o.dialog, "TopMarginInchcombo")->currentIndex(), 0);
    child<QRadioButton>(o.dialog, "UseMillimeters")->setChecked(true);
    EXPECT_EQ(left->currentText(), QStringLiteral("13 mm"));
    EXPECT_FLOAT_EQ(o.dialog.ExampleCalendar().LeftMarginInch(), 0.6f);
    child<QRadioButton>(o.dialog, "useInches")->setChecked(true);
    EXPECT_EQ(left->currentIndex(), 1);
    o.dialog.marginChosen(2, 5);
    EXPECT_FLOAT_EQ(o.dialog.ExampleCalendar().RightMarginInch(), 1.5f);
    o.dialog.OkButtonClick();
    EXPECT_EQ(o.dialog.result(), QDialog::Accepted);
    EXPECT_FLOAT_EQ(o.dialog.ExampleCalendar().LeftMarginInch(), 0.6f);
}

TEST(CalendarProperties, NamesComeFromTheEditsAndTheLanguageButtons)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    Opened o(page);
    o.dialog.FormActivate();
    o.dialog.applyLanguage(int(CalendarLanguage::German));
    QString name;
    o.dialog.ExampleCalendar().GetMonthName(3, name);
    EXPECT_EQ(name, QStringLiteral("M\u00e4rz"));
    o.dialog.ExampleCalendar().GetDayName(6, name);
    EXPECT_EQ(name, QStringLiteral("Freitag "));

    auto *months = child<QPlainTextEdit>(o.dialog, "MonthNames");
    months->setPlainText(QStringLiteral("Jan\nFeb"));
    o.dialog.storeMonthNames();
    o.dialog.ExampleCalendar().GetMonthName(2, name);
    EXPECT_EQ(name, QStringLiteral("Feb"));
    o.dialog.ExampleCalendar().GetMonthName(3, name);
    EXPECT_EQ(name, QStringLiteral("M\u00e4rz")); // missing lines leave names alone

    // Names in any script are taken: files keep what their character set cannot hold in
    // the options list.
    months->setPlainText(QStringLiteral("Jan\nFeb\u65e5"));
    o.dialog.storeMonthNames();
    o.dialog.ExampleCalendar().GetMonthName(2, name);
    EXPECT_EQ(name, QStringLiteral("Feb\u65e5"));
}

TEST(CalendarProperties, TheRepositionWarningIgnoresSwappedBorders)
{
    BorderFolder borders({QStringLiteral("Flowers"), QStringLiteral("Holly")});
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetWMFBorderFile(QStringLiteral("Flowers"));
    ASSERT_EQ(page.WMFBorderFile(), QStringLiteral("Flowers"));
    ScopedFakeDialogs fake;
    {
        Opened o(page);
        o.dialog.WarnObjectsMove = true;
        o.dialog.FormActivate();
        auto *list = child<QListWidget>(o.dialog, "BorderFiles");
        ASSERT_EQ(list->count(), 3);
        EXPECT_EQ(list->item(0)->text(), QStringLiteral(" [No Special Border]"));
        EXPECT_EQ(list->currentRow(), 1);
        o.dialog.BorderFilesClick(2);
        EXPECT_EQ(o.dialog.ExampleCalendar().WMFBorderFile(), QStringLiteral("Holly"));
        o.dialog.OkButtonClick();
        EXPECT_TRUE(fake->messages.isEmpty());
        EXPECT_EQ(o.dialog.result(), QDialog::Accepted);
    }
    {
        Opened o(page);
        o.dialog.WarnObjectsMove = true;
        o.dialog.FormActivate();
        o.dialog.BorderFilesClick(0);
        fake->answers = {QMessageBox::No};
        o.dialog.OkButtonClick();
        ASSERT_EQ(fake->messages.size(), 1);
        EXPECT_EQ(fake->messages[0].caption, QStringLiteral("WARNING"));
        EXPECT_TRUE(fake->messages[0].text.startsWith(
            QStringLiteral("Warning: The Calendar has one or more items\rplaced on it")));
        EXPECT_TRUE(fake->messages[0].text.endsWith(
            QStringLiteral("these items.\rItems that would lie past the edge of the paper\r"
                           "are moved back onto it.\r\rProceed?")));
        EXPECT_NE(o.dialog.result(), QDialog::Accepted);
    }
}

TEST(CalendarProperties, TheLayoutFamilyWarningCanStopOk)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    ScopedFakeDialogs fake;
    Opened o(page);
    o.dialog.WarnLayoutKindChange = true;
    o.dialog.OldLayoutKind = page.LayoutKind();
    o.dialog.FormActivate();
    child<QListWidget>(o.dialog, "LayoutList")->setCurrentRow(10);
    fake->answers = {QMessageBox::No, QMessageBox::Yes};
    o.dialog.OkButtonClick();
    EXPECT_NE(o.dialog.result(), QDialog::Accepted);
    o.dialog.OkButtonClick();
    EXPECT_EQ(o.dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake->messages.size(), 2);
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("Warning: changing to this type of layout\r"
                                                     "will erase all text and icons from the current\r"
                                                     "calendar. Proceed?"));
}

TEST(CalendarProperties, TheUsersOwnBordersAreListedAndTakeThePlaceOfShippedOnesOfTheirName)
{
    BorderFolder borders({QStringLiteral("Flowers"), QStringLiteral("Holly")});
    const QString mine = DataFolders::userFolder(QStringLiteral("Borders"));
    QDir().mkpath(mine);
    for (const char *name : {"Flowers.wls", "Flowers.wpo", "Stars.wls", "Stars.wpo"}) {
        QFile file(mine + QLatin1String(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(minimalMetafile());
    }
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetWMFBorderFile(QStringLiteral("Flowers"));
    // The page draws the user's border of that name.
    EXPECT_EQ(BorderPicture::findFile(QStringLiteral("Flowers"), true), mine + QStringLiteral("Flowers.wls"));
    {
        Opened o(page);
        o.dialog.FormActivate();
        auto *list = child<QListWidget>(o.dialog, "BorderFiles");
        QStringList captions;
        for (int row = 0; row < list->count(); ++row)
            captions << list->item(row)->text();
        EXPECT_EQ(captions, (QStringList{" [No Special Border]", "Flowers (yours)", "Flowers (replaced by yours)",
                                         "Holly", "Stars (yours)"}));
        EXPECT_EQ(list->currentRow(), 1);
        EXPECT_FALSE(list->item(2)->flags() & Qt::ItemIsEnabled);
        o.dialog.BorderFilesClick(4);
        EXPECT_EQ(o.dialog.ExampleCalendar().WMFBorderFile(), QStringLiteral("Stars"));
    }
    QDir(mine).removeRecursively();
}

TEST(CalendarProperties, WithoutABordersFolderTheListIsDisabledAndTheBorderKept)
{
    QTemporaryDir empty;
    AppPaths::setDataFolderOverride(empty.path());
    TCalendarPanel32 page;
    page.ResetToDefaults();
    Opened o(page);
    o.dialog.FormActivate();
    EXPECT_FALSE(child<QListWidget>(o.dialog, "BorderFiles")->isEnabled());
    EXPECT_EQ(child<QListWidget>(o.dialog, "BorderFiles")->count(), 0);
    AppPaths::setDataFolderOverride(qEnvironmentVariable("ORVANE_SOURCE_DATA"));
}

TEST(CalendarProperties, DateZoomHelpAndStartingTime)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loDay10);
    QList<int> topics;
    TCalendarProperties::Hooks hooks;
    hooks.showHelpTopic = [&](int topic) { topics << topic; };
    hooks.editTime = [](QWidget *, QTime &time) {
        time = QTime(6, 30);
        return true;
    };
    Opened o(page, hooks);
    o.dialog.FormActivate();
    TCalendarPanel32 &example = o.dialog.ExampleCalendar();
    child<QCalendarWidget>(o.dialog, "Calendar")->setSelectedDate(QDate(1998, 3, 17));
    EXPECT_EQ(example.MainCalMonth(), 3);
    EXPECT_EQ(example.MainCalYear(), 1998);
    EXPECT_EQ(example.MainCalDay(), 17);
    o.dialog.StartingtimeButtonClick();
    EXPECT_EQ(HourOfDateTime(example.DayPlannerStartTime()), 6);
    EXPECT_EQ(MinuteOfDateTime(example.DayPlannerStartTime()), 30);

    example.SetZoom(0.2f);
    o.dialog.ZoomOutbuttonClick();
    EXPECT_FLOAT_EQ(example.ZoomFactor(), 0.2f);
    o.dialog.ZoomInButtonClick();
    EXPECT_EQ(child<QLabel>(o.dialog, "ZoomLabel")->text(), QStringLiteral("30%"));

    o.dialog.showNotebookPage(4);
    o.dialog.HelpButtonClick();
    o.dialog.showNotebookPage(9);
    o.dialog.HelpButtonClick();
    EXPECT_EQ(topics, (QList<int>{2104, 3109}));
}

TEST(CalendarProperties, StyleSheetsGoThroughTheFileDialogsAndCheckTheExtension)
{
    QTemporaryDir dir;
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loMC24Month);
    ScopedFakeDialogs fake;
    QString chosen = dir.filePath(QStringLiteral("Look.OVS"));
    answerFileDialogsWith(*fake, chosen);
    {
        Opened o(page);
        o.dialog.FormActivate();
        o.dialog.SaveAsStyleSheetButtonClick();
    }
    ASSERT_TRUE(QFile::exists(chosen));
    TCalendarPanel32 other;
    other.ResetToDefaults();
    Opened o(other);
    o.dialog.FormActivate();
    o.dialog.LoadStyleSheetButtonClick();
    EXPECT_EQ(o.dialog.ExampleCalendar().CalendarLayout(), loMC24Month);
    EXPECT_EQ(child<QListWidget>(o.dialog, "LayoutList")->currentRow(), 6);

    chosen = dir.filePath(QStringLiteral("Look.txt"));
    o.dialog.LoadStyleSheetButtonClick();
    ASSERT_FALSE(fake->messages.isEmpty());
    EXPECT_EQ(fake->messages.last().text, QStringLiteral("Must be a Calendar Style Sheet (*.OVS)"));
}

TEST(CalendarProperties, StyleListsShowThePagesStylesAndSetTheChosenOnes)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetHeadersStyle(dsWhole);
    page.SetMiniHeadersStyle(dsThreeChars);
    page.SetCalendarLineLayout(llCellsOnly);
    page.SetMiniCalendarLineLayout(mllMinimal);
    Opened o(page);
    o.dialog.FormActivate();
    auto *headers = child<QComboBox>(o.dialog, "CalHeaderStyleCombo");
    auto *lines = child<QComboBox>(o.dialog, "CalendarLineLayoutCombo");
    EXPECT_EQ(headers->currentText(), QStringLiteral("Whole Word"));
    EXPECT_EQ(child<QComboBox>(o.dialog, "MiniHeadersStyleCombo")->currentText(),
              QStringLiteral("First Three Characters"));
    EXPECT_EQ(lines->currentText(), QStringLiteral("Cells Only"));
    EXPECT_EQ(child<QComboBox>(o.dialog, "MiniCalendarLineLayoutCombo")->currentText(),
              QStringLiteral("Minimal"));

    emit headers->activated(headers->findText(QStringLiteral("First Character")));
    emit lines->activated(lines->findText(QStringLiteral("Headers & Cells")));
    EXPECT_EQ(o.dialog.ExampleCalendar().HeadersStyle(), dsFirstChar);
    EXPECT_EQ(o.dialog.ExampleCalendar().CalendarLineLayout(), llHeadersAndCells);
}

TEST(CalendarProperties, AStyleSheetThatCannotBeReadOrWrittenIsReportedAndChangesNothing)
{
    QTemporaryDir dir;
    const QString damaged = dir.filePath(QStringLiteral("Broken.OVS"));
    QFile file(damaged);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("\x01\x02\x04\x02\x02 not a style sheet");
    file.close();
    TCalendarPanel32 page;
    page.ResetToDefaults();
    page.SetCalendarLayout(loWeek);
    ScopedFakeDialogs fake;
    QString chosen = damaged;
    answerFileDialogsWith(*fake, chosen);
    Opened o(page);
    o.dialog.FormActivate();
    o.dialog.LoadStyleSheetButtonClick();
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages[0].text.startsWith(QStringLiteral("Unable to open ") + damaged
                                          + QStringLiteral(". Possibly \rcorrupted, possibly not a Calendar Style file\r(")));
    EXPECT_EQ(o.dialog.ExampleCalendar().CalendarLayout(), loWeek);

    chosen = dir.filePath(QStringLiteral("no/such/folder/Look.OVS"));
    o.dialog.SaveAsStyleSheetButtonClick();
    ASSERT_EQ(fake->messages.size(), 2);
    // Qt's own file dialog resolves a name in a missing folder against the folder it shows,
    // so only the name's tail is certain.
    EXPECT_TRUE(fake->messages[1].text.startsWith(QStringLiteral("Unable to save ")))
        << qPrintable(fake->messages[1].text);
    EXPECT_TRUE(fake->messages[1].text.contains(QStringLiteral("no/such/folder/Look.OVS")))
        << qPrintable(fake->messages[1].text);
}

TEST(CalendarProperties, ChangingTheMonthOfAPageWithTextAsksFirst)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 1));
    ScopedFakeDialogs fake;
    Opened o(page);
    o.dialog.WarnDateChange = true;
    o.dialog.OldMonth = 12;
    o.dialog.OldYear = 2026;
    o.dialog.OldLayoutKind = page.LayoutKind();
    o.dialog.FormActivate();
    // The same month asks nothing.
    o.dialog.OkButtonClick();
    EXPECT_EQ(o.dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(fake->messages.isEmpty());

    o.dialog.setResult(QDialog::Rejected);
    o.dialog.ExampleCalendar().SetMainCalMonth(1);
    fake->answers = {QMessageBox::No, QMessageBox::Yes};
    o.dialog.OkButtonClick();
    EXPECT_NE(o.dialog.result(), QDialog::Accepted) << "No keeps the dialog open";
    EXPECT_EQ(o.dialog.ExampleCalendar().MainCalMonth(), 1) << "with its choices";
    o.dialog.OkButtonClick();
    EXPECT_EQ(o.dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake->messages.size(), 2);
    EXPECT_EQ(fake->messages[0].caption, QStringLiteral("WARNING"));
    EXPECT_EQ(fake->messages[0].text,
              QStringLiteral("Changing the month clears the text of all date cells. Continue?"));
}

TEST(CalendarProperties, APlannersNewStartAsksOnlyWhenTextLeavesThePage)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 21));
    page.SetCalendarLayout(lo2Week);
    page.SetMainCalDay(21);
    ScopedFakeDialogs fake;
    Opened o(page);
    o.dialog.WarnDateChange = true;
    o.dialog.OldMonth = 12;
    o.dialog.OldYear = 2026;
    o.dialog.OldLayoutKind = page.LayoutKind();
    o.dialog.OldTextDates = {QDate(2026, 12, 30), QDate(2027, 1, 1)};
    o.dialog.FormActivate();
    // Into the next month and year, with both dates still on the page: nothing to ask.
    o.dialog.ExampleCalendar().SetMainCalDay(28);
    o.dialog.OkButtonClick();
    EXPECT_EQ(o.dialog.result(), QDialog::Accepted);
    EXPECT_TRUE(fake->messages.isEmpty());

    o.dialog.setResult(QDialog::Rejected);
    o.dialog.ExampleCalendar().SetMainCalYear(2027);
    o.dialog.ExampleCalendar().SetMainCalMonth(1);
    o.dialog.ExampleCalendar().SetMainCalDay(2);
    fake->answers = {QMessageBox::No};
    o.dialog.OkButtonClick();
    EXPECT_NE(o.dialog.result(), QDialog::Accepted) << "30 December would leave the page";
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_EQ(fake->messages[0].text,
              QStringLiteral("Changing the starting date clears the text of the days that are no longer on the page. Continue?"));
}

TEST(CalendarProperties, TheDateTabNamesMonthAndYearWithOneAmpersand)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 1));
    Opened o(page);
    o.dialog.FormActivate();
    // A plain label shows every character: the doubled ampersand of a menu caption would show twice.
    EXPECT_EQ(child<QLabel>(o.dialog, "SelectMonthYearLabel")->text(), QStringLiteral("Select Month & Year"));
}

TEST(CalendarProperties, ThePlannersStartTimeShowsHoursAndMinutesOnly)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 1));
    page.SetDayPlannerStartTime(EncodeTime(8, 0));
    Opened o(page);
    o.dialog.FormActivate();
    const QString shown = child<QLabel>(o.dialog, "TimeLabel")->text();
    EXPECT_TRUE(shown.contains(QStringLiteral("8")) && shown.contains(QStringLiteral("00"))) << qPrintable(shown);
    EXPECT_FALSE(shown.contains(QStringLiteral(":00:00"))) << qPrintable(shown);
}

TEST(CalendarProperties, APlannersGreyedOrientationShowsItsOwn)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2026, 12, 1));
    Opened o(page);
    o.dialog.FormActivate();
    auto *box = child<QGroupBox>(o.dialog, "rOrientation");
    QRadioButton *portrait = nullptr;
    QRadioButton *landscape = nullptr;
    for (QRadioButton *radio : box->findChildren<QRadioButton *>()) {
        if (radio->text() == QStringLiteral("Portrait"))
            portrait = radio;
        if (radio->text() == QStringLiteral("Landscape"))
            landscape = radio;
    }
    ASSERT_TRUE(portrait && landscape);
    landscape->click();
    child<QListWidget>(o.dialog, "LayoutList")->setCurrentRow(9); // One Week Planner
    EXPECT_FALSE(box->isEnabled());
    const bool pageLandscape = o.dialog.ExampleCalendar().CalendarOrientation() == coLandscape;
    EXPECT_EQ(landscape->isChecked(), pageLandscape);
    EXPECT_EQ(portrait->isChecked(), !pageLandscape);
}

// The dialog finds every layout's list entry and orientation again when it opens, so
// confirming it unchanged keeps the page's layout.
TEST(CalendarProperties, OpeningFindsEveryLayoutAgain)
{
    for (int value = 0; value < CalendarLayoutCount; ++value) {
        const auto layout = static_cast<TCalendarLayout>(value);
        TCalendarPanel32 page;
        page.ResetToDefaults(QDate(2026, 12, 1));
        page.SetCalendarLayout(layout);
        Opened o(page);
        o.dialog.FormActivate();
        EXPECT_EQ(o.dialog.ExampleCalendar().CalendarLayout(), layout);
        EXPECT_EQ(child<QGroupBox>(o.dialog, "rOrientation")->isEnabled(), layoutInfo(layout).hasPartner())
            << value;
    }
}

TEST(CalendarProperties, TheExtrasTabSetsWeekNumbersAndMoonPhases)
{
    TCalendarPanel32 page;
    page.ResetToDefaults();
    DocumentOptions start;
    PageOptions::setWeekNumbers(start, PageOptions::WeekNumbers::FirstJanuary);
    page.setOptions(start);
    Opened o(page);
    o.dialog.FormActivate();
    auto *weekBox = child<QGroupBox>(o.dialog, "WeekNumbersGroup");
    auto *moon = child<QCheckBox>(o.dialog, "MoonPhasesCheck");
    ASSERT_TRUE(weekBox && moon);
    const QList<QRadioButton *> radios = weekBox->findChildren<QRadioButton *>();
    ASSERT_EQ(radios.size(), 3);
    EXPECT_EQ(radios[0]->text(), QStringLiteral("None"));
    EXPECT_EQ(radios[1]->text(), QStringLiteral("ISO 8601"));
    EXPECT_EQ(radios[2]->text(), QStringLiteral("Week of 1 January"));
    EXPECT_TRUE(radios[2]->isChecked()) << "the page's option is shown";
    EXPECT_FALSE(moon->isChecked());
    EXPECT_EQ(child<QGroupBox>(o.dialog, "MoonGroup")->title(), QStringLiteral("Moon"));
    EXPECT_EQ(moon->text(), QStringLiteral("Moon phases"));

    // The example page follows the controls at once; the document page only on OK, which
    // copies the settings as it does the others.
    const CellTable before = o.dialog.ExampleCalendar().cellTable();
    radios[1]->click();
    moon->click();
    EXPECT_EQ(PageOptions::weekNumbers(o.dialog.ExampleCalendar().options()), PageOptions::WeekNumbers::Iso);
    EXPECT_TRUE(PageOptions::moonPhases(o.dialog.ExampleCalendar().options()));
    EXPECT_EQ(PageOptions::weekNumbers(page.options()), PageOptions::WeekNumbers::FirstJanuary);
    radios[0]->click();
    EXPECT_TRUE(PageOptions::weekNumbers(o.dialog.ExampleCalendar().options()) == PageOptions::WeekNumbers::None);
    EXPECT_NE(o.dialog.ExampleCalendar().cellTable(), before) << "the column left the grid";
    page.AssignSettings(o.dialog.ExampleCalendar());
    EXPECT_TRUE(PageOptions::moonPhases(page.options()));
    EXPECT_EQ(PageOptions::weekNumbers(page.options()), PageOptions::WeekNumbers::None);
}

TEST(CalendarProperties, OtherLanguagesFillTheNamesAndTheDatesFollowThem)
{
    ScopedFakeDialogs fake;
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 1, 25));
    page.SetCalendarLayout(loDay10);
    Opened o(page);
    o.dialog.FormActivate();
    TCalendarPanel32 &example = o.dialog.ExampleCalendar();
    auto *localeDates = child<QCheckBox>(o.dialog, "LocaleDates");
    EXPECT_TRUE(localeDates->isChecked()) << "a new page writes dates as its language does";

    const auto languages = TCalendarProperties::otherLanguages();
    EXPECT_GT(languages.size(), 100);
    const auto polish = std::find_if(languages.cbegin(), languages.cend(),
                                     [](const auto &entry) { return entry.second == QStringLiteral("pl"); });
    ASSERT_NE(polish, languages.cend());
    EXPECT_EQ(polish->first, QStringLiteral("Polish (polski)"));

    QString chosen = QStringLiteral("Polish (polski)");
    fake->onDialog = [&chosen](QDialog &dialog) {
        auto *list = dialog.findChild<QListWidget *>(QStringLiteral("OtherLanguages"));
        const QList<QListWidgetItem *> found = list ? list->findItems(chosen, Qt::MatchExactly) : QList<QListWidgetItem *>();
        if (found.isEmpty())
            return int(QDialog::Rejected);
        list->setCurrentItem(found.first());
        return int(QDialog::Accepted);
    };
    child<QPushButton>(o.dialog, "OtherLanguage")->click();
    EXPECT_EQ(example.names(), localeNames(QLocale(QLocale::Polish)));
    EXPECT_EQ(child<QPlainTextEdit>(o.dialog, "MonthNames")->toPlainText().section(u'\n', 0, 0),
              QStringLiteral("stycze\u0144"));
    EXPECT_EQ(example.model().titleText(), QStringLiteral("Poniedzia\u0142ek, 25 stycznia 2027"));

    chosen = QStringLiteral("Japanese (\u65e5\u672c\u8a9e)");
    child<QPushButton>(o.dialog, "OtherLanguage")->click();
    EXPECT_EQ(example.names().month(1), QStringLiteral("1\u6708"));
    EXPECT_EQ(example.model().titleText(), QStringLiteral("2027\u5e741\u670825\u65e5\u6708\u66dc\u65e5"));

    // Cancelling the list changes nothing; a built-in language takes the names back.
    chosen = QStringLiteral("no such entry");
    child<QPushButton>(o.dialog, "OtherLanguage")->click();
    EXPECT_EQ(example.names().month(1), QStringLiteral("1\u6708"));
    child<QPushButton>(o.dialog, "German")->click();
    EXPECT_EQ(example.model().titleText(), QStringLiteral("Montag, 25. Januar 2027"));

    localeDates->setChecked(false);
    EXPECT_FALSE(PageOptions::localeDates(example.options()));
    EXPECT_EQ(example.model().titleText(), QStringLiteral("Montag, Januar 25, 2027"));
}

TEST(CalendarProperties, TheHolidaysGroupChoosesThePlaceAndHowItsHolidaysShow)
{
    TCalendarPanel32 page;
    page.ResetToDefaults(QDate(2027, 12, 1));
    DocumentOptions start = page.options();
    PageOptions::setHolidaysOf(start, "DE-BY");
    PageOptions::setHolidayNames(start, true);
    page.setOptions(start);
    Opened o(page);
    o.dialog.FormActivate();
    auto *country = child<QComboBox>(o.dialog, "HolidaysOfCountry");
    auto *region = child<QComboBox>(o.dialog, "HolidaysOfRegion");
    auto *sundays = child<QCheckBox>(o.dialog, "HolidaySundaysCheck");
    auto *names = child<QCheckBox>(o.dialog, "HolidayNamesCheck");
    ASSERT_TRUE(country && region && sundays && names);
    EXPECT_EQ(country->currentData().toString(), "DE") << "the page's place is shown";
    EXPECT_EQ(region->currentData().toString(), "BY");
    EXPECT_TRUE(names->isChecked());
    EXPECT_FALSE(sundays->isChecked());

    // Another country starts on the whole country; the example page marks its holidays.
    country->setCurrentIndex(country->findData("GB"));
    EXPECT_EQ(PageOptions::holidaysOf(o.dialog.ExampleCalendar().options()), "GB");
    region->setCurrentIndex(region->findData("SCT"));
    sundays->click();
    const PageModel &example = o.dialog.ExampleCalendar().model();
    EXPECT_EQ(PageOptions::holidaysOf(example.options()), "GB-SCT");
    EXPECT_TRUE(PageOptions::holidaySundays(example.options()));
    EXPECT_TRUE(example.dayMarks().find(QDate(2027, 12, 27))) << "Christmas Day moves to Monday the 27th";
    EXPECT_EQ(PageOptions::holidaysOf(page.options()), "DE-BY") << "the document changes only on OK";

    // None turns the marks off and greys out what goes with them.
    country->setCurrentIndex(0);
    EXPECT_TRUE(PageOptions::holidaysOf(example.options()).isEmpty());
    EXPECT_FALSE(region->isEnabled());
    EXPECT_FALSE(names->isEnabled());
    page.AssignSettings(o.dialog.ExampleCalendar());
    EXPECT_TRUE(PageOptions::holidaysOf(page.options()).isEmpty());
}
