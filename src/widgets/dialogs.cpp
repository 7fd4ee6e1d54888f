// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QPushButton>
#include <QSpacerItem>

#include <QDialog>

#include <memory>
#include <utility>

namespace {

std::unique_ptr<DialogService> &current()
{
    static std::unique_ptr<DialogService> service = std::make_unique<WidgetDialogService>();
    return service;
}

QMessageBox::Icon toQt(DialogService::Icon icon)
{
    switch (icon) {
    case DialogService::Icon::Information: return QMessageBox::Information;
    case DialogService::Icon::Question: return QMessageBox::Question;
    case DialogService::Icon::Warning: return QMessageBox::Warning;
    case DialogService::Icon::Critical: return QMessageBox::Critical;
    case DialogService::Icon::None: break;
    }
    return QMessageBox::NoIcon;
}

struct ModalAside {
    std::function<void()> hide;
    std::function<void()> restore;
    int depth = 0;
    int kept = 0;
    bool hidden = false;
};

ModalAside &modalAside()
{
    static ModalAside aside;
    return aside;
}

} // namespace

DialogService &DialogService::instance()
{
    return *current();
}

void DialogService::setInstance(std::unique_ptr<DialogService> service)
{
    current() = service ? std::move(service) : std::make_unique<WidgetDialogService>();
}

QMessageBox::StandardButton WidgetDialogService::message(QWidget *parent, Icon icon,
                                                         const QString &caption,
                                                         const QString &text,
                                                         QMessageBox::StandardButtons buttons,
                                                         QMessageBox::StandardButton defaultButton)
{
    // Messages break lines with "\r" or "\r\n", as they always have.
    QString shown = text;
    shown.replace(QLatin1String("\r\n"), QLatin1String("\n")).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    const std::unique_ptr<QMessageBox> box = makeMessageBox(parent, icon, caption, shown, buttons);
    box->setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box->exec());
}

std::unique_ptr<QMessageBox> WidgetDialogService::makeMessageBox(QWidget *parent, Icon icon,
                                                                 const QString &caption,
                                                                 const QString &text,
                                                                 QMessageBox::StandardButtons buttons)
{
    auto box = std::make_unique<QMessageBox>(toQt(icon), caption, text, buttons, parent);
    // The window manager draws the caption in the title bar beside its own buttons; a box
    // as narrow as a short question would cut it off. Title fonts run larger and bolder
    // than the box's, hence the extra share.
    const int captionRoom = box->fontMetrics().horizontalAdvance(caption) * 3 / 2 + kTitleBarButtons;
    if (auto *grid = qobject_cast<QGridLayout *>(box->layout())) {
        grid->addItem(new QSpacerItem(captionRoom, 0, QSizePolicy::Minimum, QSizePolicy::Fixed),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    return box;
}

int WidgetDialogService::exec(QDialog &dialog)
{
    return dialog.exec();
}

namespace Dialogs {

void setModalAside(std::function<void()> hide, std::function<void()> restore)
{
    ModalAside &aside = modalAside();
    aside.hide = std::move(hide);
    aside.restore = std::move(restore);
}

ModalScope::ModalScope()
{
    ModalAside &aside = modalAside();
    if (aside.depth++ == 0 && aside.kept == 0 && aside.hide) {
        aside.hidden = true;
        aside.hide();
    }
}

ModalScope::~ModalScope()
{
    ModalAside &aside = modalAside();
    if (--aside.depth == 0 && std::exchange(aside.hidden, false) && aside.restore)
        aside.restore();
}

KeepToolWindow::KeepToolWindow()
{
    ++modalAside().kept;
}

KeepToolWindow::~KeepToolWindow()
{
    --modalAside().kept;
}

void informationBox(QWidget *parent, const QString &text)
{
    const ModalScope aside;
    DialogService::instance().message(parent, DialogService::Icon::Information,
                                      QStringLiteral("Information"), text, QMessageBox::Ok,
                                      QMessageBox::Ok);
}

bool yesNoQuestion(QWidget *parent, const QString &caption, const QString &text)
{
    const ModalScope aside;
    return DialogService::instance().message(parent, DialogService::Icon::Question, caption, text,
                                             QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes)
           == QMessageBox::Yes;
}

QMessageBox::StandardButton saveChangesQuestion(QWidget *parent, const QString &caption,
                                                const QString &text)
{
    const ModalScope aside;
    return DialogService::instance().message(parent, DialogService::Icon::Question, caption, text,
                                             QMessageBox::Save | QMessageBox::Discard
                                                 | QMessageBox::Cancel,
                                             QMessageBox::Save);
}

void errorBox(QWidget *parent, const QString &caption, const QString &text)
{
    const ModalScope aside;
    DialogService::instance().message(parent, DialogService::Icon::Critical, caption, text,
                                      QMessageBox::Ok, QMessageBox::Ok);
}

int exec(QDialog &dialog)
{
    const ModalScope aside;
    return DialogService::instance().exec(dialog);
}

int choice(QWidget *parent, const QString &caption, const QString &text, const QStringList &buttons)
{
    QMessageBox box(QMessageBox::Question, caption, text, QMessageBox::NoButton, parent);
    QList<QAbstractButton *> made;
    for (const QString &caption : buttons)
        made << box.addButton(caption, made.isEmpty() ? QMessageBox::AcceptRole : QMessageBox::RejectRole);
    if (!made.isEmpty())
        box.setDefaultButton(qobject_cast<QPushButton *>(made.first()));
    exec(box);
    return int(made.indexOf(box.clickedButton()));
}

} // namespace Dialogs
