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
#include <QMimeDatabase>
#include <QListView>
#include <QSignalSpy>
#include <QFontDatabase>
#include <QFontDialog>
#include <QScopeGuard>
#include <QTemporaryDir>

#include <QLabel>

#include <filesystem>

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

TEST(FontChooser, SaysWhichFamilyDrawsAFontThatIsNotInstalled)
{
    if (!QFontDatabase::hasFamily(QStringLiteral("Liberation Sans")))
        GTEST_SKIP() << "the Liberation fonts are not installed";
    FontChooser chooser(TFont(QStringLiteral("Arial"), 10), 96);
    const auto *standIn = chooser.findChild<QLabel *>(QStringLiteral("StandIn"));
    ASSERT_NE(standIn, nullptr);
    EXPECT_FALSE(standIn->isHidden());
    EXPECT_EQ(standIn->text(), QStringLiteral("The document names Arial, which is not installed: it is drawn with "
                                              "Liberation Sans."));
    chooser.setChosenFont(TFont(QStringLiteral("Liberation Sans"), 10));
    EXPECT_TRUE(standIn->isHidden());
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

TEST(Choosers, APathAsQtShowsANameThatIsNotUtf8LeadsToTheRealFile)
{
    QTemporaryDir dir;
    // QTemporaryDir cannot remove names that are not UTF-8.
    const auto cleanUp = qScopeGuard([&dir] {
        std::error_code ignored;
        std::filesystem::remove_all(QFile::encodeName(dir.path()).toStdString(), ignored);
    });
    const QByteArray folder = QFile::encodeName(dir.path()) + "/\xe9t\xe9";
    ASSERT_EQ(::mkdir(folder.constData(), 0700), 0);
    const auto touch = [](const QByteArray &name) {
        const int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_EXCL, 0600);
        return fd >= 0 && ::close(fd) == 0;
    };
    const QByteArray file = folder + "/caf\xe9.OVF";
    ASSERT_TRUE(touch(file));
    // What a file dialog gives back: every such byte replaced, in the folder's name too.
    EXPECT_EQ(FileBytes::encodeName(Choosers::realPath(QFile::decodeName(file))), file);

    // Two names that show alike are not guessed between.
    ASSERT_TRUE(touch(folder + "/a\xe8.OVF"));
    ASSERT_TRUE(touch(folder + "/a\xe0.OVF"));
    const QString alike = QFile::decodeName(folder + "/a\xe8.OVF");
    EXPECT_FALSE(FileBytes::exists(Choosers::realPath(alike)));

    // A path that exists, or that no entry matches (a new file to save), stays as it is.
    EXPECT_EQ(Choosers::realPath(dir.path()), dir.path());
    const QString missing = dir.filePath(QStringLiteral("new \u00e9.OVF"));
    EXPECT_EQ(Choosers::realPath(missing), missing);
}

TEST(Choosers, FileDialogsTellFileTypesByNameWithoutReadingTheFiles)
{
    QTemporaryDir dir;
    // Content that says PDF in a file whose name says nothing: reading it would tell.
    QFile unnamed(dir.filePath(QStringLiteral("kmsg")));
    ASSERT_TRUE(unnamed.open(QIODevice::WriteOnly));
    unnamed.write("%PDF-1.4\n");
    unnamed.close();
    const NameOnlyIconProvider provider;
    const QString pdf = QMimeDatabase().mimeTypeForName(QStringLiteral("application/pdf")).comment();
    EXPECT_NE(provider.type(QFileInfo(unnamed.fileName())), pdf);
    EXPECT_EQ(provider.type(QFileInfo(dir.filePath(QStringLiteral("year.pdf")))), pdf);
    EXPECT_FALSE(provider.icon(QFileInfo(unnamed.fileName())).isNull());

    // The dialogs the program opens use it.
    ScopedFakeDialogs fake;
    int prepared = 0;
    fake->onDialog = [&](QDialog &d) {
        if (auto *files = dynamic_cast<QFileDialog *>(&d))
            prepared += dynamic_cast<const NameOnlyIconProvider *>(files->iconProvider()) != nullptr;
        return int(QDialog::Rejected);
    };
    Choosers::chooseSaveFile(nullptr, QStringLiteral("Save"), dir.filePath(QStringLiteral("a.OVF")),
                             QStringLiteral("Calendar File|*.OVF"), QStringLiteral("OVF"));
    EXPECT_EQ(prepared, 1);
}
