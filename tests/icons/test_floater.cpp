// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "fakedialogs.h"
#include "icontestfiles.h"

#include "core/apppaths.h"
#include "core/datafolders.h"
#include "icons/floater.h"
#include "icons/iconfiles.h"
#include "icons/iconlistbox.h"

#include <QAction>
#include <QDir>
#include <QFileDialog>
#include <QMenu>
#include <QTemporaryDir>

#include <memory>

using namespace IconTestFiles;

namespace {

// The icons window over a data folder of fake libraries, with its dialogs faked.
class FloatingPaletteTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        m_saved = AppPaths::dataFolder();
        AppPaths::setDataFolderOverride(m_data.path() + QLatin1Char('/'));
    }
    void TearDown() override
    {
        m_palette.reset();
        AppPaths::setDataFolderOverride(m_saved);
    }

    QString library(const QString &name, int count)
    {
        const QString path = m_data.filePath(name);
        QDir().mkpath(QFileInfo(path).path());
        EXPECT_TRUE(writeFakeLibrary(path, count));
        return path;
    }
    void shippedLibraries()
    {
        library(QStringLiteral("activity.icl"), 10);
        library(QStringLiteral("events.icl"), 8);
        library(QStringLiteral("holiday.icl"), 6);
        library(QStringLiteral("misc1.icl"), 4);
        library(QStringLiteral("misc2.icl"), 3);
    }
    // Created on first use, so a test lays out its data folder first.
    TFloatingPalette &palette()
    {
        if (!m_palette) {
            m_palette = std::make_unique<TFloatingPalette>(nullptr);
            m_palette->IconListBox().iconModel().setReader(fakeReader());
            // The first library was read before the reader could be replaced.
            const QString first = m_palette->currentFile();
            m_palette->IconListBox().SetFileName(QString());
            m_palette->IconListBox().SetFileName(first);
            m_palette->setFileChooser([this](QWidget *) -> std::optional<QString> {
                ++m_chooserCalls;
                if (m_choices.isEmpty())
                    return std::nullopt;
                return m_choices.takeFirst();
            });
        }
        return *m_palette;
    }
    QAction *item(const QString &caption)
    {
        for (QAction *action : palette().fileMenu().actions()) {
            if (action->text() == caption)
                return action;
        }
        return nullptr;
    }
    QStringList checkedItems()
    {
        QStringList checked;
        QList<QAction *> all = palette().fileMenu().actions() + palette().bonusMenu().actions();
        for (QAction *action : all) {
            if (action->isChecked())
                checked << action->text();
        }
        return checked;
    }

    QTemporaryDir m_data;
    ScopedFakeDialogs m_dialogs;
    QStringList m_choices;
    int m_chooserCalls = 0;

private:
    QString m_saved;
    std::unique_ptr<TFloatingPalette> m_palette;
};

} // namespace

TEST_F(FloatingPaletteTest, IsASmallToolWindowCalledIconsWithoutCloseButton)
{
    shippedLibraries();
    QWidget main;
    TFloatingPalette icons(&main);
    EXPECT_EQ(icons.windowTitle(), QStringLiteral("Icons"));
    EXPECT_EQ(icons.parentWidget(), &main);
    EXPECT_TRUE(icons.isWindow());
    EXPECT_EQ(icons.windowType(), Qt::Tool);
    EXPECT_FALSE(icons.windowFlags().testFlag(Qt::WindowCloseButtonHint));
    EXPECT_FALSE(icons.isVisible()) << "created hidden";
    EXPECT_TRUE(IconFiles::sameFile(icons.currentFile(), m_data.filePath(QStringLiteral("activity.icl"))));
    QStringList captions;
    for (QAction *action : icons.fileMenu().actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"Activities", "Events", "Holidays", "Miscellaneous #1",
                                     "Miscellaneous #2", "Bonus Icon Sets", "Other..."}));
}

