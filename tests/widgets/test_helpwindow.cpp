// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QFileInfo>
#include <QApplication>
#include <QDialog>
#include <QTextBrowser>

#include "widgets/helpwindow.h"

TEST(HelpWindow, EveryTopicTheProgramOpensHasAPage)
{
    QList<int> topics{911, 1015, 3109, 40003, 40004, 40008, 40012, 40013, 40014};
    for (int t = 2100; t <= 2108; ++t)
        topics << t;
    topics << 2110; // the Extras tab, after Borders
    topics << 5000; // calendar projects
    EXPECT_TRUE(QFileInfo::exists(HelpWindow::contentsUrl().toLocalFile()));
    for (int topic : topics) {
        const QString file = HelpWindow::topicUrl(topic).toLocalFile();
        EXPECT_TRUE(QFileInfo(file).size() > 400) << topic;
    }
}

TEST(HelpWindow, ShowHelpTopicOpensThatTopicsPage)
{
    ShowHelpTopic(1015);
    HelpWindow &help = HelpWindow::instance();
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(help.currentPage(), HelpWindow::topicUrl(1015));
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Technical Support")));
    ShowHelpContents();
    EXPECT_EQ(help.currentPage(), HelpWindow::contentsUrl());
    ShowHelpTopic(2102);
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("Number Cells")));
    HelpWindow::closeIfOpen();
    EXPECT_FALSE(help.isVisible());
}

TEST(HelpWindow, ATopicWithoutAPageShowsTheContentsWithANote)
{
    ShowHelpTopic(123456);
    HelpWindow &help = HelpWindow::instance();
    EXPECT_EQ(help.currentPage(), HelpWindow::contentsUrl());
    EXPECT_TRUE(help.browser()->toPlainText().contains(QStringLiteral("no help page for topic 123456")));
    HelpWindow::closeIfOpen();
}

TEST(HelpWindow, HelpFromAModalDialogOpensAboveItAsItsOwnWindow)
{
    QDialog dialog;
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    ASSERT_EQ(QApplication::activeModalWidget(), &dialog);
    HelpWindow &help = HelpWindow::instance();
    help.showTopic(2101);
    EXPECT_EQ(help.parentWidget(), &dialog) << "a window of the dialog takes input while it runs";
    EXPECT_TRUE(help.isWindow());
    EXPECT_TRUE(help.isVisible());
    EXPECT_EQ(&HelpWindow::instance(), &help) << "one help window per dialog";
    dialog.close();
    EXPECT_NE(&HelpWindow::instance(), &help) << "without a dialog, the shared window";
}
