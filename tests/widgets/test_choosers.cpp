// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "widgets/choosers.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QFontDialog>
#include <QTemporaryDir>

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
