// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QList>
#include <QString>
#include <QUrl>
#include <QWidget>

class QLineEdit;
class QListWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;

// One entry of the help's table of contents: a page (file name in the help folder) and the
// entries under it. A heading without a page of its own has an empty file.
struct HelpContentsEntry
{
    QString title;
    QString file;
    QList<HelpContentsEntry> children;
};

// The table of contents is the contents page itself: each <h2> heading of index.html is a
// branch and each link to a page of the folder below it is a leaf, so the page and the tree
// never disagree.
QList<HelpContentsEntry> helpContentsOf(const QString &indexHtml);

// The text of every page of the help folder, searched for pages holding all the words asked.
class HelpSearchIndex
{
public:
    struct Page
    {
        QString file;
        QString title;
        QString text; // lower case
    };
    struct Hit
    {
        QString file;
        QString title;
    };

    // Reads the *.html files of the folder (regular files, at most 1 MB each).
    void load(const QString &folder);
    const QList<Page> &pages() const { return m_pages; }
    // Pages whose title or text contains every word of the query, regardless of case; those
    // with every word in their title first, then by title. An empty query finds nothing.
    QList<Hit> find(const QString &query) const;

private:
    QList<Page> m_pages;
};

// The program's help: HTML pages in the "help" folder of the shipped data, one contents
// page and one page per topic number, shown in one shared window beside their table of
// contents and a search field.
class HelpWindow : public QWidget
{
    Q_OBJECT

public:
    explicit HelpWindow(QWidget *parent = nullptr);

    // The window in use, created on first use; it lives until the application ends.
    static HelpWindow &instance();
    // Closes the window if it was ever opened (the program is ending).
    static void closeIfOpen();
    // Folder of the pages, ending with '/'.
    static QString helpFolder();
    static QUrl contentsUrl();
    static QUrl topicUrl(int topic);
    static QUrl pageUrl(const QString &file);

    void showContents();
    // A topic without a page shows the contents with a note instead of an empty window.
    void showTopic(int topic);
    QUrl currentPage() const;
    QTextBrowser *browser() const { return m_browser; }
    QTreeWidget *contentsTree() const { return m_contents; }
    QLineEdit *searchField() const { return m_search; }
    QListWidget *searchResults() const { return m_results; }

private:
    void showPage(const QUrl &url);
    void placeOnActiveScreen();
    void buildContents();
    void runSearch(const QString &query);
    void markCurrentInContents(const QUrl &url);

    QTextBrowser *m_browser;
    QTreeWidget *m_contents;
    QLineEdit *m_search;
    QListWidget *m_results;
    HelpSearchIndex m_index;
    bool m_indexLoaded = false;
};

// The shared help operations every dialog calls.
void ShowHelpTopic(int topic);
void ShowHelpContents();
