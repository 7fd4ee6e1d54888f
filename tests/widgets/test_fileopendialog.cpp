// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/filebytes.h"
#include "fakedialogs.h"
#include "widgets/choosers.h"
#include "widgets/fileopendialog.h"

#include <QFile>
#include <QComboBox>
#include <QFileDialog>
#include <QLineEdit>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QTreeWidget>

#include <filesystem>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// A folder of calendars, one of them named in Latin-1 as an old system wrote it.
struct CalendarFolder : ::testing::Test {
    QTemporaryDir dir;
    QByteArray native = QFile::encodeName(dir.path());
    QByteArray latin1Name = "Kalender-M\xe4rz.OVF";

    void SetUp() override
    {
        ASSERT_EQ(::mkdir((native + "/Sub").constData(), 0700), 0);
        for (const QByteArray &name : {latin1Name, QByteArray("a.ovf"), QByteArray("b.txt"),
                                      QByteArray(".hidden.OVF"), QByteArray("Sub/inner.OVF")})
            ASSERT_TRUE(touch(native + '/' + name));
    }
    // QTemporaryDir cannot remove names that are not UTF-8.
    void TearDown() override
    {
        std::error_code ignored;
        std::filesystem::remove_all(native.toStdString(), ignored);
    }
    static bool touch(const QByteArray &name)
    {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        return fd >= 0 && ::write(fd, "OVF", 3) == 3 && ::close(fd) == 0;
    }
    QString latin1File() const { return FileBytes::decodeName(native + '/' + latin1Name); }
};

const QString Calendars = QStringLiteral("Calendar File|*.OVF");

} // namespace

TEST_F(CalendarFolder, ListsEveryFileTheFolderHoldsFoldersFirst)
{
    FileOpenDialog dialog(nullptr, QStringLiteral("Open"), dir.path(), Calendars);
    const QString latin1 = FileBytes::decodeName(latin1Name);
    // The type matches whatever the case of the extension; hidden files wait for Ctrl+H.
    EXPECT_EQ(dialog.listedNames(), (QStringList{QStringLiteral("Sub"), QStringLiteral("a.ovf"), latin1}));
    dialog.setShowHidden(true);
    EXPECT_TRUE(dialog.listedNames().contains(QStringLiteral(".hidden.OVF")));
    dialog.typeBox()->setCurrentIndex(dialog.typeBox()->count() - 1);
    EXPECT_TRUE(dialog.listedNames().contains(QStringLiteral("b.txt")));

    // The name shows readably, and says why it looks odd.
    const QTreeWidgetItem *row = dialog.list()->findItems(QStringLiteral("Kalender"), Qt::MatchStartsWith).value(0);
    ASSERT_TRUE(row);
    EXPECT_EQ(row->text(0), QStringLiteral("Kalender-M\ufffdrz.OVF (invalid encoding)"));
}

TEST_F(CalendarFolder, AFilePickedFromTheListIsOpenedByItsRealName)
{
    ScopedFakeDialogs fake;
    FileOpenDialog dialog(nullptr, QStringLiteral("Open"), dir.path(), Calendars);
    const auto rows = dialog.list()->findItems(QStringLiteral("Kalender"), Qt::MatchStartsWith);
    ASSERT_EQ(rows.size(), 1);
    dialog.list()->setCurrentItem(rows.first());
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(FileBytes::encodeName(dialog.selectedFile()), native + '/' + latin1Name);
    EXPECT_TRUE(FileBytes::readRegularFile(dialog.selectedFile(), 10).ok());
    EXPECT_TRUE(fake->messages.isEmpty());
}

