// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "surface/objectpopup.h"
#include "objects/tgplabel.h"

#include <QAction>
#include <QMenu>

TEST(ObjectPopup, BuildsTheMenuWithCurrentCheckMarks)
{
    TGPLabel label;
    label.AfterLoad();
    label.SetBorderStyle(bsSingle);
    ObjectPopup popup(label, nullptr);
    const QList<QAction *> actions = popup.menu().actions();
    ASSERT_EQ(actions.size(), 23);
    EXPECT_TRUE(actions[6]->isSeparator());
    QAction *border = nullptr;
    QMenu *alignment = nullptr;
    for (QAction *action : actions) {
        if (action->text() == QStringLiteral("Border"))
            border = action;
        if (action->menu() && action->text() == QStringLiteral("Alignment"))
            alignment = action->menu();
    }
    ASSERT_TRUE(border && alignment);
    EXPECT_TRUE(border->isChecked());
    ASSERT_EQ(alignment->actions().size(), 3);
    EXPECT_TRUE(alignment->actions()[0]->isChecked());

    // Choosing an action runs nothing until the entry is called.
    const std::function<void()> entry = popup.chosenEntry(border);
    ASSERT_TRUE(entry);
    EXPECT_EQ(label.BorderStyle(), bsSingle);
    entry();
    EXPECT_EQ(label.BorderStyle(), bsNone);
    EXPECT_FALSE(popup.chosenEntry(nullptr));
}
