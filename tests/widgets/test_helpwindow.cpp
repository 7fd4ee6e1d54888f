// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QTreeWidgetItemIterator>

#include <functional>

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

TEST(HelpContents, HeadingsBecomeBranchesAndLinksTheirPages)
{
    const QString html = QStringLiteral(
        "<h1>Help</h1><p><a href=\"intro.html\">Start here</a></p>"
        "<h2>The <b>File</b> menu</h2><ul><li><a href=\"new.html\">New</a></li>"
        "<li><a href=\"open.html#recent\">Open &amp; recent</a></li><li><a href=\"new.html\">New again</a></li>"
        "<li><a href=\"https://example.org/x.html\">outside</a></li><li><a href=\"images/a.png\">picture</a></li></ul>"
        "<h2>Empty</h2><H2 class=\"x\">Dialogs</H2><a HREF=\"2100.html\">Layout\ntab</a>");
    const QList<HelpContentsEntry> contents = helpContentsOf(html);
    ASSERT_EQ(contents.size(), 4);
    EXPECT_EQ(contents[0].title, QStringLiteral("Start here"));
    EXPECT_EQ(contents[0].file, QStringLiteral("intro.html"));
    EXPECT_EQ(contents[1].title, QStringLiteral("The File menu"));
    EXPECT_TRUE(contents[1].file.isEmpty());
    ASSERT_EQ(contents[1].children.size(), 2) << "a page once, outside links and pictures left out";
    EXPECT_EQ(contents[1].children[1].file, QStringLiteral("open.html"));
    EXPECT_EQ(contents[1].children[1].title, QStringLiteral("Open & recent"));
    EXPECT_TRUE(contents[2].children.isEmpty());
    ASSERT_EQ(contents[3].children.size(), 1);
    EXPECT_EQ(contents[3].children[0].title, QStringLiteral("Layout tab"));
}

TEST(HelpContents, EveryPageOfTheFolderIsInTheContentsAndEveryLinkLeadsToAPage)
{
    const QString folder = HelpWindow::helpFolder();
    QFile index(folder + QStringLiteral("index.html"));
    ASSERT_TRUE(index.open(QIODevice::ReadOnly));
    QStringList listed;
    std::function<void(const QList<HelpContentsEntry> &)> collect = [&](const QList<HelpContentsEntry> &entries) {
        for (const HelpContentsEntry &e : entries) {
            if (!e.file.isEmpty()) {
                listed << e.file;
                EXPECT_TRUE(QFileInfo::exists(folder + e.file)) << e.file.toStdString();
            }
            collect(e.children);
        }
    };
    collect(helpContentsOf(QString::fromUtf8(index.readAll())));
    for (const QString &file : QDir(folder).entryList({QStringLiteral("*.html")}, QDir::Files)) {
        if (file != QStringLiteral("index.html"))
            EXPECT_TRUE(listed.contains(file)) << file.toStdString() << " is not in the contents";
    }
}

TEST(HelpSearch, FindsPagesHoldingEveryWordTitleMatchesFirst)
{
    QTemporaryDir dir;
    const auto write = [&dir](const char *name, const QByteArray &html) {
        QFile f(dir.filePath(QLatin1String(name)));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(html);
    };
    write("a.html", "<title>Printing</title><p>Print the <b>calendar</b> on paper.</p>");
    write("b.html", "<title>Calendar Projects</title><p>A year of months, printed as one job.</p>");
    write("c.html", "<title>Zebra</title><p>Printing a calendar, <i>PRINT</i> preview.</p>");
    write("d.html", "<p>No title, about calendars and print.</p>");
    write("e.html", "<title>Print a Calendar</title><p>How.</p>");
    write("notes.txt", "print calendar");
    QDir(dir.path()).mkdir(QStringLiteral("folder.html"));
    HelpSearchIndex index;
    index.load(dir.path() + QLatin1Char('/'));
    EXPECT_EQ(index.pages().size(), 5);

    QStringList files;
    for (const HelpSearchIndex::Hit &hit : index.find(QStringLiteral("  Calendar   print ")))
        files << hit.file;
    // Every word in the title first, then by title; a page without a title goes by its name.
    EXPECT_EQ(files, (QStringList{QStringLiteral("e.html"), QStringLiteral("b.html"), QStringLiteral("d.html"),
                                  QStringLiteral("a.html"), QStringLiteral("c.html")}))
        << files.join(QLatin1Char(',')).toStdString();
    EXPECT_EQ(index.find(QStringLiteral("print zebra")).size(), 1) << "words of the title count";
    EXPECT_TRUE(index.find(QStringLiteral("calendar paper year")).isEmpty()) << "all words, not any";
    EXPECT_TRUE(index.find(QStringLiteral("<b>")).isEmpty()) << "the text is searched, not the markup";
    EXPECT_TRUE(index.find(QStringLiteral("   ")).isEmpty());
}

TEST(HelpWindow, TheContentsTreeOpensPagesAndFollowsThePageShown)
{
    HelpWindow help;
    QTreeWidget *tree = help.contentsTree();
    ASSERT_GT(tree->topLevelItemCount(), 3);
    QTreeWidgetItem *layout = nullptr;
    for (QTreeWidgetItemIterator it(tree); *it; ++it) {
        if ((*it)->data(0, Qt::UserRole).toString() == QStringLiteral("2100.html"))
            layout = *it;
    }
    ASSERT_NE(layout, nullptr);
    const QRect where = tree->visualItemRect(layout);
    help.show();
    QTest::mouseClick(tree->viewport(), Qt::LeftButton, {}, where.center());
    EXPECT_EQ(help.currentPage(), HelpWindow::topicUrl(2100));
    help.showTopic(2101);
    ASSERT_NE(tree->currentItem(), nullptr);
    EXPECT_EQ(tree->currentItem()->data(0, Qt::UserRole).toString(), QStringLiteral("2101.html"));
}

TEST(HelpWindow, TypingInTheSearchFieldListsPagesAndAClickOpensOne)
{
    HelpWindow help;
    help.show();
    QTest::keyClicks(help.searchField(), QStringLiteral("technical support"));
    EXPECT_TRUE(help.searchResults()->isVisible());
    EXPECT_FALSE(help.contentsTree()->isVisible());
    QListWidget *results = help.searchResults();
    int supportRow = -1;
    for (int i = 0; i < results->count(); ++i) {
        if (results->item(i)->data(Qt::UserRole).toString() == QStringLiteral("1015.html"))
            supportRow = i;
    }
    ASSERT_GE(supportRow, 0);
    QTest::mouseClick(results->viewport(), Qt::LeftButton, {}, results->visualItemRect(results->item(supportRow)).center());
    EXPECT_EQ(help.currentPage(), HelpWindow::topicUrl(1015));

    help.searchField()->setText(QStringLiteral("qwertyuiopnothing"));
    ASSERT_EQ(results->count(), 1);
    EXPECT_EQ(results->item(0)->flags(), Qt::NoItemFlags) << "the note cannot be opened";
    help.searchField()->clear();
    EXPECT_TRUE(help.contentsTree()->isVisible());
    EXPECT_FALSE(results->isVisible());
}
