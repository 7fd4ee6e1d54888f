// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "englishnames.h"
#include "fakedialogs.h"
#include "core/apppaths.h"
#include "recurringdialogs/checkmarkdelegate.h"
#include "recurringdialogs/editrecurringdateformula.h"
#include "recurringdialogs/editrecurringdates.h"
#include "recurringdialogs/getholidays.h"
#include "recurring/holidaylist.h"
#include "recurringdialogs/recurringcommands.h"
#include "recurring/recurringstore.h"

#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>

namespace {

class DatesDialogTest : public ::testing::Test
{
protected:
    void SetUp() override { AppPaths::setUserFolderOverride(m_dir.path()); }
    void TearDown() override { AppPaths::setUserFolderOverride(QString()); }

    QString path() const { return RecurringStore::datesFilePath(); }
    void store(const QStringList &lines) { ASSERT_EQ(RecurringStore::save(path(), lines), QString()); }
    QByteArray fileBytes() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    QPushButton *button(const QDialog &dialog, const char *name) const
    {
        return dialog.findChild<QPushButton *>(QLatin1String(name));
    }

    QTemporaryDir m_dir;
    ScopedFakeDialogs m_fake;
};

const QString kBirthday = entryLine(QStringLiteral("Birthday"), QStringLiteral("@0512"));
const QString kAnniversary = entryLine(QStringLiteral("anniversary"), QStringLiteral("$0 6 6"));
const QString kGym = entryLine(QStringLiteral("Gym"), QStringLiteral("%246"));

// Scripts the formula dialog: checks what it was opened with, then sets a name and a day.
int answerFormula(QDialog &dialog, const QString &caption, const QString &event, const QString &newName)
{
    auto *formula = dynamic_cast<TEditRecurringDateFormula *>(&dialog);
    EXPECT_NE(formula, nullptr);
    if (!formula)
        return QDialog::Rejected;
    EXPECT_EQ(formula->windowTitle(), caption);
    EXPECT_EQ(formula->eventText(), event);
    formula->setEventText(newName);
    formula->findChild<QPushButton *>(QStringLiteral("Okbutton"))->click();
    return formula->result();
}

} // namespace

TEST_F(DatesDialogTest, ListsTheFileSortedWithoutRegardToCase)
{
    store({kGym, kBirthday, kAnniversary});
    TEditRecurringDates dialog(path());
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Recurring Dates"));
    EXPECT_EQ(dialog.lines(), (QStringList{kAnniversary, kBirthday, kGym}));
    EXPECT_EQ(dialog.selectedRow(), 0);
    EXPECT_TRUE(button(dialog, "EditButton")->isEnabled());
    EXPECT_TRUE(button(dialog, "OkButton")->isDefault());

    TEditRecurringDates empty(m_dir.filePath(QStringLiteral("none.dax")));
    EXPECT_TRUE(empty.loadError().isEmpty());
    EXPECT_EQ(empty.selectedRow(), -1);
    EXPECT_FALSE(button(empty, "EditButton")->isEnabled());
    EXPECT_FALSE(button(empty, "DeleteButton")->isEnabled());
}

TEST_F(DatesDialogTest, NewAddsTheLineInItsSortedPlace)
{
    store({kBirthday, kGym});
    TEditRecurringDates dialog(path());
    m_fake->onDialog = [](QDialog &d) {
        auto &formula = dynamic_cast<TEditRecurringDateFormula &>(d);
        EXPECT_EQ(formula.formula(), QStringLiteral("@"));
        formula.findChild<QSpinBox *>(QStringLiteral("DayOfMonthDay"))->setValue(4);
        formula.findChild<QComboBox *>(QStringLiteral("DayOfMonthMonth"))->setCurrentIndex(7);
        return answerFormula(d, QStringLiteral("Add Recurring Date"), QStringLiteral("[Enter event]"),
                             QStringLiteral("Dentist"));
    };
    dialog.NewClick();
    const QString dentist = entryLine(QStringLiteral("Dentist"), QStringLiteral("@0704"));
    EXPECT_EQ(dialog.lines(), (QStringList{kBirthday, dentist, kGym}));
    EXPECT_EQ(dialog.selectedRow(), 1);

    // Cancelling the formula dialog adds nothing.
    m_fake->onDialog = nullptr;
    dialog.NewClick();
    EXPECT_EQ(dialog.lines().size(), 3);
}

TEST_F(DatesDialogTest, EditingReSortsByTheNewName)
{
    store({kAnniversary, kBirthday, kGym});
    TEditRecurringDates dialog(path());
    dialog.DatesList()->setCurrentRow(0);
    m_fake->onDialog = [](QDialog &d) {
        auto &formula = dynamic_cast<TEditRecurringDateFormula &>(d);
        EXPECT_EQ(formula.formula(), QStringLiteral("$0 6 6    "));
        EXPECT_EQ(formula.findChild<QComboBox *>(QStringLiteral("SpecialMonth"))->currentIndex(), 6);
        return answerFormula(d, QStringLiteral("Edit Recurring Date Formula"),
                             QStringLiteral("anniversary"), QStringLiteral("Zoo day"));
    };
    dialog.EditClick();
    const QString zoo = entryLine(QStringLiteral("Zoo day"), QStringLiteral("$0 6 6"));
    EXPECT_EQ(dialog.lines(), (QStringList{kBirthday, kGym, zoo}));
    EXPECT_EQ(dialog.selectedRow(), 2);
    EXPECT_EQ(m_fake->dialogCount, 1);
}