TEST_F(FloatingPaletteTest, MissingLibrariesLeaveTheListEmptyAndDisabledWithoutAMessage)
{
    palette();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), -1);
    EXPECT_FALSE(palette().IconListBox().isEnabled());
    item(QStringLiteral("Events"))->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), -1);
    EXPECT_FALSE(palette().IconListBox().isEnabled());
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
    EXPECT_EQ(m_dialogs->dialogCount, 0);
}

TEST_F(FloatingPaletteTest, AnEmptyBonusFolderGivesAnEmptySubmenuAndNoMessageUntilAsked)
{
    shippedLibraries();
    QDir(m_data.path()).mkdir(QStringLiteral("BonusIcons"));
    palette();
    EXPECT_TRUE(palette().bonusMenu().actions().isEmpty());
    EXPECT_TRUE(m_dialogs->messages.isEmpty());

    QAction *bonus = item(QStringLiteral("Bonus Icon Sets"));
    EXPECT_EQ(bonus->menu(), nullptr);
    bonus->trigger();
    ASSERT_EQ(m_dialogs->messages.size(), 1);
    EXPECT_EQ(m_dialogs->messages.first().caption, QStringLiteral("Information"));
    EXPECT_TRUE(m_dialogs->messages.first().text.contains(QStringLiteral("BonusIcons")));
}

TEST_F(FloatingPaletteTest, BonusSetsAreSortedByTheirNameCutAtTheFirstDot)
{
    shippedLibraries();
    library(QStringLiteral("BonusIcons/Zoo.icl"), 2);
    library(QStringLiteral("BonusIcons/animals.v2.ICL"), 7);
    library(QStringLiteral("BonusIcons/notes.txt"), 1);
    QStringList captions;
    for (QAction *action : palette().bonusMenu().actions())
        captions << action->text();
    EXPECT_EQ(captions, (QStringList{"animals", "Zoo"}));
    EXPECT_EQ(item(QStringLiteral("Bonus Icon Sets"))->menu(), &palette().bonusMenu());

    // The item opens the file it was made from, although its caption lost the ".v2".
    palette().bonusMenu().actions().first()->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 7);
    EXPECT_EQ(checkedItems(), QStringList{"Other..."});
    palette().bonusMenu().actions().last()->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 2);
    EXPECT_EQ(checkedItems(), QStringList{"Zoo"});
}

TEST_F(FloatingPaletteTest, TheUsersOwnSetsShowTheNextTimeTheMenuOpensAndWinOnTheirNames)
{
    shippedLibraries();
    library(QStringLiteral("BonusIcons/Zoo.icl"), 2);
    const QString mine = DataFolders::userFolder(QStringLiteral("BonusIcons"));
    QDir().mkpath(mine);
    const auto captions = [this] {
        QStringList texts;
        for (QAction *action : palette().bonusMenu().actions())
            texts << action->text();
        return texts;
    };
    EXPECT_EQ(captions(), QStringList{"Zoo"});
    // Dropped in while the program runs.
    ASSERT_TRUE(QFile::copy(m_data.filePath(QStringLiteral("misc1.icl")), mine + QStringLiteral("Birds.icl")));
    ASSERT_TRUE(QFile::copy(m_data.filePath(QStringLiteral("events.icl")), mine + QStringLiteral("zoo.ICL")));
    emit palette().fileMenu().aboutToShow();
    EXPECT_EQ(captions(), (QStringList{"Birds (yours)", "zoo (yours)"}));
    palette().bonusMenu().actions().last()->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 8) << "the user's zoo, not the shipped one";
    QDir(mine).removeRecursively();
    emit palette().fileMenu().aboutToShow();
    EXPECT_EQ(captions(), QStringList{"Zoo"});
}

