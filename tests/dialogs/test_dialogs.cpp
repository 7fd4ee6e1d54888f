// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>

#include "fakedialogs.h"
#include "dialogs/asstvellform.h"
#include "dialogs/configinfo.h"
#include "dialogs/quicktips.h"
#include "dialogs/settd.h"

TEST(QuickTips, TwelveTopicsEachWithAnAnswerAndBackReturnsToTheTopics)
{
    ASSERT_EQ(quickTips().size(), 12);
    EXPECT_EQ(quickTips()[1].question, QStringLiteral("How to I change the look (layout) of an existing calendar ?"));
    for (const QuickTip &tip : quickTips())
        EXPECT_GT(tip.answer.size(), 150) << qPrintable(tip.question);
    TAssistantVellForm form;
    EXPECT_EQ(form.windowTitle(), QStringLiteral("Quick Tips"));
    form.findChild<QPushButton *>(QStringLiteral("Topic11"))->click();
    EXPECT_TRUE(form.showingAnswer());
    EXPECT_TRUE(form.answerText().contains(QStringLiteral("Selection tool")));
    const auto buttons = form.findChildren<QPushButton *>();
    const auto back = std::find_if(buttons.cbegin(), buttons.cend(),
                                   [](QPushButton *b) { return b->text() == QStringLiteral("Back"); });
    ASSERT_NE(back, buttons.cend());
    (*back)->click();
    EXPECT_FALSE(form.showingAnswer());
}

TEST(SetTimeDialog, ClicksSetHourAndMinuteAndTheCaptionFollows)
{
    TSetTimeDialog dialog(QTime(9, 5, 41));
    EXPECT_EQ(dialog.time(), QTime(9, 5));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 09:05 am"));
    EXPECT_EQ(dialog.hourCell(0)->text(), QStringLiteral("12"));
    EXPECT_EQ(dialog.hourCell(13)->text(), QStringLiteral("1"));
    EXPECT_EQ(dialog.minuteCell(7)->text(), QStringLiteral("07"));
    dialog.hourCell(12)->click();
    dialog.minuteCell(30)->click();
    EXPECT_EQ(dialog.time(), QTime(12, 30));
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 12:30 pm"));
    EXPECT_EQ(dialog.hourCell(12)->palette().color(QPalette::Button), QColor(Qt::yellow));
    EXPECT_NE(dialog.hourCell(9)->palette().color(QPalette::Button), QColor(Qt::yellow));
    dialog.clickHour(0);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Set Time As: 12:30 am"));
    dialog.clickHour(24);
    dialog.clickMinute(-1);
    EXPECT_EQ(dialog.time(), QTime(0, 30)) << "cells that do not exist change nothing";
}

TEST(ConfigurationInfo, ReturnClosesItEvenAfterACopy)
{
    ScopedFakeDialogs dialogs;
    TConfigurationInfo info(QStringLiteral("report"));
    info.show();
    auto *copy = info.findChild<QPushButton *>(QStringLiteral("CopyButton"));
    copy->setFocus();
    copy->click();
    const int copies = int(dialogs->messages.size());
    QTest::keyClick(copy, Qt::Key_Return);
    EXPECT_EQ(info.result(), QDialog::Accepted);
    EXPECT_EQ(int(dialogs->messages.size()), copies) << "no second copy";
}
