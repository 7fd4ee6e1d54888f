// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#include "objectpopup.h"

#include "objects/tggraphiccontrol.h"

#include <QHash>
#include <QMenu>

struct ObjectPopup::Private
{
    QHash<const QAction *, std::function<void()>> entries;

    void fill(QMenu &menu, const ObjectMenu &items)
    {
        for (const ObjectMenuEntry &item : items) {
            if (item.separator) {
                menu.addSeparator();
            } else if (!item.submenu.empty()) {
                QMenu *sub = menu.addMenu(item.caption);
                sub->setEnabled(item.enabled);
                fill(*sub, item.submenu);
            } else {
                QAction *action = menu.addAction(item.caption);
                action->setCheckable(item.checkable);
                action->setChecked(item.checked);
                action->setEnabled(item.enabled);
                entries.insert(action, item.action);
            }
        }
    }
};

ObjectPopup::ObjectPopup(TGGraphicControl &object, QWidget *parent)
    : m_menu(std::make_unique<QMenu>(parent)), d(std::make_unique<Private>())
{
    object.PopupAboutToShow();
    d->fill(*m_menu, object.popupMenu());
}

ObjectPopup::~ObjectPopup() = default;

std::function<void()> ObjectPopup::chosenEntry(const QAction *action) const
{
    return d->entries.value(action);
}

void ObjectPopup::ShowPopup(TGGraphicControl &object, const QPoint &screenPoint, QWidget *parent)
{
    std::function<void()> entry;
    {
        ObjectPopup popup(object, parent);
        entry = popup.chosenEntry(popup.menu().exec(screenPoint));
    }
    if (entry)
        entry();
}