TEST_F(FloatingPaletteTest, AShippedLibraryChosenThroughOtherChecksItsOwnItem)
{
    shippedLibraries();
    item(QStringLiteral("Holidays"))->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 6);
    EXPECT_EQ(checkedItems(), QStringList{"Holidays"});

    const QString elsewhere = m_data.filePath(QStringLiteral("mine"));
    QDir().mkpath(elsewhere);
    m_choices << m_data.filePath(QStringLiteral("EVENTS.ICL"));
    item(QStringLiteral("Other..."))->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 8) << "found without regard to case";
    EXPECT_EQ(checkedItems(), QStringList{"Events"});

    m_choices << library(QStringLiteral("mine/faces.icl"), 5);
    item(QStringLiteral("Other..."))->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 5);
    EXPECT_EQ(checkedItems(), QStringList{"Other..."});

    // Cancelling keeps what is shown.
    item(QStringLiteral("Other..."))->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 5);
    EXPECT_TRUE(m_dialogs->messages.isEmpty());
}

TEST_F(FloatingPaletteTest, AFileWithoutIconsAsksAgainAndFallsBackToMisc1)
{
    shippedLibraries();
    const QString empty = library(QStringLiteral("empty.icl"), 0);
    const QString alsoEmpty = library(QStringLiteral("alsoempty.dll"), 0);
    m_choices << empty << alsoEmpty;
    item(QStringLiteral("Other..."))->trigger();
    EXPECT_EQ(m_chooserCalls, 3) << "the first choice and two more after the messages";
    ASSERT_EQ(m_dialogs->messages.size(), 2);
    EXPECT_EQ(m_dialogs->messages.at(0).text, QStringLiteral("No icons found in ") + empty);
    EXPECT_EQ(m_dialogs->messages.at(1).text, QStringLiteral("No icons found in ") + alsoEmpty);
    EXPECT_TRUE(IconFiles::sameFile(palette().currentFile(), m_data.filePath(QStringLiteral("misc1.icl"))));
    EXPECT_EQ(checkedItems(), QStringList{"Miscellaneous #1"});

    m_choices << empty << library(QStringLiteral("good.icl"), 9);
    item(QStringLiteral("Other..."))->trigger();
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 9);
    EXPECT_EQ(checkedItems(), QStringList{"Other..."});
}

TEST_F(FloatingPaletteTest, CheckIconMenuLoadsTheNamedLibraryAndMarksWhatIsShown)
{
    shippedLibraries();
    // Stored preferences name the library in capitals.
    palette().CheckIconMenu(m_data.path() + QStringLiteral("/MISC1.ICL"));
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 4);
    EXPECT_EQ(checkedItems(), QStringList{"Miscellaneous #1"});

    // A stored library that no longer exists leaves the one shown, and its mark.
    palette().CheckIconMenu(m_data.filePath(QStringLiteral("gone.icl")));
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 4);
    EXPECT_EQ(checkedItems(), QStringList{"Miscellaneous #1"});

    // An empty library gives way to Misc1.icl.
    palette().CheckIconMenu(library(QStringLiteral("blank.icl"), 0));
    EXPECT_EQ(palette().IconListBox().NumberOfIcons(), 4);
    EXPECT_EQ(checkedItems(), QStringList{"Miscellaneous #1"});
}

TEST_F(FloatingPaletteTest, TheOpenDialogOffersIconFilesFromTheDataFolder)
{
    shippedLibraries();
    QStringList filters;
    QString selected, suffix, folder;
    m_dialogs->onDialog = [&](QDialog &dialog) {
        auto *files = dynamic_cast<QFileDialog *>(&dialog);
        if (files) {
            filters = files->nameFilters();
            selected = files->selectedNameFilter();
            suffix = files->defaultSuffix();
            folder = files->directory().absolutePath();
        }
        return int(QDialog::Rejected);
    };
    EXPECT_FALSE(TFloatingPalette::OpenIconCollectionDialog(nullptr).has_value());
    ASSERT_EQ(filters.size(), 7);
    EXPECT_EQ(filters.first(), QStringLiteral("All Files (*.ICL *.DLL *.EXE *.ICO *.NIL)"));
    EXPECT_EQ(selected, QStringLiteral("ICL and ICO Files (*.ICL *.ICO)"));
    EXPECT_EQ(suffix, QStringLiteral("ICL"));
    EXPECT_EQ(QDir(folder), QDir(m_data.path()));
}