TEST_F(CalendarFolder, TypedNamesEnterFoldersAndAMissingFileIsRefused)
{
    ScopedFakeDialogs fake;
    FileOpenDialog dialog(nullptr, QStringLiteral("Open"), dir.path(), Calendars);
    dialog.nameEdit()->setText(QStringLiteral("Sub"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.folder(), dir.filePath(QStringLiteral("Sub")));
    EXPECT_EQ(dialog.listedNames(), QStringList{QStringLiteral("inner.OVF")});

    dialog.nameEdit()->setText(QStringLiteral("missing.OVF"));
    dialog.accept();
    EXPECT_NE(dialog.result(), QDialog::Accepted);
    ASSERT_EQ(fake->messages.size(), 1);
    EXPECT_TRUE(fake->messages.first().text.contains(QStringLiteral("missing.OVF")));

    dialog.nameEdit()->setText(dir.filePath(QStringLiteral("a.ovf")));
    dialog.accept();
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.selectedFile(), dir.filePath(QStringLiteral("a.ovf")));
}

TEST_F(CalendarFolder, StartsAtTheProposedFileOrTheNearestFolderThatExists)
{
    FileOpenDialog proposed(nullptr, QStringLiteral("Open"), latin1File(), Calendars);
    EXPECT_EQ(proposed.folder(), dir.path());
    EXPECT_EQ(proposed.selectedFile(), latin1File());
    ASSERT_TRUE(proposed.list()->currentItem());

    FileOpenDialog gone(nullptr, QStringLiteral("Open"), dir.filePath(QStringLiteral("Gone/Deeper/x.OVF")), Calendars);
    EXPECT_EQ(gone.folder(), dir.path());
    EXPECT_TRUE(gone.selectedFile().isEmpty());
}

TEST_F(CalendarFolder, OpeningWithoutADesktopDialogListsNamesQtWouldHide)
{
    // The test platform offers no dialog of its own, as a desktop without one does.
    QFileDialog probe;
    ASSERT_TRUE(Choosers::showsQtsOwnWidgets(probe));
    ScopedFakeDialogs fake;
    QStringList offered;
    fake->onDialog = [&](QDialog &d) {
        auto *own = dynamic_cast<FileOpenDialog *>(&d);
        if (!own)
            return int(QDialog::Rejected);
        offered = own->listedNames();
        own->selectFile(own->listedNames().last());
        return int(QDialog::Accepted);
    };
    const auto chosen = Choosers::chooseOpenFile(nullptr, QStringLiteral("Open Calendar File"), dir.path(), Calendars);
    ASSERT_TRUE(chosen);
    EXPECT_EQ(FileBytes::encodeName(*chosen), native + '/' + latin1Name);
    EXPECT_EQ(offered.size(), 3);
}

TEST(FolderListing, ReadsNamesByTheirBytesAndFollowsLinks)
{
    QTemporaryDir dir;
    const QByteArray native = QFile::encodeName(dir.path());
    const auto cleanUp = qScopeGuard([&] {
        std::error_code ignored;
        std::filesystem::remove_all(native.toStdString(), ignored);
    });
    ASSERT_EQ(::mkdir((native + "/real").constData(), 0700), 0);
    ASSERT_EQ(::symlink("real", (native + "/link").constData()), 0);
    ASSERT_EQ(::symlink("nowhere", (native + "/dangling").constData()), 0);
    ASSERT_TRUE(CalendarFolder::touch(native + "/\xff.OVF"));
    const FileBytes::FolderListing listing = FileBytes::listFolder(dir.path());
    ASSERT_TRUE(listing.ok()) << listing.reason.toStdString();
    QMap<QByteArray, bool> folders;
    for (const auto &entry : listing.entries)
        folders[FileBytes::encodeName(entry.name)] = entry.folder;
    EXPECT_EQ(folders, (QMap<QByteArray, bool>{{"real", true}, {"link", true}, {"dangling", false}, {"\xff.OVF", false}}));
    EXPECT_EQ(FileBytes::displayName(FileBytes::decodeName("\xff.OVF")), QStringLiteral("\ufffd.OVF"));

    const FileBytes::FolderListing missing = FileBytes::listFolder(dir.filePath(QStringLiteral("none")));
    EXPECT_FALSE(missing.ok());
    EXPECT_TRUE(missing.entries.isEmpty());
}
