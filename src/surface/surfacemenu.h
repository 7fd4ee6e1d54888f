// SPDX-FileCopyrightText: 2026 The Orvane developers
// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>

#include <functional>
#include <memory>
#include <vector>

class QAction;
class QMenu;
class TGBasePanel;

// The surface's popup menu, which the selection frame shares: z-order, clipboard, delete,
// alignment, centring, locking, selectability and font. The chosen command runs once the
// menu has closed, since several of them destroy objects.
class SurfaceMenu
{
public:
    explicit SurfaceMenu(TGBasePanel &surface);
    ~SurfaceMenu();

    QMenu &menu() const { return *m_menu; }
    // Enables the items by the selection, the clipboard file and the child controls, as
    // just before the menu shows.
    void updateStates();
    // Shows the menu through the surface's presenter and runs the chosen command.
    void popup(const QPoint &screenPoint);

private:
    QAction *addCommand(const QString &caption, std::function<void()> command);

    TGBasePanel &m_surface;
    std::unique_ptr<QMenu> m_menu;
    std::vector<std::pair<QAction *, std::function<void()>>> m_commands;
    // Enabled only with a selection.
    std::vector<QAction *> m_selectionItems;
    QAction *m_paste = nullptr;
    QAction *m_undo = nullptr;
    QAction *m_redo = nullptr;
    QAction *m_lockAll = nullptr;
    QAction *m_unlockAll = nullptr;
};