TEST_F(DatesDialogTest, EasterLinesCannotBeEditedButCanBeDeleted)
{
    const QString easter = holidayLines().at(5);
    store({easter, entryLine(QStringLiteral("Other"), QStringLiteral("!1"))});
    TEditRecurringDates dialog(path());
    ASSERT_EQ(dialog.lines().first(), easter);
    dialog.EditClick();
    ASSERT_EQ(m_fake->messages.size(), 1);
    EXPECT_EQ(m_fake->messages[0].text, QStringLiteral("This entry cannot be edited"));
    EXPECT_EQ(m_fake->dialogCount, 0);

    // Another marker: Edit does nothing at all.
    dialog.DatesList()->setCurrentRow(1);
    dialog.EditClick();
    EXPECT_EQ(m_fake->messages.size(), 1);
    EXPECT_EQ(m_fake->dialogCount, 0);

    dialog.DatesList()->setCurrentRow(0);
    dialog.DeleteClick();
    EXPECT_EQ(dialog.lines().size(), 1);
    EXPECT_EQ(dialog.selectedRow(), 0);
    dialog.DeleteClick();
    EXPECT_TRUE(dialog.lines().isEmpty());
    EXPECT_FALSE(button(dialog, "DeleteButton")->isEnabled());
}

TEST_F(DatesDialogTest, HolidaysAreAddedOnceInAnyLetterCase)
{
    const QString christmasUpper = holidayLines().at(2).toUpper();
    store({christmasUpper});
    TEditRecurringDates dialog(path());
    m_fake->onDialog = [](QDialog &d) {
        auto &picker = dynamic_cast<TGetHolidays &>(d);
        EXPECT_EQ(picker.windowTitle(), QStringLiteral("Holidays"));
        picker.AllClick();
        picker.OkClick();
        return picker.result();
    };
    dialog.HolidaysClick();
    dialog.HolidaysClick();
    const QStringList lines = dialog.lines();
    EXPECT_EQ(lines.size(), 26);
    EXPECT_TRUE(lines.contains(christmasUpper));
    EXPECT_FALSE(lines.contains(holidayLines().at(2)));
    QStringList sorted = lines;
    std::stable_sort(sorted.begin(), sorted.end(), RecurringStore::lessIgnoringCase);
    EXPECT_EQ(lines, sorted);
}

TEST_F(DatesDialogTest, HolidayPickerRefusesAnEmptyChoice)
{
    TGetHolidays picker;
    ASSERT_EQ(picker.lines().size(), 26);
    EXPECT_EQ(picker.list()->objectName(), QStringLiteral("Holidays"));
    EXPECT_TRUE(picker.list()->item(0)->text().startsWith(QStringLiteral("April Fools's Day (1st of ")));
    EXPECT_EQ(picker.list()->selectionMode(), QAbstractItemView::MultiSelection);
    picker.OkClick();
    EXPECT_NE(picker.result(), QDialog::Accepted);
    picker.list()->item(3)->setSelected(true);
    picker.list()->item(7)->setSelected(true);
    EXPECT_EQ(picker.selectedLines(), (QStringList{picker.lines().at(3), picker.lines().at(7)}));
    picker.NoneClick();
    EXPECT_TRUE(picker.selectedLines().isEmpty());
    picker.AllClick();
    EXPECT_EQ(picker.selectedLines(), picker.lines());
    picker.OkClick();
    EXPECT_EQ(picker.result(), QDialog::Accepted);
}

TEST_F(DatesDialogTest, OkWritesTheListCancelLeavesTheFile)
{
    store({kGym, kBirthday});
    const QByteArray before = fileBytes();
    {
        TEditRecurringDates dialog(path());
        dialog.DeleteClick();
        dialog.DeleteClick();
        dialog.reject();
    }
    EXPECT_EQ(fileBytes(), before);

    TEditRecurringDates dialog(path());
    dialog.DeleteClick();
    dialog.OkClick();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(RecurringStore::load(path()).lines, QStringList{kGym});
}

TEST_F(DatesDialogTest, AFailedWriteKeepsTheDialogAndTheList)
{
    TEditRecurringDates dialog(m_dir.filePath(QStringLiteral("missing/folder/OVRECUR.DAX")));
    m_fake->onDialog = [](QDialog &d) {
        auto &picker = dynamic_cast<TGetHolidays &>(d);
        picker.AllClick();
        picker.OkClick();
        return picker.result();
    };
    dialog.HolidaysClick();
    dialog.OkClick();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.lines().size(), 26);
    ASSERT_EQ(m_fake->messages.size(), 1);
    EXPECT_EQ(m_fake->messages[0].icon, DialogService::Icon::Critical);
    EXPECT_TRUE(m_fake->messages[0].text.startsWith(QStringLiteral("The recurring dates could not be saved.")));
}

