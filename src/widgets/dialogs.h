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

    // The box message() shows, wide enough for its caption in the title bar.
    static std::unique_ptr<QMessageBox> makeMessageBox(QWidget *parent, Icon icon,
                                                       const QString &caption, const QString &text,
                                                       QMessageBox::StandardButtons buttons);

private:
    // Room a title bar keeps for the window manager's icon and buttons.
    static constexpr int kTitleBarButtons = 140;
};

// Convenience helpers that every module uses for its messages.
namespace Dialogs {

// A floating tool window steps aside while any modal dialog is open: 'hide' runs as the
// first dialog opens and 'restore' when the last one has closed, so dialogs opened from
// dialogs do not bring it back early. Empty functions unregister.
void setModalAside(std::function<void()> hide, std::function<void()> restore);

// Widens the time the tool window stays aside to a whole command, for commands that change
// what it may show between their dialogs (the properties dialog, the recurring-date lists).
class ModalScope
{
public:
    ModalScope();
    ~ModalScope();
    ModalScope(const ModalScope &) = delete;
    ModalScope &operator=(const ModalScope &) = delete;
};

// The dialogs the tool window opens itself leave it where it is.
class KeepToolWindow
{
public:
    KeepToolWindow();
    ~KeepToolWindow();
    KeepToolWindow(const KeepToolWindow &) = delete;
    KeepToolWindow &operator=(const KeepToolWindow &) = delete;
};

// Modal, caption "Information", OK.
void informationBox(QWidget *parent, const QString &text);
// Question icon, Yes and No; true for Yes.
bool yesNoQuestion(QWidget *parent, const QString &caption, const QString &text);
// The question before unsaved changes would go: Save, Discard (the desktop's own words for
// it) and Cancel, Save the default.
QMessageBox::StandardButton saveChangesQuestion(QWidget *parent, const QString &caption,
                                                const QString &text);
void errorBox(QWidget *parent, const QString &caption, const QString &text);
int exec(QDialog &dialog);
// A question with buttons of its own, the first the default; the index of the button
// pressed, or -1 when the box was closed without one.
int choice(QWidget *parent, const QString &caption, const QString &text, const QStringList &buttons);

} // namespace Dialogs
