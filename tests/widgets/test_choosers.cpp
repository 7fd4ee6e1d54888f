// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "core/filebytes.h"
#include "fakedialogs.h"
#include "widgets/choosers.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QListView>
#include <QSignalSpy>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

TEST(FontChooser, ShowsTheStoredFontAndOkWithoutAChangeKeepsIt)
{
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Serif")))
        GTEST_SKIP() << "the Liberation fonts are not installed";
    const TFont title(QStringLiteral("Times New Roman"), 26, TFont::Style::Bold, 0x0000FF);
    FontChooser chooser(title, 96);
    const QFont shown = chooser.fontDialog()->currentFont();
    EXPECT_EQ(shown.family(), QStringLiteral("Liberation Serif"));
    EXPECT_TRUE(shown.bold());
    EXPECT_EQ(shown.pointSize(), 26);
    // Unchanged: the very font given, stored name and all.
    const TFont kept = chooser.font();
    EXPECT_EQ(kept.name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(kept.size(), 26);
    EXPECT_EQ(kept.style(), TFont::Style::Bold);
    EXPECT_EQ(kept.color(), 0x0000FF);

    // A new size keeps the stored family name; a new family takes the chosen one.
    QFont bigger = shown;
    bigger.setPointSize(30);
    chooser.fontDialog()->setCurrentFont(bigger);
    EXPECT_EQ(chooser.font().name(), QStringLiteral("Times New Roman"));
    EXPECT_EQ(chooser.font().size(), 30);
    QFont mono(QStringLiteral("Liberation Mono"));
    mono.setPointSize(12);
    chooser.fontDialog()->setCurrentFont(mono);
    EXPECT_EQ(chooser.font().name(), QStringLiteral("Liberation Mono"));
    EXPECT_EQ(FontChooser::displayFamily(QStringLiteral("Arial")), QStringLiteral("Liberation Sans"));
    EXPECT_EQ(FontChooser::displayFamily(QStringLiteral("DejaVu Sans")), QStringLiteral("DejaVu Sans"));
}

TEST(Choosers, FileDialogsStartAtHomeWhenThereIsNoDocumentsFolder)
{
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    qputenv("HOME", QFile::encodeName(home.path()));
    EXPECT_EQ(Choosers::documentsFolder(), QDir::homePath()) << "no Documents folder yet";
    QDir(home.path()).mkdir(QStringLiteral("Documents"));
    EXPECT_EQ(Choosers::documentsFolder(), home.filePath(QStringLiteral("Documents")));
    qputenv("HOME", oldHome);
}

TEST(Choosers, TheOpenDialogListsAndGivesBackNamesThatAreNotUtf8)
{
    QTemporaryDir dir;
    const QByteArray folder = QFile::encodeName(dir.path()) + "/\xe9t\xe9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    const QByteArray file = folder + "/caf\xe9.OVF";
    const int fd = ::open(file.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ASSERT_GE(fd, 0);
    ::close(fd);

    ScopedFakeDialogs fake;
    QStringList listed;
    fake->onDialog = [&](QDialog &dialog) {
        auto &files = dynamic_cast<QFileDialog &>(dialog);
        auto *model = files.findChild<QFileSystemModel *>();
        auto *view = files.findChild<QListView *>(QStringLiteral("listView"));
        if (!model || !view)
            return int(QDialog::Rejected);
        // The folder is read in the background.
        QSignalSpy loaded(model, &QFileSystemModel::directoryLoaded);
        const QModelIndex root = view->rootIndex();
        if (model->rowCount(root) == 0 && !loaded.wait(30000))
            return int(QDialog::Rejected);
        for (int row = 0; row < view->model()->rowCount(view->rootIndex()); ++row)
            listed << view->model()->index(row, 0, view->rootIndex()).data().toString();
        if (listed.size() != 1)
            return int(QDialog::Rejected);
        view->setCurrentIndex(view->model()->index(0, 0, view->rootIndex()));
        files.accept();
        return files.result();
    };
    const auto chosen = Choosers::chooseOpenFile(nullptr, QStringLiteral("Open"), FileBytes::decodeName(folder),
                                                 QStringLiteral("Calendar File|*.OVF"));
    ASSERT_EQ(listed.size(), 1) << qPrintable(listed.join(QLatin1Char('|')));
    ASSERT_TRUE(chosen);
    EXPECT_EQ(FileBytes::encodeName(*chosen), file);

    // A path that exists, or that no entry matches, stays as it is.
    EXPECT_EQ(Choosers::realPath(dir.path()), dir.path());
    const QString missing = dir.filePath(QStringLiteral("new \u00e9.OVF"));
    EXPECT_EQ(Choosers::realPath(missing), missing);
}
