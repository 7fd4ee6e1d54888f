// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QUrl>
#include <QWidget>

class QTextBrowser;

// The program's help: HTML pages in the "help" folder of the shipped data, one contents
// page and one page per topic number, shown in one shared window.
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

    void showContents();
    // A topic without a page shows the contents with a note instead of an empty window.
    void showTopic(int topic);
    QUrl currentPage() const;
    QTextBrowser *browser() const { return m_browser; }

private:
    void showPage(const QUrl &url);
    void placeOnActiveScreen();

    QTextBrowser *m_browser;
};

// The shared help operations every dialog calls.
void ShowHelpTopic(int topic);
void ShowHelpContents();
