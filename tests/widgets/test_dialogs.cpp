// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QWhatsThis>

#include "fakedialogs.h"
#include "widgets/whatsthismenu.h"

TEST(Dialogs, MessagesGoThroughTheReplaceableService)
{
    ScopedFakeDialogs fake;
    fake->answers = {QMessageBox::No, QMessageBox::Cancel};
    Dialogs::informationBox(nullptr, QStringLiteral("Saved"));
    EXPECT_FALSE(Dialogs::yesNoQuestion(nullptr, QStringLiteral("Q"), QStringLiteral("Sure?")));
    EXPECT_EQ(Dialogs::saveChangesQuestion(nullptr, QStringLiteral("Q"), QStringLiteral("Save?")),
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

TEST(WhatsThisMenu, ControlsWithContextHelpOfferIt)
{
    QDialog dialog;
    auto *edit = new QLineEdit(&dialog);
    edit->setWhatsThis(QStringLiteral("Edit help"));
    auto *plain = new QPushButton(QStringLiteral("Plain"), &dialog);
    WhatsThisMenu::install(&dialog);
    EXPECT_EQ(edit->contextMenuPolicy(), Qt::CustomContextMenu);
    EXPECT_EQ(plain->contextMenuPolicy(), Qt::DefaultContextMenu) << "nothing to explain";

    std::unique_ptr<QMenu> menu(WhatsThisMenu::menuFor(edit));
    const QList<QAction *> actions = menu->actions();
    ASSERT_FALSE(actions.isEmpty());
    EXPECT_EQ(actions.last()->text(), QStringLiteral("What's this?"));
    EXPECT_GT(actions.size(), 2) << "the edit box keeps its own entries";
    actions.last()->trigger();
    const QWidgetList shown = QApplication::topLevelWidgets();
    EXPECT_TRUE(std::any_of(shown.begin(), shown.end(), [](QWidget *w) {
        return w->isVisible() && QByteArray(w->metaObject()->className()) == "QWhatsThat";
    })) << "the text shows";
    QWhatsThis::hideText();
}

TEST(Dialogs, AMessageBoxIsWideEnoughForItsCaption)
{
    const QString caption = QStringLiteral("Configuration Information for the calendar");
    const auto box = WidgetDialogService::makeMessageBox(nullptr, DialogService::Icon::Question,
                                                         caption, QStringLiteral("Sure?"),
                                                         QMessageBox::Yes | QMessageBox::No);
    const auto plain = std::make_unique<QMessageBox>(QMessageBox::Question, caption,
                                                     QStringLiteral("Sure?"),
                                                     QMessageBox::Yes | QMessageBox::No);
    ASSERT_LT(plain->sizeHint().width(), box->fontMetrics().horizontalAdvance(caption) + 100)
        << "Qt's own box is too narrow for the title bar, or this test shows nothing";
    EXPECT_GE(box->sizeHint().width(), box->fontMetrics().horizontalAdvance(caption) + 100);
    EXPECT_EQ(box->windowTitle(), caption);
    EXPECT_EQ(box->standardButtons(), QMessageBox::Yes | QMessageBox::No);
}
