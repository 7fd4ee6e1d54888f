// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

class QLabel;
class QStackedWidget;
class QTextBrowser;

// The quick tips window: a small window that stays on top of the main window, with one
// button per question and, for the chosen question, its answer.
class TAssistantVellForm : public QWidget
{
    Q_OBJECT

public:
    explicit TAssistantVellForm(QWidget *parent = nullptr);

    void showTopics();
    // Topics count from 0 in the order of quickTips().
    void showAnswer(int topic);
    bool showingAnswer() const;
    QString answerText() const;

private:
    QWidget *createTopicsPage();
    QWidget *createAnswerPage();

    QStackedWidget *m_pages;
    QLabel *m_question = nullptr;
    QTextBrowser *m_answer = nullptr;
};
