// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakedialogs.h"

#include <gtest/gtest.h>

#include <QDialog>

QMessageBox::StandardButton FakeDialogService::message(QWidget *, Icon icon, const QString &caption,
                                                       const QString &text,
                                                       QMessageBox::StandardButtons buttons,
                                                       QMessageBox::StandardButton defaultButton)
{
    messages.append({icon, caption, text});
    // A box with a single button has nothing to answer.
    if (answers.isEmpty() || buttons == QMessageBox::Ok)
        return defaultButton;
    const QMessageBox::StandardButton answer = answers.takeFirst();
    // A scripted answer the box does not offer means the test and the box disagree.
    if (!buttons.testFlag(answer))
        ADD_FAILURE() << "answer " << int(answer) << " is not a button of \"" << qPrintable(text) << '"';
    return answer;
}

int FakeDialogService::exec(QDialog &dialog)
{
    ++dialogCount;
    return onDialog ? onDialog(dialog) : QDialog::Rejected;
}

ScopedFakeDialogs::ScopedFakeDialogs()
{
    auto fake = std::make_unique<FakeDialogService>();
    m_fake = fake.get();
    DialogService::setInstance(std::move(fake));
}

ScopedFakeDialogs::~ScopedFakeDialogs()
{
    DialogService::setInstance(nullptr);
}
