// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "whatsthismenu.h"

#include <QLineEdit>
#include <QMenu>
#include <QWhatsThis>

namespace WhatsThisMenu {

QMenu *menuFor(QWidget *control)
{
    QMenu *menu = nullptr;
    if (auto *edit = qobject_cast<QLineEdit *>(control)) {
        menu = edit->createStandardContextMenu();
        menu->addSeparator();
    } else {
        menu = new QMenu;
    }
    QAction *help = menu->addAction(QStringLiteral("What's this?"));
    QObject::connect(help, &QAction::triggered, control, [control] {
        QWhatsThis::showText(control->mapToGlobal(control->rect().center()), control->whatsThis(),
                             control);
    });
    return menu;
}

void install(QWidget *dialog)
{
    for (QWidget *control : dialog->findChildren<QWidget *>()) {
        if (control->whatsThis().isEmpty())
            continue;
        control->setContextMenuPolicy(Qt::CustomContextMenu);
        QObject::connect(control, &QWidget::customContextMenuRequested, control,
                         [control](const QPoint &point) {
                             QMenu *menu = menuFor(control);
                             menu->setAttribute(Qt::WA_DeleteOnClose);
                             menu->popup(control->mapToGlobal(point));
                         });
    }
}

} // namespace WhatsThisMenu