TEST_F(DatesDialogTest, MalformedLinesAreListedAndKeptAsTheyAre)
{
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    const QByteArray bytes = "short\r\n"
                             "tab\there\r\n"
                             "stray\rcr\r\n"
                             + QByteArray(5000, '$') + "\r\n"
                             + QByteArray(120, ' ') + "@\r\n"
                             + QByteArray(120, 'x') + "\r\n";
    file.write(bytes);
    file.close();

    TEditRecurringDates dialog(path());
    ASSERT_EQ(dialog.lines().size(), 6);
    m_fake->onDialog = [](QDialog &d) {
        auto &formula = dynamic_cast<TEditRecurringDateFormula &>(d);
        formula.DetermineFormulaString();
        return int(QDialog::Rejected);
    };
    for (int row = 0; row < 6; ++row) {
        dialog.DatesList()->setCurrentRow(row);
        dialog.EditClick();
    }
    // Only the "$" and "@" lines open the editor.
    EXPECT_EQ(m_fake->dialogCount, 2);
    QImage image(400, 200, QImage::Format_ARGB32);
    dialog.DatesList()->resize(400, 200);
    dialog.DatesList()->render(&image);
    dialog.OkClick();
    QStringList sorted = RecurringStore::parseLines(bytes);
    std::stable_sort(sorted.begin(), sorted.end(), RecurringStore::lessIgnoringCase);
    EXPECT_EQ(fileBytes(), RecurringStore::serializeLines(sorted));
}

TEST_F(DatesDialogTest, CommandRunsHooksAndRefusesAnUnreadableFile)
{
    int before = 0;
    int after = 0;
    const RecurringDialogHooks hooks{[&before] { ++before; }, [&after] { ++after; }};
    m_fake->onDialog = [](QDialog &d) {
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Recurring Dates"));
        static_cast<TEditRecurringDates &>(d).OkClick();
        return d.result();
    };
    EXPECT_TRUE(editRecurringDates(nullptr, hooks));
    EXPECT_EQ(before, 1);
    EXPECT_EQ(after, 1);
    EXPECT_TRUE(QFile::exists(path()));

    // A file too large to read is reported and never replaced.
    QFile file(path());
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(RecurringStore::MaxFileSize + 10, 'x'));
    file.close();
    EXPECT_FALSE(editRecurringDates(nullptr, hooks));
    EXPECT_EQ(m_fake->dialogCount, 1);
    EXPECT_EQ(after, 2);
    ASSERT_EQ(m_fake->messages.size(), 1);
    EXPECT_EQ(QFileInfo(path()).size(), RecurringStore::MaxFileSize + 10);
}

TEST_F(DatesDialogTest, StartUpConversionUsesTheUserFolder)
{
    QFile old(RecurringStore::oldDatesFilePath());
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("1225Christmas\r\n");
    old.close();
    convertOldRecurringDates(nullptr);
    EXPECT_TRUE(m_fake->messages.isEmpty());
    EXPECT_FALSE(QFile::exists(RecurringStore::oldDatesFilePath()));
    TEditRecurringDates dialog(path());
    EXPECT_EQ(dialog.lines(), QStringList{RecurringStore::convertOldLine(QStringLiteral("1225Christmas"))});
}

TEST(CheckMarkDelegate, FocusedLineWhiteOnBlackWithItsCheckMark)
{
    QListWidget list;
    list.setItemDelegate(new CheckMarkDelegate(&list));
    list.addItem(QStringLiteral("x"));
    QStyleOptionViewItem option;
    option.rect = QRect(0, 0, 100, 16);
    option.palette.setColor(QPalette::Base, Qt::white);
    option.font = list.font();
    auto probe = [&](QStyle::State state) {
        QImage image(100, 16, QImage::Format_ARGB32);
        image.fill(Qt::red);
        QPainter painter(&image);
        option.state = state;
        list.itemDelegate()->paint(&painter, option, list.model()->index(0, 0));
        painter.end();
        int white = 0;
        int black = 0;
        for (int y = 0; y < 16; ++y) {
            for (int x = 0; x < CheckMarkDelegate::MarkSize; ++x) {
                white += image.pixelColor(x, y) == QColor(Qt::white);
                black += image.pixelColor(x, y) == QColor(Qt::black);
            }
        }
        return std::tuple{image.pixelColor(90, 8), white, black};
    };
    const auto [focusedBackground, focusedWhite, focusedBlack] =
        probe(QStyle::State_HasFocus | QStyle::State_Selected);
    EXPECT_EQ(focusedBackground, QColor(Qt::black));
    EXPECT_GT(focusedWhite, 10);
    const auto [plainBackground, plainWhite, plainBlack] = probe(QStyle::State_Selected);
    EXPECT_EQ(plainBackground, QColor(Qt::white));
    EXPECT_GT(plainBlack, 10);
    const auto [unchosenBackground, unchosenWhite, unchosenBlack] = probe(QStyle::State_None);
    EXPECT_EQ(unchosenBackground, QColor(Qt::white));
    EXPECT_EQ(unchosenBlack, 0);
}
