// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QDialog>

#include "fakedialogs.h"

TEST(Dialogs, MessagesGoThroughTheReplaceableService)
{
    ScopedFakeDialogs fake;
    fake->answers = {QMessageBox::No, QMessageBox::Cancel};
    Dialogs::informationBox(nullptr, QStringLiteral("Saved"));
    EXPECT_FALSE(Dialogs::yesNoQuestion(nullptr, QStringLiteral("Q"), QStringLiteral("Sure?")));
    EXPECT_EQ(Dialogs::yesNoCancelQuestion(nullptr, QStringLiteral("Q"), QStringLiteral("Save?")),
              QMessageBox::Cancel);
    ASSERT_EQ(fake->messages.size(), 3);
    EXPECT_EQ(fake->messages[0].caption, QStringLiteral("Information"));
    EXPECT_EQ(fake->messages[0].text, QStringLiteral("Saved"));
    EXPECT_EQ(fake->messages[1].icon, DialogService::Icon::Question);
}

TEST(Dialogs, ModalDialogsAreScripted)
{
    ScopedFakeDialogs fake;
    QDialog dialog;
    EXPECT_EQ(Dialogs::exec(dialog), QDialog::Rejected);
    fake->onDialog = [](QDialog &d) {
        d.setWindowTitle(QStringLiteral("seen"));
        return int(QDialog::Accepted);
    };
    EXPECT_EQ(Dialogs::exec(dialog), QDialog::Accepted);
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("seen"));
    EXPECT_EQ(fake->dialogCount, 2);
}
