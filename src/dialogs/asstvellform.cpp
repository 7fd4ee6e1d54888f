// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "asstvellform.h"

#include "dialogs/quicktips.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>

TAssistantVellForm::TAssistantVellForm(QWidget *parent)
    : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint), m_pages(new QStackedWidget(this))
{
    setObjectName(QStringLiteral("AssistantVellForm"));
    setWindowTitle(QStringLiteral("Quick Tips"));
    auto *title = new QLabel(QStringLiteral("Assistant"), this);
    title->setObjectName(QStringLiteral("AssistantTitle"));
    title->setStyleSheet(QStringLiteral("background:#000080; color:white; font-weight:bold; padding:3px;"));
    m_pages->addWidget(createTopicsPage());
    m_pages->addWidget(createAnswerPage());
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(4, 4, 4, 4);
    layout->addWidget(title);
    layout->addWidget(m_pages, 1);
    resize(400, 460);
}

QWidget *TAssistantVellForm::createTopicsPage()
{
    auto *page = new QWidget;
    auto *column = new QVBoxLayout(page);
    column->addWidget(new QLabel(QStringLiteral("What would you like to know?"), page));
    const QList<QuickTip> &tips = quickTips();
    for (int i = 0; i < tips.size(); ++i) {
        auto *button = new QPushButton(tips[i].question, page);
        button->setObjectName(QStringLiteral("Topic%1").arg(i + 1));
        button->setStyleSheet(QStringLiteral("text-align:left; padding:3px;"));
        button->setFlat(true);
        connect(button, &QPushButton::clicked, this, [this, i] { showAnswer(i); });
        column->addWidget(button);
    }
    column->addStretch(1);
    auto *close = new QPushButton(QStringLiteral("Close"), page);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    column->addWidget(close, 0, Qt::AlignRight);
    return page;
}

QWidget *TAssistantVellForm::createAnswerPage()
{
    auto *page = new QWidget;
    m_question = new QLabel(page);
    m_question->setWordWrap(true);
    m_question->setStyleSheet(QStringLiteral("font-weight:bold;"));
    m_answer = new QTextBrowser(page);
    m_answer->setObjectName(QStringLiteral("AnswerText"));
    auto *back = new QPushButton(QStringLiteral("Back"), page);
    auto *close = new QPushButton(QStringLiteral("Close"), page);
    connect(back, &QPushButton::clicked, this, &TAssistantVellForm::showTopics);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto *buttons = new QHBoxLayout;
    buttons->addWidget(back);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto *column = new QVBoxLayout(page);
    column->addWidget(m_question);
    column->addWidget(m_answer, 1);
    column->addLayout(buttons);
    return page;
}

void TAssistantVellForm::showTopics()
{
    m_pages->setCurrentIndex(0);
}

void TAssistantVellForm::showAnswer(int topic)
{
    const QList<QuickTip> &tips = quickTips();
    if (topic < 0 || topic >= tips.size())
        return;
    m_question->setText(tips[topic].question);
    m_answer->setHtml(tips[topic].answer);
    m_pages->setCurrentIndex(1);
}

bool TAssistantVellForm::showingAnswer() const
{
    return m_pages->currentIndex() == 1;
}

QString TAssistantVellForm::answerText() const
{
    return m_answer->toPlainText();
}
