// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "widgets/dialogs.h"

#include <QList>
#include <QString>

#include <functional>

// Records every message and answers from a script, so tests never block on a window.
class FakeDialogService : public DialogService
{
public:
    struct Message {
        Icon icon;
        QString caption;
        QString text;
    };

    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &caption,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog &dialog) override;

    QList<Message> messages;
    // Answers given to message boxes with a choice, in order; when empty the default button is returned.
    QList<QMessageBox::StandardButton> answers;
    // Called for each modal dialog; it may fill the dialog's fields and returns the result
    // code. Without a handler every dialog is rejected.
    std::function<int(QDialog &)> onDialog;
    int dialogCount = 0;
};

// Installs a FakeDialogService for the lifetime of the object.
class ScopedFakeDialogs
{
public:
    ScopedFakeDialogs();
    ~ScopedFakeDialogs();
    FakeDialogService &operator*() { return *m_fake; }
    FakeDialogService *operator->() { return m_fake; }

private:
    FakeDialogService *m_fake; // owned by DialogService
};
