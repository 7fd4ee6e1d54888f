// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <functional>
#include <memory>

class QAction;
class QMenu;
class QWidget;
class TGGraphicControl;

// An object's popup menu as a QMenu: check marks and states brought up to date first.
// Triggering an action does not run the object's entry; chosenEntry() hands it out so
// that it runs once the menu is gone, since Cut and Delete destroy the object.
class ObjectPopup
{
public:
    ObjectPopup(TGGraphicControl &object, QWidget *parent);
    ~ObjectPopup();

    QMenu &menu() const { return *m_menu; }
    // The entry's action behind a QAction of the menu; empty for anything else.
    std::function<void()> chosenEntry(const QAction *action) const;

    // Shows the menu at a screen point and runs the chosen entry after it closed.
    static void ShowPopup(TGGraphicControl &object, const QPoint &screenPoint, QWidget *parent);

private:
    struct Private;
    std::unique_ptr<QMenu> m_menu;
    std::unique_ptr<Private> d;
};
