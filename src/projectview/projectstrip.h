// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QListWidget>
#include <QTimer>

#include <deque>

class ProjectSession;

// The project's pages as a column of small pictures beside the page: clicking one shows
// it. Pictures are drawn one at a time while the program is idle, and the shown page's
// again shortly after it changes, so the strip follows the page without slowing typing.
class TProjectStrip : public QListWidget
{
    Q_OBJECT

public:
    explicit TProjectStrip(ProjectSession &session, QWidget *parent = nullptr);

    // The project opened or closed: one entry a page, all drawn anew.
    void rebuild();
    // Page index changed: its picture is drawn again soon.
    void pageChanged(int index);
    // The window shows another page.
    void setCurrentPage(int index);
    // Draws every waiting picture now (tests, and before a screenshot).
    void drawPending();
    static constexpr int kThumbnailHeight = 150;

private:
    void drawNext();
    void queue(int index);

    ProjectSession &m_session;
    std::deque<int> m_waiting;
    QTimer m_drawTimer;
    bool m_selecting = false;
};
