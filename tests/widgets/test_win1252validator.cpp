// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "widgets/win1252validator.h"

TEST(Win1252, TheValidatorRefusesWhatFilesCannotHoldAndSaysWhy)
{
    Win1252Validator validator;
    QString refusal;
    QObject::connect(&validator, &Win1252Validator::refused, [&](const QString &text) { refusal = text; });
    int pos = 0;
    QString fine = QStringLiteral("Fête des Mères");
    EXPECT_EQ(validator.validate(fine, pos), QValidator::Acceptable);
    EXPECT_TRUE(refusal.isEmpty());
    QString bad = QStringLiteral("Tet \u6625");
    EXPECT_EQ(validator.validate(bad, pos), QValidator::Invalid);
    EXPECT_TRUE(refusal.startsWith(QStringLiteral("\u201c\u6625\u201d can't be kept")));
}
