// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

#include <functional>
#include <memory>

class QDialog;
class QWidget;

// Every modal message box and dialog of the program runs through this service so that
// tests can replace it and never block on a window waiting for a user.
class DialogService
{
public:
    enum class Icon { None, Information, Question, Warning, Critical };

    virtual ~DialogService() = default;

    // A message box; returns the button pressed (one of buttons, or defaultButton).
    virtual QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &caption,
                                                const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton) = 0;
    // Runs a modal dialog and returns its result code (QDialog::Accepted or Rejected).
    virtual int exec(QDialog &dialog) = 0;

    // The service in use; the default shows real windows.
    static DialogService &instance();
    // Installs a replacement (tests); nullptr restores the default.
    static void setInstance(std::unique_ptr<DialogService> service);
};

// Shows real windows.
class WidgetDialogService : public DialogService
{
public:
    QMessageBox::StandardButton message(QWidget *parent, Icon icon, const QString &caption,
                                        const QString &text, QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) override;
    int exec(QDialog &dialog) override;
};

// Convenience helpers that every module uses for its messages.
namespace Dialogs {

// Modal, caption "Information", OK.
void informationBox(QWidget *parent, const QString &text);
// Question icon, Yes and No; true for Yes.
bool yesNoQuestion(QWidget *parent, const QString &caption, const QString &text);
// Question icon, Yes, No and Cancel.
QMessageBox::StandardButton yesNoCancelQuestion(QWidget *parent, const QString &caption,
                                                const QString &text);
void errorBox(QWidget *parent, const QString &caption, const QString &text);
int exec(QDialog &dialog);
// A question with buttons of its own, the first the default; the index of the button
// pressed, or -1 when the box was closed without one.
int choice(QWidget *parent, const QString &caption, const QString &text, const QStringList &buttons);

} // namespace Dialogs
