// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "fakedialogs.h"

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
    return answers.takeFirst();
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
